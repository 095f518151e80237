#include "shell/frm_User.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "shell/Shell_Support.h"
#include "shell/Start_Screen_Support.h"
#include "shell/frm_HomeScreen.h"
#include "shell/mod_Common.h"

frm_User::frm_User() : Screen("frm_User", 11850, 8950)
{
    Label1 = new QLabel("Please enter your name and/or a project ID:", this);
    Label2 = new QLabel("Please enter a design number:", this);
    Label3 = new QLabel("Please enter a disk filename (< 9 chars)", this);
    txt_UserName = new QLineEdit(this);
    txt_DesignNo = new QLineEdit(this);
    txt_Filename = new QLineEdit(this);
    cmd_Done = new QPushButton("Next >", this);
    txt_UserName->setObjectName("txt_UserName");
    txt_DesignNo->setObjectName("txt_DesignNo");
    txt_Filename->setObjectName("txt_Filename");
    cmd_Done->setObjectName("cmd_Done");

    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, txt_UserName, txt_DesignNo,
                                                      txt_Filename, cmd_Done})
        w->setFont(f);
    cmd_Done->setMinimumSize(140, 40);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(28);
    grid->setHorizontalSpacing(20);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txt_UserName, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txt_DesignNo, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(txt_Filename, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_Done);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 30);
    layout->addStretch(1);
    layout->addLayout(grid);
    layout->addStretch(2);
    layout->addLayout(buttons);

    for (QLineEdit* box : {txt_UserName, txt_DesignNo, txt_Filename}) Select_All_On_Focus(box);
    On_Enter(*this, txt_UserName, [this] { Set_Focus(cmd_Done); });
    On_Enter(*this, txt_Filename, [this] { txt_Filename_LostFocus(); });
    On_Lost_Focus(*this, txt_Filename, [this] { txt_Filename_LostFocus(); });
    On_Click(*this, cmd_Done, [this] { cmd_Done_Click(); });
    setTabOrder(txt_UserName, txt_DesignNo);
    setTabOrder(txt_DesignNo, txt_Filename);
    setTabOrder(txt_Filename, cmd_Done);
}

void frm_User::Form_Activate()
{
    Size_Start_Screen(*this, false);
    const Model_Store& s = store();
    txt_DesignNo->setText(QString::number(s.Design_Number));
    txt_Filename->setText(Q_Text(s.Model_Name));
    txt_UserName->setText(Q_Text(s.Designer_Name));
    txt_UserName->setEnabled(true);
}

void frm_User::txt_Filename_LostFocus() { store().Model_Name = S_Text(txt_Filename->text()); }

void frm_User::cmd_Done_Click()
{
    if (txt_UserName->text().isEmpty()) {
        Set_Focus(txt_UserName);
        return;
    }
    Model_Store& s = store();
    s.Designer_Name = S_Text(txt_UserName->text());
    s.Design_Number = Design_Number_From_Text(S_Text(txt_DesignNo->text()));
    Hide();
    frm_HomeScreen& home = Form<frm_HomeScreen>();
    Centerform(home);
    home.Show_Modeless();
}
