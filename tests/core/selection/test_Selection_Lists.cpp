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

TEST_F(Selection, ComponentNamesGiveTheirCodesAndOtherNamesChangeNothing)
{
    Model_Store& s = store();
    Set_Component("Ang", 2);
    EXPECT_EQ(s.Comp_Code(2), 3);
    Set_Component("Mag", 2);
    EXPECT_EQ(s.Comp_Code(2), 2);
    Set_Component("Y", 1);
    EXPECT_EQ(s.Comp_Code(1), 1);
    Set_Component("X", 4);
    EXPECT_EQ(s.Comp_Code(4), 0);
    // an empty, differently cased or padded name leaves the slot as it was
    for (const char* other : {"", "mag", " Ang", "Ang ", "Phase"}) {
        Set_Component(other, 2);
        EXPECT_EQ(s.Comp_Code(2), 2) << '"' << other << '"';
    }
    EXPECT_EQ(s.Comp_Code(3), 0);  // other slots untouched
}

TEST_F(Selection, ASlotOutsideTheRecordIsReportedUnderItsName)
{
    Fake_Ui_Port port;
    port.Allow_Any_Box();
    Set_Component("Mag", 5);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("Error 9 "), std::string::npos);
    EXPECT_NE(port.boxes[0].prompt.find("Set_Component"), std::string::npos);
    // a name that matches nothing never reaches the slot, so raises nothing
    Set_Component("Q", 5);
    EXPECT_EQ(port.boxes.size(), 1u);
}

TEST_F(Selection, ComponentListInOrder)
{
    EXPECT_EQ(Load_Components(), (std::vector<std::string>{"X", "Y", "Mag", "Ang"}));
}

TEST_F(Selection, VariableListFollowsTheResultsThatExist)
{
    Model_Store& s = store();
    std::vector<std::string> kinematic = Load_Variables();
    ASSERT_EQ(kinematic.size(), 22u);
    EXPECT_EQ(kinematic.front(), "Theta2");
    EXPECT_EQ(kinematic[4], "Trans Ang");
    EXPECT_EQ(kinematic.back(), "Coupler Pt");

    s.Dynamics_Done = true;
    std::vector<std::string> dynamic = Load_Variables();
    ASSERT_EQ(dynamic.size(), 45u);
    EXPECT_TRUE(std::equal(kinematic.begin(), kinematic.end(), dynamic.begin()));
    EXPECT_EQ(dynamic[22], "Veloc CG 2");
    EXPECT_EQ(dynamic.back(), "F Inertia L5");

    s.Flywheel_Done = true;
    std::vector<std::string> flywheel = Load_Variables();
    ASSERT_EQ(flywheel.size(), 46u);
    EXPECT_EQ(flywheel.back(), "Flywl Torque");

    // flywheel results alone still bring the force-solution names (the count goes to 46)
    s.Dynamics_Done = false;
    EXPECT_EQ(Load_Variables().size(), 46u);
}

TEST_F(Selection, CurrentFftIsNeverInTheVariableList)
{
    Model_Store& s = store();
    s.FFT_Done = s.Dynamics_Done = s.Flywheel_Done = true;
    std::vector<std::string> items = Load_Variables();
    EXPECT_EQ(std::count(items.begin(), items.end(), "Current FFT"), 0);
    // no blank entries anywhere
    EXPECT_EQ(std::count(items.begin(), items.end(), ""), 0);
}
