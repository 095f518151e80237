#include <gtest/gtest.h>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "runtime/Runtime_Error.h"
#include "shell/Input_Rules.h"

namespace {
class Input_Counts : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
    }
    Fake_Ui_Port ui;
};
const char* Time_Refusal =
    "Your time steps are too small - Have > 1024 Points - Increase Delta Time or Reduce Finish Time";
}  // namespace

TEST_F(Input_Counts, ExactlyA1024StepSweepIsAcceptedAnd1025Refused)
{
    EXPECT_TRUE(Angle_Step_Count({"0", "1024", "1", "10", "", ""}));
    EXPECT_EQ(store().Num_Steps, 1024);
    EXPECT_EQ(store().Alpha_Zero, 0.0f);
    EXPECT_EQ(store().Max_Theta_Text, " 1024");

    ui.Answer(Msg::Ans_Ok);
    EXPECT_FALSE(Angle_Step_Count({"0", "1025", "1", "10", "", ""}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Your angle steps are too small - Have > 1024 Points - Increase Delta Theta");
    EXPECT_EQ(ui.boxes[0].style, Msg::Ok_Only);
    EXPECT_EQ(store().Num_Steps, 1024);  // never beyond the last result step
}

TEST_F(Input_Counts, ZeroAngleStepIsRefusedWithItsMessage)
{
    ui.Answer(Msg::Ans_Ok);
    const int16_t before = store().Num_Steps;
    EXPECT_FALSE(Angle_Step_Count({"0", "90", "0", "10", "", ""}));
    EXPECT_EQ(ui.boxes.at(0).prompt, "Cannot have a zero step size - Please check your data.");
    EXPECT_EQ(ui.boxes.at(0).style, Msg::Exclamation);
    EXPECT_EQ(store().Num_Steps, before);
    EXPECT_EQ(store().Max_Theta, 90.0f);  // the values read stay
}

TEST_F(Input_Counts, OnePositionCountsTheStoredTimeRange)
{
    Model_Store& s = store();
    s.Calc_Type = 1;
    EXPECT_TRUE(Time_Step_Count({"7", "8", "9", "4", "2", "30"}));
    EXPECT_EQ(s.Theta_Zero, 30.0f);
    EXPECT_EQ(s.Omega_Zero, 4.0f);
    EXPECT_EQ(s.Alpha_Zero, 2.0f);
    EXPECT_EQ(s.Start_Time, 0.0f);  // boxes 0..2 not read
    EXPECT_EQ(s.Num_Steps, 100);    // 5 s by 0.05 s

    s.End_Time = 100;
    ui.Answer(Msg::Ans_Ok);
    EXPECT_FALSE(Time_Step_Count({"7", "8", "9", "4", "2", "30"}));
    EXPECT_EQ(ui.boxes.at(0).prompt, Time_Refusal);
    EXPECT_EQ(s.Num_Steps, 100);
}

TEST_F(Input_Counts, EqualEndsOfTheSweepGiveOnePoint)
{
    EXPECT_TRUE(Angle_Step_Count({"90", "90", "10", "10", "", ""}));
    EXPECT_EQ(store().Num_Steps, 0);
    EXPECT_FLOAT_EQ(store().Min_Theta_Rad, 1.5707964f);
    EXPECT_EQ(store().Min_Theta_Text, " 90");
}

TEST_F(Input_Counts, ARangeBeyondSinglePrecisionOverflows)
{
    const float max_theta = store().Max_Theta;
    EXPECT_THROW(Angle_Step_Count({"0", "1e39", "10", "10", "", ""}), Runtime_Error);
    EXPECT_EQ(store().Max_Theta, max_theta);
    store().Calc_Type = 2;
    EXPECT_THROW(Time_Step_Count({"0", "5", "0.05", "10", "0", "5e38"}), Runtime_Error);
}
