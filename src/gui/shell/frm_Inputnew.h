// The input screen: link data, motion and calculation.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Inputnew : public Pending_Screen {
public:
    frm_Inputnew() : Pending_Screen("frm_Inputnew") {}
};
