#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Fake_Ui_Port.h"
#include "dynamics/Mod_Flywheel.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"

namespace {
constexpr double Pi_ = 3.14159265358979323846;

// Crank torque amp * cos(h theta) over a sweep of n steps of (360 / n) degrees.
void Set_Torque(int n, int h, double amp = 1)
{
    Model_Store& s = store();
    s.Num_Steps = static_cast<int16_t>(n);
    s.Delta_Theta_Rad = static_cast<float>(2 * Pi_ / n);
    for (int i = 0; i <= n; ++i) s.Torque_Data(i, 0) = static_cast<float>(amp * std::cos(h * 2 * Pi_ * i / n));
}

// One cosine cycle 5 degrees late, so that no sample sits on a crossing of its mean.
void Set_Late_Cosine(double amp)
{
    Model_Store& s = store();
    s.Num_Steps = 36;
    s.Delta_Theta_Rad = static_cast<float>(2 * Pi_ / 36);
    for (int i = 0; i <= 36; ++i) s.Torque_Data(i, 0) = static_cast<float>(amp * std::cos((10 * i - 5) * Pi_ / 180));
}

class FlywheelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        store().Unit_Label(9) = "N-m";
    }
    Fake_Ui_Port ui;
};
}  // namespace

TEST_F(FlywheelTest, OneCosineCycleGivesTwoRowsAndTheTable)
{
    Set_Late_Cosine(1);
    const double rad = Pi_ / 180;
    Fly_Result r = Fly(0.05f, store().Torque_Data);
    EXPECT_NEAR(r.Tavg, 0, 1e-7);  // the mean of one whole cosine: the end point is the start again
    EXPECT_EQ(r.S, 1);
    EXPECT_EQ(r.C, 4);
    EXPECT_EQ(r.R, 2);
    // lobes integrated from the samples' sign changes (steps 0..9, 9..27, 27..36, the curve at
    // -5..85, 85..265, 265..355 degrees), within the trapezoid error of 10-degree steps
    EXPECT_NEAR(r.Pos[1], std::sin(85 * rad) - std::sin(-5 * rad), 0.01);
    EXPECT_NEAR(r.Neg[1], std::sin(265 * rad) - std::sin(85 * rad), 0.01);
    EXPECT_NEAR(r.Pos[2], std::sin(355 * rad) - std::sin(265 * rad), 0.01);
    EXPECT_EQ(r.Neg.size() > 2 ? r.Neg[2] : 0.0f, 0.0f);

    const std::vector<std::string> expected = {
        "",
        " Areas of Crank Torque",
        " Pulses in Order over 1 cycle ",
        "",
        "    in Energy Units of :",
        "     N-m - radians",
        "",
        " Order   Pos Area   Neg Area",
        "----------------------------------------------",
        std::string("    1  ") + " 1.1 " + "     " + "-2 ",
        std::string("    2  ") + " .9 " + "      " + " 0 ",
        "",
        "    Average Torque:",
        "    0   N-m",
    };
    EXPECT_EQ(r.Lines, expected);
}

// Both examples in the program's own sweeps, and a sweep whose step does not divide its span (0 to
// 350 by 20, the last step 10): the average is the mean crank torque over the angle swept, and the
// lobes about it sum to zero.
TEST_F(FlywheelTest, LobesOfASweepSumToZeroAboutItsMeanTorque)
{
    struct Sweep {
        bool second, loaded;
        double to_deg, step_deg;
    };
    for (const Sweep& c : {Sweep{false, false, 360, 10}, Sweep{true, true, 360, 5}, Sweep{false, true, 350, 20}}) {
        reset_store();
        Model_Store& s = store();
        Initialize();
        if (c.second) Load_Nonunity_Example();
        s.Max_Theta_Rad = static_cast<float>(c.to_deg * Pi_ / 180);
        s.Delta_Theta_Rad = static_cast<float>(c.step_deg * Pi_ / 180);
        s.Num_Steps = static_cast<int16_t>(std::floor(c.to_deg / c.step_deg + 0.5));
        int16_t choice = 4;
        Calculate_Motion(3, choice);
        ASSERT_TRUE(ui.boxes.empty());
        if (c.loaded) {
            s.Ext_Force3_X = 0.3f, s.Ext_Force3_Y = -0.2f, s.Force_Point3_Dist = 0.4f, s.Force_Point3_Angle = 30;
            s.Ext_Torque(4) = -0.08f, s.Friction_3 = 0.15f;
        }
        Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
        Fly_Result r = Fly(0.05f, s.Torque_Data);
        ASSERT_TRUE(r.Done);

        const int N = s.Num_Steps;
        const double swept_last = s.Theta_Data(N, 0) - s.Theta_Data(N - 1, 0);
        EXPECT_NEAR(swept_last, c.to_deg == 350 ? 10 : c.step_deg, 1e-3);
        double integral = 0, span = 0, biggest = 0;
        for (int i = 1; i <= N; ++i) {
            const double h = (s.Theta_Data(i, 0) - s.Theta_Data(i - 1, 0)) * Pi_ / 180;
            integral += (static_cast<double>(s.Torque_Data(i - 1, 0)) + s.Torque_Data(i, 0)) / 2 * h;
            span += h;
            biggest = std::max(biggest, std::fabs(static_cast<double>(s.Torque_Data(i, 0))));
        }
        EXPECT_NEAR(r.Tavg, integral / span, 1e-6 * biggest) << c.to_deg << " " << c.step_deg;
        // Unloaded, the drive takes back over a turn all it puts in.
        if (!c.loaded) {
            EXPECT_NEAR(r.Tavg, 0, 1e-6 * biggest);
        }
        double lobes = 0, size = 0;
        for (const Lobe_Areas* areas : {&r.Pos, &r.Neg})
            for (float a : *areas) lobes += a, size += std::fabs(a);
        EXPECT_GT(size, 0.1 * biggest);
        EXPECT_NEAR(lobes, 0, 1e-5 * size) << c.to_deg << " " << c.step_deg;
        for (int i = 0; i <= N; ++i)
            EXPECT_NEAR(s.Flywheel_Torque(i), r.Tavg + 0.05 * (s.Torque_Data(i, 0) - r.Tavg), 1e-6 * biggest);
    }
}

TEST_F(FlywheelTest, NegativeFirstLobeLeadsItsTable)
{
    Set_Late_Cosine(-1);
    Fly_Result r = Fly(0.05f, store().Torque_Data);
    EXPECT_EQ(r.S, -1);
    EXPECT_EQ(r.C, 4);
    EXPECT_EQ(r.R, 2);
    ASSERT_EQ(r.Lines.size(), 14u);
    EXPECT_EQ(r.Lines[7], " Order   Neg Area   Pos Area");
    EXPECT_EQ(r.Lines[9], std::string("    1  ") + "-1.1 " + "     " + " 2 ");
    EXPECT_EQ(r.Lines[10], std::string("    2  ") + "-.9 " + "      " + " 0 ");
    EXPECT_EQ(r.Lines[13], "    0   N-m");
}

TEST_F(FlywheelTest, CoefficientScalesTheDeviationFromTheAverage)
{
    Model_Store& s = store();
    Set_Torque(36, 2, 3);
    for (int i = 0; i <= 36; ++i) s.Torque_Data(i, 0) += 5;
    Fly_Result r = Fly(1, s.Torque_Data);
    for (int i = 0; i <= 36; ++i) EXPECT_FLOAT_EQ(s.Flywheel_Torque(i), s.Torque_Data(i, 0));
    r = Fly(0.05f, s.Torque_Data);
    for (int i = 0; i <= 36; ++i)
        EXPECT_NEAR(s.Flywheel_Torque(i) - r.Tavg, 0.05 * (s.Torque_Data(i, 0) - r.Tavg), 1e-5);
    Torque_Extremes e = Flywheel_Extremes();
    EXPECT_NEAR(e.Min_Without, 2, 1e-5);
    EXPECT_NEAR(e.Max_With, r.Tavg + 0.05 * (8 - r.Tavg), 1e-5);
}

TEST_F(FlywheelTest, ManyLobesAreAllKept)
{
    // twelve torque pulses per turn, one-degree steps: 13 positive and 12 negative lobes
    Set_Torque(360, 12);
    Fly_Result r = Fly(0.05f, store().Torque_Data);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(r.S, 1);
    EXPECT_EQ(r.C, 26);
    EXPECT_EQ(r.R, 14);  // 13.5 rounds to even
    EXPECT_NEAR(r.Pos[1], 1.0 / 12, 0.005);
    for (size_t j = 2; j <= 12; ++j) EXPECT_NEAR(r.Pos[j], 2.0 / 12, 0.005) << j;
    for (size_t j = 1; j <= 12; ++j) EXPECT_NEAR(r.Neg[j], -2.0 / 12, 0.005) << j;
    ASSERT_EQ(r.Lines.size(), 9u + 14u + 3u);
    EXPECT_EQ(r.Lines[9 + 11], std::string("    12 ") + " .2 " + "      " + "-.2 ");
    EXPECT_EQ(r.Lines[9 + 13], std::string("    14 ") + " 0 " + "       " + " 0 ");
}

// Finite torques whose 32-bit lobe areas leave the float range: the run ends with one report and
// leaves the smoothed torque and the flag as they were.
TEST_F(FlywheelTest, AnOverflowingAverageEndsTheRunOnce)
{
    Model_Store& s = store();
    Set_Torque(36, 1, 1.78e38);
    s.Flywheel_Torque.Fill(5);
    ui.Answer(Msg::Ans_Ok);
    Fly(0.05f, s.Torque_Data);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind("Error 6   (Overflow)  has occurred in Flywheel", 0), 0u);
    EXPECT_FALSE(s.Flywheel_Done);
    for (int i = 0; i <= 36; ++i) EXPECT_EQ(s.Flywheel_Torque(i), 5);

    // a finite average, but deviations that overflow once scaled
    for (int i = 0; i <= 36; ++i) s.Torque_Data(i, 0) = i % 2 ? 3e38f : -3e38f;
    ui.Answer(Msg::Ans_Ok);
    Fly(2.0f, s.Torque_Data);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].prompt.rfind("Error 6   (Overflow)  has occurred in Fly", 0), 0u);
    EXPECT_FALSE(s.Flywheel_Done);
    EXPECT_EQ(s.Flywheel_Torque(3), 5);

    Set_Torque(36, 1);
    Fly(0.05f, s.Torque_Data);
    EXPECT_TRUE(s.Flywheel_Done);
}
