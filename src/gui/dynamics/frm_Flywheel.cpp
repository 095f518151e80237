#include "dynamics/frm_Flywheel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

#include "dynamics/Mod_Flywheel.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "output/Graph_Plot_Data.h"
#include "platform/Control_Events.h"
#include "platform/Fit_Label.h"
#include "platform/Qt_Text.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/frm_Help.h"
#include "shell/frm_HomeScreen.h"

namespace {
constexpr int Flywheel_Width = 11850;
constexpr int Flywheel_Height = 8950;
constexpr float Default_Fluctuation = 0.05f;
// Graph-control palette numbers of the three background choices.
constexpr int16_t Back_Palette[3] = {15, 1, 7};

// A caption beside its value and unit, in one row of the frame.
void Add_Torque_Column(QGridLayout* grid, int column, const char* caption, QLabel* value, QLabel* unit)
{
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(48);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->addWidget(new QLabel(caption), 0, 3 * column);
    grid->addWidget(value, 0, 3 * column + 1);
    grid->addWidget(unit, 0, 3 * column + 2);
    grid->setColumnStretch(3 * column + 1, 1);
}

// The leading number of the coefficient box as a 32-bit float. A number too large for a float
// (or for Val itself) is out of bounds like any other, rather than an overflow that would leave
// the box unchecked.
float Fluct_Value(const std::string& text, bool& in_range)
{
    double v = 0;
    try {
        v = Val(text);
    } catch (const Runtime_Error&) {
        in_range = false;
        return 0.0f;
    }
    in_range = std::isfinite(v) && std::fabs(v) <= FLT_MAX;
    return in_range ? static_cast<float>(v) : 0.0f;
}
}  // namespace

frm_Flywheel::frm_Flywheel() : Screen("frm_Flywheel", Flywheel_Width, Flywheel_Height)
{
    Build();
    Wire();
}

void frm_Flywheel::Build()
{
    Build_Output_Layout(*this, *this, Help_Menu);

    // Both torque curves, the one without the flywheel on top.
    for (int g = 0; g <= 1; ++g) {
        grf_Plot[g] = Named_Control(new Graph_Control(this), QString("grf_Plot_%1").arg(g));
        QSizePolicy keep(QSizePolicy::Expanding, QSizePolicy::Expanding);
        keep.setRetainSizeWhenHidden(true);
        grf_Plot[g]->setSizePolicy(keep);
        Content->addWidget(grf_Plot[g], 1);
    }

    // Beside them: coefficient and background, the extremes, the energy table.
    fra_Fluct = Named_Control(new QGroupBox("Coef Fluctuation", this), "fra_Fluct");
    txt_Fluct = Named_Control(new QLineEdit("0.05", fra_Fluct), "txt_Fluct");
    txt_Fluct->setMaximumWidth(90);
    auto* fluct = new QHBoxLayout(fra_Fluct);
    fluct->addWidget(txt_Fluct);

    fra_Back = Named_Control(new QGroupBox("Background", this), "fra_Back");
    auto* back = new QHBoxLayout(fra_Back);
    const char* const back_captions[] = {"White", "Blue", "Gray"};
    for (int i = 0; i <= 2; ++i) {
        opt_Back[i] = Named_Control(new QRadioButton(back_captions[i], fra_Back), QString("opt_Back_%1").arg(i));
        back->addWidget(opt_Back[i]);
    }
    opt_Back[0]->setChecked(true);

    auto* settings = new QHBoxLayout;
    settings->addWidget(fra_Fluct);
    settings->addWidget(fra_Back, 1);

    for (int i = 0; i <= 3; ++i) {
        // A torque too wide for its box loses its last digits to an ellipsis, never its sign.
        lbl_Torque[i] = Named_Control(new Fit_Label(this), QString("lbl_Torque_%1").arg(i));
        lbl_Unit[i] = Named_Control(new QLabel(this), QString("lbl_Unit_%1").arg(i));
    }
    fra_Without = Named_Control(new QGroupBox("Without Flywheel", this), "fra_Without");
    auto* without = new QGridLayout(fra_Without);
    Add_Torque_Column(without, 0, "Tmax", lbl_Torque[0], lbl_Unit[0]);
    Add_Torque_Column(without, 1, "Tmin", lbl_Torque[2], lbl_Unit[2]);
    fra_With = Named_Control(new QGroupBox("With Flywheel", this), "fra_With");
    auto* with = new QGridLayout(fra_With);
    Add_Torque_Column(with, 0, "Tmax", lbl_Torque[1], lbl_Unit[1]);
    Add_Torque_Column(with, 1, "Tmin", lbl_Torque[3], lbl_Unit[3]);
    auto* extremes = new QVBoxLayout;
    extremes->setSpacing(4);
    extremes->addWidget(fra_Without);
    extremes->addWidget(fra_With);

    fra_Energy = Named_Control(new QGroupBox("Energy Under Torque Curve", this), "fra_Energy");
    pct_Pict1 = Named_Control(new Picture_Box(fra_Energy), "pct_Pict1");
    pct_Pict1->setMinimumSize(280, 200);
    auto* energy = new QVBoxLayout(fra_Energy);
    energy->addWidget(pct_Pict1);

    Side->addLayout(settings);
    Side->addLayout(extremes);
    Side->addWidget(fra_Energy, 1);

    cmd_Calc = Command("cmd_Calc", "&Calculate");
    cmd_Print = Command("cmd_Print", "&Print Form");
    cmd_copy = Command("cmd_copy", "C&opy");
    cmd_Cancel = Back_Command("cmd_Cancel");
    cmd_Done = Next_Command("cmd_Done");
}

void frm_Flywheel::Wire()
{
    Screen& s = *this;
    On_Change(s, txt_Fluct, [this] { Fluct_Changed = true; });
    Select_All_On_Focus(txt_Fluct);
    On_Enter(s, txt_Fluct, [this] {
        if (Fluct_Changed) txt_Fluct_Check();
    });
    On_Lost_Focus(s, txt_Fluct, [this] {
        if (Fluct_Changed) txt_Fluct_Check();
    });
    for (QRadioButton* option : opt_Back) On_Click(s, option, [this] { opt_Back_Click(); });
    On_Click(s, cmd_Calc, [this] { cmd_Calc_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(s, cmd_Cancel, [this] { cmd_Cancel_Click(); });
    On_Click(s, cmd_Print, [this] { cmd_Print_Click(); });
    On_Click(s, cmd_copy, [this] { cmd_copy_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
}

void frm_Flywheel::Form_Activate()
{
    Model_Store& s = store();
    if (s.Full_Screen) Maximize_Screen(*this, Flywheel_Height, Flywheel_Width);
    else Reset_Screen(*this, Flywheel_Height, Flywheel_Width);
    CommonDialog1.CancelError = true;
    cmd_Print->setEnabled(true);
    cmd_copy->setEnabled(true);
    Titlebox(*this);
    Put_Flywheel_Coefficient();
    Clear_Curves_And_Table();
    // An earlier model's extremes must not stand under this model's units.
    if (!s.Flywheel_Done) Clear_Extremes();
    Set_Backgrounds();
    for (QLabel* unit : lbl_Unit) unit->setText(Q_Text(s.Unit_Label(9)));
    ui().Set_Mouse_Pointer(Pointer::Default);
    Fluct_Changed = false;
}

void frm_Flywheel::Clear_Curves_And_Table()
{
    for (Graph_Control* g : grf_Plot) g->setVisible(false);
    pct_Pict1->Cls();
    pct_Pict1->setVisible(true);
}

void frm_Flywheel::Clear_Extremes()
{
    for (QLabel* box : lbl_Torque) box->clear();
}

void frm_Flywheel::Show_No_Result()
{
    Clear_Curves_And_Table();
    Clear_Extremes();
}

void frm_Flywheel::Put_Flywheel_Coefficient() { txt_Fluct->setText(Q_Text(Plain(store().Coef_Fluctuation))); }

void frm_Flywheel::Set_Backgrounds()
{
    int16_t colour = Back_Palette[0];
    for (int i = 0; i <= 2; ++i)
        if (opt_Back[i]->isChecked()) colour = Back_Palette[i];
    for (Graph_Control* g : grf_Plot) g->Background(colour);
}

void frm_Flywheel::txt_Fluct_Check()
{
    Model_Store& s = store();
    bool in_range = false;
    float v = Fluct_Value(S_Text(txt_Fluct->text()), in_range);
    if (in_range && v > 0 && v <= 1) {
        s.Coef_Fluctuation = v;
        pct_Pict1->Cls();
        cmd_Done->setEnabled(false);
        cmd_Calc_Click();
        Fluct_Changed = false;
        return;
    }
    MsgBox(" Coefficient of fluctuation must be between zero and one - Try .05 ", Msg::Ok_Only);
    s.Coef_Fluctuation = Default_Fluctuation;
    txt_Fluct->setText(Q_Text(Str(s.Coef_Fluctuation)));
    Set_Focus(txt_Fluct);
}

void frm_Flywheel::cmd_Calc_Click()
{
    Model_Store& s = store();
    // This screen stays open while the linkage is recalculated elsewhere; a flywheel sized on
    // the torque of an earlier model must not be marked valid.
    if (!s.Dynamics_Done) {
        MsgBox("The crank torque is out of date: solve the dynamics again before calculating the flywheel.",
               Msg::Ok_Only + Msg::Exclamation);
        Show_No_Result();
        return;
    }
    Fly_Result r = Fly(s.Coef_Fluctuation, s.Torque_Data);
    if (!r.Done) {
        // Already reported. No result is current now, so none is shown.
        Show_No_Result();
        return;
    }
    pct_Pict1->Cls();
    for (const std::string& line : r.Lines) pct_Pict1->Print().Text(line).End_Line();

    Torque_Extremes e = Flywheel_Extremes();
    for (Graph_Control* g : grf_Plot) g->setVisible(true);
    pct_Pict1->setVisible(true);
    cmd_Done->setEnabled(true);
    PlotTorque();

    const float values[4] = {e.Max_Without, e.Max_With, e.Min_Without, e.Min_With};
    for (int i = 0; i <= 3; ++i) {
        lbl_Torque[i]->setText(Q_Text(Plain(FNRound(values[i], 2))));
        lbl_Unit[i]->setText(Q_Text(s.Unit_Label(9)));
    }
    s.Flywheel_Done = true;
    s.Model_Saved = false;
    Update_Status();
}

void frm_Flywheel::PlotTorque()
{
    Model_Store& s = store();
    s.Num_Functions = 1;
    ui().Set_Mouse_Pointer(Pointer::Hourglass);
    const int N = s.Num_Steps;
    Plot_Axis sweep;
    sweep.Kind = Plot_X::Crank_Angle;
    sweep.Points = To_Int16(N + 1);
    const std::vector<std::string> angles = Plot_X_Labels(sweep);
    for (int g = 0; g <= 1; ++g) {
        Graph_Control& plot = *grf_Plot[g];
        if (s.Calc_Type == 2 || s.Calc_Type == 3) {
            plot.TickEvery(5);
            plot.LabelEvery(10);
        }
        plot.NumSets(1);
        plot.BottomTitle("Crank Angle (Deg)");
        plot.NumPoints(To_Int16(N + 1));
        plot.ThisSet(1);
        plot.GraphTitle(g == 0 ? "Torque With No Flywheel" : "Torque With a Flywheel");
        for (int i = 0; i <= N; ++i) {
            plot.ThisPoint(To_Int16(i + 1));
            plot.GraphData(g == 0 ? s.Torque_Data(i, 0) : s.Flywheel_Torque(i));
            plot.LabelText(angles[static_cast<size_t>(i)]);
        }
        plot.DrawMode(2);
    }
    ui().Set_Mouse_Pointer(Pointer::Default);
}

void frm_Flywheel::opt_Back_Click()
{
    Set_Backgrounds();
    PlotTorque();
}

void frm_Flywheel::cmd_Done_Click()
{
    store().Reset_Selections = true;
    Hide();
}

void frm_Flywheel::cmd_Cancel_Click() { Hide(); }

void frm_Flywheel::cmd_Print_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, "frm_Flywheel.PrintForm");
}

void frm_Flywheel::cmd_copy_Click()
{
    Copy_Advice();
}

void frm_Flywheel::mnu_Help_Click()
{
    Show_Help_Over(*this, "linkages/linkage_flywheel_help.pdf", "frm_flywheel.mnu_help_Click");
}
