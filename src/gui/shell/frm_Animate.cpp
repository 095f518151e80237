#include "shell/frm_Animate.h"

#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"
#include "model/mod_Data_Screen.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/Animate_Rules.h"
#include "shell/Animation_Run.h"
#include "shell/mod_Animate.h"
#include "shell/frm_Help.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"

namespace {
constexpr int Animate_Width = 11850;
constexpr int Animate_Height = 8950;
}  // namespace

frm_Animate::frm_Animate() : Screen("frm_Animate", Animate_Width, Animate_Height)
{
    Build_Menus();
    Build_Body();
    Connect_Handlers();
    Register_Animation_Screen(this);
    Timer1.On_Redraw([this] {
        // The run draws; the redraw waits for it to end, as it would behind a busy handler.
        if (Animating()) Timer1.Set_Enabled(true);
        else mnu_Redraw_Click();
    });
}

frm_Animate::~frm_Animate() { Register_Animation_Screen(nullptr); }

bool frm_Animate::Animating() const { return run_ != nullptr; }

void frm_Animate::Form_Activate()
{
    Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, Animate_Height, Animate_Width);
    else Reset_Screen(*this, Animate_Height, Animate_Width);
    Start_Timer(*this, 0);
    Show_Anim_Speed(*hsc_speed);
    txt_Cycles->setText(Q_Text(Str(static_cast<int>(s.Anim_Cycles))));
    hsc_step->setMaximum(Last_Drawable_Step());
    hsc_step->setValue(0);
    cmd_PlotPrint->setEnabled(true);
    txt_Initial[1]->setEnabled(s.Calc_Type != 1);
    txt_Initial[2]->setEnabled(s.Calc_Type != 1);
    for (QLabel* unit : lbl_Units) unit->setText(Q_Text(s.Unit_Label(6)));
    switch (s.Calc_Type) {
    case 3:
        Put_Angle_Initial_Conditions(*this);
        Show_Direction_Panels(true, false);
        chk_Points->setChecked(false);
        chk_Coupler->setChecked(true);
        break;
    case 2:
        Put_Time_Initial_Conditions(*this);
        Show_Direction_Panels(false, true);
        chk_Points->setChecked(true);
        chk_Coupler->setChecked(false);
        break;
    case 1:
        Put_Angle_Initial_Conditions(*this);
        Show_Direction_Panels(false, false);
        break;
    default:
        break;
    }
    mnu_Zoomcontrol->setEnabled(chk_autoscale->isChecked());
    // A calculation completed elsewhere since this screen withheld its results.
    if (results_withheld_ && Results_Valid()) Offer_Results(true);
    s.Step_Number = 0;
    Picture1->Cls();
    Step_Shown = -1;
    Window_Held = false;  // a drag that ended off this screen holds nothing now
    if (!results_withheld_) Step(*this, s.Step_Number);
    if (!s.Model_Title.empty()) {
        txt_Header->setText(Q_Text(s.Model_Title));
        txt_Header->setCursorPosition(0);  // a long title shows its beginning, not its tail
    }
    Set_Focus(cmd_Run);
    s.Data_Changed = false;
}

void frm_Animate::Show_Direction_Panels(bool start_end, bool time)
{
    pnl_cw->setVisible(start_end);
    pnl_ccw->setVisible(start_end);
    pnl_time->setVisible(time);
}

void frm_Animate::Close_Box()
{
    // The run ends after the frame on show; the screen goes once the run has unwound.
    if (Animating()) {
        run_->Request_Stop();
        hide_after_run_ = true;
        return;
    }
    Hide();
}

void frm_Animate::cmd_Run_Click()
{
    Model_Store& s = store();
    hsc_step->setValue(0);
    if (s.Cannot_Connect) {
        Show_Step_Labels(true);
        MsgBox(Cannot_Connect_Warning(), Msg::Exclamation);
    }
    s.Step_Flag.assign(1, 'N');  // assign(): avoids a false -Wrestrict of GCC 12
    {
        Animation_Run run(*this);
        run_ = &run;
        struct Ended {
            Animation_Run*& run;
            ~Ended() { run = nullptr; }
        } ended{run_};
        try {
            Animate(*this, [&run] { run.Hold_Frame(Delay_Time(store().Anim_Speed)); });
        } catch (const Animation_Stopped&) {
        }
    }
    if (hide_after_run_) {
        hide_after_run_ = false;
        Hide();
    }
}

void frm_Animate::Show_Step_Labels(bool shown)
{
    lbl_StepLabel->setVisible(shown);
    lbl_StepUnit->setVisible(shown);
    lbl_StepNumber->setVisible(shown);
}

void frm_Animate::cmd_Step_Click() { Step_Setup(*this, Step_Busy); }

void frm_Animate::cmd_Reset_Click() { Step_Reset(*this); }

void frm_Animate::Recalculate(int16_t shown)
{
    Model_Store& s = store();
    ui().Set_Mouse_Pointer(Pointer::Hourglass);
    int16_t answer = 0;
    Calculate_Motion(s.Calc_Type, answer);
    if (answer != Choice_Code::Abort) {
        s.Step_Number = shown;
        cmd_Step_Click();
        s.Calc_Done = true;
        s.Flywheel_Done = false;
        s.FFT_Done = false;
        s.Disk_File = false;
        s.Model_Saved = false;
    } else {
        s.Calc_Done = false;
    }
    s.Dynamics_Done = false;
    s.Reset_Selections = true;
    Set_Home_Buttons();
    Update_Status();
    ui().Set_Mouse_Pointer(Pointer::Default);
}

void frm_Animate::Enable() { Offer_Results(Results_Valid()); }

void frm_Animate::Offer_Results(bool offered)
{
    results_withheld_ = !offered;
    for (QPushButton* b : {cmd_Done, cmd_Reset, cmd_Step, cmd_Run}) b->setEnabled(offered);
    hsc_step->setEnabled(offered);
    mnu_Redraw->setEnabled(offered);
    if (!offered) {
        Picture1->Cls();
        Step_Shown = -1;
    }
}

void frm_Animate::Withdraw()
{
    Offer_Results(false);
    Withdraw_And_Update_Home();
}

void frm_Animate::Disable(bool changed)
{
    // A box left as it was leaves every result valid; a change withdraws them all.
    if (changed) Withdraw();
    for (QPushButton* b : {cmd_Done, cmd_Reset, cmd_Step, cmd_Run}) b->setEnabled(false);
}

void frm_Animate::cmd_Recalc_Click()
{
    const bool completed = Trap_Errors("frm_Animate.Recalc", [this] {
        hsc_step->setValue(0);
        Recalculate();
        Enable();
        hsc_step->setMaximum(Last_Drawable_Step());
        store().Model_Saved = false;
        Update_Status();
    });
    if (!completed) Withdraw();  // raised on the way: whatever the run stored is not a result
}

void frm_Animate::cmd_Done_Click()
{
    Trap_Errors("frm_Input.Next", [this] {
        Model_Store& s = store();
        // Past 32767 the count overflows and is reported, as on the input screen; it never wraps.
        if (s.Data_Changed) s.Design_Number = To_Int16(s.Design_Number + 1LL);
        s.Model_Title = S_Text(txt_Header->text());
        Hide();
    });
}

void frm_Animate::cmd_Back_Click()
{
    Hide();
    frm_Inputnew& input = Form<frm_Inputnew>();
    Centerform(input);
    input.Show_Modeless();
}

void frm_Animate::cmd_PlotPrint_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Image_Print, "frm_Animate.Print");
}

void frm_Animate::mnu_Help_Click()
{
    Show_Help_Over(*this, "vastrel/vsr_animate_help.pdf", "frm_input.mnu_help_Click");
}

void frm_Animate::mnu_Redraw_Click()
{
    if (results_withheld_) return;
    store().Step_Number = 0;
    cmd_Step_Click();
}

void frm_Animate::Zoom_Click() { cmd_Recalc_Click(); }

void frm_Animate::txt_Linkout_LostFocus(bool changed)
{
    Get_Linkage_Geometry(*this);
    Picture1->Cls();
    Disable(changed);
    store().Data_Changed = true;
}

void frm_Animate::txt_Initial_LostFocus(bool changed)
{
    Get_Initial_Conditions(*this);
    Disable(changed);
}

void frm_Animate::opt_OpenCross_Click()
{
    // The transfer routines switch the option to the model's circuit whenever they write this
    // screen (from either screen's activation and drawing); only a change of circuit recalculates.
    const int16_t shown = opt_OpenCross[1]->isChecked() ? 2 : 1;
    if (shown == store().Circuit) return;
    Get_Linkage_Geometry(*this);
    Recalculate();
    Enable();
}

void frm_Animate::txt_Header_LostFocus() { store().Model_Title = S_Text(txt_Header->text()); }

void frm_Animate::chk_autoscale_Click() { mnu_Zoomcontrol->setEnabled(chk_autoscale->isChecked()); }

void frm_Animate::hsc_step_Change()
{
    if (Step_Busy || results_withheld_) return;
    Model_Store& s = store();
    s.Step_Number = static_cast<int16_t>(hsc_step->value());
    Step(*this, s.Step_Number);
}

void frm_Animate::hsc_step_Scroll()
{
    if (results_withheld_) return;
    Model_Store& s = store();
    s.Step_Number = static_cast<int16_t>(hsc_step->sliderPosition());
    Step(*this, s.Step_Number);
}

void frm_Animate::Picture1_MouseMove(int Button, int Shift, float X, float Y)
{
    if (Button != 1 || Shift != 1) {
        Window_Held = false;
        return;
    }
    if (results_withheld_) return;
    const int16_t step = Drag_Reference_Step(Step_Shown);
    if (step < 0) return;
    const Coupler_Point p = Coupler_Point_From_Mouse(step, X, Y);
    txt_Linkout[7]->setText(Q_Text(Plain(p.distance)));
    txt_Linkout[8]->setText(Q_Text(Plain(p.angle)));
    Get_Linkage_Geometry(*this);
    // The point stays under the pointer only while the picture keeps its scale and its step.
    Window_Held = true;
    // Moving the coupler point cannot change which positions assemble: the question was put at
    // the calculation that made them, and is not put again at every move of the mouse.
    Quiet_Cannot_Connect quiet;
    Recalculate(step);
    Enable();
}

void frm_Animate::Picture1_MouseUp() { Window_Held = false; }
