#include "model/Mod_Main.h"

#include <cmath>
#include <ctime>
#include <memory>

#include "model/Mod_Examples.h"
#include "runtime/Number_Text.h"

namespace {
std::unique_ptr<Model_Store> the_store = std::make_unique<Model_Store>();

std::string Now_Text(const char* format)
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, format, &local);
    return buf;
}
}  // namespace

Model_Store& store() { return *the_store; }

void reset_store() { the_store = std::make_unique<Model_Store>(); }

std::string Date_Text() { return Now_Text("%m/%d/%Y"); }
std::string Time_Text() { return Now_Text("%H:%M:%S"); }

void Initialize()
{
    constexpr double Deg_To_Rad = 0.017453292522222223;
    Model_Store& s = store();
    s.Reset_Selections = true;
    s.Calc_Done = false;
    s.Dynamics_Done = false;
    s.Flywheel_Done = false;
    s.Design_Number = 1;

    s.Omega_Zero = 10;
    s.Step_Omega2 = 10;
    s.Alpha_Zero = -5;
    s.Circuit_Sign = -1;
    s.Circuit_Name = "Open";

    s.Min_Theta_Text = "0";
    s.Max_Theta_Text = "360";
    s.Delta_Theta_Text = "5";
    s.Min_Theta = static_cast<float>(Val(s.Min_Theta_Text));
    s.Max_Theta = static_cast<float>(Val(s.Max_Theta_Text));
    s.Delta_Theta = static_cast<float>(Val(s.Delta_Theta_Text));
    s.Min_Theta_Rad = static_cast<float>(s.Min_Theta * Deg_To_Rad);
    s.Max_Theta_Rad = static_cast<float>(s.Max_Theta * Deg_To_Rad);
    s.Delta_Theta_Rad = static_cast<float>(s.Delta_Theta * Deg_To_Rad);

    s.Start_Time = 0;
    s.End_Time = 5.0f;
    s.Delta_Time = 0.05f;

    s.Circuit = 1;
    s.Calc_Type = 3;
    s.Print_Step = 10;
    s.Num_Units = 17;
    s.Coef_Fluctuation = 0.05f;
    s.Anim_Speed = 16383;
    s.Anim_Cycles = 1;
    s.Zoom_Factor = 1.0f;
    s.Pressure_Angle = 20;

    Load_Unity_Example();

    s.Num_Steps = To_Int16(static_cast<long long>(
        std::floor((static_cast<double>(s.Max_Theta_Rad) - s.Min_Theta_Rad) / s.Delta_Theta_Rad + 0.5)));

    s.Angle_Mode = "abs";
    s.Model_Name = "Model_1";
    s.Model_Date = Date_Text();
    s.Model_Time = Time_Text();
}

void Clear_Results()
{
    Model_Store& s = store();
    for (int i = 0; i <= s.Num_Steps && i <= Max_Steps; ++i) {
        for (int r = 0; r <= 4; ++r) s.Theta_Data(i, r) = 0;
        for (int r = 0; r <= 3; ++r) {
            s.Omega_Data(i, r) = 0;
            s.Alpha_Data(i, r) = 0;
        }
        for (int c = 0; c <= 1; ++c) {
            for (int r = 0; r <= 4; ++r) s.Position_Data(i, r, c) = 0;
            for (int r = 0; r <= 7; ++r) s.Veloc_Data(i, r, c) = 0;
            for (int r = 0; r <= 8; ++r) s.Accel_Data(i, r, c) = 0;
        }
    }
}

void Load_Link_Lengths()
{
    Model_Store& s = store();
    s.Link_Lengths(0) = s.Coupler_Dist;
    s.Link_Lengths(1) = s.Link1_Length;
    s.Link_Lengths(2) = s.Link2_Length;
    s.Link_Lengths(3) = s.Link3_Length;
    s.Link_Lengths(4) = s.Link4_Length;
    s.Link_Lengths(5) = s.Link5_Length;
}
