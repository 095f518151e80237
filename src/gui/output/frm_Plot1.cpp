#include "output/frm_Plot1.h"

#include "selection/frm_PlotSelect1.h"

frm_Plot1::frm_Plot1() : Graph_Plot_Screen("frm_Plot1", 1, "cmd_PlotPrint")
{
    // A click on the chart replots it.
    connect(grf_Plot[0], &Graph_Control::Clicked, this, [this](int) { Run_Handler([this] { Replot(); }); });
}

void frm_Plot1::mouseReleaseEvent(QMouseEvent*)
{
    Run_Handler([this] { Replot(); });
}

Screen& frm_Plot1::Selection_Screen() { return Form<frm_PlotSelect1>(); }

void frm_Plot1::Chart_Functions() { MultiPlot(*this, Charted); }
