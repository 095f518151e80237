// The user screen: the user's name or project ID, the design number and the model's file name.
#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Screen.h"

class frm_User : public Screen {
    Q_OBJECT
public:
    frm_User();

    QLabel* Label1;
    QLineEdit* txt_UserName;
    QLabel* Label2;
    QLineEdit* txt_DesignNo;
    QLabel* Label3;
    QLineEdit* txt_Filename;
    QPushButton* cmd_Done;

    void txt_Filename_LostFocus();
    void cmd_Done_Click();

protected:
    void Form_Activate() override;
};
