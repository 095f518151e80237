// The own-drawn charts as drawn primitives and panel captions: windows, ticks, guide lines,
// reversed axes, sweeps outside 0..360, label decimals, Fourier data, the capacity message and
// the polar modes.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "Fake_Ui_Port.h"
#include "Recording_Canvas.h"
#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "output/Own_Plots.h"
#include "output/Chart_Drawing.h"
#include "runtime/Number_Text.h"

namespace {
constexpr int32_t Blue = 0x0000FF, Green = 0x00FF00;
const char* const Capacity = "The magnitude of Theta3 exceeds the capacity of this window.";

bool Finite(const Recording_Canvas::Op& o)
{
    return std::isfinite(o.a) && std::isfinite(o.b) && std::isfinite(o.c) && std::isfinite(o.d);
}

// A crank swept 0..360 in 36 steps; slot 1 is Theta3 (whatever curve a test puts in row 1),
// slot 2 the coupler point's "Mag", for the polar chart its vector.
class Own_Plots : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Model_Store& s = store();
        s.Color_Blue = Blue;
        s.Color_Green = Green;
        s.Num_Steps = 36;
        s.Min_Theta = 0;
        s.Max_Theta = 360;
        s.Delta_Theta = 10;
        s.Step_Omega2 = 10;
        s.Calc_Type = 3;
        s.Unit_Label(1) = "deg";
        s.Unit_Label(6) = "in";
        for (int i = 0; i <= 36; ++i) {
            s.Theta_Data(i, 0) = 10.0f * i;
            s.Theta_Data(i, 1) = 10.0f * std::sin(i * 10 * 3.14159265f / 180);
            s.Position_Data(i, 3, 0) = 2 + std::cos(i * 10 * 3.14159265f / 180);
            s.Position_Data(i, 3, 1) = std::sin(i * 10 * 3.14159265f / 180);
        }
        Set_Variable("Theta3", 1);
        accepted.Function[0] = "Theta3";
        accepted.Component[0] = "Mag";
    }
    Fake_Ui_Port ui;
    Recording_Canvas pic;
    Accepted_Functions accepted;
};
}  // namespace

TEST_F(Own_Plots, TwoChartWindowTicksAndGuideLinesOfAMagnitudeTenCurve)
{
    Chart_Panels p = Draw_Chart(pic, 0, 2, accepted);

    ASSERT_EQ(pic.ops.front().kind, "Cls");
    auto scale = pic.Of("Scale");
    ASSERT_EQ(scale.size(), 1u);
    EXPECT_NEAR(scale[0].a, -57.6, 1e-3);
    EXPECT_NEAR(scale[0].b, 11.4, 1e-3);
    EXPECT_NEAR(scale[0].c, 374.4, 1e-3);
    EXPECT_NEAR(scale[0].d, -14, 1e-3);

    // x ticks span +-0.7: 25 of them, 15 degrees apart, the last at 360.
    std::vector<float> ticks;
    for (const auto& o : pic.Of("Line"))
        if (o.a == o.c && std::fabs(o.b + 0.7f) < 1e-4f && std::fabs(o.d - 0.7f) < 1e-4f) ticks.push_back(o.a);
    ASSERT_EQ(ticks.size(), 25u);
    for (size_t k = 1; k < ticks.size(); ++k) EXPECT_NEAR(ticks[k] - ticks[k - 1], 15, 1e-3);
    EXPECT_FLOAT_EQ(ticks.back(), 360);
    // Guide lines from -0.95 Ymax to Ymax at the quarters; 11 y ticks from -10 to 10.
    std::vector<float> guides;
    int yticks = 0;
    for (const auto& o : pic.Of("Line")) {
        if (o.a == o.c && std::fabs(o.b + 9.5f) < 1e-3f && std::fabs(o.d - 10) < 1e-3f) guides.push_back(o.a);
        yticks += o.b == o.d && std::fabs(o.a + 3.6f) < 1e-3f;
    }
    EXPECT_EQ(guides, (std::vector<float>{90, 180, 270, 360}));
    EXPECT_EQ(yticks, 11);
    // The curve: a blue polyline through the 37 steps.
    auto curve = pic.Of("LineTo");
    ASSERT_EQ(curve.size(), 37u);
    EXPECT_FLOAT_EQ(curve[9].a, 90);
    EXPECT_NEAR(curve[9].b, 10, 1e-4);
    EXPECT_EQ(curve[9].colour, Blue);

    EXPECT_EQ(p.LeftTitle + " " + p.PlotUnits + " " + p.Ymax + " " + p.Ymin, "Theta3 deg 10.0 -10.0");
    EXPECT_EQ((std::vector<std::string>{p.Xmin, p.X1, p.X2, p.X3, p.Xmax}),
              (std::vector<std::string>{"0.", "90.", "180.", "270.", "360."}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Own_Plots, AxisDirectionDecimalsExtremesAndFourierData)
{
    // A negative crank speed runs the axis from the end angle to the start.
    store().Step_Omega2 = -10;
    Chart_Panels p = Draw_Chart(pic, 0, 4, accepted);
    EXPECT_EQ(p.Xmin + " " + p.X2 + " " + p.Xmax, "360. 180. 0.");
    EXPECT_NEAR(pic.Of("Scale")[0].a, 360 + 0.18 * 360, 1e-3);

    // Sweeps outside 0..360 (the stored angles brought into 0..360): the curve runs along the axis
    // from its first step at the start angle to the last at the end, either way round.
    for (auto [from, to, speed] : {std::tuple{-180.0f, 180.0f, 10.0f}, {360.0f, 720.0f, 10.0f}, {360.0f, 720.0f, -10.0f}}) {
        store().Min_Theta = from;
        store().Max_Theta = to;
        store().Step_Omega2 = speed;
        for (int i = 0; i <= 36; ++i) store().Theta_Data(i, 0) = std::fmod(from + 10.0f * i + 720, 360.0f);
        pic.ops.clear();
        p = Draw_Chart(pic, 0, 2, accepted);
        auto curve = pic.Of("LineTo");
        ASSERT_EQ(curve.size(), 37u);
        const float first = speed > 0 ? from : to, last = speed > 0 ? to : from;
        EXPECT_FLOAT_EQ(curve.front().a, first);
        EXPECT_FLOAT_EQ(curve[18].a, (from + to) / 2);
        EXPECT_FLOAT_EQ(curve.back().a, last);
        EXPECT_EQ(p.Xmin + " " + p.Xmax, Plain(first) + ". " + Plain(last) + ".");
    }
    // A step that does not divide the span: the sweep's last step is 360, not the end angle 364.
    store().Min_Theta = 0;
    store().Max_Theta = 364;
    store().Step_Omega2 = 10;
    pic.ops.clear();
    Draw_Chart(pic, 0, 2, accepted);
    EXPECT_FLOAT_EQ(pic.Of("LineTo").back().a, 360);
    store().Max_Theta = 360;

    // A curve between -0.4 and 0.7 on a four-chart screen.
    for (int i = 0; i <= 36; ++i) store().Theta_Data(i, 1) = i == 5 ? 0.7f : (i == 20 ? -0.4f : 0.1f);
    p = Draw_Chart(pic, 0, 4, accepted);
    EXPECT_FLOAT_EQ(store().Plot_Scale_Y, 0.7f);
    EXPECT_EQ(p.Ymax + " " + p.Ymin + " " + p.Min + " " + p.Max + " " + p.Peak, "0.700 -0.700 -0.400 0.700 1.100");

    // A zero curve is drawn along the axis in a window built for 0.0001.
    for (int i = 0; i <= 36; ++i) store().Theta_Data(i, 1) = 0;
    pic.ops.clear();
    Draw_Chart(pic, 0, 2, accepted);
    EXPECT_FLOAT_EQ(store().Plot_Scale_Y, 0.0001f);
    EXPECT_NEAR(pic.Of("Scale")[0].b, 1.14 * 0.0001, 1e-9);
    EXPECT_EQ(pic.Of("LineTo").size(), 37u);

    // Fourier data on slot 2: against harmonics 0..FFT_Harmonics, whatever the step count.
    Model_Store& s = store();
    s.FFT_Harmonics = 15;
    for (int h = 0; h <= 15; ++h) s.Current_FFT(h, 2) = 16.0f - h;
    Set_Variable("Current FFT", 2);
    Set_Component("Mag", 2);
    pic.ops.clear();
    p = Draw_Chart(pic, 1, 2, accepted);
    auto curve = pic.Of("LineTo");
    ASSERT_EQ(curve.size(), 16u);
    EXPECT_FLOAT_EQ(curve.back().a, 15);
    EXPECT_FLOAT_EQ(curve.back().b, 1);
    EXPECT_EQ(p.Xmax, "15.");
    EXPECT_EQ(p.PlotUnits, "");
    EXPECT_EQ(Bottom_Title(), "Harmonic Number");
    EXPECT_EQ(s.Plot_Slot, 2);
}

TEST_F(Own_Plots, AWindowThePictureCannotTakeGivesTheCapacityMessageAndNoDrawing)
{
    // No x range: one message, the chart cleared and nothing more; the panels are still written.
    store().Max_Theta = 0;
    ui.Answer(1);
    Chart_Panels p = Draw_Chart(pic, 0, 2, accepted);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].prompt.rfind(Capacity, 0), 0u);
    EXPECT_EQ(ui.boxes[0].style, 48);
    EXPECT_TRUE(store().Plot_Failed);
    ASSERT_EQ(pic.ops.size(), 1u);
    EXPECT_EQ(pic.ops[0].kind, "Cls");
    EXPECT_EQ(p.Xmin, "0.");
    EXPECT_EQ(p.Ymax, "10.0");

    // Values too large for a float window, and a value that is not a number at all.
    store().Max_Theta = 360;
    for (float bad : {3e38f, NAN}) {
        store().Theta_Data(7, 1) = bad;
        pic.ops.clear();
        ui.Answer(1);
        p = Draw_Chart(pic, 0, 4, accepted);
        EXPECT_TRUE(store().Plot_Failed);
        EXPECT_EQ(pic.Of("Scale").size(), 0u);
        EXPECT_EQ(pic.Of("LineTo").size(), 0u);
    }
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(p.Ymax, "");  // no second message for a scale with no digits

    // The next chart that fits clears the failure.
    store().Theta_Data(7, 1) = 1;
    Draw_Chart(pic, 0, 4, accepted);
    EXPECT_FALSE(store().Plot_Failed);
}

TEST_F(Own_Plots, PolarModesAndSteps)
{
    Model_Store& s = store();
    Set_Variable("Coupler Pt", 1);
    accepted.Function[0] = "Coupler Pt";

    // Both: a green vector to every point and a blue envelope segment between neighbours.
    s.Polar_Mode = 3;
    Polar_Panels p;
    ASSERT_TRUE(Draw_Polar(pic, accepted, p));
    EXPECT_EQ(p.Header2, "Linkage Coupler Pt  -  in");
    EXPECT_FLOAT_EQ(s.Plot_Scale_Y, 3);
    EXPECT_NEAR(pic.Of("Scale")[0].b, 3.345, 1e-4);
    EXPECT_EQ(p.Xmax, "3.00");
    EXPECT_EQ(p.Ymin, "-3.00");
    int vectors = 0, envelope = 0;
    for (const auto& o : pic.Of("Line")) vectors += o.colour == Green && o.a == 0 && o.b == 0;
    for (const auto& o : pic.Of("LineTo")) envelope += o.colour == Blue;
    EXPECT_EQ(vectors, 37);
    EXPECT_EQ(envelope, 36);
    EXPECT_NEAR(s.Polar_X(9), 2, 1e-5);
    EXPECT_NEAR(s.Polar_Y(9), 1, 1e-5);

    // Step 0 draws its vector but no envelope segment; a later step draws one back to k - 1.
    for (int16_t mode : {1, 3}) {
        s.Polar_Mode = mode;
        pic.ops.clear();
        Step_Panels st = Draw_Polar_Step(pic, 0);
        EXPECT_EQ(pic.Of("LineTo").size(), 0u);
        EXPECT_EQ(st.Magnitude, "3");
        EXPECT_EQ(st.Angle, "0");
        pic.ops.clear();
        st = Draw_Polar_Step(pic, 9);
        ASSERT_EQ(pic.Of("LineTo").size(), 1u);
        EXPECT_NEAR(pic.Of("LineTo")[0].a, s.Polar_X(8), 1e-6);
        EXPECT_EQ(st.StepLabel, "Theta2");
        EXPECT_EQ(st.StepNumber, "90.0");
        EXPECT_EQ(st.Magnitude, "2");
        EXPECT_EQ(st.Angle, "27");
    }
    s.Calc_Type = 2;
    s.Start_Time = 0.5f;
    s.Delta_Time = 0.01f;
    EXPECT_EQ(Draw_Polar_Step(pic, 9).StepNumber, "0.59");

    // A vector of no usable size: the capacity message and not one coordinate drawn.
    s.Position_Data(4, 3, 0) = INFINITY;
    ui.Answer(1);
    pic.ops.clear();
    Draw_Polar(pic, accepted, p);
    EXPECT_TRUE(s.Plot_Failed);
    Draw_Polar_Step(pic, 4);
    for (const auto& o : pic.ops) EXPECT_TRUE(Finite(o)) << o.kind;
    EXPECT_EQ(pic.Of("Line").size(), 0u);
}
