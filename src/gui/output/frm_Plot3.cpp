#include "output/frm_Plot3.h"

#include "selection/frm_PlotSelect3.h"

frm_Plot3::frm_Plot3() : Graph_Plot_Screen("frm_Plot3", 4, "cmd_Print"), cmd_Print(cmd_PlotPrint) {}

Screen& frm_Plot3::Selection_Screen() { return Form<frm_PlotSelect3>(); }

void frm_Plot3::Chart_Functions() { Plot(*this, Charted, NumGraphs); }
