#include "model/Mod_Examples.h"

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"

void Angle_From_Degrees(float Deg, float& Rad, std::string& Text)
{
    Rad = static_cast<float>(Deg * Deg_To_Rad);
    Text = Str(Deg);
}

void Load_Unity_Example()
{
    Model_Store& s = store();
    s.Link1_Length = 2.5f;
    s.Link2_Length = 1;
    s.Link3_Length = 2.5f;
    s.Link4_Length = 2.5f;
    s.Link5_Length = 1;
    s.Coupler_Dist = 2.5f;
    s.Coupler_Angle = static_cast<float>(0.34906585044444444);
    s.Coupler_Angle_Deg = 20;
    s.Coupler_Angle_Text = Str(20.0f);
    s.Gear_Ratio = -1;
    s.Phase_Angle = 0;
    s.Phase_Angle_Deg = 0;
    s.Circuit = 1;
    s.Circuit_Sign = -1;
    s.Circuit_Name = "OPEN";
    s.Omega_Zero = 10;
    s.Min_Theta_Rad = 0;
    s.Min_Theta_Text = "0";
    s.Max_Theta_Rad = static_cast<float>(6.283185308);
    s.Max_Theta_Text = "360";
    s.Delta_Theta_Rad = static_cast<float>(0.17453292522222222);
    s.Delta_Theta = 10;
    s.Delta_Theta_Text = Str(10.0f);
    Load_Link_Lengths();
    int16_t n = 5;
    Set_Default_Mass(n);
    s.Model_Title = "A Grashof Geared Vastrel with Negative One Gear Ratio";
}

void Load_Nonunity_Example()
{
    Model_Store& s = store();
    s.Link2_Length = 1;
    s.Link5_Length = 1;
    s.Link3_Length = 5;
    s.Link4_Length = 5;
    s.Link1_Length = 6.4f;
    s.Phase_Angle = static_cast<float>(1.0471975513333334);
    s.Phase_Angle_Deg = 60;
    s.Gear_Ratio = 3;
    s.Circuit = 1;
    s.Circuit_Sign = -1;
    s.Circuit_Name = "OPEN";
    s.Omega_Zero = 10;
    s.Min_Theta_Rad = 0;
    s.Min_Theta_Text = "0";
    s.Max_Theta_Rad = static_cast<float>(6.283185308);
    s.Max_Theta_Text = "360";
    s.Delta_Theta_Rad = static_cast<float>(0.08726646261111111);
    s.Delta_Theta = 5;
    s.Delta_Theta_Text = Str(5.0f);
    s.Coupler_Angle = static_cast<float>(0.7853981635);
    s.Coupler_Dist = 6;
    s.Coupler_Angle_Deg = 45;
    s.Coupler_Angle_Text = Str(45.0f);
    Load_Link_Lengths();
    int16_t n = 5;
    Set_Default_Mass(n);
    s.Model_Title = "A Grashof Geared Vastrel with Positive Three Gear Ratio";
}

void Set_Default_Mass(int16_t& N)
{
    Model_Store& s = store();
    s.Link_Mass(2) = 0.003f;
    s.Link_Mass(3) = 0.01f;
    s.Link_Mass(4) = 0.006f;
    s.Ext_Torque(3) = 0;
    s.Ext_Torque(4) = 0;
    if (N > 4) s.Link_Mass(5) = 0.02f;
    for (int i = 2; i <= N; ++i) {
        s.Link_Inertia(i) = 2 * s.Link_Mass(i);
        s.Link_CG(i, 0) = 0.5f * s.Link_Lengths(i);
        s.Link_CG(i, 1) = 0;
    }
    s.Link_CG(3, 0) = s.Coupler_Dist;
    s.Link_CG(3, 1) = s.Coupler_Angle;
}

std::string Units_Name(int System)
{
    static const char* const names[] = {"in-lb-bl-s", "ft-lb-sl-s", "m-kg-N-s", "cm-kg-N-s", "mm-kg-N-s"};
    return System >= 1 && System <= 5 ? names[System - 1] : "";
}

void Set_Unit_Labels(int16_t System, Array1<std::string, 0, 20>& Labels, int16_t& Count)
{
    static const char* const length[] = {"in", "ft", "m", "cm", "mm"};
    static const char* const force[] = {"lb", "lb", "N", "N", "N"};
    static const char* const mass[] = {"bl", "sl", "kg", "kg", "kg"};
    static const char* const inertia[] = {"in-lb-s^2", "ft-lb-^2", "kg-m^2", "kg-m^2", "kg-m^2"};
    std::string L, F, M, I;
    if (System >= 1 && System <= 5) {
        L = length[System - 1];
        F = force[System - 1];
        M = mass[System - 1];
        I = inertia[System - 1];
    }
    std::string t[19];
    t[1] = "degrees";
    t[2] = "rad/sec";
    t[3] = "rad/sec^2";
    t[4] = L + "/sec";
    t[5] = L + "/sec^2";
    t[6] = L;
    t[7] = "ratio";
    t[8] = "ratio";
    t[9] = F + "-" + L;
    t[10] = F;
    t[11] = F;
    t[12] = t[9];
    t[13] = F;
    t[14] = M;
    t[15] = I;
    t[16] = "rad/sec^3";
    t[17] = L + "/sec^3";
    // The metric sub-units keep torques in metres; the test follows the current system.
    if (store().Unit_System > 3) {
        t[9] = F + "- m";
        t[12] = F + "- m";
    }
    t[18] = t[9];  // the flywheel's torque is the crank torque's, in the same unit
    for (int k = 1; k <= Count; ++k) Labels(k) = k <= 18 ? t[k] : std::string();
}

void Set_Decimals(int16_t& System)
{
    static const int16_t table[5][6] = {
        {3, 3, 2, 2, 4, 4}, {3, 3, 2, 3, 3, 3}, {4, 4, 2, 3, 3, 3}, {4, 3, 2, 3, 3, 3}, {4, 2, 2, 3, 3, 3}};
    if (System < 1 || System > 5) return;
    Model_Store& s = store();
    const int16_t* d = table[System - 1];
    s.Dec_Length = d[0];
    s.Dec_Length_Show = d[1];
    s.Dec_Force = d[2];
    s.Dec_Torque = d[3];
    s.Dec_Mass = d[4];
    s.Dec_Inertia = d[5];
}

namespace {
enum class Factor_Set { Inch_To_Metre, Metre_To_Inch, Inch_To_Foot, Foot_To_Inch };

void Run_Step(Factor_Set set)
{
    Model_Store& s = store();
    const double mass_in_m = 386 / 2.2046225;
    const double inertia_in_m = 0.0254 * 0.0254 * 386 / 2.2046225;
    switch (set) {
    case Factor_Set::Inch_To_Metre:
        s.Fac_Length = 0.0254f;
        s.Fac_Force = 4.448222f;
        s.Fac_Torque = 0.1129848388f;
        s.Fac_Mass = static_cast<float>(mass_in_m);
        s.Fac_Inertia = static_cast<float>(inertia_in_m);
        break;
    case Factor_Set::Metre_To_Inch:
        s.Fac_Length = static_cast<float>(1 / 0.0254);
        s.Fac_Force = static_cast<float>(1 / 4.448222);
        s.Fac_Torque = static_cast<float>(1 / 0.1129848388);
        s.Fac_Mass = static_cast<float>(2.2046225 / 386);
        s.Fac_Inertia = static_cast<float>(1 / inertia_in_m);
        break;
    case Factor_Set::Inch_To_Foot:
        s.Fac_Length = static_cast<float>(1.0 / 12);
        s.Fac_Force = 1;
        s.Fac_Torque = static_cast<float>(1.0 / 12);
        s.Fac_Mass = 12;
        s.Fac_Inertia = static_cast<float>(1.0 / 12);
        break;
    case Factor_Set::Foot_To_Inch:
        s.Fac_Length = 12;
        s.Fac_Force = 1;
        s.Fac_Torque = 12;
        s.Fac_Mass = static_cast<float>(1.0 / 12);
        s.Fac_Inertia = 12;
        break;
    }
    Convert_Model(s.Fac_Length, s.Fac_Force, s.Fac_Torque, s.Fac_Mass, s.Fac_Inertia);
}

bool Metric(int16_t system) { return system >= 3 && system <= 5; }
}  // namespace

void Convert_Units(int16_t& Old, int16_t& New)
{
    if (Old == 1 && New == 2) {
        Run_Step(Factor_Set::Inch_To_Foot);
    } else if (Old == 1 && Metric(New)) {
        Run_Step(Factor_Set::Inch_To_Metre);
    } else if (Old == 2 && New == 1) {
        Run_Step(Factor_Set::Foot_To_Inch);
    } else if (Old == 2 && Metric(New)) {
        Run_Step(Factor_Set::Foot_To_Inch);
        Run_Step(Factor_Set::Inch_To_Metre);
    } else if (Metric(Old) && New == 1) {
        Run_Step(Factor_Set::Metre_To_Inch);
    } else if (Metric(Old) && New == 2) {
        Run_Step(Factor_Set::Metre_To_Inch);
        Run_Step(Factor_Set::Inch_To_Foot);
    }
    Load_Link_Lengths();
}

void Convert_Model(float& FacLength, float& FacForce, float& FacTorque, float& FacMass, float& FacInertia)
{
    Model_Store& s = store();
    auto length = [&](float& v) { v = static_cast<float>(FNRound(v * FacLength, s.Dec_Length)); };
    auto force = [&](float& v) { v = static_cast<float>(FNRound(v * FacForce, s.Dec_Force)); };
    for (float* v : {&s.Link1_Length, &s.Link2_Length, &s.Link3_Length, &s.Link4_Length, &s.Link5_Length,
                     &s.Coupler_Dist, &s.Force_Point3_Dist, &s.Force_Point4_Dist})
        length(*v);
    for (int j = 1; j <= 5; ++j) length(s.Link_CG(j, 0));
    for (float* v : {&s.Ext_Force3_X, &s.Ext_Force3_Y, &s.Ext_Force4_X, &s.Ext_Force4_Y}) force(*v);
    s.Friction_3 = s.Friction_3 * FacForce;
    s.Friction_4 = s.Friction_4 * FacForce;
    for (int k = 1; k <= 4; ++k) {
        force(s.Ext_Force_Mag(k));
        s.Ext_Torque(k) = static_cast<float>(FNRound(s.Ext_Torque(k) * FacTorque, s.Dec_Torque));
    }
    // Masses and inertias keep six significant digits, not the system's three or four decimals,
    // which would take most of a small inertia (0.006 in-lb-s^2 is 0.000677753 kg-m^2) and not
    // give it back on the way back; six digits still drop the float noise of the factors.
    auto digits = [](float& v, float factor) { v = static_cast<float>(Round_Digits(v * factor, 6)); };
    for (int j = 1; j <= 5; ++j) {
        digits(s.Link_Mass(j), FacMass);
        digits(s.Link_Inertia(j), FacInertia);
    }
}
