// The polar plot screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_MyPlot4 : public Pending_Screen {
public:
    frm_MyPlot4() : Pending_Screen("frm_MyPlot4") {}
};
