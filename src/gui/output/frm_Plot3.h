// The four-chart graph plot screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Plot3 : public Pending_Screen {
public:
    frm_Plot3() : Pending_Screen("frm_Plot3") {}
};
