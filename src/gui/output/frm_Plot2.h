// The two-chart graph plot screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Plot2 : public Pending_Screen {
public:
    frm_Plot2() : Pending_Screen("frm_Plot2") {}
};
