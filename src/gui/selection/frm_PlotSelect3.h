// The four-window plot-selection screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PlotSelect3 : public Pending_Screen {
public:
    frm_PlotSelect3() : Pending_Screen("frm_PlotSelect3") {}
};
