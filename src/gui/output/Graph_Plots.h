// The graph-control plots: the set-up of a plot screen's charts and labels, and its functions
// charted, all of them in one chart (MultiPlot) or one per chart (Plot).
#pragma once
#include <cstdint>

#include "output/mod_Common2.h"
#include "selection/Selection_Record.h"
#include "shell/Output_Layout.h"

// The controls the plotting routines reach on a graph plot screen. The functions last charted
// are kept, so the screen can replot them after an option change.
struct Graph_Plot_Form : Output_Layout, Has_Graph_Styles {
    Accepted_Functions Charted;
};

void Plot_Setup(Graph_Plot_Form& Form, int16_t& NumGraphs);
void MultiPlot(Graph_Plot_Form& PlotForm, const Accepted_Functions& SelectForm);
void Plot(Graph_Plot_Form& PlotForm, const Accepted_Functions& SelectForm, int16_t& NumGraphs);
