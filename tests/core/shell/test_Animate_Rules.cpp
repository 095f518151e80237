#include <gtest/gtest.h>

#include <cmath>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
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

TEST_F(Drag_Rules, TheReferenceStepIsThePositionShownWhateverTheCounterSays)
{
    s.Num_Steps = 36;
    for (int i = 0; i <= 36; ++i) s.Step_Valid(i) = -1;
    s.Step_Number = 10;  // one past the step drawn after stepping
    EXPECT_EQ(Drag_Reference_Step(9), 9);
    EXPECT_EQ(Drag_Reference_Step(36), 36);
    EXPECT_EQ(Drag_Reference_Step(-1), -1);  // nothing shown
    EXPECT_EQ(Drag_Reference_Step(37), -1);
    s.Step_Valid(9) = 0;  // a position that did not assemble has no link 3
    EXPECT_EQ(Drag_Reference_Step(9), -1);
    s.Num_Steps = 1024;
    EXPECT_EQ(Drag_Reference_Step(1025), -1);  // past the result arrays
}

TEST(Run_Warning, EightLinesEachEndedByACarriageReturnWithTwoEmptyLines)
{
    const std::string lines[] = {"This linkage cannot connect at some positions",
                                 "and may not animate properly or at all.",
                                 "",
                                 "Use the Step button to move the linkage ",
                                 "through all its possible (reachable) positions",
                                 "and note the useable range as reported in ",
                                 "the (cyan) box labeled Theta2 at right.",
                                 "",
                                 "Reset Min Theta and Max Theta values accordingly.  ",
                                 " It will recalculate and then animate properly."};
    std::string expected;
    for (const std::string& line : lines) expected += line + "\r";
    EXPECT_EQ(Cannot_Connect_Warning(), expected);
}
