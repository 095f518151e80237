// What the graph-control plots chart: points and labels by run type, units, titles, legends and
// the values of the chosen functions, gaps for values that cannot be drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Default_Model.h"
#include "Fake_Ui_Port.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "model/Mod_VastrelW.h"
#include "output/Graph_Plot_Data.h"
#include "selection/Selection_Record.h"

namespace {
class Graph_Plot_Data : public Default_Model_Test {
protected:
    Fake_Ui_Port port;

    // The default model swept 0..360 degrees by 10: steps 0..36.
    void Sweep_By_10()
    {
        Model_Store& s = store();
        s.Delta_Theta_Text = "10";
        s.Delta_Theta = 10;
        s.Delta_Theta_Rad = static_cast<float>(10 * 3.14159265358979 / 180);
        s.Num_Steps = 36;
        int16_t choice = 0;
        Calculate_Motion(3, choice);
        ASSERT_TRUE(s.Calc_Done);
    }

    static void Accept(Accepted_Functions& a, int16_t slot, const char* name, const char* comp)
    {
        Set_Variable(name, slot);
        Set_Component(comp, slot);
        a.Function[static_cast<size_t>(slot - 1)] = name;
        a.Component[static_cast<size_t>(slot - 1)] = comp;
    }
};
}  // namespace

TEST_F(Graph_Plot_Data, AngleRunOf36StepsGives37PointsByCrankAngleWithTheirUnits)
{
    Sweep_By_10();
    Accepted_Functions a;
    Accept(a, 1, "Veloc CP", "Ang");
    Accept(a, 2, "Veloc CP", "Mag");
    Accept(a, 3, "Theta3", "Mag");
    store().Num_Functions = 3;

    const Plot_Axis axis = Current_Plot_Axis();
    EXPECT_EQ(axis.Points, 37);
    EXPECT_EQ(axis.Tick_Every, 6);
    EXPECT_EQ(axis.Label_Every, 12);
    EXPECT_EQ(axis.Bottom_Title, "Crank Angle (Deg)");
    const std::vector<std::string> labels = Plot_X_Labels(axis);
    ASSERT_EQ(labels.size(), 37u);
    EXPECT_EQ(labels[0], FNRoundStr(store().Theta_Data(0, 0), 0));
    EXPECT_EQ(labels[12], "120.");  // the zero-decimal pattern keeps its point
    EXPECT_EQ(labels[36], "360.");

    // All functions in one chart: a curve each, its own pattern, legend name, component and unit.
    const Chart_Content one = MultiPlot_Chart(a, axis);
    ASSERT_EQ(one.Curves.size(), 3u);
    const std::string velocity = store().Unit_Label(Qty::Velocity);
    EXPECT_EQ(one.Curves[0].Legend, "Veloc CP Ang Deg");
    EXPECT_EQ(one.Curves[1].Legend, "Veloc CP Mag " + velocity);
    EXPECT_EQ(one.Curves[2].Legend, "Theta3 Mag " + store().Unit_Label(Qty::Angle));
    EXPECT_EQ(one.Curves[2].Pattern, 2);
    for (int16_t i : {0, 17, 36}) {
        float expected = 0;
        store().Plot_Slot = 2;
        Select_Variable(i, 2, expected);
        EXPECT_FLOAT_EQ(one.Curves[1].Values[static_cast<size_t>(i)], expected);
    }

    // One function a chart: titled by name and unit, its component as legend.
    const Chart_Content first = Plot_Chart(a, axis, 0);
    EXPECT_EQ(first.Title, "Veloc CP  (Deg)");
    ASSERT_EQ(first.Curves.size(), 1u);
    EXPECT_EQ(first.Curves[0].Legend, "Ang");
    EXPECT_EQ(Plot_Chart(a, axis, 1).Title, "Veloc CP  (" + velocity + ")");
    EXPECT_EQ(Plot_Chart(a, axis, 1).Curves[0].Values.size(), 37u);
}

TEST_F(Graph_Plot_Data, TimeRunIsLabelledByTimeEveryFiveAndTen)
{
    Model_Store& s = store();
    s.Calc_Type = 2;
    s.Num_Steps = 100;
    s.Start_Time = 0.5f;
    s.Delta_Time = 0.05f;
    const Plot_Axis axis = Current_Plot_Axis();
    EXPECT_EQ(axis.Kind, Plot_X::Time);
    EXPECT_EQ(axis.Points, 101);
    EXPECT_EQ(axis.Tick_Every, 5);
    EXPECT_EQ(axis.Label_Every, 10);
    EXPECT_EQ(axis.Bottom_Title, "Time (Sec)");
    const std::vector<std::string> labels = Plot_X_Labels(axis);
    EXPECT_EQ(labels[0], FNRoundStr(0.5, 2));
    EXPECT_EQ(labels[3], FNRoundStr(0.65, 2));
    EXPECT_EQ(labels[100], FNRoundStr(5.5, 2));
}

TEST_F(Graph_Plot_Data, FourierDataAreChartedByHarmonicWithinTheTransform)
{
    Sweep_By_10();
    Model_Store& s = store();
    for (int m = 0; m <= 15; ++m) s.Current_FFT(m, 2) = static_cast<float>(100 - m);
    s.FFT_Harmonics = 15;
    s.FFT_Unit = "in/s";
    Accepted_Functions a;
    Accept(a, 1, "Current FFT", "Mag");
    Accept(a, 2, "Current FFT", "Ang");
    s.Num_Functions = 2;

    const Plot_Axis axis = Current_Plot_Axis();
    EXPECT_EQ(axis.Points, 16);  // whatever the sweep's steps
    EXPECT_EQ(axis.Bottom_Title, "Harmonic Number");
    EXPECT_EQ(axis.Tick_Every, 1);
    EXPECT_EQ(axis.Label_Every, 2);
    const std::vector<std::string> labels = Plot_X_Labels(axis);
    EXPECT_EQ(labels.front(), "0");
    EXPECT_EQ(labels.back(), "15");
    EXPECT_FLOAT_EQ(Plot_Chart(a, axis, 0).Curves[0].Values[15], 85);

    // One chart names no unit for the transform; one chart a function names the function's, but
    // the phase stays in degrees.
    EXPECT_EQ(MultiPlot_Chart(a, axis).Curves[0].Legend, "Current FFT Mag ");
    EXPECT_EQ(Plot_Chart(a, axis, 0).Title, "Current FFT  (in/s)");
    EXPECT_EQ(Plot_Chart(a, axis, 1).Title, "Current FFT  (Deg)");

    // A count typed past the transform's rows charts what the transform holds, no more.
    s.FFT_Harmonics = 600;
    EXPECT_EQ(Current_Plot_Axis().Points, 513);
    EXPECT_TRUE(port.boxes.empty());
}

TEST_F(Graph_Plot_Data, AValueThatCannotBeDrawnBecomesAGap)
{
    Sweep_By_10();
    Model_Store& s = store();
    Accepted_Functions a;
    Accept(a, 1, "Theta3", "Mag");
    s.Num_Functions = 1;
    s.Theta_Data(5, 1) = std::numeric_limits<float>::infinity();
    s.Theta_Data(6, 1) = -std::numeric_limits<float>::infinity();
    const std::vector<float> v = MultiPlot_Chart(a, Current_Plot_Axis()).Curves[0].Values;
    EXPECT_TRUE(std::isnan(v[5]) && std::isnan(v[6]));
    EXPECT_TRUE(std::isfinite(v[4]) && std::isfinite(v[7]));
}
