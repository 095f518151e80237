#include "shell/frm_Disclaimer.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "shell/Start_Screen_Support.h"
#include "shell/Start_Texts.h"
#include "shell/frm_HomeScreen.h"
#include "shell/mod_Common.h"

namespace {
QLabel* Text_Label(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QGroupBox* Frame_Around(QWidget* parent, QWidget* content)
{
    auto* frame = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(content);
    return frame;
}
}  // namespace

frm_Disclaimer::frm_Disclaimer() : Screen("frm_Disclaimer", 11850, 8950)
{
    SSPanel1 = new QFrame(this);
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel1->setLineWidth(2);

    Label1[0] = new QLabel(SSPanel1);
    Label1[0]->setAlignment(Qt::AlignCenter);
    Label1[0]->setWordWrap(true);
    QFont title = Label1[0]->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    Label1[0]->setFont(title);

    lbl_Disclaimer = Text_Label(SSPanel1);
    lbl_Notice = Text_Label(SSPanel1);
    lbl_Support = Text_Label(SSPanel1);
    QFont body = lbl_Disclaimer->font();
    body.setPointSizeF(body.pointSizeF() * 1.1);
    for (QLabel* l : {lbl_Disclaimer, lbl_Notice, lbl_Support}) l->setFont(body);

    SSFrame1 = Frame_Around(SSPanel1, Label1[0]);
    SSFrame2 = Frame_Around(SSPanel1, lbl_Disclaimer);
    SSFrame3 = Frame_Around(SSPanel1, lbl_Notice);
    SSFrame4 = Frame_Around(SSPanel1, lbl_Support);

    auto* panel = new QVBoxLayout(SSPanel1);
    panel->setContentsMargins(18, 18, 18, 18);
    panel->setSpacing(12);
    panel->addWidget(SSFrame1);
    panel->addWidget(SSFrame2, 3);
    panel->addWidget(SSFrame3, 2);
    panel->addWidget(SSFrame4, 1);

    cmd_Done = new QPushButton("&Next >", this);
    cmd_Done->setObjectName("cmd_Done");
    cmd_Done->setMinimumSize(140, 36);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_Done);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addWidget(SSPanel1, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    const QString tip = "Click here to close window";
    setToolTip(tip);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1[0], lbl_Disclaimer, lbl_Notice, lbl_Support, SSPanel1,
                                                      SSFrame1, SSFrame2, SSFrame3, SSFrame4, cmd_Done})
        w->setToolTip(tip);

    On_Click(*this, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click_Anywhere(*this, [this] { cmd_Done_Click(); });
}

void frm_Disclaimer::Form_Activate()
{
    Size_Start_Screen(*this, false);
    Notice();
    Set_Focus(cmd_Done);
}

void frm_Disclaimer::cmd_Done_Click()
{
    if (!store().Startup_Flag) {
        Hide();
        return;
    }
    Hide();
    frm_HomeScreen& home = Form<frm_HomeScreen>();
    Centerform(home);
    home.Show_Modeless();
}

void Notice()
{
    frm_Disclaimer& s = Form<frm_Disclaimer>();
    Notice_Texts t = Notice_Text();
    s.Label1[0]->setText(Q_Text(t.description));
    s.lbl_Disclaimer->setText(Q_Text(t.disclaimer));
    s.lbl_Notice->setText(Q_Text(t.notice));
    s.lbl_Support->setText(Q_Text(t.support));
}
