#include "shell/Input_Rules.h"

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/mod_Data.h"
#include "runtime/Number_Text.h"
#include "runtime/Ui_Port.h"

namespace {
// A number beyond single precision overflows, as storing it in a 32-bit field does.
float Read(const std::string& text) { return CSng(Val(text)); }
}  // namespace

bool Angle_Step_Count(const std::array<std::string, 6>& texts)
{
    Model_Store& s = store();
    s.Min_Theta = Read(texts[0]);
    s.Max_Theta = Read(texts[1]);
    s.Delta_Theta = Read(texts[2]);
    s.Omega_Zero = Read(texts[3]);
    Derive_Crank_Range();
    if (s.Delta_Theta_Rad == 0) {
        MsgBox("Cannot have a zero step size - Please check your data.", Msg::Exclamation);
        return false;
    }
    long long n = Step_Count(Step_Ratio(s.Max_Theta_Rad, s.Min_Theta_Rad, s.Delta_Theta_Rad) + 0.5);
    s.Alpha_Zero = 0;
    if (n > Max_Steps) {
        // The refused count is not kept: nothing may reach past the last result step.
        MsgBox("Your angle steps are too small - Have > 1024 Points - Increase Delta Theta", Msg::Ok_Only);
        return false;
    }
    // A reversed range counts no steps; the sweep then solves none.
    s.Num_Steps = static_cast<int16_t>(n < -1 ? -1 : n);
    return true;
}

bool Time_Step_Count(const std::array<std::string, 6>& texts)
{
    Model_Store& s = store();
    s.Theta_Zero = Read(texts[5]);
    s.Omega_Zero = Read(texts[3]);
    s.Alpha_Zero = Read(texts[4]);
    if (s.Calc_Type == 2) {
        s.Start_Time = Read(texts[0]);
        s.End_Time = Read(texts[1]);
        s.Delta_Time = Read(texts[2]);
        s.Min_Theta_Text = Str(s.Start_Time);
        s.Max_Theta_Text = Str(s.End_Time);
        s.Delta_Theta_Text = Str(s.Delta_Time);
    }
    if (s.Delta_Time > 0) {
        long long n = Step_Count(Step_Ratio(s.End_Time, s.Start_Time, s.Delta_Time) + 0.5);
        if (n <= Max_Steps) {
            s.Num_Steps = static_cast<int16_t>(n < -1 ? -1 : n);
            return true;
        }
    }
    MsgBox("Your time steps are too small - Have > 1024 Points - Increase Delta Time or Reduce Finish Time",
           Msg::Ok_Only);
    return false;
}

Calc_Type_View View_Of_Calc_Type(int calc_type)
{
    Calc_Type_View v;
    switch (calc_type) {
    case 2:
        v.Initial = {"Start Time", "End Time", "Delta Time", "Omega Zero"};
        v.Unit = "sec";
        v.Time_Panel = true;
        break;
    case 3:
        v.Initial = {"Min Theta", "Max Theta", "Delta Theta", "Omega2"};
        v.Unit = "deg";
        v.Start_Rows = false;
        v.Direction_Panels = true;
        break;
    case 1:
        v.Range_Rows = false;
        v.Step_Enabled = false;
        break;
    default: break;
    }
    return v;
}
