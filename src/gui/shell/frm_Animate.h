// The animation screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Animate : public Pending_Screen {
public:
    frm_Animate() : Pending_Screen("frm_Animate") {}
};
