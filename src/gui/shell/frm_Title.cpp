#include "shell/frm_Title.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/Control_Events.h"
#include "shell/Start_Texts.h"
#include "shell/frm_Disclaimer.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Quit.h"
#include "shell/mod_Common.h"

frm_Title::frm_Title() : Screen("frm_Title", 11850, 8950), Title_Panel(Build_Title_Panel(this))
{
    cmd_Start = new QPushButton("&Start >", this);
    cmd_Abort = new QPushButton("< &Abort", this);
    cmd_Start->setObjectName("cmd_Start");
    cmd_Abort->setObjectName("cmd_Abort");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd_Abort);
    buttons->addStretch(1);
    buttons->addWidget(cmd_Start);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->addWidget(pnl_Title, 1);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    for (QPushButton* b : {cmd_Start, cmd_Abort}) b->setMinimumSize(140, 36);

    On_Click(*this, cmd_Start, [this] { cmd_Start_Click(); });
    On_Click(*this, cmd_Abort, [this] { cmd_Abort_Click(); });
    setTabOrder(cmd_Start, cmd_Abort);
}

void frm_Title::Form_Activate()
{
    Size_Start_Screen(*this, true);
    lbl_Version->setText(QString::fromStdString(Title_Release_Line()));
    pnl_Title->repaint();
    Set_Focus(cmd_Start);
}

void frm_Title::cmd_Start_Click()
{
    Form<frm_HomeScreen>();
    frm_Disclaimer& notice = Form<frm_Disclaimer>();
    Centerform(notice);
    Hide();
    notice.Show_Modal();
}

void frm_Title::cmd_Abort_Click()
{
    frm_Quit& quit = Form<frm_Quit>();
    Centerform(quit);
    quit.Show_Modal();
}
