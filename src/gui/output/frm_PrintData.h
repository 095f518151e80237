// The output-grid screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_PrintData : public Pending_Screen {
public:
    frm_PrintData() : Pending_Screen("frm_PrintData") {}
};
