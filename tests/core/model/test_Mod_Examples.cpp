#include <gtest/gtest.h>

#include "Fake_Ui_Port.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"

namespace {
void Switch_Units(int16_t to)
{
    Model_Store& s = store();
    int16_t old = s.Unit_System;
    s.Unit_System = to;
    int16_t count = static_cast<int16_t>(s.Num_Units + 1);
    Set_Unit_Labels(to, s.Unit_Label, count);
    Set_Decimals(to);
    Convert_Units(old, to);
}

class Units : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
        store().Unit_System = 1;
        int16_t one = 1;
        Set_Decimals(one);
    }
};
}  // namespace

TEST(Initialize, GivesTheFirstExampleAsAnAngleSweep)
{
    reset_store();
    Model_Store& s = store();
    s.Calc_Done = s.Dynamics_Done = s.Flywheel_Done = true;  // a New after a full analysis
    s.Design_Number = 7;
    Initialize();
    EXPECT_EQ(s.Min_Theta, 0);
    EXPECT_EQ(s.Max_Theta, 360);
    EXPECT_EQ(s.Delta_Theta, 10);
    EXPECT_EQ(s.Max_Theta_Rad, 6.283185308f);
    EXPECT_EQ(s.Delta_Theta_Rad, 0.17453292522222222f);
    EXPECT_EQ(s.Design_Number, 1);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_FALSE(s.Flywheel_Done);
    EXPECT_EQ(s.Circuit_Name, "OPEN");
    EXPECT_EQ(s.Omega_Zero, 10);
    EXPECT_EQ(s.Alpha_Zero, -5);
    EXPECT_EQ(s.End_Time, 5.0f);
    EXPECT_EQ(s.Delta_Time, 0.05f);
    EXPECT_EQ(s.Link1_Length, 2.5f);
    EXPECT_EQ(s.Link2_Length, 1);
    EXPECT_EQ(s.Link3_Length, 2.5f);
    EXPECT_EQ(s.Link4_Length, 2.5f);
    EXPECT_EQ(s.Link5_Length, 1);
    EXPECT_EQ(s.Coupler_Dist, 2.5f);
    EXPECT_EQ(s.Coupler_Angle_Deg, 20);
    EXPECT_EQ(s.Coupler_Angle_Text, " 20");
    EXPECT_EQ(s.Gear_Ratio, -1);
    EXPECT_EQ(s.Calc_Type, 3);
    EXPECT_EQ(s.Num_Steps, 36);
    EXPECT_EQ(s.Delta_Theta_Text, " 10");
    EXPECT_EQ(s.Min_Theta_Text, "0");
    EXPECT_EQ(s.Max_Theta_Text, "360");
    EXPECT_EQ(s.Model_Name, "Model_1");
    EXPECT_EQ(s.Angle_Mode, "abs");
    EXPECT_EQ(s.Circuit, 1);
    EXPECT_FALSE(s.Calc_Done);
    EXPECT_TRUE(s.Reset_Selections);
    EXPECT_EQ(s.Link_Lengths(0), 2.5f);
    EXPECT_EQ(s.Link_Lengths(5), 1);
    EXPECT_EQ(s.Link_Inertia(5), 0.04f);
    EXPECT_EQ(s.Link_CG(2, 0), 0.5f);
    EXPECT_EQ(s.Link_CG(3, 0), 2.5f);
    EXPECT_EQ(s.Link_CG(3, 1), s.Coupler_Angle);
    EXPECT_EQ(s.Model_Title, "A Grashof Geared Vastrel with Negative One Gear Ratio");
}

TEST(ClearResults, ZeroesEveryKinematicRowOfTheUsedSteps)
{
    reset_store();
    Model_Store& s = store();
    s.Num_Steps = 1024;
    s.Theta_Data(1024, 4) = 1;
    s.Accel_Data(1024, 8, 1) = 1;
    s.Position_Data(0, 4, 0) = 1;
    s.Step_Valid(3) = -1;
    s.Torque_Data(3, 0) = 2;
    Clear_Results();
    EXPECT_EQ(s.Theta_Data(1024, 4), 0);
    EXPECT_EQ(s.Accel_Data(1024, 8, 1), 0);
    EXPECT_EQ(s.Position_Data(0, 4, 0), 0);
    EXPECT_EQ(s.Step_Valid(3), -1);
    EXPECT_EQ(s.Torque_Data(3, 0), 2);
    s.Num_Steps = -1;
    s.Theta_Data(0, 0) = 5;
    Clear_Results();
    EXPECT_EQ(s.Theta_Data(0, 0), 5);
}

TEST(Examples, SecondExampleAndMetricLengthsStayPlainNumbers)
{
    reset_store();
    Initialize();
    store().Unit_System = 3;
    Load_Nonunity_Example();
    const Model_Store& s = store();
    EXPECT_EQ(s.Link1_Length, 6.4f);
    EXPECT_EQ(s.Gear_Ratio, 3);
    EXPECT_EQ(s.Delta_Theta_Text, " 5");
    EXPECT_EQ(s.Coupler_Angle_Text, " 45");
    EXPECT_EQ(s.Unit_System, 3);
    Load_Unity_Example();
    EXPECT_EQ(store().Link1_Length, 2.5f);
}

TEST_F(Units, InchToMetreRoundsToTheNewDecimals)
{
    store().Link_Mass(3) = 0.01f;
    Switch_Units(3);
    const Model_Store& s = store();
    EXPECT_FLOAT_EQ(s.Link1_Length, 0.0635f);
    EXPECT_EQ(s.Link_Mass(3), 1.75087f);  // a mass keeps six digits, not the 3 decimals
    EXPECT_FLOAT_EQ(s.Link_Lengths(1), 0.0635f);
    EXPECT_EQ(s.Unit_Label(6), "m");
    EXPECT_EQ(s.Unit_Label(9), "N-m");
    EXPECT_EQ(s.Dec_Length, 4);
}

// Hand-converted: 1 lb = 4.448222 N, 1 in-lb = 0.1129848388 N-m, 1 in-lb-s^2 = 0.11295818 kg-m^2.
TEST_F(Units, InchToMetreConvertsLoadsTorquesAndInertias)
{
    Model_Store& s = store();
    s.Ext_Force_Mag(3) = 10;
    s.Ext_Force3_X = -2;
    s.Ext_Torque(4) = 10;
    s.Friction_3 = 1;
    s.Link_Inertia(5) = 0.04f;
    s.Link_CG(2, 0) = 0.5f;
    s.Force_Point4_Dist = 1;
    Switch_Units(3);
    EXPECT_FLOAT_EQ(s.Ext_Force_Mag(3), 44.48f);
    EXPECT_FLOAT_EQ(s.Ext_Force3_X, -8.90f);  // halves and beyond go up, also below zero
    EXPECT_FLOAT_EQ(s.Ext_Torque(4), 1.130f);
    EXPECT_EQ(s.Friction_3, 4.448222f);  // friction is not rounded
    EXPECT_EQ(s.Link_Inertia(5), 0.00451836f);  // nor an inertia
    EXPECT_FLOAT_EQ(s.Link_CG(2, 0), 0.0127f);
    EXPECT_FLOAT_EQ(s.Force_Point4_Dist, 0.0254f);
    Switch_Units(1);  // and back, rounded to the inch system's decimals
    EXPECT_FLOAT_EQ(s.Ext_Force_Mag(3), 10.0f);
    EXPECT_FLOAT_EQ(s.Ext_Torque(4), 10.0f);  // 10.0013 to two decimals
    EXPECT_FLOAT_EQ(s.Friction_3, 1.0f);
}

// Masses and inertias go through every system with six significant digits and come back as they
// were; rounded to the systems' decimals, 0.006 in-lb-s^2 would be 0.001 ft-lb-s^2 on the way and
// 0.012 back in inches.
TEST_F(Units, MassesAndInertiasComeBackFromARoundOfEverySystem)
{
    Model_Store& s = store();
    const float inertia[] = {0.006f, 0.02f, 0.012f, 0.04f};
    const float mass[] = {0.003f, 0.01f, 0.006f, 0.02f};
    for (int i = 2; i <= 5; ++i) {
        s.Link_Inertia(i) = inertia[i - 2];
        s.Link_Mass(i) = mass[i - 2];
    }
    for (int16_t to : {2, 3, 4, 5, 1}) {  // in -> ft -> m -> cm -> mm -> in
        Switch_Units(to);
        // by hand: 1 in-lb-s^2 = 0.0254^2 m x 175.0867 kg = 0.11295891 kg-m^2, 1 bl = 175.0867 kg
        if (to == 3) {
            EXPECT_EQ(s.Link_Inertia(2), 0.000677753f);
            EXPECT_EQ(s.Link_Mass(5), 3.50173f);
        }
    }
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(s.Link_Inertia(i), inertia[i - 2]) << "link " << i;
        EXPECT_EQ(s.Link_Mass(i), mass[i - 2]) << "link " << i;
    }
    // Lengths keep the Part's rounding: 2.5 in is 0.208 ft, 0.0634 m and 2.496 in after the round.
    EXPECT_FLOAT_EQ(s.Link1_Length, 2.496f);
}

TEST_F(Units, InchToFootAndBackIsNotExact)
{
    store().Link2_Length = 1;
    Switch_Units(2);
    EXPECT_FLOAT_EQ(store().Link2_Length, 0.083f);
    EXPECT_EQ(store().Unit_Label(15), "ft-lb-^2");
    Switch_Units(1);
    EXPECT_FLOAT_EQ(store().Link2_Length, 0.996f);
}

TEST_F(Units, MetricSystemsShareStoredValuesAndDifferInLabels)
{
    Switch_Units(3);
    float l1 = store().Link1_Length, m3 = store().Link_Mass(3);
    Switch_Units(4);
    EXPECT_EQ(store().Link1_Length, l1);
    EXPECT_EQ(store().Link_Mass(3), m3);
    EXPECT_EQ(store().Unit_Label(9), "N- m");
    EXPECT_EQ(store().Unit_Label(12), "N- m");
    EXPECT_EQ(store().Unit_Label(18), "N- m");
    EXPECT_EQ(store().Unit_Label(4), "cm/sec");
    EXPECT_EQ(store().Dec_Length_Show, 3);
    Switch_Units(5);
    EXPECT_EQ(store().Link1_Length, l1);
    EXPECT_EQ(store().Unit_Label(18), "N- m");
    EXPECT_EQ(store().Dec_Length_Show, 2);
}

TEST_F(Units, FootToMetreGoesThroughInches)
{
    Switch_Units(2);  // 2.5 in -> 0.208 ft
    EXPECT_FLOAT_EQ(store().Link1_Length, 0.208f);
    Switch_Units(3);  // 0.208 ft -> 2.496 in -> 0.0634 m
    EXPECT_FLOAT_EQ(store().Link1_Length, 0.0634f);
}

TEST(Decimals, UnknownSystemChangesNothing)
{
    reset_store();
    int16_t one = 1;
    Set_Decimals(one);
    int16_t nine = 9;
    Set_Decimals(nine);
    EXPECT_EQ(store().Dec_Length, 3);
    EXPECT_EQ(store().Dec_Mass, 4);
    Array1<std::string, 0, 20> labels;
    int16_t count = 18;
    Set_Unit_Labels(9, labels, count);
    EXPECT_EQ(labels(6), "");
    EXPECT_EQ(labels(1), "degrees");
}
