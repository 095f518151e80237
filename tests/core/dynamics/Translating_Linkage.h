// A hand-solved motion for the force tests: with equal cranks (a = d) and a gear ratio of +1 the
// segment from joint A to joint C stays parallel to the ground, so links 3 and 4 translate at
// fixed angles while both cranks turn together. Every kinematic value is known in closed form.
#pragma once
#include <cmath>

#include "model/Mod_Main.h"

struct Translating_Linkage {
    static constexpr double Pi_ = 3.14159265358979323846;
    double a = 1, f = 2.5, b = 2, c = 2;
    double theta3 = 0, theta4 = 0;  // radians, constant

    // Sets the geometry and unit mass properties (CGs may be changed afterwards).
    void Set_Model()
    {
        Model_Store& s = store();
        s.Link1_Length = static_cast<float>(f);
        s.Link2_Length = static_cast<float>(a);
        s.Link3_Length = static_cast<float>(b);
        s.Link4_Length = static_cast<float>(c);
        s.Link5_Length = static_cast<float>(a);
        s.Gear_Ratio = 1;
        s.Pressure_Angle = 20;
        s.Unit_System = 3;
        double bx = f / 2, by = std::sqrt(b * b - bx * bx);  // B above the middle of A..C
        theta3 = std::atan2(by, bx);
        theta4 = std::atan2(by, -bx);
    }

    // Stores step i at crank angle th (rad), speed w and acceleration al; scaled by k_u.
    void Fill_Step(int i, double th, double w, double al, double k_u = 1) const
    {
        Model_Store& s = store();
        s.Step_Valid(i) = -1;
        const double deg = 180 / Pi_;
        double t2 = th * deg;
        s.Theta_Data(i, 0) = static_cast<float>(t2);
        s.Theta_Data(i, 1) = static_cast<float>(theta3 * deg);
        s.Theta_Data(i, 2) = static_cast<float>(theta4 * deg);
        s.Theta_Data(i, 3) = static_cast<float>(t2);
        float om[4] = {static_cast<float>(w), 0, 0, static_cast<float>(w)};
        float alp[4] = {static_cast<float>(al), 0, 0, static_cast<float>(al)};
        for (int k = 0; k < 4; ++k) s.Omega_Data(i, k) = om[k], s.Alpha_Data(i, k) = alp[k];
        // A, C and B share one velocity and one acceleration: the coupler and link 4 translate.
        double vx = -w * a * std::sin(th), vy = w * a * std::cos(th);
        double ax = -w * w * a * std::cos(th) - al * a * std::sin(th);
        double ay = -w * w * a * std::sin(th) + al * a * std::cos(th);
        for (int r = 0; r <= 3; ++r) {
            s.Veloc_Data(i, r, 0) = static_cast<float>(vx * k_u);
            s.Veloc_Data(i, r, 1) = static_cast<float>(vy * k_u);
            s.Accel_Data(i, r, 0) = static_cast<float>(ax * k_u);
            s.Accel_Data(i, r, 1) = static_cast<float>(ay * k_u);
        }
    }
};
