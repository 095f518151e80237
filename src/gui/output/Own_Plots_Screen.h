// The own-drawn plot routines on a plot screen: the set-up of its labels, the drawing of its
// charts with their panels, and the polar chart's single steps.
#pragma once
#include <array>
#include <cstdint>

#include "output/Own_Chart.h"
#include "platform/Redraw_Timer.h"
#include "selection/Selection_Record.h"
#include "shell/Output_Layout.h"

// What the routines reach on an own-drawn plot screen: its output layout and chart g's picture
// and panels (pct_Plot(g), pnl_LeftTitle(g) ... as Chart[g]->pct_Plot ...).
struct Own_Plot_Controls : Output_Layout, Has_Timer1 {
    std::array<Own_Chart*, 4> Chart{};
};

class frm_MyPlot4;

// Run by the selection screens' Next before the screen is shown, and by the plot screens.
void MyPlotSetup(Own_Plot_Controls& Form, int16_t& NumGraphs);
// SelectForm: the functions accepted on the selection screen, slot g + 1 for chart g.
void MyPlot(Own_Plot_Controls& Form, const Accepted_Functions& SelectForm, int16_t& NumGraphs);
void MyPolarPlotSetup(frm_MyPlot4& Form);
void MyPolarPlot(frm_MyPlot4& Form, const Accepted_Functions& SelectForm);
void MyPolarStep(frm_MyPlot4& Form, int16_t& Step);
