#include "output/frm_MyPlot3.h"

#include "selection/frm_PlotSelect3.h"

Screen& frm_MyPlot3::Selection_Screen() { return Form<frm_PlotSelect3>(); }
