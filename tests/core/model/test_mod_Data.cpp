#include <gtest/gtest.h>

#include "Fake_Ui_Port.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/mod_Data.h"
#include "runtime/Ui_Port.h"

namespace {
const char* Positive_Msg = "Link lengths must be positive - Have changed to positive value - Please check your data";

class Input_Transfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
        Use_Units(1);
    }
    void Use_Units(int16_t u)
    {
        Model_Store& s = store();
        s.Unit_System = u;
        int16_t n = 18;
        Set_Unit_Labels(u, s.Unit_Label, n);
        Set_Decimals(s.Unit_System);
    }
    std::array<std::string, 9> Geometry(const std::string& ground = "4")
    {
        return {ground, "1", "2.5", "2.5", "1", "-1", "0", "1.5", "30"};
    }
    Fake_Ui_Port ui;
};
}  // namespace

TEST_F(Input_Transfer, NegativeLengthInCentimetresIsMadePositiveOnceAndStoredInMetres)
{
    Use_Units(4);
    ui.Answer(Msg::Ans_Ok);
    Apply_Linkage_Geometry(Geometry("-2"), true, false);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, Positive_Msg);
    EXPECT_EQ(ui.boxes[0].style, Msg::Exclamation);
    EXPECT_FLOAT_EQ(store().Link1_Length, 0.02f);
    EXPECT_FLOAT_EQ(store().Link_Lengths(1), 0.02f);
    EXPECT_FLOAT_EQ(store().Coupler_Dist, 0.015f);  // box 7 scaled too
    EXPECT_FLOAT_EQ(store().Gear_Ratio, -1.0f);     // never scaled nor sign-checked
}

TEST_F(Input_Transfer, GeometryReadsAnglesCircuitAndMarksUnstepped)
{
    auto t = Geometry();
    t[6] = "90abc";  // leading number only
    t[8] = "-45";
    Apply_Linkage_Geometry(t, false, true);
    const Model_Store& s = store();
    EXPECT_EQ(s.Circuit, 2);
    EXPECT_NEAR(s.Phase_Angle, 1.5707963f, 1e-6);
    EXPECT_NEAR(s.Coupler_Angle, -0.7853982f, 1e-6);
    EXPECT_EQ(s.Coupler_Angle_Text, "-45");
    EXPECT_EQ(s.Step_Flag, "Y");
    // Neither option on leaves the circuit alone; a zero length passes silently.
    t[0] = "0";
    Apply_Linkage_Geometry(t, false, false);
    EXPECT_EQ(store().Circuit, 2);
    EXPECT_EQ(store().Link1_Length, 0.0f);
}

TEST_F(Input_Transfer, AngleSweepOfMoreThan1024StepsIsRefusedWithFocusOnStep)
{
    store().Num_Steps = 36;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"0", "360", "0.3"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Your angle steps are too small - Have > 1024 Points - Increase Delta Theta");
    EXPECT_EQ(ui.boxes[0].style, Msg::Ok_Only);
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(out.focus_step_box);
    EXPECT_EQ(out.relabel, 0);
    EXPECT_EQ(store().Num_Steps, 36);  // the refused count never reaches the store
    EXPECT_EQ(store().Delta_Theta_Text, " .3");
}

TEST_F(Input_Transfer, CloseRangeCheckUsesNinetyEightPercentOfTheStep)
{
    store().Num_Steps = 36;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"0", "10", "10.3"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt,
              "Something is wrong. \rStart and end theta are too close together\r or delta theta is too large.");
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(store().Num_Steps, 36);             // old count kept
    EXPECT_EQ(store().Max_Theta_Text, " 10");     // new range and texts kept
    EXPECT_FLOAT_EQ(store().Delta_Theta, 10.3f);

    out = Apply_Initial_Conditions({"0", "10", "10.2"});
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.relabel, 3);
    EXPECT_EQ(store().Num_Steps, 1);
    EXPECT_EQ(store().Alpha_Zero, 0.0f);
}

TEST_F(Input_Transfer, EqualMinimumAndMaximumRestoresBothBoxes)
{
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"90", "90", "5"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt,
              "Minimum angle must be smaller than maximum angle.\rTo rotate CW from max to min, use a negative Omega2.");
    EXPECT_EQ(ui.boxes[0].style, Msg::Exclamation);
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(out.restore[0], "0");
    EXPECT_EQ(out.restore[1], "360");
    EXPECT_FALSE(out.restore[2].has_value());
    EXPECT_EQ(store().Min_Theta, 0.0f);
}

TEST_F(Input_Transfer, NonPositiveAngleStepRestoresTheStepWithSignBlank)
{
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"10", "20", "abc"});
    EXPECT_EQ(ui.boxes.at(0).prompt,
              "Cannot have a zero or negative step size\rTo rotate CW from max to min, use a negative Omega2.");
    EXPECT_EQ(out.restore[2], " 10");  // the example's step
    EXPECT_EQ(store().Min_Theta, 10.0f);  // read before the failing check
    EXPECT_EQ(store().Max_Theta, 20.0f);
}

TEST_F(Input_Transfer, NegativeTimeStepIsResetAndTheRunGoesOn)
{
    store().Calc_Type = 2;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"0", "2", "-0.1"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Time steps must be positive - will reset");
    EXPECT_EQ(ui.boxes[0].style, Msg::Ok_Only);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.relabel, 2);
    EXPECT_EQ(out.restore[2], " .1");
    EXPECT_FLOAT_EQ(store().Delta_Time, 0.1f);
    EXPECT_EQ(store().Num_Steps, 20);
    EXPECT_EQ(store().Min_Theta_Text, " 0");
    EXPECT_EQ(store().Max_Theta_Text, " 2");
    EXPECT_EQ(store().Delta_Theta_Text, " .1");
}

TEST_F(Input_Transfer, ZeroTimeStepKeepsThePreviousStep)
{
    store().Calc_Type = 2;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"0", "1", "0"});
    EXPECT_EQ(out.restore[2], " .05");
    EXPECT_FLOAT_EQ(store().Delta_Time, 0.05f);
    EXPECT_EQ(store().Num_Steps, 20);
}

TEST_F(Input_Transfer, TooManyTimeStepsWarnsButGoesOnWithoutStoringTheCount)
{
    store().Calc_Type = 2;
    store().Num_Steps = 7;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"0", "100000", "0.001"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt, "Your time steps are too small - Have > 1024 Points - Increase Delta Time");
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(store().Num_Steps, 7);
}

TEST_F(Input_Transfer, StartNotBeforeEndRestoresTheTimeRange)
{
    store().Calc_Type = 2;
    ui.Answer(Msg::Ans_Ok);
    Initial_Outcome out = Apply_Initial_Conditions({"3", "1", "0.1"});
    EXPECT_EQ(ui.boxes.at(0).prompt, "Start time must be smaller than end time - will reset.");
    EXPECT_EQ(out.restore[0], "0");
    EXPECT_EQ(out.restore[1], "5");
    EXPECT_TRUE(out.stopped);
}

TEST_F(Input_Transfer, OnePositionChangesOnlyThetaZero)
{
    store().Calc_Type = 1;
    const Model_Store before = store();
    Initial_Outcome out = Apply_Initial_Conditions({"45", "x", "-3"});
    EXPECT_EQ(store().Theta_Zero, 45.0f);
    EXPECT_EQ(out.restore[0], "45");
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.relabel, 0);
    EXPECT_EQ(store().Min_Theta, before.Min_Theta);
    EXPECT_EQ(store().Num_Steps, before.Num_Steps);
    EXPECT_EQ(store().Delta_Time, before.Delta_Time);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Input_Transfer, BoxTextsRoundTripThroughTheModelInMillimetres)
{
    Use_Units(5);
    Apply_Linkage_Geometry({"400", "100", "250", "250", "100", "-1", "12.34", "150", "30"}, true, false);
    auto t = Linkage_Geometry_Texts();
    EXPECT_EQ(t[0], "400");
    EXPECT_EQ(t[2], "250");
    EXPECT_EQ(t[7], "150");
    EXPECT_EQ(t[5], "-1.0");
    EXPECT_EQ(t[6], "12.3");
    EXPECT_EQ(t[8], "30.00");
}
