#include "dynamics/Force_Analysis.h"

#include <cmath>

#include "model/Mod_Numeric.h"
#include "model/Mod_VastrelW.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "runtime/Vector_State.h"

namespace {
float F(double v) { return static_cast<float>(v); }

double Sq(float v) { return static_cast<double>(v) * static_cast<double>(v); }

// Sines and cosines are taken in double precision, also of 32-bit angles.
double Sin(float a) { return std::sin(static_cast<double>(a)); }
double Cos(float a) { return std::cos(static_cast<double>(a)); }

// A result that does not fit a 32-bit float ends the run instead of being stored as inf or NaN.
float Single(double v)
{
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) Raise(Err::Overflow);
    return f;
}

// A position that did not assemble has no motion to balance: no forces, no CG motion. Nor has a dead
// point, whose rates of links 3 and 4 are markers and whose system is singular at an exact fold.
void Clear_Step(int i, Force_Array& Force_Data, Torque_Array& Torque_Data)
{
    Model_Store& s = store();
    for (int r = 0; r <= 9; ++r) Force_Data(i, r, 0) = 0, Force_Data(i, r, 1) = 0;
    for (int r = 0; r <= 4; ++r) Torque_Data(i, r) = 0;
    for (int xy = 0; xy <= 1; ++xy) {
        for (int r = 4; r <= 7; ++r) s.Veloc_Data(i, r, xy) = 0;
        for (int r = 5; r <= 8; ++r) s.Accel_Data(i, r, xy) = 0;
    }
}

// The gears as the linkage drawing shows them. Both pitch radii come from the ground link, so the
// gears meet. A positive ratio turns both cranks the same way through an idler on the frame, whose
// gears have two thirds of those radii; the idler sits midway between its two contact points.
struct Gear_Train {
    float q2, q5;   // contact radii on links 2 and 5
    float idler_x;  // the idler's pivot on the ground line (positive ratios)
    bool idler;
};

Gear_Train Make_Gear_Train(float f, float lambda)
{
    const float r5 = f / (std::fabs(lambda) + 1.0f);
    const float r2 = f - r5;
    Gear_Train g;
    g.idler = lambda > 0;
    g.q2 = g.idler ? r2 / 1.5f : r2;
    g.q5 = g.idler ? r5 / 1.5f : r5;
    g.idler_x = g.q2 + (f - g.q5 - g.q2) / 2;
    return g;
}

void Solve_Steps(Link_Float& Link_Mass, Link_Float& Link_Inertia, Link_CG_Array& Link_CG,
                 Force_Array& Force_Data, Torque_Array& Torque_Data)
{
    Model_Store& s = store();
    const float a = s.Link2_Length, b = s.Link3_Length, c = s.Link4_Length, d = s.Link5_Length;
    const float f = s.Link1_Length;
    const float lambda = s.Gear_Ratio;
    // The ratio is constant over the run: a zero ratio fails here, before any result is touched.
    const double inv_lambda = Checked_Divide(1.0, lambda);
    const float t = F(std::tan(s.Pressure_Angle * Deg_To_Rad));
    const float sigma = lambda < 0 ? 1.0f : -1.0f;
    const Gear_Train gear = Make_Gear_Train(f, lambda);
    const float k_u = s.Unit_System == 4 ? 100.0f : s.Unit_System == 5 ? 1000.0f : 1.0f;
    const int N = s.Num_Steps;

    SimQ_Matrix A, A_sys;
    SimQ_Vector B, B_sys;
    // The sign of the mesh force W assumed when a step is assembled: that of the last step solved.
    float mesh_sign = -1;
    float th[6] = {}, om[6] = {}, al[6] = {}, g[6] = {}, sn[6] = {}, cs[6] = {};
    float ma_x[6] = {}, ma_y[6] = {}, ia[6] = {};

    for (int i = 0; i <= N; ++i) {
        if (s.Step_Valid(i) == 0 || s.Step_Valid(i) == Dead_Point_Step) {
            Clear_Step(i, Force_Data, Torque_Data);
            if (i == 0) s.Matrix_A0.Fill(0), s.Matrix_B0.Fill(0);
            continue;
        }
        for (int k = 2; k <= 5; ++k) {
            th[k] = F(s.Theta_Data(i, k - 2) * Deg_To_Rad);
            om[k] = s.Omega_Data(i, k - 2);
            al[k] = s.Alpha_Data(i, k - 2);
        }
        s.Step_Omega2 = om[2], s.Step_Omega3 = om[3], s.Step_Omega4 = om[4], s.Step_Omega5 = om[5];
        s.Step_Alpha2 = al[2], s.Step_Alpha3 = al[3], s.Step_Alpha4 = al[4], s.Step_Alpha5 = al[5];
        s.Trig_Sin2 = Sin(th[2]), s.Trig_Cos2 = Cos(th[2]);
        s.Trig_Sin3 = Sin(th[3]), s.Trig_Cos3 = Cos(th[3]);
        s.Trig_Sin4 = Sin(th[4]), s.Trig_Cos4 = Cos(th[4]);
        s.Trig_Sin5 = Sin(th[5]), s.Trig_Cos5 = Cos(th[5]);

        for (int k = 2; k <= 5; ++k) {
            g[k] = Link_CG(k, 0);
            float u = th[k] + Link_CG(k, 1);
            sn[k] = F(Sin(u));
            cs[k] = F(Cos(u));
        }

        // Centre-of-gravity velocities, base units
        s.Veloc_Data(i, 4, 0) = Single(om[2] * g[2] * -sn[2]);
        s.Veloc_Data(i, 4, 1) = Single(om[2] * g[2] * cs[2]);
        // Links 3 and 4 hang on moving joints (A, C): their CGs carry those joints' motion.
        s.Veloc_Data(i, 5, 0) = Single(om[4] * g[4] * -sn[4] + s.Veloc_Data(i, 1, 0) / k_u);
        s.Veloc_Data(i, 5, 1) = Single(om[4] * g[4] * cs[4] + s.Veloc_Data(i, 1, 1) / k_u);
        s.Veloc_Data(i, 6, 0) = Single(om[5] * g[5] * -sn[5]);
        s.Veloc_Data(i, 6, 1) = Single(om[5] * g[5] * cs[5]);
        s.Veloc_Data(i, 7, 0) = Single(om[3] * g[3] * -sn[3] + s.Veloc_Data(i, 0, 0) / k_u);
        s.Veloc_Data(i, 7, 1) = Single(om[3] * g[3] * cs[3] + s.Veloc_Data(i, 0, 1) / k_u);

        // Friction on link 3 opposes the motion of the joint with link 4
        const float beta = F(F(Atan2D(s.Veloc_Data(i, 2, 0), s.Veloc_Data(i, 2, 1)) + 180) * Deg_To_Rad);
        const float Ff = s.Friction_3;
        const float fric_x = Ff * F(Cos(beta)), fric_y = Ff * F(Sin(beta));

        // Centre-of-gravity accelerations, base units, with the first joint's (A for link 3, C for link 4)
        const int accel_row[6] = {0, 0, 6, 5, 7, 8};
        const int joint_row[6] = {-1, -1, -1, 0, 1, -1};
        for (int k = 2; k <= 5; ++k) {
            float jx = 0, jy = 0;
            if (joint_row[k] >= 0)
                jx = s.Accel_Data(i, joint_row[k], 0) / k_u, jy = s.Accel_Data(i, joint_row[k], 1) / k_u;
            s.Accel_Data(i, accel_row[k], 0) = Single(-Sq(om[k]) * g[k] * cs[k] - al[k] * g[k] * sn[k] + jx);
            s.Accel_Data(i, accel_row[k], 1) = Single(-Sq(om[k]) * g[k] * sn[k] + al[k] * g[k] * cs[k] + jy);
        }
        for (int k = 2; k <= 5; ++k) {
            ma_x[k] = Single(static_cast<double>(Link_Mass(k)) * s.Accel_Data(i, accel_row[k], 0));
            ma_y[k] = Single(static_cast<double>(Link_Mass(k)) * s.Accel_Data(i, accel_row[k], 1));
            ia[k] = Single(static_cast<double>(Link_Inertia(k)) * al[k]);
        }

        // Moments of the external forces about the centres of gravity
        const float psi3 = F(s.Force_Point3_Angle * Deg_To_Rad + th[3]);
        const float e3x = s.Force_Point3_Dist * F(Cos(psi3)), e3y = s.Force_Point3_Dist * F(Sin(psi3));
        const float M_F3 = Single(static_cast<double>(e3x) * s.Ext_Force3_Y - static_cast<double>(e3y) * s.Ext_Force3_X);
        const float psi4 = F(s.Force_Point4_Angle * Deg_To_Rad + th[4]);
        const float e4x = s.Force_Point4_Dist * F(Cos(psi4)), e4y = s.Force_Point4_Dist * F(Sin(psi4));
        const float M_F4 = Single(static_cast<double>(e4x) * s.Ext_Force4_Y - static_cast<double>(e4y) * s.Ext_Force4_X);
        const float T3 = s.Ext_Torque(3), T4 = s.Ext_Torque(4);

        A.Fill(0);
        // Link 2
        A(1, 1) = 1, A(1, 3) = 1;
        B(1) = ma_x[2];
        A(2, 2) = 1, A(2, 4) = 1, A(2, 10) = sigma;
        B(2) = ma_y[2];
        A(3, 1) = g[2] * sn[2];
        A(3, 2) = -(g[2] * cs[2]);
        A(3, 3) = -(a * s.Trig_Sin2 - g[2] * sn[2]);
        A(3, 4) = a * s.Trig_Cos2 - g[2] * cs[2];
        A(3, 9) = 1;
        B(3) = ia[2];
        // Link 3
        A(4, 3) = -1, A(4, 5) = 1;
        B(4) = ma_x[3] - s.Ext_Force3_X - fric_x;
        A(5, 4) = -1, A(5, 6) = 1;
        B(5) = ma_y[3] - s.Ext_Force3_Y - fric_y;
        A(6, 3) = -(g[3] * sn[3]);
        A(6, 4) = g[3] * cs[3];
        A(6, 5) = -(b * s.Trig_Sin3 - g[3] * sn[3]);
        A(6, 6) = b * s.Trig_Cos3 - g[3] * cs[3];
        B(6) = ia[3] - T3 - M_F3;
        // Link 4
        A(7, 5) = -1, A(7, 7) = 1;
        B(7) = ma_x[4] - s.Ext_Force4_X;
        A(8, 6) = -1, A(8, 8) = 1;
        B(8) = ma_y[4] - s.Ext_Force4_Y;
        A(9, 5) = c * s.Trig_Sin4 - g[4] * sn[4];
        A(9, 6) = -(c * s.Trig_Cos4 - g[4] * cs[4]);
        A(9, 7) = g[4] * sn[4];
        A(9, 8) = -(g[4] * cs[4]);
        B(9) = ia[4] - T4 - M_F4;
        // Link 5
        A(10, 7) = -1, A(10, 11) = 1;
        B(10) = ma_x[5];
        // Gear 5 takes -W along y at (f - q5, 0): against gear 2 directly, or, through the idler, in
        // the same sense as gear 2.
        A(11, 8) = -1, A(11, 10) = -1, A(11, 12) = 1;
        B(11) = ma_y[5];
        A(12, 7) = d * s.Trig_Sin5 - g[5] * sn[5];
        A(12, 8) = -(d * s.Trig_Cos5 - g[5] * cs[5]);
        A(12, 9) = inv_lambda;
        A(12, 11) = g[5] * sn[5];
        A(12, 12) = -(g[5] * cs[5]);
        B(12) = ia[5];
        // Loads beyond the float range leave no system worth showing or solving.
        for (int r = 1; r <= 12; ++r)
            if (!std::isfinite(B(r))) Raise(Err::Overflow);

        // The mesh's radial part pushes each gear towards its own centre, t |W| along the ground
        // line, whichever way the torque flows: with e the sign of W, gear 2 takes (-t e W, sigma W)
        // at its contact point (q2, 0) and gear 5 (t e W, -W) at (f - q5, 0); through the idler each
        // mesh alike. The line of the radial part passes through both pivots, so about O2 and O5 it
        // has no moment; about a CG off that line it has one.
        auto Set_Mesh = [&](float e) {
            const float te = e * t;
            A(1, 10) = -te;
            A(3, 10) = sigma * (gear.q2 - g[2] * cs[2]) - te * g[2] * sn[2];
            A(10, 10) = te;
            A(12, 10) = (gear.q5 + g[5] * cs[5]) + te * g[5] * sn[5];
        };
        // Solved with the sign of the last step; a W of the other sign is solved again with its own
        // sign. W itself does not depend on the sign assumed (only F12x and F15x do), so the second
        // solution keeps the sign: at most one extra solve, at the steps where the torque reverses.
        float e = mesh_sign;
        Set_Mesh(e);
        for (int pass = 0;; ++pass) {
            // The matrix screen shows the system that gave step 0's result.
            if (i == 0) {
                s.Matrix_A0 = A;
                s.Matrix_B0 = B;
            }
            if (pass == 0) A_sys = A, B_sys = B;

            int16_t flag = 0;
            SimQ(12, A, B, flag);
            if (flag != 0) {
                MsgBox("Error in Computing Simultaneous Equations at step   " + Str(i), Msg::Question);
                return;
            }
            const double W = B(10);
            if (pass > 0 || W == 0 || (W > 0) == (e > 0)) break;
            e = -e;
            A = A_sys, B = B_sys;
            Set_Mesh(e);
        }
        mesh_sign = e;

        Force_Data(i, 0, 0) = Single(B(3)), Force_Data(i, 0, 1) = Single(B(4));
        Force_Data(i, 1, 0) = Single(B(5)), Force_Data(i, 1, 1) = Single(B(6));
        Force_Data(i, 5, 0) = Single(B(1)), Force_Data(i, 5, 1) = Single(B(2));
        Force_Data(i, 6, 0) = Single(B(7)), Force_Data(i, 6, 1) = Single(B(8));
        Force_Data(i, 8, 0) = Single(B(11)), Force_Data(i, 8, 1) = Single(B(12));
        Force_Data(i, 2, 0) = -ma_x[3], Force_Data(i, 2, 1) = -ma_y[3];
        Force_Data(i, 3, 0) = -ma_x[2], Force_Data(i, 3, 1) = -ma_y[2];
        Force_Data(i, 4, 0) = -ma_x[4], Force_Data(i, 4, 1) = -ma_y[4];
        Force_Data(i, 9, 0) = -ma_x[5], Force_Data(i, 9, 1) = -ma_y[5];
        // Everything the linkage exerts on the frame: the bearings at O2 and O5, the idler's pivot
        // (it holds the idler against both meshes, (0, -2 W)) and the reactions of both driving
        // torques; the moment is taken about O2.
        const double W = B(10), idler_y = gear.idler ? 2 * W : 0.0;
        Force_Data(i, 7, 0) = Single(-(static_cast<double>(Force_Data(i, 5, 0)) + Force_Data(i, 8, 0)));
        Force_Data(i, 7, 1) = Single(-(static_cast<double>(Force_Data(i, 5, 1)) + Force_Data(i, 8, 1)) + idler_y);

        Torque_Data(i, 0) = Single(B(9));
        Torque_Data(i, 1) = Single(-static_cast<double>(ia[3]) + T3 + M_F3);
        Torque_Data(i, 2) = Single(-static_cast<double>(ia[4]) + T4 + M_F4);
        Torque_Data(i, 3) = Single(-(B(9) + B(9) / lambda) - f * B(12) + gear.idler_x * idler_y);
        Torque_Data(i, 4) = Single(B(9) / lambda);

        if (s.Unit_System == 4 || s.Unit_System == 5) {
            Scale_Velocities(static_cast<int16_t>(i), k_u, 4, 7);
            Scale_Accelerations(static_cast<int16_t>(i), k_u, 5, 8);
        }
    }
    s.Dynamics_Done = true;
    s.Flywheel_Done = false;
}
}  // namespace

void Force_Analysis(Link_Float& Link_Mass, Link_Float& Link_Inertia, Link_CG_Array& Link_CG,
                    Force_Array& Force_Data, Torque_Array& Torque_Data)
{
    Clear_Vector_State();
    // An overflow ends the run with one report; other errors (a zero ratio) reach the caller.
    try {
        Solve_Steps(Link_Mass, Link_Inertia, Link_CG, Force_Data, Torque_Data);
    } catch (const Runtime_Error& e) {
        if (e.number != Err::Overflow) throw;
        Report_Error(e, "Force_Analysis");
    }
}
