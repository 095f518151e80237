#include "shell/frm_About.h"

#include <QVBoxLayout>

#include "shell/Start_Texts.h"

frm_About::frm_About() : Screen("frm_About", 11850, 8950), Title_Panel(Build_Title_Panel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(pnl_Title);
    On_Click_Anywhere(*this, [this] { Hide(); });
}

void frm_About::Form_Load() { lbl_Version->setText(QString::fromStdString(About_Release_Line())); }

void frm_About::Form_Activate() { Size_By_Choice(*this); }
