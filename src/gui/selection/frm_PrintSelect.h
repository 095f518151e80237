// The print-selection screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PrintSelect : public Pending_Screen {
public:
    frm_PrintSelect() : Pending_Screen("frm_PrintSelect") {}
};
