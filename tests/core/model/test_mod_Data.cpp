#include <gtest/gtest.h>

#include "Fake_Ui_Port.h"
#include "Default_Model.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/mod_Data.h"
#include "runtime/Runtime_Error.h"
#include "runtime/Ui_Port.h"

namespace {
class Input_Transfer : public Default_Model_Test {
protected:
    Fake_Ui_Port ui;
};
}  // namespace

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
    EXPECT_EQ(t[6], "12.34");
    EXPECT_EQ(t[8], "30.00");

    // The ratio and phase boxes show the digits a value needs (six at most), and a reading of
    // the boxes as shown keeps each value to its last bit.
    Model_Store& s = store();
    const float values[] = {0.425f, 0.75f, 1.0f / 3.0f, 2.25f, -3.0f};
    const char* const shown[] = {"0.425", "0.75", "0.333333", "2.25", "-3.0"};
    for (int k = 0; k < 5; ++k) {
        s.Gear_Ratio = values[k];
        s.Phase_Angle_Deg = values[k] * 10;
        t = Linkage_Geometry_Texts();
        EXPECT_EQ(t[5], shown[k]);
        Apply_Linkage_Geometry(t, true, false);
        EXPECT_EQ(s.Gear_Ratio, values[k]);
        EXPECT_EQ(s.Phase_Angle_Deg, values[k] * 10);
    }
    t[5] = "0.333333";  // typed by the user: read as typed
    Apply_Linkage_Geometry(t, true, false);
    EXPECT_EQ(s.Gear_Ratio, 0.333333f);
}

TEST_F(Input_Transfer, ANumberBeyondSinglePrecisionOverflowsAndStopsTheReading)
{
    Model_Store& s = store();
    const float link3 = s.Link3_Length, link4 = s.Link4_Length;
    try {
        Apply_Linkage_Geometry({"3", "1", "-1e39", "7", "1", "-1", "0", "2", "30"}, true, false);
        FAIL() << "no overflow";
    } catch (const Runtime_Error& e) {
        EXPECT_EQ(e.number, Err::Overflow);
    }
    EXPECT_EQ(s.Link1_Length, 3.0f);  // read before the failing box
    EXPECT_EQ(s.Link3_Length, link3);
    EXPECT_EQ(s.Link4_Length, link4);
    EXPECT_TRUE(ui.boxes.empty());  // the overflow comes before the sign check

    const float min_theta = s.Min_Theta;
    const std::string min_text = s.Min_Theta_Text;
    EXPECT_THROW(Apply_Initial_Conditions({"-4e38", "10", "5"}), Runtime_Error);
    EXPECT_EQ(s.Min_Theta, min_theta);
    EXPECT_EQ(s.Min_Theta_Text, min_text);
}
