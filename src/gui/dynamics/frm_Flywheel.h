// The flywheel screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Flywheel : public Pending_Screen {
public:
    frm_Flywheel() : Pending_Screen("frm_Flywheel") {}
};
