#include "shell/frm_Inputnew.h"

#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"
#include "model/mod_Data_Screen.h"
#include "platform/Control_Events.h"
#include "platform/Design_Layout.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/Formsubs_Screen.h"
#include "shell/Input_Rules.h"
#include "shell/frm_Animate.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Help.h"
#include "shell/mod_Animate.h"
#include "shell/mod_Animate_Screen.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Input_Width = 11850, Input_Height = 8950;

QLabel* Label(QWidget* parent, const char* text, int x, int y, int w, int h = 20)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(x, y, w, h);
    return l;
}

QLineEdit* Box(QWidget* parent, int x, int y, int w = 80)
{
    auto* b = new QLineEdit(parent);
    b->setGeometry(x, y, w, 22);
    return b;
}

QPushButton* Button(QWidget* parent, const char* caption, int x, int y)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setGeometry(x, y, 96, 30);
    return b;
}

QLabel* Panel(QWidget* parent, const char* text, int x, int y, int w)
{
    QLabel* p = Label(parent, text, x, y, w);
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    return p;
}

std::array<std::string, 6> Initial_Texts(const Linkage_Controls& S)
{
    std::array<std::string, 6> t;
    for (int i = 0; i < 6; ++i) t[i] = S.txt_Initial[i]->text().toStdString();
    return t;
}
}  // namespace

Input_Role& Input_Screen_Role() { return Form<frm_Inputnew>(); }

frm_Inputnew::frm_Inputnew() : Screen("frm_Inputnew", Input_Width, Input_Height)
{
    Build();
    Wire();
}

void frm_Inputnew::Build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    mnu_Help = menu_bar->addMenu("Help");
    mnu_Linkage = mnu_Help->addAction("Linkage Data");
    mnu_Calculations = mnu_Help->addAction("Calculations");
    mnu_Zoomcontrol = menu_bar->addMenu("Zoom");
    mnu_ZoomIn = mnu_Zoomcontrol->addAction("Zoom In");
    mnu_Normal = mnu_Zoomcontrol->addAction("Normal");
    mnu_ZoomOut = mnu_Zoomcontrol->addAction("Zoom Out");
    mnu_Redraw = menu_bar->addAction("Redraw");
    auto* body = new QWidget(this);
    layout->addWidget(body, 1);
    Lay_Out_By_Design(body);

    fra_Links = new QGroupBox("Linkage Data", body);
    fra_Links->setGeometry(8, 4, 324, 262);
    static const char* const link_names[9] = {"Link 1 (Ground)", "Link 2 (Crank)", "Link 3 (Coupler)",
                                              "Link 4 (Rocker)", "Link 5 (Crank)", "Gear Ratio",
                                              "Phase Angle", " Dist I23 to Coup Pt",
                                              "Angle from Link 3 to Coupler Pt"};
    static const char* const link_units[9] = {"", "", "", "", "", "", "deg", "", "deg"};
    for (int i = 0; i < 9; ++i) {
        int y = 20 + i * 26;
        lbl_Link[i] = Label(fra_Links, link_names[i], 6, y, 196);
        txt_Linkout[i] = Box(fra_Links, 200, y, 64);
        QLabel* unit = Label(fra_Links, link_units[i], 268, y, 54);
        if (i <= 4) lbl_Units[i] = unit;
        if (i == 7) lbl_Units[5] = unit;  // the coupler-point distance is a length too
    }

    fra_Initial = new QGroupBox("Initial Conditions", body);
    fra_Initial->setGeometry(8, 270, 324, 180);
    static const char* const initial_names[6] = {"Start Theta", "End Theta", "Delta Theta",
                                                 "Omega2",      "Alpha2",    "Theta Zero"};
    static const char* const initial_units[6] = {"deg", "deg", "deg", "rad/s", "rad/s^2", "deg"};
    for (int i = 0; i < 6; ++i) {
        int y = 20 + i * 26;
        lbl_Initial[i] = Label(fra_Initial, initial_names[i], 6, y, 150);
        txt_Initial[i] = Box(fra_Initial, 200, y, 64);
        lbl_Unit[i] = Label(fra_Initial, initial_units[i], 268, y, 54);
    }

    Picture1 = new Picture_Box(body);
    // Square, so that both axes of the square drawing window get the same scale.
    Picture1->setGeometry(370, 4, 380, 380);
    // Clear of the initial conditions' frame, whose units reach its right edge.
    hsc_step = new QScrollBar(Qt::Horizontal, body);
    hsc_step->setGeometry(338, 388, 444, 18);
    hsc_step->setRange(0, 0);
    hsc_step->setPageStep(1);  // arrows and track clicks both move one step
    pnl_cw = Panel(body, "<-- Start", 338, 410, 90);
    pnl_ccw = Panel(body, "End -->", 692, 410, 90);
    pnl_time = Panel(body, "Time ---->", 515, 410, 90);

    fra_Calctype = new QGroupBox("Calculation Mode", body);
    fra_Calctype->setGeometry(338, 436, 140, 90);
    static const char* const calc_names[4] = {"", "&One Position", "&Time Steps", "&Angle Steps"};
    for (int i = 1; i <= 3; ++i) {
        opt_Calctype[i] = new QRadioButton(calc_names[i], fra_Calctype);
        opt_Calctype[i]->setGeometry(8, 18 + (i - 1) * 22, 128, 20);
    }
    opt_Calctype[3]->setChecked(true);

    fra_Circuit = new QGroupBox("Circuit", body);
    fra_Circuit->setGeometry(484, 436, 92, 90);
    opt_OpenCross[0] = new QRadioButton("Open", fra_Circuit);
    opt_OpenCross[0]->setGeometry(8, 24, 80, 20);
    opt_OpenCross[1] = new QRadioButton("Crossed", fra_Circuit);
    opt_OpenCross[1]->setGeometry(8, 50, 80, 20);
    opt_OpenCross[0]->setChecked(true);

    fra_Grashof = new QGroupBox("Grashof Condition", body);
    fra_Grashof->setGeometry(580, 436, 202, 46);
    lbl_Grashof = Label(fra_Grashof, "Grashof", 8, 18, 186);
    lbl_Grashof->setAlignment(Qt::AlignCenter);

    chk_autocalc = new QCheckBox("Autocalc On", body);
    chk_autocalc->setGeometry(584, 486, 110, 20);
    chk_autoscale = new QCheckBox("Autoscale", body);
    chk_autoscale->setGeometry(584, 506, 110, 20);
    chk_autoscale->setChecked(true);

    cmd_Calc = Button(body, "&Calculate", 8, 540);
    cmd_Step = Button(body, "&Step", 110, 540);
    cmd_Reset = Button(body, "Rese&t", 212, 540);
    cmd_Animate = Button(body, "&Animate", 314, 540);
    cmd_PlotPrint = Button(body, "&Print", 416, 540);
    cmd_Cancel = Button(body, "&< Back", 580, 540);
    cmd_Done = Button(body, "&Next >", 682, 540);
}

void frm_Inputnew::Wire()
{
    for (int i = 0; i < 9; ++i) {
        Select_All_On_Focus(txt_Linkout[i]);
        On_Commit(*this, txt_Linkout[i], [this](bool changed) { Linkout_Commit(changed); });
    }
    for (int i = 0; i < 6; ++i) {
        Select_All_On_Focus(txt_Initial[i]);
        On_Commit(*this, txt_Initial[i], [this](bool changed) { Initial_Commit(changed); });
    }
    for (int i = 1; i <= 3; ++i) On_Click(*this, opt_Calctype[i], [this] { Calctype_Click(); });
    for (QRadioButton* o : opt_OpenCross) On_Click(*this, o, [this] { Circuit_Click(); });
    On_Click(*this, chk_autocalc, [this](bool ticked) { Autocalc = ticked; });
    On_Click(*this, cmd_Calc, [this] { Calculate(); });
    On_Change(*this, hsc_step, [this] { Step_Bar_Change(false); });
    On_Scroll(*this, hsc_step, [this] { Step_Bar_Change(true); });
    On_Click(*this, cmd_Step, [this] { Step_Click(); });
    On_Click(*this, cmd_Reset, [this] { Reset_Click(); });
    On_Click(*this, cmd_Animate, [this] { Animate_Click(); });
    On_Click(*this, cmd_Done, [this] { Next_Click(); });
    On_Click(*this, cmd_Cancel, [this] { Hide(); });
    On_Click(*this, cmd_PlotPrint, [this] { Print_Click(); });
    On_Click(*this, mnu_ZoomIn, [this] { Zoom([](float z) { return static_cast<float>(z / 1.1); }); });
    On_Click(*this, mnu_Normal, [this] { Zoom([](float) { return 1.0f; }); });
    On_Click(*this, mnu_ZoomOut, [this] { Zoom([](float z) { return static_cast<float>(z * 1.1); }); });
    On_Click(*this, mnu_Redraw, [this] { Redraw_Click(); });
    On_Click(*this, mnu_Linkage,
             [this] { Help("vastrel/vsr_input_help.pdf", "frm_input.mnu_Linkage_Click"); });
    On_Click(*this, mnu_Calculations,
             [this] { Help("linkages/linkage_calc_help.pdf", "frm_input.mnu_Calculations_Click"); });
    Timer1.On_Redraw([this] { Picture1->Cls(); });
}

void frm_Inputnew::Form_Load()
{
    Set_Width(Input_Width);
    Set_Height(Input_Height);
}

void frm_Inputnew::Show_Row(int i, bool visible)
{
    lbl_Initial[i]->setVisible(visible);
    lbl_Unit[i]->setVisible(visible);
    txt_Initial[i]->setVisible(visible);
}

void frm_Inputnew::Form_Activate()
{
    Model_Store& s = store();
    Activating = true;
    CommonDialog1.CancelError = true;
    if (s.Full_Screen)
        Maximize_Screen(*this, Input_Height, Input_Width);
    else
        Reset_Screen(*this, Input_Height, Input_Width);
    Start_Timer(*this, 0);
    Set_Focus(cmd_Calc);
    s.Show_Coupler_Path = "Y";
    s.Reserved_Flag_1 = "N";
    Picture1->Cls();
    hsc_step->setMaximum(Last_Drawable_Step());
    hsc_step->setValue(0);
    const QString unit = QString::fromStdString(s.Unit_Label(6));
    for (QLabel* l : lbl_Units) l->setText(unit);
    txt_Initial[1]->setEnabled(true);
    txt_Initial[2]->setEnabled(true);
    Calctype_Click();
    switch (s.Calc_Type) {
    case 2:
        Put_Time_Initial_Conditions(*this);
        pnl_cw->hide();
        pnl_ccw->hide();
        pnl_time->show();
        break;
    case 3:
        Put_Angle_Initial_Conditions(*this);
        pnl_cw->show();
        pnl_ccw->show();
        pnl_time->hide();
        break;
    case 1:
        Put_Angle_Initial_Conditions(*this);
        pnl_cw->hide();
        pnl_ccw->hide();
        pnl_time->hide();
        break;
    default: break;
    }
    Put_Initial_Values(*this);
    s.Step_Number = 5;
    Step_Click();
    if (Autocalc)
        Calculate();
    else
        Picture1->Cls();
    Set_Focus(cmd_Calc);
    s.Data_Changed = false;
    Activating = false;
    Withdraw_Results();
}

void frm_Inputnew::Calctype_Click()
{
    Model_Store& s = store();
    if (opt_Calctype[3]->isChecked()) s.Calc_Type = 3;
    if (opt_Calctype[2]->isChecked()) s.Calc_Type = 2;
    if (opt_Calctype[1]->isChecked()) s.Calc_Type = 1;
    const Calc_Type_View view = View_Of_Calc_Type(s.Calc_Type);
    for (int i = 0; i < 4; ++i)
        if (!view.Initial[i].empty()) lbl_Initial[i]->setText(QString::fromStdString(view.Initial[i]));
    if (!view.Unit.empty())
        for (int i = 0; i < 3; ++i) lbl_Unit[i]->setText(QString::fromStdString(view.Unit));
    if (s.Calc_Type == 2) {
        txt_Initial[3]->setText(QString::fromStdString(Plain(s.Omega_Zero)));
        txt_Initial[4]->setText(QString::fromStdString(Plain(s.Step_Alpha2)));
        txt_Initial[5]->setText(QString::fromStdString(Plain(s.Theta_Zero)));
    }
    if (s.Calc_Type == 3) {
        s.Min_Theta_Text = Str(s.Min_Theta);
        s.Max_Theta_Text = Str(s.Max_Theta);
        s.Delta_Theta_Text = Str(s.Delta_Theta);
        opt_Calctype[3]->setEnabled(true);
    }
    if (s.Calc_Type == 1) s.Step_Number = 0;
    for (int i = 0; i < 3; ++i) Show_Row(i, view.Range_Rows);
    for (int i = 4; i < 6; ++i) Show_Row(i, view.Start_Rows);
    Show_Row(3, true);
    cmd_Step->setEnabled(view.Step_Enabled);
    pnl_cw->setVisible(view.Direction_Panels);
    pnl_ccw->setVisible(view.Direction_Panels);
    pnl_time->setVisible(view.Time_Panel);
    if (s.Calc_Type == 2)
        Put_Time_Initial_Conditions(*this);
    else
        Put_Angle_Initial_Conditions(*this);
    Withdraw_Results();
    Offer_Results(false);
}

void frm_Inputnew::Circuit_Click()
{
    Get_Linkage_Geometry(*this);
    if (!Activating) Calculate();
}

void frm_Inputnew::Linkout_Commit(bool changed)
{
    Get_Linkage_Geometry(*this);
    store().Data_Changed = true;
    if (changed) Withdraw();
    if (Autocalc)
        Calculate();
    else
        Picture1->Cls();
}

void frm_Inputnew::Initial_Commit(bool changed)
{
    Get_Initial_Conditions(*this);
    if (changed) Withdraw();
    if (Autocalc)
        Calculate();
    else
        Picture1->Cls();
}

void frm_Inputnew::Calculate()
{
    const bool completed = Trap_Errors("frm_Input.cmd_Calc_Click", [&] {
        Model_Store& s = store();
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        hsc_step->setValue(0);
        Get_Initial_Conditions(*this);
        Get_Linkage_Geometry(*this);
        s.Calc_Done = false;
        int16_t answer = 0;
        const bool ran = s.Calc_Type == 3 ? AngleStepDone(answer) : TimeStepDone(answer);
        s.Calc_Done = ran && answer != Choice_Code::Abort;
        s.Step_Number = 0;
        // A run that was refused, raised or was aborted offers nothing that needs its results.
        Offer_Results(Results_Valid());
        if (Results_Valid()) {
            Step_Click();
            if (s.Calc_Type == 3) Step_Click();
            if (s.Calc_Type == 1) Reset_Click();
        }
        s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = s.Model_Saved = s.Disk_File = false;
        s.Reset_Selections = true;
        hsc_step->setMaximum(Last_Drawable_Step());
        Update_Status();
        Set_Home_Buttons();
    });
    if (!completed) Withdraw();  // raised on the way: whatever the run stored is not a result
    ui().Set_Mouse_Pointer(Pointer::Default);
}

void frm_Inputnew::Withdraw()
{
    Offer_Results(false);
    Withdraw_And_Update_Home();
}

void frm_Inputnew::Offer_Results(bool offered)
{
    const bool stepped = store().Calc_Type != 1;
    cmd_Done->setEnabled(offered);
    cmd_Animate->setEnabled(offered && stepped);
    cmd_Step->setEnabled(offered && stepped);
    cmd_Reset->setEnabled(offered);
    mnu_Redraw->setEnabled(offered);
    if (!offered) Picture1->Cls();
}

void frm_Inputnew::Finish_Calculation(int16_t& answer)
{
    Model_Store& s = store();
    ui().Set_Mouse_Pointer(Pointer::Hourglass);
    Check_Grashof();
    Calculate_Motion(s.Calc_Type, answer);
    if (s.Calc_Type == 3) {
        Put_Angle_Initial_Conditions(Animation_Screen());
        for (Output_Label_Panel* panel : Output_Label_Panels()) Put_Angle_Labels(*panel);
    } else {
        Put_Time_Initial_Conditions(Animation_Screen());
        for (Output_Label_Panel* panel : Output_Label_Panels()) Put_Time_Labels(*panel);
    }
    s.Calc_Done = answer != Choice_Code::Abort;
}

bool frm_Inputnew::AngleStepDone(int16_t& answer)
{
    bool ran = false;
    Trap_Errors("frm_Input.AngleStepDone", [&] {
        if (!Angle_Step_Count(Initial_Texts(*this))) return;
        Finish_Calculation(answer);
        ran = true;  // not when the run raised
    });
    return ran;
}

bool frm_Inputnew::TimeStepDone(int16_t& answer)
{
    if (!Time_Step_Count(Initial_Texts(*this))) return false;
    Finish_Calculation(answer);
    return true;
}

void frm_Inputnew::Step_Bar_Change(bool scrolling)
{
    Model_Store& s = store();
    if (!s.Calc_Done || (!scrolling && Step_Busy)) return;
    s.Step_Number = static_cast<int16_t>(hsc_step->value());
    Step(*this, s.Step_Number);
}

void frm_Inputnew::Step_Click() { Step_Setup(*this, Step_Busy); }

void frm_Inputnew::Reset_Click() { Step_Reset(*this); }

void frm_Inputnew::Leave_For_Animation(bool show)
{
    Model_Store& s = store();
    if (s.Data_Changed) s.Design_Number = To_Int16(s.Design_Number + 1LL);
    Hide();
    s.Step_Number = 0;
    if (show) {
        frm_Animate& anim = Form<frm_Animate>();
        Centerform(anim);
        anim.Show_Modal();
    }
}

void frm_Inputnew::Animate_Click()
{
    Trap_Errors("frm_Input.Animate", [&] { Leave_For_Animation(true); });
}

void frm_Inputnew::Next_Click() { Leave_For_Animation(store().Calc_Type != 1); }

void frm_Inputnew::Print_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Image_Print, "frm_Animate.Print");
}

void frm_Inputnew::Zoom(float (*change)(float))
{
    store().Zoom_Factor = change(store().Zoom_Factor);
    Calculate();
}

void frm_Inputnew::Redraw_Click()
{
    store().Step_Number = 0;
    Step_Click();
}

void frm_Inputnew::Help(const char* path, const char* error_name)
{
    Show_Help_Over(*this, path, error_name);
}

void frm_Inputnew::Fill_From_Model()
{
    // Filling is not a user's click: the options switched on here must not recalculate.
    const bool was_activating = Activating;
    Activating = true;
    const Model_Store& s = store();
    const std::string texts[9] = {FNRoundStr(s.Link1_Length, 3),        FNRoundStr(s.Link2_Length, 3),
                                  FNRoundStr(s.Link3_Length, 3),        FNRoundStr(s.Link4_Length, 3),
                                  FNRoundStr(s.Link5_Length, 3),        Needed_Digits_Str(s.Gear_Ratio),
                                  Needed_Digits_Str(s.Phase_Angle_Deg), FNRoundStr(s.Coupler_Dist, 3),
                                  FNRoundStr(s.Coupler_Angle_Deg, 2)};
    for (int i = 0; i < 9; ++i) txt_Linkout[i]->setText(QString::fromStdString(texts[i]));
    txt_Initial[0]->setText(QString::fromStdString(s.Min_Theta_Text));
    txt_Initial[1]->setText(QString::fromStdString(s.Max_Theta_Text));
    txt_Initial[2]->setText(QString::fromStdString(s.Delta_Theta_Text));
    txt_Initial[3]->setText(QString::fromStdString(Plain(s.Omega_Zero)));
    txt_Initial[4]->setText(QString::fromStdString(Plain(s.Alpha_Zero)));
    txt_Initial[5]->setText(QString::fromStdString(Plain(s.Theta_Zero)));
    if (s.Calc_Type >= 1 && s.Calc_Type <= 3) opt_Calctype[s.Calc_Type]->setChecked(true);
    opt_OpenCross[s.Circuit == 1 ? 0 : 1]->setChecked(true);
    Activating = was_activating;
}

