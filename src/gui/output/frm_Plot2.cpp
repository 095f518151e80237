#include "output/frm_Plot2.h"

#include "selection/frm_PlotSelect2.h"

frm_Plot2::frm_Plot2() : Graph_Plot_Screen("frm_Plot2", 2, "cmd_PlotPrint") {}

Screen& frm_Plot2::Selection_Screen() { return Form<frm_PlotSelect2>(); }

void frm_Plot2::Chart_Functions() { Plot(*this, Charted, NumGraphs); }
