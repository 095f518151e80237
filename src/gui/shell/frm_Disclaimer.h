// The notice screen: what the program is, the disclaimer, who may use it and where to get help.
// Next, or a click anywhere on it, closes it.
#pragma once
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/Screen.h"

class frm_Disclaimer : public Screen {
    Q_OBJECT
public:
    frm_Disclaimer();

    std::array<QLabel*, 1> Label1{};
    QLabel* lbl_Disclaimer;
    QLabel* lbl_Notice;
    QLabel* lbl_Support;
    QFrame* SSPanel1;
    QGroupBox* SSFrame1;
    QGroupBox* SSFrame2;
    QGroupBox* SSFrame3;
    QGroupBox* SSFrame4;
    QPushButton* cmd_Done;

    void cmd_Done_Click();

protected:
    void Form_Activate() override;
    // During start-up a plain hide would leave nothing on show: the close box goes on as Next does.
    void Close_Box() override { cmd_Done_Click(); }
};

// Fills the notice screen's texts.
void Notice();
