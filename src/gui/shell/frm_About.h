// The about screen: the program's name and release; a click anywhere closes it.
#pragma once

#include "platform/Screen.h"
#include "shell/Start_Screen_Support.h"

class frm_About : public Screen, public Title_Panel {
    Q_OBJECT
public:
    frm_About();

protected:
    void Form_Load() override;
    void Form_Activate() override;
};
