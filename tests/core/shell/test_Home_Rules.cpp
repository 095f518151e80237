#include <gtest/gtest.h>

#include "model/Mod_Main.h"
#include "shell/Home_Rules.h"

namespace {
class Home_Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
        store().Unit_System = 1;
    }
    Status_Panel panel;
};

TEST_F(Home_Rules, Uncalculated_Model_Shows_Only_The_Units)
{
    Update_Status_Panel(panel);
    EXPECT_EQ(panel.text[9], "Units are:");
    EXPECT_EQ(panel.text[10], "in-lb-bl-s");
    for (int i = 0; i <= 8; ++i) EXPECT_FALSE(panel.visible[i]) << i;
    EXPECT_TRUE(panel.visible[9] && panel.visible[10]);

    Result_Buttons b = Home_Result_Buttons();
    EXPECT_FALSE(b.Dynamics || b.Animate || b.Plot || b.Print);
    Home_Menus m = Home_Activation_Enables();
    EXPECT_FALSE(m.New || m.Save || m.Saveas || m.CalcFFT || m.Flywheel);
}

TEST_F(Home_Rules, Status_Labels_Follow_The_Flags)
{
    Model_Store& s = store();
    s.Calc_Done = s.Disk_File = s.FFT_Done = true;
    s.Unit_System = 3;
    Update_Status_Panel(panel);
    EXPECT_EQ(panel.text[0], "DiskFile");
    EXPECT_TRUE(panel.visible[0]);
    EXPECT_FALSE(panel.visible[1]);
    EXPECT_FALSE(panel.visible[2]);
    EXPECT_TRUE(panel.visible[3]);
    EXPECT_EQ(panel.text[3], "FFT Done");
    EXPECT_FALSE(panel.visible[4]);
    EXPECT_EQ(panel.text[10], "m-kg-N-s");

    s.Disk_File = false;
    s.Dynamics_Done = s.Flywheel_Done = s.Model_Saved = true;
    s.Unit_System = 9;  // unknown: the units label keeps its text
    Update_Status_Panel(panel);
    EXPECT_EQ(panel.text[0], "Calculated");
    EXPECT_TRUE(panel.visible[1] && panel.visible[2] && panel.visible[4]);
    EXPECT_EQ(panel.text[4], "Saved");
    EXPECT_EQ(panel.text[10], "m-kg-N-s");

    s.Calc_Done = false;  // losing the results hides everything but the units again
    Update_Status_Panel(panel);
    for (int i = 0; i <= 8; ++i) EXPECT_FALSE(panel.visible[i]) << i;
}

TEST_F(Home_Rules, Buttons_And_Menus_By_Calculation_Type)
{
    Model_Store& s = store();
    s.Calc_Done = true;

    s.Calc_Type = 3;
    Result_Buttons b = Home_Result_Buttons();
    EXPECT_TRUE(b.Print && b.Dynamics && b.Animate && b.Plot);
    Home_Menus m = Home_Activation_Enables();
    EXPECT_TRUE(m.New && m.Save && m.Saveas && m.CalcFFT);
    EXPECT_FALSE(m.Flywheel);

    s.Calc_Type = 1;  // one position: no plot, no Fourier transform
    b = Home_Result_Buttons();
    EXPECT_TRUE(b.Animate && b.Print && b.Dynamics);
    EXPECT_FALSE(b.Plot);
    EXPECT_FALSE(Home_Activation_Enables().CalcFFT);

    s.Calc_Type = 2;  // time steps: plots, still no Fourier transform
    EXPECT_TRUE(Home_Result_Buttons().Plot);
    EXPECT_FALSE(Home_Activation_Enables().CalcFFT);

    s.Dynamics_Done = true;
    EXPECT_FALSE(Home_Activation_Enables().Flywheel);
    s.Calc_Type = 3;
    EXPECT_TRUE(Home_Activation_Enables().Flywheel);
}

TEST_F(Home_Rules, Reset_Returns_To_The_Defaults)
{
    Model_Store& s = store();
    s.Calc_Done = s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = s.Disk_File = s.Model_Saved = true;
    s.Link1_Length = 7;
    s.Model_Name = "Other";
    s.Theta_Data(3, 1) = 42;
    EXPECT_FALSE(Unsaved_Results());
    s.Model_Saved = false;
    EXPECT_TRUE(Unsaved_Results());

    Reset_Model_Store();
    EXPECT_FLOAT_EQ(s.Link1_Length, 2.5f);
    EXPECT_EQ(s.Model_Name, "Model_1");
    EXPECT_EQ(s.Model_Title, "");
    EXPECT_EQ(s.Num_Steps, 36);
    EXPECT_EQ(s.Theta_Data(3, 1), 0.0f);
    EXPECT_FALSE(s.Calc_Done || s.Dynamics_Done || s.Flywheel_Done || s.FFT_Done || s.Disk_File || s.Model_Saved);
    EXPECT_FALSE(Unsaved_Results());
}
}  // namespace
