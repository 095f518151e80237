#include "output/frm_MyPlot4.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "selection/frm_PlotSelect4.h"

frm_MyPlot4::frm_MyPlot4() : Own_Plot_Form("frm_MyPlot4", Own_Chart::Polar, 1)
{
    cmd_Step = Command("cmd_Step", "S&tep");
    Add_Commands();

    auto* mode = Named_Control(new QGroupBox("Plot", this), "fra_Mode");
    auto* grid = new QGridLayout(mode);
    // Packed as tight as the label panels above it: with the step rows' room kept, any spacing
    // makes the side column taller than the screen.
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(0);
    chk_Envelope = Named_Control(new QCheckBox("Envelope", mode), "chk_Envelope");
    chk_Vectors = Named_Control(new QCheckBox("Vectors", mode), "chk_Vectors");
    chk_Pause = Named_Control(new QCheckBox("Pause", mode), "chk_Pause");
    chk_Envelope->setChecked(true);
    chk_Vectors->setChecked(true);
    grid->addWidget(chk_Envelope, 0, 0);
    grid->addWidget(chk_Vectors, 0, 1);
    grid->addWidget(chk_Pause, 0, 2);

    lbl_StepLabel = Named_Control(new QLabel("Theta2", mode), "lbl_StepLabel");
    lbl_StepNumber = Named_Control(new QLabel(mode), "lbl_StepNumber");
    lbl_StepUnit = Named_Control(new QLabel("deg", mode), "lbl_StepUnit");
    lbl_StepNumber->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbl_StepNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(lbl_StepLabel, 1, 0);
    grid->addWidget(lbl_StepNumber, 1, 1);
    grid->addWidget(lbl_StepUnit, 1, 2);
    const char* const names[2] = {"Mag", "Ang"};
    for (int i = 0; i <= 1; ++i) {
        pnl_name[i] = Named_Control(new QLabel(names[i], mode), QString("pnl_name_%1").arg(i));
        pnl_vector[i] = Named_Control(new QLabel(mode), QString("pnl_vector_%1").arg(i));
        pnl_vector[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pnl_vector[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(pnl_name[i], 2 + i, 0);
        grid->addWidget(pnl_vector[i], 2 + i, 1);
    }
    Side->addWidget(mode);
    Side->addStretch(1);
    Chart[0]->pnl_Comp->setVisible(false);
    // Step mode shows and hides its panels: their room stays, so nothing else moves.
    for (QLabel* l : Step_Panels()) {
        QSizePolicy policy = l->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        l->setSizePolicy(policy);
    }
    Show_Step_Panels(false);

    Screen& s = *this;
    On_Click(s, chk_Pause, [this](bool ticked) { chk_Pause_Click(ticked); });
    On_Click(s, cmd_Step, [this] { cmd_Step_Click(); });
    On_Click(s, chk_Envelope, [this](bool ticked) {
        store().Show_Envelope = ticked;
        Replot();
    });
    On_Click(s, chk_Vectors, [this](bool ticked) {
        store().Show_Vectors = ticked;
        Replot();
    });
}

void frm_MyPlot4::Replot()
{
    MyPolarPlotSetup(*this);
    MyPolarPlot(*this, Selection_Functions());
}

std::array<QLabel*, 9> frm_MyPlot4::Step_Panels() const
{
    return {lbl_StepLabel, lbl_StepUnit, lbl_StepNumber, pnl_vector[0], pnl_vector[1], pnl_name[0],
            pnl_name[1], Chart[0]->pnl_LeftTitle, Chart[0]->pnl_PlotUnits};
}

void frm_MyPlot4::Show_Step_Panels(bool show)
{
    for (QLabel* l : Step_Panels()) l->setVisible(show);
}

void frm_MyPlot4::chk_Pause_Click(bool ticked)
{
    // A refused plot left no points of this function to step through.
    if (ticked && !Plotted) {
        QSignalBlocker quiet(chk_Pause);
        chk_Pause->setChecked(false);
        return;
    }
    if (ticked) {
        Step_Mode = true;
        cmd_Step->setText("Step");
        cmd_Step->setEnabled(true);
        Show_Step_Panels(true);
        // Their own handlers run: the drawing mode becomes vectors only.
        chk_Envelope->setChecked(false);
        chk_Vectors->setChecked(true);
        chk_Envelope->setEnabled(false);
        chk_Vectors->setEnabled(false);
        Chart[0]->pct_Plot->Cls();
        k = 0;
        MyPolarStep(*this, k);
    } else {
        Step_Mode = false;
        cmd_Step->setText("Plot");
        Show_Step_Panels(false);
        chk_Envelope->setEnabled(true);
        chk_Vectors->setEnabled(true);
    }
}

void frm_MyPlot4::cmd_Step_Click()
{
    if (!Step_Mode) {
        Replot();
        return;
    }
    if (!Plotted) return;
    ++k;
    if (k > store().Num_Steps)
        chk_Pause->setChecked(false);
    else
        MyPolarStep(*this, k);
}

void frm_MyPlot4::Before_Enabling() { chk_Pause->setChecked(false); }

void frm_MyPlot4::cmd_PlotDone_Click()
{
    store().Reset_Selections = true;
    Hide();
}

Screen& frm_MyPlot4::Selection_Screen() { return Form<frm_PlotSelect4>(); }
