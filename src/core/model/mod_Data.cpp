#include "model/mod_Data.h"

#include <cmath>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Ui_Port.h"

namespace {
const char* const Rotate_Hint = "To rotate CW from max to min, use a negative Omega2.";

// A number beyond single precision overflows, as storing it in a 32-bit field does.
float Read(const std::string& text) { return CSng(Val(text)); }

// The ratio and phase boxes show six significant digits at most: a box that still shows the
// model's value leaves the value whole, so a visit and Calculate keep every digit it has.
float Read_Unless_Shown(const std::string& text, float value)
{
    return text == Needed_Digits_Str(value) ? value : Read(text);
}

// A length box's value in metres; `shown` gets the box's new text when the length was made positive.
float Length_From(const std::string& text, std::optional<std::string>& shown)
{
    float v = Read(text);
    const bool negative = v < 0;
    Make_Positive(v);
    if (negative) shown = Plain(v);
    int16_t u = store().Unit_System;
    if (u == 4) v = static_cast<float>(v / 100.0);
    if (u == 5) v = static_cast<float>(v / 1000.0);
    return v;
}

Initial_Outcome Angle_Steps(const std::array<std::string, 3>& texts)
{
    Model_Store& s = store();
    Initial_Outcome out;
    float mn = Read(texts[0]), mx = Read(texts[1]);
    if (mn >= mx) {
        MsgBox(std::string("Minimum angle must be smaller than maximum angle.") + "\r" + Rotate_Hint, Msg::Exclamation);
        out.restore[0] = Plain(s.Min_Theta);
        out.restore[1] = Plain(s.Max_Theta);
        out.stopped = true;
        return out;
    }
    s.Min_Theta = mn;
    s.Max_Theta = mx;
    float step = Read(texts[2]);
    if (step <= 0) {
        MsgBox(std::string("Cannot have a zero or negative step size") + "\r" + Rotate_Hint, Msg::Exclamation);
        out.restore[2] = Str(s.Delta_Theta);
        out.stopped = true;
        return out;
    }
    s.Delta_Theta = step;
    Derive_Crank_Range();
    float lhs = static_cast<float>(0.98 * s.Delta_Theta_Rad);
    float rhs = std::fabs(s.Max_Theta_Rad - s.Min_Theta_Rad);
    if (lhs >= rhs) {
        MsgBox(std::string("Something is wrong. ") + "\r" + "Start and end theta are too close together" + "\r" +
                   " or delta theta is too large.",
               Msg::Exclamation);
        out.stopped = true;
        return out;
    }
    long long n = Step_Count(Step_Ratio(s.Max_Theta_Rad, s.Min_Theta_Rad, s.Delta_Theta_Rad) + 0.5);
    s.Alpha_Zero = 0;
    if (n > Max_Steps) {
        // The refused count is not kept: nothing may reach past the last result step.
        MsgBox("Your angle steps are too small - Have > 1024 Points - Increase Delta Theta", Msg::Ok_Only);
        out.focus_step_box = true;
        out.stopped = true;
        return out;
    }
    s.Num_Steps = static_cast<int16_t>(n);
    out.relabel = 3;
    return out;
}

Initial_Outcome Time_Steps(const std::array<std::string, 3>& texts)
{
    Model_Store& s = store();
    Initial_Outcome out;
    float start = Read(texts[0]), end = Read(texts[1]);
    if (!(start < end)) {
        MsgBox("Start time must be smaller than end time - will reset.", Msg::Exclamation);
        out.restore[0] = Plain(s.Start_Time);
        out.restore[1] = Plain(s.End_Time);
        out.stopped = true;
        return out;
    }
    s.Start_Time = start;
    s.End_Time = end;
    s.Min_Theta_Text = Str(s.Start_Time);
    s.Max_Theta_Text = Str(s.End_Time);
    float dt = Read(texts[2]);
    if (dt <= 0) {
        MsgBox("Time steps must be positive - will reset", Msg::Ok_Only);
        if (dt < 0) s.Delta_Time = -dt;
        out.restore[2] = Str(s.Delta_Time);
    } else {
        s.Delta_Time = dt;
    }
    s.Delta_Theta_Text = Str(s.Delta_Time);
    bool accepted = false;
    if (s.Delta_Time > 0) {
        long long n = Step_Count(Step_Ratio(s.End_Time, s.Start_Time, s.Delta_Time) + 0.5);
        if (n <= Max_Steps) {
            s.Num_Steps = static_cast<int16_t>(n);
            accepted = true;
        }
    }
    if (!accepted) MsgBox("Your time steps are too small - Have > 1024 Points - Increase Delta Time", Msg::Ok_Only);
    out.relabel = 2;
    return out;
}
}  // namespace

float Step_Ratio(float hi, float lo, float step)
{
    float span = hi - lo;
    return span / step;
}

long long Step_Count(double x)
{
    double f = std::floor(x);
    if (!(f < 1e9)) return 1000000000LL;  // also NaN: far beyond any accepted count
    if (f < -1e9) return -1000000000LL;
    return static_cast<long long>(f);
}

void Make_Positive(float& Value)
{
    if (Value < 0) {
        MsgBox("Link lengths must be positive - Have changed to positive value - Please check your data",
               Msg::Exclamation);
        Value = -Value;
    }
}

Linkage_Texts Apply_Linkage_Geometry(const std::array<std::string, 9>& texts, bool open_on, bool crossed_on)
{
    Model_Store& s = store();
    Linkage_Texts shown;
    s.Link1_Length = Length_From(texts[0], shown[0]);
    s.Link2_Length = Length_From(texts[1], shown[1]);
    s.Link3_Length = Length_From(texts[2], shown[2]);
    s.Link4_Length = Length_From(texts[3], shown[3]);
    s.Link5_Length = Length_From(texts[4], shown[4]);
    s.Gear_Ratio = Read_Unless_Shown(texts[5], s.Gear_Ratio);
    s.Phase_Angle_Deg = Read_Unless_Shown(texts[6], s.Phase_Angle_Deg);
    s.Phase_Angle = static_cast<float>(s.Phase_Angle_Deg * Deg_To_Rad);
    s.Coupler_Dist = Length_From(texts[7], shown[7]);
    s.Coupler_Angle_Deg = Read(texts[8]);
    Angle_From_Degrees(s.Coupler_Angle_Deg, s.Coupler_Angle, s.Coupler_Angle_Text);
    Load_Link_Lengths();
    if (open_on) s.Circuit = 1;
    if (crossed_on) s.Circuit = 2;
    s.Step_Flag.assign(1, 'Y');  // assign(): avoids a false -Wrestrict of GCC 12
    return shown;
}

Initial_Outcome Apply_Initial_Conditions(const std::array<std::string, 3>& texts)
{
    Model_Store& s = store();
    switch (s.Calc_Type) {
    case 1: {
        s.Theta_Zero = Read(texts[0]);
        Initial_Outcome out;
        out.restore[0] = texts[0];
        return out;
    }
    case 2: return Time_Steps(texts);
    case 3: return Angle_Steps(texts);
    default: return {};
    }
}

void Start_Up_Initial_Conditions()
{
    Model_Store& s = store();
    s.Theta_Zero = 0;
    s.Step_Alpha2 = 0;
}

int Length_Display_Factor()
{
    int16_t u = store().Unit_System;
    return u == 4 ? 100 : u == 5 ? 1000 : 1;
}

std::array<std::string, 9> Linkage_Geometry_Texts()
{
    const Model_Store& s = store();
    const int f = Length_Display_Factor();
    const int n = s.Dec_Length_Show;
    auto length = [&](int k) { return Plain(FNRound(static_cast<float>(s.Link_Lengths(k) * f), n)); };
    return {length(1), length(2), length(3), length(4), length(5),
            Needed_Digits_Str(s.Gear_Ratio), Needed_Digits_Str(s.Phase_Angle_Deg), length(0),
            FNRoundStr(s.Coupler_Angle_Deg, 2)};
}

void Derive_Crank_Range()
{
    Model_Store& s = store();
    s.Min_Theta_Text = Str(s.Min_Theta);
    s.Max_Theta_Text = Str(s.Max_Theta);
    s.Delta_Theta_Text = Str(s.Delta_Theta);
    s.Min_Theta_Rad = static_cast<float>(s.Min_Theta * Deg_To_Rad);
    s.Max_Theta_Rad = static_cast<float>(s.Max_Theta * Deg_To_Rad);
    s.Delta_Theta_Rad = static_cast<float>(s.Delta_Theta * Deg_To_Rad);
}
