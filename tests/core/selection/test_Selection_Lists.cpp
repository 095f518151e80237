#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "selection/Selection_Record.h"
#include "selection/Variable_Lists.h"
#include "model/Mod_Plotsubs.h"

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

TEST_F(Selection, PresetListsFollowTheResultsWithFourierAndFlywheelEntriesWhereTheyBelong)
{
    Model_Store& s = store();
    EXPECT_EQ(Load_Presets(4).size(), 12u);
    EXPECT_EQ(Load_Presets(2).size(), 12u);
    EXPECT_TRUE(Load_Presets(3).empty());
    s.Dynamics_Done = true;
    std::vector<std::string> four = Load_Presets(4), two = Load_Presets(2);
    ASSERT_EQ(four.size(), 25u);
    EXPECT_EQ(four.back(), "Inertia Force on Link 3  -  X, Y, Mag, Ang Coordinates");
    ASSERT_EQ(two.size(), 27u);
    EXPECT_EQ(two.back(), "Torques 12 and Shaking Moment");
    s.FFT_Done = true;
    s.Flywheel_Done = true;
    four = Load_Presets(4);
    two = Load_Presets(2);
    EXPECT_EQ(four.back(), "Current FFT - Real, Imag, Mag, Phase");
    ASSERT_EQ(two.size(), 30u);
    EXPECT_EQ(two[27], "Current FFT - Real, Imag");
    EXPECT_EQ(two[28], "Current FFT - Mag, Phase");
    EXPECT_EQ(two.back(), "Torque 12 and Flywheel-Smoothed Torque 12 Compared");
    // Fourier results without a force solution: the kinematic titles, then the Fourier ones.
    s.Dynamics_Done = s.Flywheel_Done = false;
    EXPECT_EQ(Load_Presets(4).size(), 13u);
    EXPECT_EQ(Load_Presets(2).size(), 14u);
}

TEST_F(Selection, PolarListHoldsOnlyVectors)
{
    Model_Store& s = store();
    std::vector<std::string> v = Load_Polar_Variables();
    ASSERT_EQ(v.size(), 9u);
    EXPECT_EQ(v.front(), "Veloc I 2,3");
    s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = true;
    v = Load_Polar_Variables();
    ASSERT_EQ(v.size(), 27u);
    EXPECT_EQ(v.back(), "F Inertia L5");
    for (const std::string& name : v) {
        Set_Variable(name, 1);
        EXPECT_FALSE(s.Scalar_Variable) << name;
        EXPECT_TRUE(s.Var_Type(1) == 4 || s.Var_Type(1) == 5 || s.Var_Type(1) == 6 || s.Var_Type(1) == 10) << name;
    }
}

TEST_F(Selection, EveryOfferedPresetTitleNamesSlotsOfCatalogueEntries)
{
    Model_Store& s = store();
    s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = true;
    for (int16_t type : {int16_t(2), int16_t(4)}) {
        for (const std::string& title : Load_Presets(type)) {
            std::optional<Preset_Slots> p = Find_Preset(type, title);
            ASSERT_TRUE(p) << title;
            ASSERT_EQ(p->Count, type);
            for (int k = 0; k < type; ++k) {
                s.FFT_Variable = false;
                s.Var_Type(1) = 0;
                Set_Variable(p->Variable[k], 1);
                EXPECT_NE(s.Var_Type(1), 0) << title << " slot " << k + 1;
                const auto& c = p->Component[k];
                EXPECT_TRUE(c == "X" || c == "Y" || c == "Mag" || c == "Ang") << title;
            }
        }
    }
    // Titles are compared whole: the spacing inside them matters.
    EXPECT_TRUE(Find_Preset(4, "Acceleration of Instant Ctr 4-5-  X, Y, Mag, Ang Coordinates"));
    EXPECT_FALSE(Find_Preset(4, "Acceleration of Instant Ctr 4-5  -  X, Y, Mag, Ang Coordinates"));
    EXPECT_FALSE(Find_Preset(2, "Theta magnitudes for all output links"));
    EXPECT_FALSE(Find_Preset(4, ""));
    std::optional<Preset_Slots> torques = Find_Preset(4, "Torque Magnitudes for all links");
    ASSERT_TRUE(torques);
    EXPECT_EQ(torques->Variable, (std::array<std::string, 4>{"Torque 12", "M Shaking", "Torque L3", "Torque L4"}));
    std::optional<Preset_Slots> fly = Find_Preset(2, "Torque 12 and Flywheel-Smoothed Torque 12 Compared");
    ASSERT_TRUE(fly);
    EXPECT_EQ(fly->Variable[1], "Flywl Torque");
    EXPECT_EQ(Find_Preset(2, "Current FFT - Mag, Phase")->Component[1], "Ang");
}

TEST_F(Selection, PolarModeFollowsTheTwoChoicesAndNeitherKeepsIt)
{
    Model_Store& s = store();
    s.Polar_Mode = 7;
    Set_Polar_Mode();
    EXPECT_EQ(s.Polar_Mode, 7);
    s.Show_Envelope = true;
    Set_Polar_Mode();
    EXPECT_EQ(s.Polar_Mode, 1);
    s.Show_Vectors = true;
    Set_Polar_Mode();
    EXPECT_EQ(s.Polar_Mode, 3);
    s.Show_Envelope = false;
    Set_Polar_Mode();
    EXPECT_EQ(s.Polar_Mode, 2);
}
