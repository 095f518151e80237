#include "shell/frm_Quit.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/Control_Events.h"
#include "runtime/Report_Error.h"
#include "shell/Program_End.h"
#include "shell/Start_Screen_Support.h"

frm_Quit::frm_Quit() : Screen("frm_Quit", 11850, 8950)
{
    SSFrame1 = new QGroupBox("Do you really want to Quit?", this);
    SSFrame1->setAlignment(Qt::AlignHCenter);
    QFont f = SSFrame1->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    SSFrame1->setFont(f);

    cmd_NoQuit = new QPushButton("< &No", SSFrame1);
    cmd_YesQuit = new QPushButton("&Yes >", SSFrame1);
    cmd_NoQuit->setObjectName("cmd_NoQuit");
    cmd_YesQuit->setObjectName("cmd_YesQuit");
    QFont bf = font();
    bf.setPointSizeF(bf.pointSizeF() * 1.3);
    for (QPushButton* b : {cmd_NoQuit, cmd_YesQuit}) {
        b->setFont(bf);
        b->setMinimumSize(160, 48);
    }

    auto* buttons = new QHBoxLayout(SSFrame1);
    buttons->setContentsMargins(60, 40, 60, 40);
    buttons->addWidget(cmd_NoQuit);
    buttons->addSpacing(80);
    buttons->addStretch(1);
    buttons->addWidget(cmd_YesQuit);

    // The frame keeps to the middle of the screen at any size.
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(SSFrame1, 3);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);

    On_Click(*this, cmd_NoQuit, [this] { cmd_NoQuit_Click(); });
    On_Click(*this, cmd_YesQuit, [this] { cmd_YesQuit_Click(); });
}

void frm_Quit::Form_Activate()
{
    Size_By_Choice(*this);
    Set_Focus(cmd_NoQuit);
}

void frm_Quit::cmd_NoQuit_Click() { Hide(); }

void frm_Quit::cmd_YesQuit_Click()
{
    Trap_Errors("Quit", [] { Terminate(); });
}

void Terminate()
{
    // Model files are read and written whole inside their commands, so none is open here.
    Trap_Errors("Terminate", [] { End_Program(); });
}
