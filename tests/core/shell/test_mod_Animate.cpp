#include <gtest/gtest.h>

#include <cmath>

#include "Fake_Ui_Port.h"
#include "Recording_Canvas.h"
#include "model/Mod_Main.h"
#include "shell/mod_Animate.h"

namespace {
constexpr int32_t Magenta = 0xFF00FF, White = 0xFFFFFF, Blue = 0x0000FF, Green = 0x00FF00, Cyan = 0x00FFFF;

// A hand-made two-step run: ground 4, crank 1; points A, C, B, P per step.
class Linkage_Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Model_Store& s = store();
        s.Color_Magenta = Magenta;
        s.Color_White = White;
        s.Color_Blue = Blue;
        s.Color_Green = Green;
        s.Color_Cyan = Cyan;
        s.Color_Black = 0;
        s.Link1_Length = 4;
        s.Link_Lengths(1) = 4;
        s.Link_Lengths(2) = 1;
        s.Link_Lengths(3) = 2.5;
        s.Link_Lengths(4) = 2.5;
        s.Gear_Ratio = -1;
        s.Zoom_Factor = 1;
        s.Hide_Links = "N";
        s.Trace_Option = "N";
        s.Show_Coupler_Path = "Y";
        s.Step_Flag = "Y";
        s.Calc_Type = 3;
        s.Num_Steps = 1;
        Put(0, {1, 0}, {5, 0}, {3, 2}, {2, 3});
        Put(1, {0, 1}, {4, 1}, {2, 2.5f}, {1, -2});
        s.Step_Valid(0) = s.Step_Valid(1) = -1;
    }
    struct P {
        float x, y;
    };
    void Put(int i, P a, P c, P b, P p)
    {
        P pts[] = {a, c, b, p};
        for (int r = 0; r < 4; ++r) {
            store().Position_Data(i, r, 0) = pts[r].x;
            store().Position_Data(i, r, 1) = pts[r].y;
        }
    }
    Fake_Ui_Port ui;
};
}  // namespace

TEST_F(Linkage_Drawing, AutoscaleTakesAllPointsTheGroundAndAQuarterMeanMargin)
{
    Autoscale();
    // Extremes over A, C, B, P of both steps: -2 .. 5; margin (4+1+2.5+2.5)/4/4 = 0.625.
    EXPECT_FLOAT_EQ(store().Window_Min, -2.625f);
    EXPECT_FLOAT_EQ(store().Window_Max, 5.625f);
}

TEST_F(Linkage_Drawing, AutoscaleWithHiddenLinksFitsTheCouplerPointAndZooms)
{
    store().Hide_Links = "y";
    store().Zoom_Factor = 0.5f;
    Autoscale();
    // Start at B of step 0 (x 3, y 2), then P only: x 1..3, y -2..3 -> -2 .. 3, no ground.
    EXPECT_FLOAT_EQ(store().Window_Min, (-2.0f - 0.625f) * 0.5f);
    EXPECT_FLOAT_EQ(store().Window_Max, (3.0f + 0.625f) * 0.5f);
}

TEST_F(Linkage_Drawing, NegativeRatioDrawsTwoTouchingGears)
{
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    pic.ops.clear();
    Drawsub(0, pic, false);
    std::vector<Recording_Canvas::Op> gears;
    for (auto& c : pic.Of("Circle"))
        if (c.colour == Green) gears.push_back(c);
    ASSERT_EQ(gears.size(), 2u);
    // Centres 0 and 4; radii sum to the centre distance, in the ratio of the gear ratio.
    EXPECT_FLOAT_EQ(gears[0].a, 0);
    EXPECT_FLOAT_EQ(gears[1].a, 4);
    EXPECT_FLOAT_EQ(gears[0].c + gears[1].c, 4);
    EXPECT_FLOAT_EQ(gears[0].c, gears[1].c);
}

TEST_F(Linkage_Drawing, PositiveRatioAddsAnIdlerTouchingBothGears)
{
    store().Gear_Ratio = 3;
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    pic.ops.clear();
    Drawsub(0, pic, false);
    std::vector<Recording_Canvas::Op> gears;
    for (auto& c : pic.Of("Circle"))
        if (c.colour == Green) gears.push_back(c);
    ASSERT_EQ(gears.size(), 3u);
    const auto idler = gears[0], g2 = gears[1], g5 = gears[2];
    EXPECT_NEAR(idler.a - idler.c, g2.c, 1e-5);        // touches the crank gear
    EXPECT_NEAR(idler.a + idler.c, 4 - g5.c, 1e-5);    // and the second gear
    EXPECT_NEAR(g2.c / g5.c, 3.0, 1e-5);               // speed ratio kept
    int blue_at_idler = 0;
    for (auto& c : pic.Of("Circle"))
        if (c.colour == Blue && std::fabs(c.a - idler.a) < 1e-6) ++blue_at_idler;
    EXPECT_EQ(blue_at_idler, 2);
}

TEST_F(Linkage_Drawing, ZeroRatioDrawsTwoTouchingGearsTheCrankGearOfNoSize)
{
    store().Gear_Ratio = 0;
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    pic.ops.clear();
    Drawsub(0, pic, false);
    std::vector<Recording_Canvas::Op> gears;
    for (auto& c : pic.Of("Circle"))
        if (c.colour == Green) gears.push_back(c);
    ASSERT_EQ(gears.size(), 2u);
    EXPECT_FLOAT_EQ(gears[0].a, 0);
    EXPECT_FLOAT_EQ(gears[0].c, 0);
    EXPECT_FLOAT_EQ(gears[1].a, 4);
    EXPECT_FLOAT_EQ(gears[1].c, 4);
}

TEST_F(Linkage_Drawing, AutoscaleOffBeforeAnyScalingLeavesAWindowOfNothing)
{
    Recording_Canvas pic;
    Drawing_Setup(pic, false);
    const Model_Store& s = store();
    EXPECT_EQ(s.Window_Min, 0);
    EXPECT_EQ(s.Window_Max, 0);
    for (float size : {s.Size_Tiny, s.Size_Joint, s.Size_Point, s.Size_Pivot, s.Size_Pivot2}) EXPECT_EQ(size, 0);
    ASSERT_EQ(pic.Of("Scale").size(), 1u);
    const auto scale = pic.Of("Scale")[0];
    EXPECT_EQ(scale.a, 0);
    EXPECT_EQ(scale.d, 0);
    // The last window stays while Autoscale is off.
    Autoscale();
    Drawing_Setup(pic, false);
    EXPECT_FLOAT_EQ(s.Window_Max, 5.625f);
    EXPECT_FLOAT_EQ(s.Size_Pivot, 5.625f * 0.03f);
}

// Points kept in centimetres or millimetres, lengths in metres: the drawing is the metre
// system's drawing scaled by 100 or 1000, the ground pivot and the margin included.
TEST_F(Linkage_Drawing, CentimetreAndMillimetreDrawingsAreTheMetreDrawingScaled)
{
    Model_Store& s = store();
    // Ground 4 reaches beyond every point, so O5 and the margin decide the window's right side.
    Put(0, {1, 0}, {3.5f, 0}, {3, 2}, {2, 3});
    Put(1, {1, 1}, {3.5f, 1}, {2, 2.5f}, {1, 2});
    struct Drawing {
        float window_min, window_max, o5, pivot;
    };
    auto draw = [&](int16_t units) {
        s.Unit_System = units;
        Recording_Canvas pic;
        Drawing_Setup(pic, true);
        pic.ops.clear();
        Drawpivots(pic);
        return Drawing{s.Window_Min, s.Window_Max, pic.Of("Circle").at(2).a, s.Size_Pivot};
    };
    const Drawing metres = draw(3);
    // Points from 0 to 3.5 and the ground to 4, with a margin of (4+1+2.5+2.5)/4/4 = 0.625.
    EXPECT_FLOAT_EQ(metres.window_min, -0.625f);
    EXPECT_FLOAT_EQ(metres.window_max, 4.625f);
    for (int16_t units : {4, 5}) {
        const float k = units == 4 ? 100.0f : 1000.0f;
        for (int i = 0; i <= 1; ++i)
            for (int r = 0; r <= 3; ++r)
                for (int xy = 0; xy <= 1; ++xy) s.Position_Data(i, r, xy) *= k;
        const Drawing scaled = draw(units);
        EXPECT_FLOAT_EQ(scaled.window_min, metres.window_min * k) << units;
        EXPECT_FLOAT_EQ(scaled.window_max, metres.window_max * k) << units;
        EXPECT_FLOAT_EQ(scaled.o5, metres.o5 * k) << units;
        EXPECT_FLOAT_EQ(scaled.pivot, metres.pivot * k) << units;
        for (int i = 0; i <= 1; ++i)
            for (int r = 0; r <= 3; ++r)
                for (int xy = 0; xy <= 1; ++xy) s.Position_Data(i, r, xy) /= k;
    }
}

TEST_F(Linkage_Drawing, HiddenLinksLeaveOnlyTheCouplerPointMarks)
{
    Model_Store& s = store();
    s.Hide_Links = "Y";
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    pic.ops.clear();
    Drawsub(1, pic, false);
    EXPECT_TRUE(pic.ops.empty());
    Drawsub(1, pic, true);
    ASSERT_EQ(pic.ops.size(), 2u);
    EXPECT_EQ(pic.ops[0].kind, "PSet");
    EXPECT_EQ(pic.ops[1].kind, "Circle");
    EXPECT_FLOAT_EQ(pic.ops[1].a, 1);
    EXPECT_FLOAT_EQ(pic.ops[1].b, s.Y_Flip + 2);
    EXPECT_FLOAT_EQ(pic.ops[1].c, s.Size_Joint);
    EXPECT_EQ(pic.ops[1].colour, Magenta);
    s.Trace_Option = "Y";
    pic.ops.clear();
    Drawsub(1, pic, true);
    EXPECT_EQ(pic.ops[1].colour, 0);  // black with Trace
}

TEST_F(Linkage_Drawing, CouplerPathBreaksAtUnassembledSteps)
{
    Model_Store& s = store();
    s.Num_Steps = 4;
    Put(2, {0, 0}, {0, 0}, {0, 0}, {0, 0});
    Put(3, {1, 1}, {4, 1}, {2, 2}, {3, 3});
    Put(4, {1, 1}, {4, 1}, {2, 2}, {4, 4});
    s.Step_Valid(2) = 0;
    s.Step_Valid(3) = s.Step_Valid(4) = -1;
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    pic.ops.clear();
    DrawCouplerCurve(pic);
    std::vector<std::string> kinds;
    for (auto& o : pic.ops) {
        EXPECT_EQ(o.colour, Cyan);
        kinds.push_back(o.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"PSet", "LineTo", "LineTo", "PSet", "LineTo", "LineTo"}));
}

TEST_F(Linkage_Drawing, JointAtOriginStopsTheCycleAndLeavesThePreviousStep)
{
    Model_Store& s = store();
    s.Num_Steps = 2;
    Put(2, {1, 0}, {5, 0}, {0, 0}, {2, 3});
    s.Step_Valid(2) = -1;
    s.Anim_Cycles = 1;
    Recording_Canvas pic;
    Drawing_Setup(pic, true);
    int waits = 0;
    Animate_Cycles(pic, false, [&] { ++waits; });
    EXPECT_EQ(waits, 2);  // steps 0 and 1 held, step 2 stops
    // The last coupler-triangle line drawn is step 1's A -> P, (0, 1) -> (1, -2), in magenta.
    Recording_Canvas::Op last{};
    for (auto& o : pic.ops)
        if (o.kind == "Line" && o.colour == Magenta) last = o;
    EXPECT_FLOAT_EQ(last.a, 0);
    EXPECT_FLOAT_EQ(last.b, s.Y_Flip - 1);
    EXPECT_FLOAT_EQ(last.c, 1);
    EXPECT_FLOAT_EQ(last.d, s.Y_Flip + 2);
}

TEST_F(Linkage_Drawing, StepLabelFollowsTheCalculationType)
{
    Model_Store& s = store();
    s.Theta_Data(0, 0) = 12.25f;
    s.Theta_Data(1, 0) = 22.25f;
    s.Start_Time = 0.5f;
    s.Delta_Time = 0.125f;
    int16_t i = 1;
    EXPECT_EQ(Step_Label_Text(i).value_or("?"), "22.3");
    s.Calc_Type = 2;
    EXPECT_EQ(Step_Label_Text(i).value_or("?"), "0.63");
    s.Calc_Type = 1;
    EXPECT_EQ(Step_Label_Text(i).value_or("?"), "12.3");
    EXPECT_EQ(i, 0);
    s.Calc_Type = 0;  // a type no run has: the label is left as it was
    i = 1;
    EXPECT_FALSE(Step_Label_Text(i).has_value());
    EXPECT_EQ(i, 1);
}

TEST_F(Linkage_Drawing, SpeedBarMapsToTheHoldTime)
{
    Check_Parameters_Values(32767, " 2.5", true, false, true);
    EXPECT_EQ(store().Anim_Speed, 0);
    EXPECT_EQ(store().Anim_Cycles, 2);  // halves to even
    EXPECT_EQ(store().Hide_Links, "N");
    EXPECT_EQ(store().Show_Coupler_Path, "N");
    EXPECT_EQ(store().Trace_Option, "Y");
    EXPECT_EQ(Delay_Time(0).count(), 0);
    EXPECT_EQ(Delay_Time(16383).count(), 65532);
    Check_Parameters_Values(0, "3.5", false, true, false);
    EXPECT_EQ(store().Anim_Speed, 32767);
    EXPECT_EQ(store().Anim_Cycles, 4);
    EXPECT_EQ(store().Hide_Links, "Y");
}
