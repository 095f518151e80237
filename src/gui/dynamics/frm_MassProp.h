// The mass-properties (dynamics) screen.
#pragma once
#include "shell/Pending_Screen.h"

class frm_MassProp : public Pending_Screen {
public:
    frm_MassProp() : Pending_Screen("frm_MassProp") {}
};
