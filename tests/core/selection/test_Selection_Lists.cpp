#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "selection/Selection_Record.h"
#include "selection/Variable_Lists.h"

class Selection : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
};

TEST_F(Selection, ComponentNamesGiveTheirCodesOthersChangeNothingABadSlotIsReported)
{
    Model_Store& s = store();
    Set_Component("Ang", 2);
    EXPECT_EQ(s.Comp_Code(2), 3);
    Set_Component("Y", 1);
    EXPECT_EQ(s.Comp_Code(1), 1);
    for (const char* other : {"", "ang", " Ang", "Phase"}) Set_Component(other, 2);
    EXPECT_EQ(s.Comp_Code(2), 3);

    Fake_Ui_Port port;
    port.Allow_Any_Box();
    Set_Component("Mag", 5);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("Error 9 "), std::string::npos);
    EXPECT_NE(port.boxes[0].prompt.find("Set_Component"), std::string::npos);
    EXPECT_EQ(Load_Components(), (std::vector<std::string>{"X", "Y", "Mag", "Ang"}));
}

TEST_F(Selection, VariableListFollowsTheResultsThatExistAndNeverHoldsCurrentFft)
{
    Model_Store& s = store();
    s.FFT_Done = true;
    std::vector<std::string> v = Load_Variables();
    ASSERT_EQ(v.size(), 22u);
    EXPECT_EQ(v.front(), "Theta2");
    EXPECT_EQ(v.back(), "Coupler Pt");
    s.Dynamics_Done = true;
    v = Load_Variables();
    ASSERT_EQ(v.size(), 45u);
    EXPECT_EQ(v.back(), "F Inertia L5");
    s.Flywheel_Done = true;
    v = Load_Variables();
    ASSERT_EQ(v.size(), 46u);
    EXPECT_EQ(v.back(), "Flywl Torque");
    EXPECT_EQ(std::count(v.begin(), v.end(), "Current FFT"), 0);
}
