// The two-window plot-selection screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PlotSelect2 : public Pending_Screen {
public:
    frm_PlotSelect2() : Pending_Screen("frm_PlotSelect2") {}
};
