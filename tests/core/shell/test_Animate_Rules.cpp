#include <gtest/gtest.h>

#include <cmath>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"
#include "shell/Animate_Rules.h"

namespace {
class Drag_Rules : public ::testing::Test {
protected:
    Fake_Ui_Port port;
    Model_Store& s = (reset_store(), Initialize(), store());

    // Joint A and link 3's angle at a step; the picture's y runs down from Y_Flip.
    void Pose(int step, float ax, float ay, float theta3)
    {
        s.Position_Data(step, 0, 0) = ax;
        s.Position_Data(step, 0, 1) = ay;
        s.Theta_Data(step, 1) = theta3;
    }
};

constexpr double Deg = 3.14159265358979323846 / 180;
}  // namespace

TEST_F(Drag_Rules, TheMouseGivesDistanceAndAngleFromJointAOnLinkThree)
{
    s.Y_Flip = 10;
    Pose(4, 1, 1, 30);
    // 2 units from A at 75 degrees in the world: 45 degrees from link 3.
    float wx = static_cast<float>(1 + 2 * std::cos(75 * Deg)), wy = static_cast<float>(1 + 2 * std::sin(75 * Deg));
    Coupler_Point p = Coupler_Point_From_Mouse(4, wx, 10 - wy);
    EXPECT_DOUBLE_EQ(p.distance, 2);
    EXPECT_DOUBLE_EQ(p.angle, 45);
    // Down and to the left of A: the arctangent's range runs to 270, so 225 - 30.
    p = Coupler_Point_From_Mouse(4, 0, 10 - 0);
    EXPECT_DOUBLE_EQ(p.distance, 1.414);
    EXPECT_DOUBLE_EQ(p.angle, 195);
    // Straight below A with link 3 pointing up: -90 - 90.
    Pose(5, 1, 1, 90);
    p = Coupler_Point_From_Mouse(5, 1, 10 - (-2));
    EXPECT_DOUBLE_EQ(p.distance, 3);
    EXPECT_DOUBLE_EQ(p.angle, -180);
}

TEST_F(Drag_Rules, TheReferenceStepIsTheCounterUntilItPassesTheLastStep)
{
    s.Num_Steps = 36;
    s.Step_Number = 36;
    EXPECT_EQ(Drag_Reference_Step(), 36);
    s.Step_Number = 37;
    EXPECT_EQ(Drag_Reference_Step(), 0);
    s.Num_Steps = 1024;
    s.Step_Number = 1025;
    EXPECT_EQ(Drag_Reference_Step(), 0);
}

TEST_F(Drag_Rules, QuietPortAnswersOnlyTheAssemblyQuestionAndOnlyWhileItLives)
{
    // Coupler and link 4 of 1.5: 14 of the 37 positions do not assemble.
    s.Link1_Length = 2.5f, s.Link2_Length = 1, s.Link3_Length = 1.5f, s.Link4_Length = 1.5f, s.Link5_Length = 1;
    Load_Link_Lengths();
    int16_t choice = 0;
    {
        Quiet_Cannot_Connect quiet;
        Calculate_Motion(3, choice);
        EXPECT_EQ(quiet.Questions_Skipped(), 1);  // Ignore silences the rest of the run
        port.Answer(Msg::Ans_Yes);
        EXPECT_EQ(MsgBox("Other question", Msg::Yes_No), Msg::Ans_Yes);
    }
    EXPECT_EQ(choice, Choice_Code::Ignore);
    EXPECT_TRUE(s.Cannot_Connect);
    int invalid = 0;
    for (int i = 0; i <= 36; ++i) invalid += s.Step_Valid(i) == 0;
    EXPECT_EQ(invalid, 14);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt, "Other question");
    port.Answer(Msg::Ans_Ignore);
    Calculate_Motion(3, choice);
    EXPECT_EQ(port.boxes.size(), 2u);
    EXPECT_EQ(port.boxes[1].style, 562);
}
