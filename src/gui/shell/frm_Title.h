// The title screen that start-up shows first: Start leads to the notice, Abort to the quit screen.
#pragma once
#include <QPushButton>

#include "platform/Screen.h"
#include "shell/Start_Screen_Support.h"

class frm_Title : public Screen, public Title_Panel {
    Q_OBJECT
public:
    frm_Title();

    QPushButton* cmd_Start;
    QPushButton* cmd_Abort;

    void cmd_Start_Click();
    void cmd_Abort_Click();

protected:
    void Form_Activate() override;
    // Closing the first screen would leave the program running with nothing on show: the close
    // box asks to quit, as Abort does.
    void Close_Box() override { cmd_Abort_Click(); }
};
