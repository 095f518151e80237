// The single-window plot-selection screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PlotSelect1 : public Pending_Screen {
public:
    frm_PlotSelect1() : Pending_Screen("frm_PlotSelect1") {}
};
