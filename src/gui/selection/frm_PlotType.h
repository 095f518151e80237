// The plot-type screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PlotType : public Pending_Screen {
public:
    frm_PlotType() : Pending_Screen("frm_PlotType") {}
};
