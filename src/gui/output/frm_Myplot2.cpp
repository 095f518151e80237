#include "output/frm_Myplot2.h"

#include "selection/frm_PlotSelect2.h"

Screen& frm_Myplot2::Selection_Screen() { return Form<frm_PlotSelect2>(); }
