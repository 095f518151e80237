// The single-chart graph plot screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Plot1 : public Pending_Screen {
public:
    frm_Plot1() : Pending_Screen("frm_Plot1") {}
};
