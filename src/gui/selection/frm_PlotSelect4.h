// The polar plot-selection screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PlotSelect4 : public Pending_Screen {
public:
    frm_PlotSelect4() : Pending_Screen("frm_PlotSelect4") {}
};
