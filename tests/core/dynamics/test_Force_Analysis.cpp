#include <gtest/gtest.h>

#include <cmath>
#include <memory>

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

TEST_F(ForceAnalysis, PitchRadiiAndMeshSignsFollowTheRatio)
{
    Model_Store& s = store();
    Initialize();  // cranks of 1, ratio -1: radii 0.5 and 0.5
    s.Num_Steps = 0;
    Translating_Linkage().Fill_Step(0, 0.4, 10, 0);
    s.Theta_Data(0, 1) = 30, s.Theta_Data(0, 2) = 120;
    s.Link_CG(2, 0) = 0, s.Link_CG(5, 0) = 0;
    Solve();
    EXPECT_NEAR(s.Matrix_A0(3, 10), 0.5, 1e-7);
    EXPECT_NEAR(s.Matrix_A0(12, 10), 0.5, 1e-7);
    EXPECT_EQ(s.Matrix_A0(12, 9), -1);
    s.Gear_Ratio = -2;
    Solve();
    const SimQ_Matrix neg = s.Matrix_A0;
    s.Gear_Ratio = 2;
    Solve();
    const SimQ_Matrix& pos = s.Matrix_A0;
    EXPECT_NEAR(neg(3, 10), 2.0 / 3, 1e-6);  // radii 2d/3 and d/3 for either sign
    EXPECT_EQ(pos(3, 10), neg(3, 10));
    EXPECT_NEAR(neg(12, 10), 1.0 / 3, 1e-6);
    EXPECT_EQ(pos(12, 10), -neg(12, 10));
    EXPECT_EQ(neg(2, 10), 1);
    EXPECT_EQ(pos(2, 10), -1);
    EXPECT_EQ(neg(11, 10), -1);
    EXPECT_EQ(pos(11, 10), 1);
    EXPECT_NEAR(pos(1, 10), std::tan(20 * Translating_Linkage::Pi_ / 180), 1e-7);
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
