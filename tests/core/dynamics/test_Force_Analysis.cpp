#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Fake_Ui_Port.h"
#include "Translating_Linkage.h"
#include "dynamics/Force_Analysis.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_VastrelW.h"

namespace {
constexpr float Sentinel = 99.5f;

void Solve()
{
    Model_Store& s = store();
    Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
}

// Steps 0..n of a translating linkage with a varying crank speed; sentinels in the outputs.
Translating_Linkage Translating_Run(int n, double k_u = 1)
{
    Translating_Linkage L;
    L.Set_Model();
    Model_Store& s = store();
    s.Num_Steps = static_cast<int16_t>(n);
    for (int i = 0; i <= n; ++i) L.Fill_Step(i, 0.3 + 0.7 * i, 10 + i, 3 - i, k_u);
    s.Force_Data.Fill(Sentinel);
    s.Torque_Data.Fill(Sentinel);
    return L;
}

void Set_Masses()
{
    for (int k = 2; k <= 5; ++k) store().Link_Mass(k) = 0.2f * k, store().Link_Inertia(k) = 0.05f * k;
}

class ForceAnalysis : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
    Fake_Ui_Port ui;
};
}  // namespace

TEST_F(ForceAnalysis, NoMassNoLoadGivesZeroForcesButKeepsTheCgKinematics)
{
    Model_Store& s = store();
    Translating_Run(6);
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 0) = 0.1f * k, s.Link_CG(k, 1) = 0.2f;
    Solve();
    for (int i = 0; i <= 6; ++i) {
        for (int r = 0; r <= 9; ++r) EXPECT_EQ(s.Force_Data(i, r, 0) + s.Force_Data(i, r, 1), 0);
        for (int r = 0; r <= 4; ++r) EXPECT_EQ(s.Torque_Data(i, r), 0);
        double th = 0.3 + 0.7 * i, w = 10 + i, al = 3 - i, u = th + 0.2f;
        // G2 turns about O2; G3 and G4 translate with the joints A and C
        EXPECT_NEAR(s.Veloc_Data(i, 4, 0), -w * 0.2 * std::sin(u), 1e-4);
        EXPECT_NEAR(s.Veloc_Data(i, 7, 0), s.Veloc_Data(i, 0, 0), 1e-5);
        EXPECT_NEAR(s.Veloc_Data(i, 5, 1), s.Veloc_Data(i, 1, 1), 1e-5);
        EXPECT_NEAR(s.Accel_Data(i, 6, 0), -w * w * 0.2 * std::cos(u) - al * 0.2 * std::sin(u), 1e-3);
        EXPECT_NEAR(s.Accel_Data(i, 7, 0), s.Accel_Data(i, 1, 0), 1e-4);
    }
    EXPECT_TRUE(s.Dynamics_Done);
}

TEST_F(ForceAnalysis, PitchRadiiComeFromTheGroundAndMeshSignsFromTheRatio)
{
    Model_Store& s = store();
    Initialize();  // ground 2.5, ratio -1: radii 1.25 and 1.25
    s.Num_Steps = 0;
    Translating_Linkage().Fill_Step(0, 0.4, 10, 0);
    s.Theta_Data(0, 1) = 30, s.Theta_Data(0, 2) = 120;
    s.Link_CG(2, 0) = 0, s.Link_CG(5, 0) = 0;
    Solve();
    EXPECT_NEAR(s.Matrix_A0(3, 10), 1.25, 1e-7);
    EXPECT_NEAR(s.Matrix_A0(12, 10), 1.25, 1e-7);
    EXPECT_EQ(s.Matrix_A0(12, 9), -1);
    s.Gear_Ratio = -2;
    Solve();
    const SimQ_Matrix neg = s.Matrix_A0;
    s.Gear_Ratio = 2;
    Solve();
    const SimQ_Matrix& pos = s.Matrix_A0;
    EXPECT_NEAR(neg(3, 10), 5.0 / 3, 1e-6);  // radii 2f/3 and f/3; through the idler two thirds of them
    EXPECT_NEAR(neg(12, 10), 2.5 / 3, 1e-6);
    EXPECT_NEAR(pos(3, 10), -10.0 / 9, 1e-6);
    EXPECT_NEAR(pos(12, 10), 5.0 / 9, 1e-6);
    EXPECT_EQ(neg(2, 10), 1);
    EXPECT_EQ(pos(2, 10), -1);
    EXPECT_EQ(neg(11, 10), -1);
    EXPECT_EQ(pos(11, 10), -1);
    // the radial part, t times the tangential part, pushes each gear towards its centre: opposite
    // signs on links 2 and 5 (which sign, W's at the step decides)
    EXPECT_NEAR(std::fabs(pos(1, 10)), std::tan(20 * Translating_Linkage::Pi_ / 180), 1e-7);
    EXPECT_EQ(pos(10, 10), -pos(1, 10));
    EXPECT_EQ(neg(12, 9), -0.5);
}

TEST_F(ForceAnalysis, CentimetreSystemScalesCgRowsOnly)
{
    Model_Store& s = store();
    Translating_Run(5);
    Set_Masses();
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 0) = 0.15f * k, s.Link_CG(k, 1) = -0.1f;
    s.Ext_Force3_X = 2, s.Ext_Force4_Y = -3, s.Force_Point3_Dist = 0.2f, s.Friction_3 = 0.5f;
    Solve();
    const auto metre = std::make_unique<Model_Store>(s);
    Translating_Run(5, 100);
    s.Unit_System = 4;
    Solve();
    auto near = [](float v, float ref, double rel) { return std::fabs(v - ref) <= rel * (1 + std::fabs(ref)); };
    for (int i = 0; i <= 5; ++i) {
        for (int xy = 0; xy <= 1; ++xy) {
            for (int r = 4; r <= 7; ++r) EXPECT_TRUE(near(s.Veloc_Data(i, r, xy), 100 * metre->Veloc_Data(i, r, xy), 1e-5));
            for (int r = 5; r <= 8; ++r) EXPECT_TRUE(near(s.Accel_Data(i, r, xy), 100 * metre->Accel_Data(i, r, xy), 1e-5));
            for (int r = 0; r <= 9; ++r) EXPECT_TRUE(near(s.Force_Data(i, r, xy), metre->Force_Data(i, r, xy), 1e-4));
        }
        for (int r = 0; r <= 4; ++r) EXPECT_TRUE(near(s.Torque_Data(i, r), metre->Torque_Data(i, r), 1e-4));
    }
    // link 3 translates: Veloc CG 3 is 100 times the crank-end speed in metres per second
    EXPECT_NEAR(s.Veloc_Data(2, 7, 1), 100 * 12 * std::cos(1.7), 1e-3);
}

TEST_F(ForceAnalysis, FrictionOfAJointAtRestPointsAlongMinusX)
{
    // Joint B at rest: the friction direction is that of a zero velocity (0 degrees) turned by 180.
    Model_Store& s = store();
    Translating_Linkage L;
    L.Set_Model();
    s.Num_Steps = 0;
    L.Fill_Step(0, 0.4, 0, 0);
    s.Friction_3 = 0.5f;
    Solve();
    EXPECT_NEAR(s.Matrix_B0(4), 0.5, 1e-7);
    EXPECT_NEAR(s.Matrix_B0(5), 0, 1e-7);
    // Static balance by virtual work: both cranks turn with w, link 3 translates with joint A, so
    // 2 T w + (-Ff, 0) . w a (-sin, cos) = 0.
    EXPECT_NEAR(s.Torque_Data(0, 0), -0.5 * L.a * std::sin(0.4) / 2, 1e-6);
}

TEST_F(ForceAnalysis, OnePositionSolvesOneStepAndKeepsItsSystem)
{
    Model_Store& s = store();
    Translating_Run(1);
    Set_Masses();
    s.Num_Steps = 0;
    s.Flywheel_Done = true;
    Solve();
    EXPECT_NE(s.Torque_Data(0, 0), Sentinel);
    EXPECT_EQ(s.Torque_Data(1, 0), Sentinel);
    EXPECT_EQ(s.Veloc_Data(1, 4, 0), 0);
    EXPECT_EQ(s.Matrix_A0(3, 9), 1);
    EXPECT_FLOAT_EQ(static_cast<float>(s.Matrix_B0(1)), s.Link_Mass(2) * s.Accel_Data(0, 6, 0));
    EXPECT_TRUE(s.Dynamics_Done);
    EXPECT_FALSE(s.Flywheel_Done);
}

TEST_F(ForceAnalysis, SingularStepStopsTheRunAndLeavesLaterSteps)
{
    Model_Store& s = store();
    Translating_Run(4, 100);
    s.Unit_System = 4;
    Set_Masses();
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 0) = 0.3f;
    // every link along the x axis: the X components of the joint forces are undetermined
    for (int r = 0; r <= 3; ++r) s.Theta_Data(2, r) = 0;
    s.Flywheel_Done = true;
    ui.Answer(Msg::Ans_Ok, 2);
    Solve();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind("There is a zero value on diagonal in column ", 0), 0u);
    EXPECT_EQ(ui.boxes[1].prompt, "Error in Computing Simultaneous Equations at step    2");
    EXPECT_EQ(ui.boxes[1].style, 32);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_TRUE(s.Flywheel_Done);
    EXPECT_NE(s.Torque_Data(1, 0), Sentinel);
    EXPECT_NEAR(s.Veloc_Data(2, 7, 0), s.Veloc_Data(2, 0, 0) / 100, 1e-4);  // unscaled
    EXPECT_EQ(s.Force_Data(2, 5, 0), Sentinel);
    EXPECT_EQ(s.Veloc_Data(3, 4, 0), 0);
    EXPECT_EQ(s.Torque_Data(4, 4), Sentinel);
}

TEST_F(ForceAnalysis, ZeroGearRatioRaisesDivisionByZeroAndTouchesNothing)
{
    Model_Store& s = store();
    Translating_Run(3);
    Set_Masses();
    s.Gear_Ratio = 0;
    const auto before = std::make_unique<Model_Store>(s);
    try {
        Solve();
        FAIL() << "no error raised";
    } catch (const Runtime_Error& e) {
        EXPECT_EQ(e.number, Err::Division_By_Zero);
    }
    EXPECT_TRUE(s == *before);
}

// A position that did not assemble is not solved; a result beyond the float range ends the run
// with one report. Neither leaves an unbounded or undefined value behind.
TEST_F(ForceAnalysis, UnassembledStepsAndOverflowsLeaveOnlyFiniteResults)
{
    Model_Store& s = store();
    Translating_Run(4);
    Set_Masses();
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 0) = 0.3f, s.Link_CG(k, 1) = 0.2f;
    s.Ext_Force3_X = 2, s.Force_Point3_Dist = 0.2f, s.Friction_3 = 0.5f;
    s.Step_Valid(2) = 0;  // as the kinematic solver leaves it: angles and rates zero but the crank's
    for (int r = 1; r <= 3; ++r) s.Theta_Data(2, r) = 0;
    for (int r = 0; r <= 3; ++r) {
        s.Omega_Data(2, r) = s.Alpha_Data(2, r) = 0;
        for (int xy = 0; xy <= 1; ++xy) s.Veloc_Data(2, r, xy) = s.Accel_Data(2, r, xy) = 0;
    }
    s.Veloc_Data(2, 4, 0) = s.Accel_Data(2, 5, 1) = Sentinel;
    Solve();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(s.Dynamics_Done);
    for (int xy = 0; xy <= 1; ++xy) {
        for (int r = 0; r <= 9; ++r) EXPECT_EQ(s.Force_Data(2, r, xy), 0) << r;
        for (int r = 4; r <= 7; ++r) EXPECT_EQ(s.Veloc_Data(2, r, xy), 0) << r;
        for (int r = 5; r <= 8; ++r) EXPECT_EQ(s.Accel_Data(2, r, xy), 0) << r;
    }
    for (int r = 0; r <= 4; ++r) EXPECT_EQ(s.Torque_Data(2, r), 0);
    EXPECT_NE(s.Torque_Data(3, 0), 0);

    // a heavy coupler: its inertia force leaves the float range at the first step
    s.Link_Mass(3) = 1e37f;
    s.Dynamics_Done = false, s.Flywheel_Done = true;
    ui.Answer(Msg::Ans_Ok);
    Solve();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind("Error 6 ", 0), 0u);
    EXPECT_NE(ui.boxes[0].prompt.find("in Force_Analysis"), std::string::npos);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_TRUE(s.Flywheel_Done);
    for (int i = 0; i <= Max_Steps; ++i) {
        for (int r = 0; r <= 9; ++r) EXPECT_TRUE(std::isfinite(s.Force_Data(i, r, 0)) && std::isfinite(s.Force_Data(i, r, 1)));
        for (int r = 0; r <= 4; ++r) EXPECT_TRUE(std::isfinite(s.Torque_Data(i, r)));
    }
}

// The crank torque must supply the rate of change of kinetic energy and the power of the loads,
// and the frame must take the net force, on a motion solved by hand.
TEST_F(ForceAnalysis, PowerAndForceBalanceOfTranslatingLinkage)
{
    Model_Store& s = store();
    Translating_Linkage L = Translating_Run(7);
    Set_Masses();
    s.Link_CG(2, 0) = 0;  // the hand-solved motion below keeps G2 on the pivot
    s.Link_CG(3, 0) = 0.8f, s.Link_CG(3, 1) = 0.4f;
    s.Link_CG(4, 0) = 1.1f, s.Link_CG(4, 1) = -0.2f;
    s.Link_CG(5, 0) = 0.6f, s.Link_CG(5, 1) = 0.5f;
    s.Ext_Force3_X = 1.5f, s.Ext_Force3_Y = -2, s.Force_Point3_Dist = 0.3f, s.Force_Point3_Angle = 40;
    s.Ext_Force4_X = -0.7f, s.Ext_Force4_Y = 2.5f, s.Force_Point4_Dist = 0.4f, s.Force_Point4_Angle = -60;
    s.Ext_Torque(3) = 0.9f, s.Ext_Torque(4) = -1.3f;
    s.Friction_3 = 0.6f;
    Solve();
    const double m34 = s.Link_Mass(3) + s.Link_Mass(4), m5 = s.Link_Mass(5), a = L.a, g5 = 0.6f;
    const double J = s.Link_Inertia(2) + m34 * a * a + m5 * g5 * g5 + s.Link_Inertia(5);
    for (int i = 0; i <= 7; ++i) {
        const double th = 0.3 + 0.7 * i, w = 10 + i, al = 3 - i;
        const double vx = -w * a * std::sin(th), vy = w * a * std::cos(th), speed = std::hypot(vx, vy);
        const double load_power = 0.8 * vx + 0.5 * vy - 0.6 * speed;  // links 3 and 4 do not turn
        // the driving torque acts on both cranks (on link 5 divided by the ratio): input 2 T w
        const double torque = (J * w * al - load_power) / (2 * w);
        EXPECT_NEAR(s.Torque_Data(i, 0), torque, 1e-4 * (1 + std::fabs(torque))) << "step " << i;

        const double ax = -w * w * a * std::cos(th) - al * a * std::sin(th);
        const double ay = -w * w * a * std::sin(th) + al * a * std::cos(th);
        const double u5 = th + 0.5;
        const double fx = 0.8 - 0.6 * vx / speed - m34 * ax - m5 * (-w * w * g5 * std::cos(u5) - al * g5 * std::sin(u5));
        const double fy = 0.5 - 0.6 * vy / speed - m34 * ay - m5 * (-w * w * g5 * std::sin(u5) + al * g5 * std::cos(u5));
        EXPECT_NEAR(s.Force_Data(i, 7, 0), fx, 1e-3 * (1 + std::fabs(fx)));
        EXPECT_NEAR(s.Force_Data(i, 7, 1), fy, 1e-3 * (1 + std::fabs(fy)));
    }
}

// Over both built-in examples, solved by the kinematic solver in one-degree steps: input power plus
// load power equals the rate of change of kinetic energy (a fourth-order difference over the steps).
TEST_F(ForceAnalysis, PowerBalanceOverTheExamples)
{
    for (bool second : {false, true}) {
        reset_store();
        Model_Store& s = store();
        Initialize();
        if (second) Load_Nonunity_Example();
        s.Delta_Theta_Rad = static_cast<float>(Translating_Linkage::Pi_ / 180);
        s.Num_Steps = 360;
        int16_t choice = 4;
        Calculate_Motion(3, choice);
        ASSERT_TRUE(ui.boxes.empty());
        s.Ext_Force3_X = 0.3f, s.Ext_Force3_Y = -0.2f, s.Force_Point3_Dist = 0.4f, s.Force_Point3_Angle = 30;
        s.Ext_Force4_X = -0.1f, s.Ext_Force4_Y = 0.25f, s.Force_Point4_Dist = 0.2f, s.Force_Point4_Angle = 70;
        s.Ext_Torque(3) = 0.05f, s.Ext_Torque(4) = -0.08f, s.Friction_3 = 0.15f;
        Solve();
        const int cg_row[6] = {0, 0, 4, 7, 5, 6};
        auto kinetic = [&](int i) {
            double e = 0;
            for (int k = 2; k <= 5; ++k) {
                double vx = s.Veloc_Data(i, cg_row[k], 0), vy = s.Veloc_Data(i, cg_row[k], 1), w = s.Omega_Data(i, k - 2);
                e += 0.5 * s.Link_Mass(k) * (vx * vx + vy * vy) + 0.5 * s.Link_Inertia(k) * w * w;
            }
            return e;
        };
        auto load_power = [&](int i, int k, float fx, float fy, float dist, float ang_deg, float torque) {
            double w = s.Omega_Data(i, k - 2), psi = ang_deg * Translating_Linkage::Pi_ / 180 + s.Theta_Data(i, k - 2) * Translating_Linkage::Pi_ / 180;
            double moment = dist * (std::cos(psi) * fy - std::sin(psi) * fx);
            return fx * s.Veloc_Data(i, cg_row[k], 0) + fy * s.Veloc_Data(i, cg_row[k], 1) + (moment + torque) * w;
        };
        const double dt = s.Delta_Theta_Rad / s.Omega_Zero;
        for (int i = 2; i <= 358; ++i) {
            double vbx = s.Veloc_Data(i, 2, 0), vby = s.Veloc_Data(i, 2, 1), vb = std::hypot(vbx, vby);
            double friction = -s.Friction_3 * (vbx * s.Veloc_Data(i, 7, 0) + vby * s.Veloc_Data(i, 7, 1)) / vb;
            double input = s.Torque_Data(i, 0) * (s.Omega_Data(i, 0) + s.Omega_Data(i, 3) / s.Gear_Ratio);
            double loads = load_power(i, 3, s.Ext_Force3_X, s.Ext_Force3_Y, s.Force_Point3_Dist, s.Force_Point3_Angle, s.Ext_Torque(3)) +
                           load_power(i, 4, s.Ext_Force4_X, s.Ext_Force4_Y, s.Force_Point4_Dist, s.Force_Point4_Angle, s.Ext_Torque(4)) + friction;
            double dkdt = (kinetic(i - 2) - 8 * kinetic(i - 1) + 8 * kinetic(i + 1) - kinetic(i + 2)) / (12 * dt);
            EXPECT_NEAR(input + loads, dkdt, 2e-3 * (std::fabs(input) + std::fabs(dkdt) + 1)) << "example " << second << " step " << i;
        }
    }
}

namespace {
// The motion of one position, solved here from the loop closure (not by the program's solver):
// joint positions from the chosen B, rates of links 3 and 4 from the velocity and acceleration loops.
struct Vec {
    double x, y;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y}; }
    Vec operator*(double k) const { return {x * k, y * k}; }
    Vec Perp() const { return {-y, x}; }
};
double Cross(Vec r, Vec f) { return r.x * f.y - r.y * f.x; }
Vec Dir(double angle) { return {std::cos(angle), std::sin(angle)}; }

struct Pose {
    double th[6], w[6], al[6];
    Vec A, B, C, vA, vB, vC, aA, aC;
};

bool Solve_Pose(double th2, double th5, Vec B, double w2, double al2, Pose& p)
{
    const Model_Store& s = store();
    const double a = s.Link2_Length, d = s.Link5_Length, f = s.Link1_Length, lambda = s.Gear_Ratio;
    p.th[2] = th2, p.th[5] = th5, p.w[2] = w2, p.al[2] = al2, p.w[5] = lambda * w2, p.al[5] = lambda * al2;
    p.A = Dir(th2) * a, p.C = Vec{f, 0} + Dir(th5) * d, p.B = B;
    const Vec L3 = B - p.A, L4 = B - p.C;
    p.th[3] = std::atan2(L3.y, L3.x), p.th[4] = std::atan2(L4.y, L4.x);
    // w3 L3' - w4 L4' = r, by Cramer's rule
    const double det = -Cross(L3.Perp(), L4.Perp());
    if (std::fabs(det) < 0.2 * std::hypot(L3.x, L3.y) * std::hypot(L4.x, L4.y)) return false;
    auto solve = [&](Vec r, double& u3, double& u4) {
        u3 = -Cross(r, L4.Perp()) / det;
        u4 = Cross(L3.Perp(), r) / det;
    };
    p.vA = (p.A).Perp() * w2, p.vC = (p.C - Vec{f, 0}).Perp() * p.w[5];
    solve(p.vC - p.vA, p.w[3], p.w[4]);
    p.vB = p.vA + L3.Perp() * p.w[3];
    p.aA = p.A * (-w2 * w2) + p.A.Perp() * al2;
    p.aC = (p.C - Vec{f, 0}) * (-p.w[5] * p.w[5]) + (p.C - Vec{f, 0}).Perp() * p.al[5];
    solve(p.aC - p.aA + L3 * (p.w[3] * p.w[3]) - L4 * (p.w[4] * p.w[4]), p.al[3], p.al[4]);
    return true;
}

void Store_Pose(int i, const Pose& p)
{
    Model_Store& s = store();
    s.Step_Valid(i) = -1;
    for (int k = 2; k <= 5; ++k) {
        s.Theta_Data(i, k - 2) = static_cast<float>(p.th[k] * 180 / Translating_Linkage::Pi_);
        s.Omega_Data(i, k - 2) = static_cast<float>(p.w[k]);
        s.Alpha_Data(i, k - 2) = static_cast<float>(p.al[k]);
    }
    const Vec v[3] = {p.vA, p.vC, p.vB}, acc[2] = {p.aA, p.aC};
    for (int r = 0; r < 3; ++r) s.Veloc_Data(i, r, 0) = static_cast<float>(v[r].x), s.Veloc_Data(i, r, 1) = static_cast<float>(v[r].y);
    for (int r = 0; r < 2; ++r) s.Accel_Data(i, r, 0) = static_cast<float>(acc[r].x), s.Accel_Data(i, r, 1) = static_cast<float>(acc[r].y);
}

// Newton-Euler for every moving link of step i with the gears as drawn: gear 2 takes
// (-t |W|, sigma W) at (q2, 0), gear 5 (t |W|, -W) at (f - q5, 0) (the radial part pushes each gear
// towards its own centre whichever way the torque flows), a positive ratio meshing through an idler
// pivoted midway between them; then the shaking force and moment against the frame's loads.
// Returns W.
double Check_Balance(int i, const Pose& p, const std::string& what)
{
    const Model_Store& s = store();
    const double f = s.Link1_Length, lambda = s.Gear_Ratio, t = std::tan(s.Pressure_Angle * Translating_Linkage::Pi_ / 180);
    const double r5 = f / (std::fabs(lambda) + 1), r2 = f - r5, shrink = lambda > 0 ? 1.5 : 1;
    const Vec P2{r2 / shrink, 0}, P5{f - r5 / shrink, 0};
    auto F = [&](int row) { return Vec{s.Force_Data(i, row, 0), s.Force_Data(i, row, 1)}; };
    const Vec F32 = F(0), F43 = F(1), F12 = F(5), F54 = F(6), F15 = F(8);
    const double T12 = s.Torque_Data(i, 0), T15 = T12 / lambda;

    const Vec origin[6] = {{}, {}, {0, 0}, p.A, p.C, {f, 0}};
    const Vec joint_accel[6] = {{}, {}, {0, 0}, p.aA, p.aC, {0, 0}};
    Vec G[6], aG[6];
    for (int k = 2; k <= 5; ++k) {
        const Vec r = Dir(p.th[k] + s.Link_CG(k, 1)) * s.Link_CG(k, 0);
        G[k] = origin[k] + r;
        aG[k] = joint_accel[k] + r * (-p.w[k] * p.w[k]) + r.Perp() * p.al[k];
    }
    const double sigma = lambda < 0 ? 1 : -1;
    const double W = sigma * (s.Link_Mass(2) * aG[2].y - F12.y - F32.y);  // from link 2's Y balance
    const Vec M2{-t * std::fabs(W), sigma * W}, M5{t * std::fabs(W), -W};

    // The mesh force on each gear, from its link's force balance alone: its radial part points
    // from the contact point towards the gear's own centre, t times the tangential part.
    const Vec mesh2 = aG[2] * s.Link_Mass(2) - F12 - F32, mesh5 = aG[5] * s.Link_Mass(5) - F15 + F54;
    const double mesh_tol = 1e-4 * (1 + std::hypot(F12.x, F12.y) + std::hypot(F15.x, F15.y) + std::fabs(W));
    EXPECT_NEAR(mesh2.x, -t * std::fabs(mesh2.y), mesh_tol) << what << " mesh on link 2";
    EXPECT_NEAR(mesh5.x, t * std::fabs(mesh5.y), mesh_tol) << what << " mesh on link 5";

    const Vec F3{s.Ext_Force3_X, s.Ext_Force3_Y}, F4{s.Ext_Force4_X, s.Ext_Force4_Y};
    const Vec at3 = G[3] + Dir(s.Force_Point3_Angle * Translating_Linkage::Pi_ / 180 + p.th[3]) * s.Force_Point3_Dist;
    const Vec at4 = G[4] + Dir(s.Force_Point4_Angle * Translating_Linkage::Pi_ / 180 + p.th[4]) * s.Force_Point4_Dist;
    const double vb = std::hypot(p.vB.x, p.vB.y);
    const Vec friction = p.vB * (-s.Friction_3 / vb);  // through G3: no moment

    struct Load { Vec force, at; };
    const std::vector<Load> loads[6] = {
        {}, {},
        {{F12, {0, 0}}, {F32, p.A}, {M2, P2}},
        {{F32 * -1, p.A}, {F43, p.B}, {F3, at3}, {friction, G[3]}},
        {{F43 * -1, p.B}, {F54, p.C}, {F4, at4}},
        {{F54 * -1, p.C}, {F15, {f, 0}}, {M5, P5}}};
    const double couple[6] = {0, 0, T12, s.Ext_Torque(3), s.Ext_Torque(4), T15};
    double scale = 1;
    for (int k = 2; k <= 5; ++k)
        for (const Load& l : loads[k]) scale = std::max(scale, std::hypot(l.force.x, l.force.y));
    const double tol = 2e-4 * scale * (1 + f);
    for (int k = 2; k <= 5; ++k) {
        Vec sum{0, 0};
        double moment = couple[k];
        for (const Load& l : loads[k]) sum = sum + l.force, moment += Cross(l.at - G[k], l.force);
        EXPECT_NEAR(sum.x, s.Link_Mass(k) * aG[k].x, tol) << what << " link " << k;
        EXPECT_NEAR(sum.y, s.Link_Mass(k) * aG[k].y, tol) << what << " link " << k;
        EXPECT_NEAR(moment, s.Link_Inertia(k) * p.al[k], tol) << what << " link " << k;
    }
    EXPECT_NEAR(s.Torque_Data(i, 4), T15, 1e-5 * (1 + std::fabs(T15))) << what;

    // The frame takes the bearing loads at O2 and O5, the idler's pivot load and the torques' reactions.
    const Vec idler_load = (M2 + M5) * -1, Xi = (P2 + P5) * 0.5;
    if (lambda > 0) {
        EXPECT_NEAR(Cross(P2 - Xi, M2 * -1) + Cross(P5 - Xi, M5 * -1), 0, tol) << what << " idler";
    }
    const Vec shaking = F12 * -1 - F15 + idler_load;
    const double shaking_moment = -T12 - T15 + Cross({f, 0}, F15 * -1) + Cross(Xi, idler_load);
    EXPECT_NEAR(s.Force_Data(i, 7, 0), shaking.x, tol) << what;
    EXPECT_NEAR(s.Force_Data(i, 7, 1), shaking.y, tol) << what;
    EXPECT_NEAR(s.Torque_Data(i, 3), shaking_moment, tol * (1 + f)) << what;
    return W;
}

// The matrix screen's system is the one that gave step 0's result: solved again here it gives the
// stored unknowns.
void Check_Shown_System(const std::string& what)
{
    const Model_Store& s = store();
    SimQ_Matrix A = s.Matrix_A0;
    SimQ_Vector B = s.Matrix_B0;
    int16_t flag = 0;
    SimQ(12, A, B, flag);
    ASSERT_EQ(flag, 0) << what;
    const float stored[13] = {0, s.Force_Data(0, 5, 0), s.Force_Data(0, 5, 1), s.Force_Data(0, 0, 0), s.Force_Data(0, 0, 1),
                              s.Force_Data(0, 1, 0), s.Force_Data(0, 1, 1), s.Force_Data(0, 6, 0), s.Force_Data(0, 6, 1),
                              s.Torque_Data(0, 0), 0, s.Force_Data(0, 8, 0), s.Force_Data(0, 8, 1)};
    for (int c = 1; c <= 12; ++c) {
        if (c == 10) continue;
        EXPECT_NEAR(B(c), stored[c], 1e-4 * (1 + std::fabs(stored[c]))) << what << " unknown " << c;
    }
    // assembled with the sign of the W it gives: the radial coefficient on link 2 is -t sign(W)
    const double t = std::tan(s.Pressure_Angle * Translating_Linkage::Pi_ / 180);
    EXPECT_NEAR(s.Matrix_A0(1, 10), B(10) > 0 ? -t : t, 1e-6) << what;
    EXPECT_EQ(s.Matrix_A0(10, 10), -s.Matrix_A0(1, 10)) << what;
}

// The mirror image in the ground line of the linkage, its motion and its loads.
void Mirror_Model()
{
    Model_Store& s = store();
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 1) = -s.Link_CG(k, 1);
    s.Ext_Force3_Y = -s.Ext_Force3_Y, s.Ext_Force4_Y = -s.Ext_Force4_Y;
    s.Force_Point3_Angle = -s.Force_Point3_Angle, s.Force_Point4_Angle = -s.Force_Point4_Angle;
    s.Ext_Torque(3) = -s.Ext_Torque(3), s.Ext_Torque(4) = -s.Ext_Torque(4);
}

void Set_Loads(std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(-1, 1);
    Model_Store& s = store();
    s.Ext_Force3_X = static_cast<float>(3 * u(rng)), s.Ext_Force3_Y = static_cast<float>(3 * u(rng));
    s.Ext_Force4_X = static_cast<float>(3 * u(rng)), s.Ext_Force4_Y = static_cast<float>(3 * u(rng));
    s.Force_Point3_Dist = static_cast<float>(0.3 + 0.2 * u(rng)), s.Force_Point3_Angle = static_cast<float>(180 * u(rng));
    s.Force_Point4_Dist = static_cast<float>(0.3 + 0.2 * u(rng)), s.Force_Point4_Angle = static_cast<float>(180 * u(rng));
    s.Ext_Torque(3) = static_cast<float>(u(rng)), s.Ext_Torque(4) = static_cast<float>(u(rng));
    s.Friction_3 = static_cast<float>(0.5 + 0.5 * u(rng));
}
}  // namespace

TEST_F(ForceAnalysis, EveryLinkBalancesWithTheGearsAsDrawn)
{
    std::mt19937 rng(15);
    std::uniform_real_distribution<double> u(-1, 1);
    // Both examples with their own mass properties, at crank angles a step of 25 degrees apart.
    for (bool second : {false, true}) {
        reset_store();
        Model_Store& s = store();
        Initialize();
        if (second) Load_Nonunity_Example();
        Set_Loads(rng);
        std::vector<Pose> poses;
        for (double deg = 0; deg < 360 && poses.size() <= 12; deg += 25) {
            const double th2 = deg * Translating_Linkage::Pi_ / 180, th5 = s.Gear_Ratio * th2 + s.Phase_Angle;
            const Vec A = Dir(th2) * s.Link2_Length, C = Vec{s.Link1_Length, 0} + Dir(th5) * s.Link5_Length;
            // B where circles of radii b about A and c about C meet, on the left of A to C
            const double b = s.Link3_Length, c = s.Link4_Length, e = std::hypot(C.x - A.x, C.y - A.y);
            const double along = (b * b - c * c + e * e) / (2 * e), h2 = b * b - along * along;
            if (h2 <= 0) continue;
            const Vec u_ac = (C - A) * (1 / e);
            Pose p;
            if (Solve_Pose(th2, th5, A + u_ac * along + u_ac.Perp() * std::sqrt(h2), 10, 3, p)) poses.push_back(p);
        }
        ASSERT_GE(poses.size(), 8u);
        s.Num_Steps = static_cast<int16_t>(poses.size() - 1);
        for (size_t i = 0; i < poses.size(); ++i) Store_Pose(static_cast<int>(i), poses[i]);
        Solve();
        ASSERT_TRUE(s.Dynamics_Done);
        int positive = 0, negative = 0;
        for (size_t i = 0; i < poses.size(); ++i) {
            const double W = Check_Balance(static_cast<int>(i), poses[i], (second ? "second example step " : "default example step ") + std::to_string(i));
            (W > 0 ? positive : negative) += 1;
        }
        // the torque through the gears reverses over the turn
        EXPECT_GT(positive, 0) << second;
        EXPECT_GT(negative, 0) << second;
        Check_Shown_System(second ? "second example" : "default example");
    }
    // Random linkages: ratios of either sign and exactly +1, random masses, CGs and loads.
    for (int n = 0; n < 90; ++n) {
        reset_store();
        Model_Store& s = store();
        const double lambda = n % 3 == 2 ? 1 : (n % 3 == 0 ? -1 : 1) * (1.65 + 1.35 * u(rng));
        const double a = 1.25 + 0.75 * u(rng), d = 1.25 + 0.75 * u(rng), f = 2.75 + 1.25 * u(rng);
        const double th2 = 3.2 * u(rng), th5 = 3.2 * u(rng);
        const Vec A = Dir(th2) * a, C = Vec{f, 0} + Dir(th5) * d;
        const Vec B = (A + C) * 0.5 + Dir(3.2 * u(rng)) * (1.25 + 0.75 * u(rng));
        s.Link1_Length = static_cast<float>(f), s.Link2_Length = static_cast<float>(a), s.Link5_Length = static_cast<float>(d);
        s.Link3_Length = static_cast<float>(std::hypot(B.x - A.x, B.y - A.y));
        s.Link4_Length = static_cast<float>(std::hypot(B.x - C.x, B.y - C.y));
        s.Gear_Ratio = static_cast<float>(lambda);
        s.Pressure_Angle = static_cast<float>(20 + 5 * u(rng));
        for (int k = 2; k <= 5; ++k) {
            s.Link_Mass(k) = static_cast<float>(1 + 0.9 * u(rng));
            s.Link_Inertia(k) = static_cast<float>(0.25 + 0.2 * u(rng));
            s.Link_CG(k, 0) = static_cast<float>(0.5 + 0.5 * u(rng));
            s.Link_CG(k, 1) = static_cast<float>(3 * u(rng));
        }
        Set_Loads(rng);
        Pose p;
        // Lengths as stored (32-bit), so the loop closes for the program exactly as here.
        if (!Solve_Pose(th2, th5, B, 20 * u(rng), 50 * u(rng), p)) continue;
        s.Num_Steps = 0;
        Store_Pose(0, p);
        Solve();
        ASSERT_TRUE(s.Dynamics_Done);
        const std::string what = "linkage " + std::to_string(n) + " ratio " + std::to_string(lambda);
        Check_Balance(0, p, what);
        Check_Shown_System(what);

        // Its mirror image in the ground line: mirrored forces (x alike, y opposite), opposite torques.
        const auto direct = std::make_unique<Model_Store>(s);
        Mirror_Model();
        Pose q;
        ASSERT_TRUE(Solve_Pose(-th2, -th5, {B.x, -B.y}, -p.w[2], -p.al[2], q));
        Store_Pose(0, q);
        Solve();
        ASSERT_TRUE(s.Dynamics_Done);
        Check_Balance(0, q, what + " mirrored");
        double scale = 1;
        for (int r = 0; r <= 9; ++r) scale = std::max<double>(scale, std::hypot(direct->Force_Data(0, r, 0), direct->Force_Data(0, r, 1)));
        for (int r = 0; r <= 9; ++r) {
            EXPECT_NEAR(s.Force_Data(0, r, 0), direct->Force_Data(0, r, 0), 1e-4 * scale) << what << " mirrored row " << r;
            EXPECT_NEAR(s.Force_Data(0, r, 1), -direct->Force_Data(0, r, 1), 1e-4 * scale) << what << " mirrored row " << r;
        }
        for (int r = 0; r <= 4; ++r)
            EXPECT_NEAR(s.Torque_Data(0, r), -direct->Torque_Data(0, r), 1e-4 * scale * (1 + f)) << what << " mirrored torque " << r;
    }

    // Crossed sweeps through dead points, solved by the kinematic solver: one meets a fold at 180
    // degrees, one starts on an exact fold (a singular system). A dead point has no forces and no
    // torque and gives no message; every other assembled step is solved and balances.
    struct Run {
        float f, a, b, c, d, ratio, by;
        int dead, solved;
    };
    for (const Run& run : {Run{1, 3, 2, 4, 6, -3, 45, 1, 4}, Run{4, 4, 2, 6, 4, -1.5f, 10, 2, 16}}) {
        reset_store();
        Model_Store& s = store();
        Initialize();
        s.Link1_Length = run.f, s.Link2_Length = run.a, s.Link3_Length = run.b, s.Link4_Length = run.c;
        s.Link5_Length = run.d, s.Gear_Ratio = run.ratio, s.Phase_Angle = 0, s.Circuit = 2;
        s.Delta_Theta_Rad = static_cast<float>(run.by * Translating_Linkage::Pi_ / 180);
        s.Num_Steps = static_cast<int16_t>(360 / run.by);
        ui.Allow_Any_Box();
        int16_t choice = 4;
        Calculate_Motion(3, choice);
        ui.Allow_Any_Box(false);
        ui.boxes.clear();
        Set_Loads(rng);
        Solve();
        EXPECT_TRUE(ui.boxes.empty());
        ASSERT_TRUE(s.Dynamics_Done);
        const std::string what = "ratio " + std::to_string(run.ratio) + " step ";
        int dead = 0, solved = 0;
        for (int i = 0; i <= s.Num_Steps; ++i) {
            if (s.Omega_Data(i, 1) == Infinite_Rate) {
                ++dead;
                for (int r = 0; r <= 9; ++r) EXPECT_EQ(std::hypot(s.Force_Data(i, r, 0), s.Force_Data(i, r, 1)), 0) << what << i;
                for (int r = 0; r <= 4; ++r) EXPECT_EQ(s.Torque_Data(i, r), 0) << what << i;
            } else if (s.Step_Valid(i) != 0) {
                const double deg = Translating_Linkage::Pi_ / 180;
                Pose p;
                ASSERT_TRUE(Solve_Pose(s.Theta_Data(i, 0) * deg, s.Theta_Data(i, 3) * deg,
                                       {s.Position_Data(i, 2, 0), s.Position_Data(i, 2, 1)}, s.Omega_Zero, 0, p))
                    << what << i;
                Check_Balance(i, p, what + std::to_string(i));
                ++solved;
            }
        }
        EXPECT_EQ(dead, run.dead) << what;
        EXPECT_EQ(solved, run.solved) << what;
    }
}
