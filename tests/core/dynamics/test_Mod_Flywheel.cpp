#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Fake_Ui_Port.h"
#include "dynamics/Mod_Flywheel.h"
#include "model/Mod_Main.h"

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
    Set_Torque(36, 1);
    Fly_Result r = Fly(0.05f, store().Torque_Data);
    EXPECT_NEAR(r.Tavg, 1.0 / 37, 1e-6);  // the end point repeats the start
    EXPECT_EQ(r.S, 1);
    EXPECT_EQ(r.C, 4);
    EXPECT_EQ(r.R, 2);
    // lobes integrated from the samples' sign changes (0..80, 80..270, 270..360 degrees), within
    // the trapezoid error of 10-degree steps
    const double avg = 1.0 / 37, rad = Pi_ / 180;
    EXPECT_NEAR(r.Pos[1], std::sin(80 * rad) - avg * 80 * rad, 0.01);
    EXPECT_NEAR(r.Neg[1], std::sin(270 * rad) - std::sin(80 * rad) - avg * 190 * rad, 0.01);
    EXPECT_NEAR(r.Pos[2], 1 - avg * 90 * rad, 0.01);
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
        std::string("    1  ") + " .9 " + "      " + "-2.1 ",
        std::string("    2  ") + " 1 " + "       " + " 0 ",
        "",
        "    Average Torque:",
        "    .03   N-m",
    };
    EXPECT_EQ(r.Lines, expected);
}

TEST_F(FlywheelTest, NegativeFirstLobeLeadsItsTable)
{
    Set_Torque(36, 1, -1);
    Fly_Result r = Fly(0.05f, store().Torque_Data);
    EXPECT_EQ(r.S, -1);
    EXPECT_EQ(r.C, 4);
    EXPECT_EQ(r.R, 2);
    ASSERT_EQ(r.Lines.size(), 14u);
    EXPECT_EQ(r.Lines[7], " Order   Neg Area   Pos Area");
    EXPECT_EQ(r.Lines[9], std::string("    1  ") + "-.9 " + "      " + " 2.1 ");
    EXPECT_EQ(r.Lines[10], std::string("    2  ") + "-1 " + "       " + " 0 ");
    EXPECT_EQ(r.Lines[13], "   -.03   N-m");
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

// Finite torques whose 32-bit sum leaves the float range: the run ends with one report and
// leaves the smoothed torque and the flag as they were.
TEST_F(FlywheelTest, AnOverflowingAverageEndsTheRunOnce)
{
    Model_Store& s = store();
    Set_Torque(36, 1, 1.78e38);
    s.Flywheel_Torque.Fill(5);
    ui.Answer(Msg::Ans_Ok);
    Fly(0.05f, s.Torque_Data);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind("Error 6   (Overflow)  has occurred in Average2", 0), 0u);
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
