#include <gtest/gtest.h>

#include <cmath>

#include "Default_Model.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "shell/Formsubs.h"

namespace {
class Output_Labels : public Default_Model_Test {};
}  // namespace

TEST_F(Output_Labels, MetricLengthsShowInTheSystemsOwnUnit)
{
    Use_Units(4);
    Model_Store& s = store();
    s.Link_Lengths(1) = 0.04f;
    s.Link_Lengths(2) = 0.0123456f;
    s.Link_Lengths(0) = 0.015f;
    Label_Panel p = Link_Labels();
    EXPECT_EQ(*p.Links[0], "4");
    EXPECT_EQ(*p.Links[5], "1.5");
    // Shown with the display decimals of the system, from the metre value times 100.
    const double shown = std::stod(*p.Links[1]);
    EXPECT_NEAR(shown, 1.23456, 0.5 * std::pow(10.0, -s.Dec_Length_Show));
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(*p.Units[i], s.Unit_Label(6));
}

TEST_F(Output_Labels, AngleRunShowsRangeAndSpeedAndClearsTheTimeRows)
{
    Model_Store& s = store();
    s.Omega_Zero = 10;
    s.Circuit_Name = "Open";
    Label_Panel p = Angle_Labels();
    EXPECT_EQ(*p.Linkout2[0], "Open");
    EXPECT_EQ(*p.Linkout2[1], s.Min_Theta_Text);
    EXPECT_EQ(*p.Linkout2[4], " 10");
    EXPECT_EQ(*p.Initial[3], "Delta Theta");
    EXPECT_EQ(*p.Initial[4], "Omega2");
    EXPECT_EQ(*p.Unit[2], "deg");
    EXPECT_EQ(*p.Unit[4], "rad/s");
    EXPECT_EQ(*p.Initial[6], "");
    EXPECT_FALSE(*p.Linkout2_Visible[5]);
    EXPECT_FALSE(*p.Linkout2_Visible[6]);
    EXPECT_TRUE(*p.Unit_Visible[3]);
}

TEST_F(Output_Labels, GearRatioAndPhaseShowTheDigitsTheyNeed)
{
    Model_Store& s = store();
    s.Gear_Ratio = -1;
    s.Phase_Angle_Deg = 60;
    Label_Panel p = Link_Labels();
    EXPECT_EQ(*p.Links[7], "-1.0");
    EXPECT_EQ(*p.Links[8], "60.0");
    const std::pair<float, const char*> shown[] = {{1.96f, "1.96"},         {0.425f, "0.425"},
                                                   {1.0f / 3, "0.333333"},   {2.0f / 3, "0.666667"},
                                                   {1234567.0f, "1234570.0"}, {0.0001f, "0.0001"},
                                                   {-0.0f, "0.0"},           {3.4e38f, "3.4E+38"}};
    for (const auto& [ratio, text] : shown) {
        s.Gear_Ratio = ratio;
        EXPECT_EQ(*Link_Labels().Links[7], text);
    }
}

TEST_F(Output_Labels, TimeRunShowsTheStartValuesInPlainForm)
{
    Model_Store& s = store();
    s.Theta_Zero = 0.5f;
    s.Omega_Zero = 10;
    s.Alpha_Zero = -2.5f;
    s.Min_Theta_Text = " 0";
    s.Max_Theta_Text = " 5";
    s.Delta_Theta_Text = " .05";
    Label_Panel p = Time_Labels();
    EXPECT_EQ(*p.Linkout2[3], " .05");  // the time step's text copy as kept
    EXPECT_EQ(*p.Linkout2[4], "0.5");   // no sign blank, leading zero kept
    EXPECT_EQ(*p.Linkout2[5], "10");
    EXPECT_EQ(*p.Linkout2[6], "-2.5");
    EXPECT_EQ(*p.Initial[4], "Theta0");
    EXPECT_EQ(*p.Unit[6], "rad/s/s");
    EXPECT_EQ(*p.Unit[1], "sec");
    EXPECT_FALSE(p.Unit_Visible[1].has_value());  // a time run does not show the unit column again
    for (int i = 0; i <= 6; ++i) EXPECT_TRUE(*p.Linkout2_Visible[i]);

    Label_Panel q = Position_Labels();
    EXPECT_EQ(*q.Linkout2[4], "0.5");
    EXPECT_FALSE(q.Initial[4].has_value());  // names of rows 4..6 stay as the screen had them
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(*q.Linkout2_Visible[i] || *q.Initial_Visible[i] || *q.Unit_Visible[i]);
}
