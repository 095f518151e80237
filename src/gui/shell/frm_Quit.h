// The quit screen: No returns to the caller, Yes ends the program.
#pragma once
#include <QGroupBox>
#include <QPushButton>

#include "platform/Screen.h"

class frm_Quit : public Screen {
    Q_OBJECT
public:
    frm_Quit();

    QGroupBox* SSFrame1;
    QPushButton* cmd_NoQuit;
    QPushButton* cmd_YesQuit;

    void cmd_NoQuit_Click();
    void cmd_YesQuit_Click();

protected:
    void Form_Activate() override;
};

// Closes every open file and ends the program at once.
void Terminate();
