#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Fake_Ui_Port.h"
#include "Translating_Linkage.h"
#include "dynamics/Force_Analysis.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"

namespace {
constexpr float Sentinel = 99.5f;

void Fill_Sentinels()
{
    Model_Store& s = store();
    s.Force_Data.Fill(Sentinel);
    s.Torque_Data.Fill(Sentinel);
}

void Solve()
{
    Model_Store& s = store();
    Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
}

// A translating linkage over steps 0..n with a varying crank speed.
Translating_Linkage Translating_Run(int n, double k_u = 1)
{
    Translating_Linkage L;
    L.Set_Model();
    store().Num_Steps = static_cast<int16_t>(n);
    for (int i = 0; i <= n; ++i) L.Fill_Step(i, 0.3 + 0.7 * i, 10 + i, 3 - i, k_u);
    return L;
}

void Set_Masses()
{
    Model_Store& s = store();
    const float m[6] = {0, 0, 0.4f, 0.7f, 0.5f, 0.9f};
    for (int k = 2; k <= 5; ++k) {
        s.Link_Mass(k) = m[k];
        s.Link_Inertia(k) = 0.05f * k;
    }
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
    Fill_Sentinels();
    Solve();
    for (int i = 0; i <= 6; ++i) {
        for (int r = 0; r <= 9; ++r)
            for (int xy = 0; xy <= 1; ++xy) EXPECT_EQ(s.Force_Data(i, r, xy), 0) << i << " " << r;
        for (int r = 0; r <= 4; ++r) EXPECT_EQ(s.Torque_Data(i, r), 0) << i << " " << r;
        double th = 0.3 + 0.7 * i, w = 10 + i, al = 3 - i, u = th + 0.2f;
        // G2 and G5 turn about fixed pivots; G3 and G4 translate with the joints
        EXPECT_NEAR(s.Veloc_Data(i, 4, 0), -w * 0.2 * std::sin(u), 1e-4);
        EXPECT_NEAR(s.Veloc_Data(i, 4, 1), w * 0.2 * std::cos(u), 1e-4);
        EXPECT_NEAR(s.Veloc_Data(i, 6, 0), -w * 0.5 * std::sin(u), 1e-4);
        EXPECT_NEAR(s.Veloc_Data(i, 7, 0), s.Veloc_Data(i, 0, 0), 1e-5);
        EXPECT_NEAR(s.Veloc_Data(i, 5, 1), s.Veloc_Data(i, 1, 1), 1e-5);
        EXPECT_NEAR(s.Accel_Data(i, 6, 0), -w * w * 0.2 * std::cos(u) - al * 0.2 * std::sin(u), 1e-3);
        EXPECT_NEAR(s.Accel_Data(i, 8, 1), -w * w * 0.5 * std::sin(u) + al * 0.5 * std::cos(u), 1e-3);
        EXPECT_NEAR(s.Accel_Data(i, 5, 1), s.Accel_Data(i, 0, 1), 1e-4);
        EXPECT_NEAR(s.Accel_Data(i, 7, 0), s.Accel_Data(i, 1, 0), 1e-4);
    }
    EXPECT_TRUE(s.Dynamics_Done);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ForceAnalysis, PitchRadiiAndMeshSignsFollowTheRatio)
{
    Model_Store& s = store();
    Initialize();
    s.Num_Steps = 0;
    Translating_Linkage().Fill_Step(0, 0.4, 10, 0);
    s.Theta_Data(0, 1) = 30, s.Theta_Data(0, 2) = 120;
    Solve();
    // default example: equal cranks of 1 and a ratio of -1 give radii of 0.5; g2 = 0.5 along the crank
    const double t = std::tan(20 * 3.14159265358979 / 180);
    const double s2 = std::sin(0.4), g2 = 0.5;
    EXPECT_NEAR(s.Matrix_A0(3, 10), 0.5 - g2 * s2 + t * g2 * s2, 1e-6);
    EXPECT_NEAR(s.Matrix_A0(12, 9), -1, 1e-12);

    s.Link_CG(2, 0) = 0;
    s.Link_CG(5, 0) = 0;
    SimQ_Matrix A_neg, A_pos;
    s.Gear_Ratio = -2;
    Solve();
    A_neg = s.Matrix_A0;
    s.Gear_Ratio = 2;
    Solve();
    A_pos = s.Matrix_A0;
    // radii d / 3 and 2 d / 3 either way
    EXPECT_NEAR(A_neg(3, 10), 2.0 / 3, 1e-6);
    EXPECT_EQ(A_neg(3, 10), A_pos(3, 10));
    EXPECT_NEAR(A_neg(12, 10), 1.0 / 3, 1e-6);
    EXPECT_EQ(A_pos(12, 10), -A_neg(12, 10));
    EXPECT_EQ(A_neg(2, 10), 1);
    EXPECT_EQ(A_pos(2, 10), -1);
    EXPECT_EQ(A_neg(11, 10), -1);
    EXPECT_EQ(A_pos(11, 10), 1);
    EXPECT_NEAR(A_pos(1, 10), t, 1e-7);
    EXPECT_EQ(A_pos(10, 10), -A_pos(1, 10));
    EXPECT_NEAR(A_neg(12, 9), -0.5, 1e-12);

    // with an offset CG only the sigma part of row 12 changes sign
    s.Link_CG(5, 0) = 0.4f;
    s.Link_CG(5, 1) = 0.3f;
    const double u5 = -0.8 + 0.3, ts = t * 0.4 * std::sin(u5);  // theta5 = theta2 as stored
    s.Theta_Data(0, 3) = static_cast<float>(-0.8 * 180 / 3.14159265358979);
    s.Gear_Ratio = -2;
    Solve();
    double neg = s.Matrix_A0(12, 10);
    s.Gear_Ratio = 2;
    Solve();
    double pos = s.Matrix_A0(12, 10);
    EXPECT_NEAR(neg + ts, -(pos + ts), 1e-6);
    EXPECT_NEAR(neg + ts, 1.0 / 3 + 0.4 * std::cos(u5), 1e-6);
}

TEST_F(ForceAnalysis, CentimetreSystemScalesCgRowsOnly)
{
    Model_Store& s = store();
    Translating_Run(5);
    Set_Masses();
    for (int k = 2; k <= 5; ++k) s.Link_CG(k, 0) = 0.15f * k, s.Link_CG(k, 1) = -0.1f;
    s.Ext_Force3_X = 2, s.Ext_Force4_Y = -3, s.Force_Point3_Dist = 0.2f, s.Friction_3 = 0.5f;
    Solve();
    const auto metre_store = std::make_unique<Model_Store>(s);
    const Model_Store& metre = *metre_store;

    Translating_Run(5, 100);
    s.Unit_System = 4;
    Solve();
    for (int i = 0; i <= 5; ++i) {
        for (int r = 4; r <= 7; ++r)
            for (int xy = 0; xy <= 1; ++xy)
                EXPECT_NEAR(s.Veloc_Data(i, r, xy), 100 * metre.Veloc_Data(i, r, xy), 1e-3) << i << " " << r;
        for (int r = 5; r <= 8; ++r)
            for (int xy = 0; xy <= 1; ++xy)
                EXPECT_NEAR(s.Accel_Data(i, r, xy), 100 * metre.Accel_Data(i, r, xy), 2e-2) << i << " " << r;
        for (int r = 0; r <= 9; ++r)
            for (int xy = 0; xy <= 1; ++xy)
                EXPECT_NEAR(s.Force_Data(i, r, xy), metre.Force_Data(i, r, xy),
                            1e-4 * (1 + std::fabs(metre.Force_Data(i, r, xy))));
        for (int r = 0; r <= 4; ++r)
            EXPECT_NEAR(s.Torque_Data(i, r), metre.Torque_Data(i, r), 1e-4 * (1 + std::fabs(metre.Torque_Data(i, r))));
        // G3 = omega3 g3 (...) + V_A: link 3 translates, so 100 times the crank-end speed in m/s
        double th = 0.3 + 0.7 * i, w = 10 + i;
        EXPECT_NEAR(s.Veloc_Data(i, 7, 0), 100 * -w * std::sin(th), 1e-3);
        EXPECT_NEAR(s.Veloc_Data(i, 7, 1), 100 * w * std::cos(th), 1e-3);
    }
}

TEST_F(ForceAnalysis, OnePositionSolvesOneStep)
{
    Model_Store& s = store();
    Translating_Run(0);
    Translating_Linkage().Fill_Step(1, 1, 1, 1);
    Set_Masses();
    Fill_Sentinels();
    s.Flywheel_Done = true;
    Solve();
    EXPECT_NE(s.Torque_Data(0, 0), Sentinel);
    EXPECT_NE(s.Force_Data(0, 5, 0), Sentinel);
    EXPECT_EQ(s.Torque_Data(1, 0), Sentinel);
    EXPECT_EQ(s.Force_Data(1, 8, 1), Sentinel);
    EXPECT_EQ(s.Veloc_Data(1, 4, 0), 0);
    EXPECT_EQ(s.Matrix_A0(3, 9), 1);
    EXPECT_EQ(s.Matrix_A0(1, 1), 1);
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
    Fill_Sentinels();
    s.Flywheel_Done = true;
    ui.Answer(Msg::Ans_Ok, 2);
    Solve();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind("There is a zero value on diagonal in column ", 0), 0u);
    EXPECT_EQ(ui.boxes[1].prompt, "Error in Computing Simultaneous Equations at step    2");
    EXPECT_EQ(ui.boxes[1].style, 32);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_TRUE(s.Flywheel_Done);
    for (int i = 0; i <= 1; ++i) EXPECT_NE(s.Torque_Data(i, 0), Sentinel);
    // the failing step: CG rows in base units, no forces
    EXPECT_NEAR(s.Veloc_Data(2, 7, 0), s.Veloc_Data(2, 0, 0) / 100, 1e-4);
    EXPECT_EQ(s.Force_Data(2, 5, 0), Sentinel);
    EXPECT_EQ(s.Torque_Data(2, 0), Sentinel);
    for (int i = 3; i <= 4; ++i) {
        EXPECT_EQ(s.Veloc_Data(i, 4, 0), 0);
        EXPECT_EQ(s.Accel_Data(i, 8, 1), 0);
        EXPECT_EQ(s.Force_Data(i, 0, 0), Sentinel);
        EXPECT_EQ(s.Torque_Data(i, 4), Sentinel);
    }
}

TEST_F(ForceAnalysis, SingularFirstStepStillKeepsItsSystem)
{
    Model_Store& s = store();
    Translating_Run(2);
    for (int r = 0; r <= 3; ++r) s.Theta_Data(0, r) = 0;
    Set_Masses();
    s.Link_CG(3, 0) = 0.3f;
    Fill_Sentinels();
    ui.Answer(Msg::Ans_Ok, 2);
    Solve();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].prompt, "Error in Computing Simultaneous Equations at step    0");
    // unsolved: row 6 as assembled, link 3 along x with its CG 0.3 from A
    EXPECT_EQ(s.Matrix_A0(6, 4), static_cast<double>(0.3f));
    EXPECT_EQ(s.Matrix_A0(6, 3), 0);
    EXPECT_EQ(s.Matrix_A0(4, 3), -1);
    EXPECT_EQ(s.Torque_Data(1, 0), Sentinel);
}

TEST_F(ForceAnalysis, ZeroGearRatioRaisesDivisionByZeroAndTouchesNothing)
{
    Model_Store& s = store();
    Translating_Run(3);
    Set_Masses();
    s.Gear_Ratio = 0;
    s.Flywheel_Done = true;
    Fill_Sentinels();
    try {
        Solve();
        FAIL() << "no error raised";
    } catch (const Runtime_Error& e) {
        EXPECT_EQ(e.number, Err::Division_By_Zero);
    }
    EXPECT_EQ(s.Veloc_Data(0, 4, 0), 0);
    EXPECT_EQ(s.Accel_Data(0, 5, 0), 0);
    EXPECT_EQ(s.Torque_Data(0, 4), Sentinel);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_TRUE(s.Flywheel_Done);
}

TEST_F(ForceAnalysis, FrictionOpposesTheMotionOfJointB)
{
    Model_Store& s = store();
    Translating_Run(0);
    s.Friction_3 = 2;
    // joint B at rest: Atan2D(0, 0) is 0, so the friction points along -x
    for (int xy = 0; xy <= 1; ++xy) s.Veloc_Data(0, 2, xy) = 0;
    Solve();
    EXPECT_NEAR(s.Matrix_B0(4), 2, 1e-6);  // B(4) = m3 aG3x - F3x - Ff cos(beta)
    EXPECT_NEAR(s.Matrix_B0(5), 0, 1e-6);
    s.Veloc_Data(0, 2, 0) = 0, s.Veloc_Data(0, 2, 1) = 5;  // moving up: friction pulls down
    Solve();
    EXPECT_NEAR(s.Matrix_B0(4), 0, 1e-6);
    EXPECT_NEAR(s.Matrix_B0(5), 2, 1e-6);
    s.Veloc_Data(0, 2, 0) = -3, s.Veloc_Data(0, 2, 1) = -3;
    Solve();
    EXPECT_NEAR(s.Matrix_B0(4), -std::sqrt(2.0), 1e-6);
    EXPECT_NEAR(s.Matrix_B0(5), -std::sqrt(2.0), 1e-6);
}

// Independent check on a hand-solved motion: the crank torque must supply the rate of change of
// kinetic energy and the power of the loads, and the frame must take the net force.
TEST_F(ForceAnalysis, PowerAndForceBalanceOfTranslatingLinkage)
{
    Model_Store& s = store();
    Translating_Linkage L = Translating_Run(7);
    Set_Masses();
    // G2 on the crank pivot (see the report on the mesh-force arm of link 2)
    s.Link_CG(2, 0) = 0;
    s.Link_CG(3, 0) = 0.8f, s.Link_CG(3, 1) = 0.4f;
    s.Link_CG(4, 0) = 1.1f, s.Link_CG(4, 1) = -0.2f;
    s.Link_CG(5, 0) = 0.6f, s.Link_CG(5, 1) = 0.5f;
    s.Ext_Force3_X = 1.5f, s.Ext_Force3_Y = -2, s.Force_Point3_Dist = 0.3f, s.Force_Point3_Angle = 40;
    s.Ext_Force4_X = -0.7f, s.Ext_Force4_Y = 2.5f, s.Force_Point4_Dist = 0.4f, s.Force_Point4_Angle = -60;
    s.Ext_Torque(3) = 0.9f, s.Ext_Torque(4) = -1.3f;
    s.Friction_3 = 0.6f;
    Solve();
    const double m3 = s.Link_Mass(3), m4 = s.Link_Mass(4), m5 = s.Link_Mass(5);
    const double a = L.a, g5 = s.Link_CG(5, 0);
    const double J = s.Link_Inertia(2) + (m3 + m4) * a * a + m5 * g5 * g5 + s.Link_Inertia(5);
    for (int i = 0; i <= 7; ++i) {
        const double th = 0.3 + 0.7 * i, w = 10 + i, al = 3 - i;
        const double vx = -w * a * std::sin(th), vy = w * a * std::cos(th), speed = std::fabs(w) * a;
        const double load_power = (1.5 - 0.7) * vx + (-2 + 2.5) * vy - 0.6 * speed;  // turning links 3, 4: none
        // the driving torque acts on both cranks (on link 5 divided by the ratio): input 2 T w
        const double expected = (J * w * al - load_power) / (2 * w);
        EXPECT_NEAR(s.Torque_Data(i, 0), expected, 1e-4 * (1 + std::fabs(expected))) << "step " << i;
        EXPECT_NEAR(s.Torque_Data(i, 4), s.Torque_Data(i, 0), 1e-6);

        // net force on the frame: loads minus the mass-accelerations of all moving links
        const double ax = -w * w * a * std::cos(th) - al * a * std::sin(th);
        const double ay = -w * w * a * std::sin(th) + al * a * std::cos(th);
        const double u5 = th + 0.5;
        const double a5x = -w * w * g5 * std::cos(u5) - al * g5 * std::sin(u5);
        const double a5y = -w * w * g5 * std::sin(u5) + al * g5 * std::cos(u5);
        const double fx = 1.5 - 0.7 - 0.6 * vx / speed - (m3 + m4) * ax - m5 * a5x;
        const double fy = -2 + 2.5 - 0.6 * vy / speed - (m3 + m4) * ay - m5 * a5y;
        EXPECT_NEAR(s.Force_Data(i, 7, 0), fx, 1e-3 * (1 + std::fabs(fx)));
        EXPECT_NEAR(s.Force_Data(i, 7, 1), fy, 1e-3 * (1 + std::fabs(fy)));
        // translating links carry their loads' moments only
        EXPECT_NEAR(s.Torque_Data(i, 1), 0.9 + 0.3 * (std::cos(40 * L.Pi_ / 180 + L.theta3) * -2 -
                                                      std::sin(40 * L.Pi_ / 180 + L.theta3) * 1.5),
                    1e-5);
    }
}
