// The four-chart plot screen the program draws itself.
#pragma once
#include "shell/Pending_Screen.h"

class frm_MyPlot3 : public Pending_Screen {
public:
    frm_MyPlot3() : Pending_Screen("frm_MyPlot3") {}
};
