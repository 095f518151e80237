// The matrix screen of the force solution.
#pragma once
#include "shell/Pending_Screen.h"

class frm_Matrix : public Pending_Screen {
public:
    frm_Matrix() : Pending_Screen("frm_Matrix") {}
};
