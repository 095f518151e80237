#include "shell/Formsubs.h"

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/mod_Data.h"
#include "runtime/Number_Text.h"

Label_Panel Link_Labels()
{
    const Model_Store& s = store();
    Label_Panel p;
    const int f = Length_Display_Factor();
    for (int i = 0; i <= 4; ++i)
        p.Links[i] = Plain(FNRound(static_cast<float>(s.Link_Lengths(i + 1) * f), s.Dec_Length_Show));
    p.Links[5] = Plain(FNRound(static_cast<float>(s.Link_Lengths(0) * f), s.Dec_Length_Show));
    p.Links[6] = s.Coupler_Angle_Text;
    p.Links[7] = Needed_Digits_Str(s.Gear_Ratio);
    p.Links[8] = Needed_Digits_Str(s.Phase_Angle_Deg);
    for (auto& u : p.Units) u = s.Unit_Label(6);
    return p;
}

Label_Panel Angle_Labels()
{
    const Model_Store& s = store();
    Label_Panel p = Link_Labels();
    for (int i = 1; i <= 3; ++i) {
        p.Linkout2_Visible[i] = p.Initial_Visible[i] = p.Unit_Visible[i] = true;
        p.Unit[i] = "deg";
    }
    for (int i = 0; i <= 4; ++i) p.Linkout2_Visible[i] = true;
    p.Linkout2[0] = s.Circuit_Name;
    p.Linkout2[1] = s.Min_Theta_Text;
    p.Linkout2[2] = s.Max_Theta_Text;
    p.Linkout2[3] = s.Delta_Theta_Text;
    p.Linkout2[4] = Str(s.Omega_Zero);
    p.Initial[1] = "Min Theta";
    p.Initial[2] = "Max Theta";
    p.Initial[3] = "Delta Theta";
    p.Initial[4] = "Omega2";
    p.Unit[4] = "rad/s";
    for (int i = 5; i <= 6; ++i) {
        p.Unit[i] = "";
        p.Initial[i] = "";
        p.Linkout2_Visible[i] = false;
    }
    return p;
}

Label_Panel Time_Labels()
{
    const Model_Store& s = store();
    Label_Panel p = Link_Labels();
    for (int i = 1; i <= 3; ++i) {
        p.Linkout2_Visible[i] = p.Initial_Visible[i] = true;
        p.Unit[i] = "sec";
    }
    for (int i = 0; i <= 6; ++i) p.Linkout2_Visible[i] = true;
    p.Linkout2[0] = s.Circuit_Name;
    p.Linkout2[1] = s.Min_Theta_Text;
    p.Linkout2[2] = s.Max_Theta_Text;
    p.Linkout2[3] = s.Delta_Theta_Text;
    p.Linkout2[4] = Plain(s.Theta_Zero);
    p.Linkout2[5] = Plain(s.Omega_Zero);
    p.Linkout2[6] = Plain(s.Alpha_Zero);
    const char* names[] = {"Start Time", "End Time", "Delta Time", "Theta0", "Omega0", "Alpha0"};
    for (int i = 1; i <= 6; ++i) p.Initial[i] = names[i - 1];
    p.Unit[4] = "deg";
    p.Unit[5] = "rad/s";
    p.Unit[6] = "rad/s/s";
    return p;
}

Label_Panel Position_Labels()
{
    const Model_Store& s = store();
    Label_Panel p = Link_Labels();
    for (int i = 1; i <= 3; ++i) p.Linkout2_Visible[i] = p.Initial_Visible[i] = p.Unit_Visible[i] = false;
    p.Linkout2[4] = Plain(s.Theta_Zero);
    p.Linkout2[5] = Plain(s.Omega_Zero);
    p.Linkout2[6] = Plain(s.Alpha_Zero);
    return p;
}
