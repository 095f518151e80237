// The two-chart plot screen the program draws itself.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Myplot2 : public Pending_Screen {
public:
    frm_Myplot2() : Pending_Screen("frm_Myplot2") {}
};
