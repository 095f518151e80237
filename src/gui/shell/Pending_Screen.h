// A screen the home screen already opens whose controls come later: it carries its name and
// design size and follows the program's screen-size choice when activated.
#pragma once
#include "model/Mod_Main.h"
#include "platform/Screen.h"
#include "shell/mod_Common.h"

class Pending_Screen : public Screen {
public:
    explicit Pending_Screen(const char* name) : Screen(name, 11850, 8950) {}

protected:
    void Form_Activate() override
    {
        if (store().Full_Screen) Maximize_Screen(*this, 8950, 11850);
        else Reset_Screen(*this, 8950, 11850);
    }
};
