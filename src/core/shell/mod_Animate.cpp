#include "shell/mod_Animate.h"

#include <algorithm>
#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"

namespace {
struct Point {
    float x, y;
};

Point At(int i, int row)
{
    const Model_Store& s = store();
    return {s.Position_Data(i, row, 0), s.Position_Data(i, row, 1)};
}

float Flip(float y) { return store().Y_Flip - y; }

bool Is_Y(const std::string& v) { return v == "Y" || v == "y"; }
bool Is_N(const std::string& v) { return v == "N" || v == "n"; }

void Pivot_Circles(Canvas& pic, float x, float y)
{
    const Model_Store& s = store();
    pic.Circle(x, Flip(y), s.Size_Pivot, s.Anim_Blue);
    pic.Circle(x, Flip(y), s.Size_Joint, s.Anim_Blue);
}
}  // namespace

void Check_Parameters_Values(int speed_value, const std::string& cycles_text, bool show_links, bool show_coupler,
                             bool trace)
{
    Trap_Errors("Check_Parameters", [&] {
        Model_Store& s = store();
        s.Anim_Speed = 32767 - speed_value;
        s.Anim_Cycles = CInt(Val(cycles_text));
        s.Hide_Links = show_links ? "N" : "Y";
        s.Show_Coupler_Path = show_coupler ? "Y" : "N";
        s.Trace_Option = trace ? "Y" : "N";
    });
}

int16_t Last_Drawable_Step() { return std::clamp<int16_t>(store().Num_Steps, 0, Max_Steps); }

namespace {
// Lengths are kept in metres in the centimetre and millimetre systems, the stored points not.
float In_Point_Units(float length)
{
    const int16_t u = store().Unit_System;
    if (u == 4) return length * 100;
    if (u == 5) return length * 1000;
    return length;
}
}  // namespace

float Ground_X() { return In_Point_Units(store().Link1_Length); }

bool Results_Valid() { return store().Calc_Done; }

void Withdraw_Results()
{
    Model_Store& s = store();
    s.Calc_Done = s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = false;
}

void Autoscale()
{
    Trap_Errors("Autoscale", [] {
        Model_Store& s = store();
        const int first_row = Is_Y(s.Hide_Links) ? 3 : 0;
        Point b0 = At(0, 2);
        float wmin = b0.x, wmax = b0.x;
        float xmin = b0.x, xmax = b0.x, ymin = b0.y, ymax = b0.y;
        const int last = Last_Drawable_Step();
        for (int row = first_row; row <= 3; ++row) {
            for (int i = 0; i <= last; ++i) {
                Point p = At(i, row);
                xmin = std::min(xmin, p.x);
                xmax = std::max(xmax, p.x);
                ymin = std::min(ymin, p.y);
                ymax = std::max(ymax, p.y);
                wmax = std::max({wmax, xmax, ymax});
                wmin = std::min({wmin, xmin, ymin});
            }
        }
        if (Is_N(s.Hide_Links)) {
            wmax = std::max({wmax, Ground_X(), 0.0f});
            wmin = std::min({wmin, Ground_X(), 0.0f});
        }
        float margin = In_Point_Units(static_cast<float>(
            (s.Link_Lengths(1) + s.Link_Lengths(2) + s.Link_Lengths(3) + s.Link_Lengths(4)) / 4 * 0.25));
        s.Window_Min = wmin - margin;
        s.Window_Max = wmax + margin;
        s.Window_Max = s.Window_Max * s.Zoom_Factor;
        s.Window_Min = s.Window_Min * s.Zoom_Factor;
    });
}

void Drawing_Setup(Canvas& pic, bool autoscale)
{
    Trap_Errors("Animate_Setup", [&] {
        Model_Store& s = store();
        // The step range first: a window that cannot be set raises below, and the drawing loops
        // must still end.
        s.First_Step = 0;
        s.Last_Step = Last_Drawable_Step();
        s.Step_Increment = 1;
        if (s.Step_Flag == "N") pic.Cls();
        if (autoscale) Autoscale();
        const float w = std::fabs(s.Window_Max);
        s.Size_Tiny = static_cast<float>(w * 0.008);
        s.Size_Joint = static_cast<float>(w * 0.015);
        s.Size_Point = static_cast<float>(w * 0.012);
        s.Size_Pivot = static_cast<float>(w * 0.03);
        s.Size_Pivot2 = s.Size_Pivot;
        s.Link_Colour2 = s.Link_Colour = s.Draw_Colour = s.Color_Magenta;
        s.Anim_Blue = s.Color_Blue;
        s.Anim_Green = s.Color_Green;
        s.Anim_Black = s.Color_Black;
        s.Back_Colour = s.Color_White;
        s.Colour_Diff = s.Back_Colour - s.Link_Colour;
        pic.Scale(s.Window_Min, s.Window_Min, s.Window_Max, s.Window_Max);
        pic.Set_Draw_Mode(13);
        pic.Set_Back_Color(s.Color_White);
        s.Y_Flip = s.Window_Min + s.Window_Max;
    });
}

void Drawsub(int i, Canvas& pic, bool show_points)
{
    Trap_Errors("Drawsub", [&] {
        Model_Store& s = store();
        Point a = At(i, 0), c = At(i, 1), b = At(i, 2), p = At(i, 3);
        const float f = Ground_X();
        s.Pen_X = p.x;
        s.Pen_Y = p.y;
        const int32_t joint_colour = s.Trace_Option == "N" ? s.Last_Colour : s.Anim_Black;
        if (s.Hide_Links == "N") {
            pic.Line(0, Flip(0), a.x, Flip(a.y), s.Draw_Colour);
            pic.Line_To(b.x, Flip(b.y), s.Draw_Colour);
            pic.Line_To(c.x, Flip(c.y), s.Draw_Colour);
            pic.Line_To(f, Flip(0), s.Draw_Colour);
            pic.Line(a.x, Flip(a.y), p.x, Flip(p.y), s.Draw_Colour);
            pic.Line_To(b.x, Flip(b.y), s.Draw_Colour);

            pic.Circle(a.x, Flip(a.y), s.Size_Joint, joint_colour);
            pic.Circle(c.x, Flip(c.y), s.Size_Joint, joint_colour);
            pic.Circle(b.x, Flip(b.y), s.Size_Joint, joint_colour);
            pic.PSet(p.x, Flip(p.y), joint_colour);
            pic.Circle(p.x, Flip(p.y), s.Size_Point / 2, joint_colour);

            Pivot_Circles(pic, 0, 0);
            Pivot_Circles(pic, f, 0);

            float k = std::fabs(s.Gear_Ratio) + 1;
            float r5 = f / k;
            float r2 = f - r5;
            if (s.Gear_Ratio > 0) {
                r2 = static_cast<float>(r2 / 1.5);
                r5 = static_cast<float>(r5 / 1.5);
                float ri = (f - r5 - r2) / 2;
                pic.Circle(r2 + ri, Flip(0), ri, s.Anim_Green);
                Pivot_Circles(pic, r2 + ri, 0);
            }
            pic.Circle(0, Flip(0), r2, s.Anim_Green);
            pic.Circle(f, Flip(0), r5, s.Anim_Green);
        }
        if (show_points) {
            pic.PSet(p.x, Flip(p.y), s.Draw_Colour);
            pic.Circle(p.x, Flip(p.y), s.Size_Joint, s.Trace_Option == "N" ? s.Draw_Colour : s.Anim_Black);
        }
    });
}

void Axes(Canvas& pic)
{
    Trap_Errors("Axes", [&] {
        const Model_Store& s = store();
        pic.Line(static_cast<float>(0.9 * s.Window_Min), Flip(0), static_cast<float>(0.9 * s.Window_Max), Flip(0),
                 s.Color_Black);
        pic.Line(0, static_cast<float>(0.9 * (s.Y_Flip - s.Window_Min)), 0,
                 static_cast<float>(0.9 * (s.Y_Flip - s.Window_Max)), s.Color_Black);
    });
}

void Drawpivots(Canvas& pic)
{
    Trap_Errors("Drawpivots", [&] {
        Pivot_Circles(pic, 0, 0);
        Pivot_Circles(pic, Ground_X(), 0);
    });
}

void DrawCouplerCurve(Canvas& pic)
{
    Trap_Errors("DrawCouplerCurve", [&] {
        Model_Store& s = store();
        const int32_t cyan = s.Color_Cyan;
        auto at_origin = [](Point p) { return p.x == 0 && p.y == 0; };
        for (int i = s.First_Step; i <= s.Last_Step; ++i) {
            Point p = At(i, 3);
            if (!at_origin(p)) {
                pic.PSet(p.x, Flip(p.y), cyan);
                break;
            }
        }
        bool gap = false;
        for (int i = s.First_Step; i <= s.Last_Step; i += s.Step_Increment) {
            if (s.Step_Valid(i) == 0) {
                gap = true;
                continue;
            }
            Point p = At(i, 3);
            s.Pen_X = p.x;
            s.Pen_Y = p.y;
            if (gap) {
                pic.PSet(p.x, Flip(p.y), cyan);
                gap = false;
            }
            if (!at_origin(p)) pic.Line_To(p.x, Flip(p.y), cyan);
        }
    });
}

void DrawLinkage(Canvas& pic, Canvas* path_pic, int i, bool show_points)
{
    Trap_Errors("DrawLinkage", [&] {
        Model_Store& s = store();
        Drawpivots(pic);
        Axes(pic);
        if (s.Show_Coupler_Path == "Y" && path_pic) DrawCouplerCurve(*path_pic);
        Drawsub(i, pic, show_points);
        s.Draw_Colour = s.Link_Colour;
        if (i == s.Last_Step) Drawsub(i, pic, show_points);
        Drawpivots(pic);
        Axes(pic);
    });
}

std::optional<std::string> Step_Label_Text(int16_t& i)
{
    std::optional<std::string> text;
    Trap_Errors("Step", [&] {
        const Model_Store& s = store();
        switch (s.Calc_Type) {
        case 1:
            i = 0;
            text = FNRoundStr(s.Theta_Data(0, 0), 1);
            break;
        case 2: text = FNRoundStr(static_cast<float>(s.Start_Time + i * s.Delta_Time), 2); break;
        case 3: text = FNRoundStr(s.Theta_Data(i, 0), 1); break;
        default: break;
        }
    });
    return text;
}

std::chrono::microseconds Delay_Time(int32_t anim_speed)
{
    const long long counts = static_cast<long long>(std::max(anim_speed, 0)) * 40;
    return std::chrono::microseconds(counts / 10);
}

void Drawone(int i, Canvas& pic, bool show_points, bool& stop, const std::function<void()>& wait)
{
    Trap_Errors("Drawone", [&] {
        Model_Store& s = store();
        stop = false;
        const int32_t passes[2] = {s.Link_Colour, s.Back_Colour};
        for (int pass = 0; pass < 2; ++pass) {
            s.Last_Colour = passes[pass];
            s.Draw_Colour = s.Trace_Option != "N" ? s.Link_Colour2 : s.Last_Colour;
            Point b = At(i, 2);
            if (b.x == 0 && b.y == 0) {
                stop = true;
                return;
            }
            Drawsub(i, pic, show_points);
            if (pass == 0) {
                pic.Refresh();
                if (wait) wait();
            }
        }
        if (s.Show_Coupler_Path == "Y") DrawCouplerCurve(pic);
        Drawpivots(pic);
    });
}

void Animate_Cycles(Canvas& pic, bool show_points, const std::function<void()>& wait, int16_t* shown)
{
    int16_t untracked = -1;
    int16_t& on_show = shown ? *shown : untracked;
    on_show = -1;
    Trap_Errors("Animate", [&] {
        Model_Store& s = store();
        for (int cycle = 1; cycle <= s.Anim_Cycles; ++cycle) {
            pic.Cls();
            on_show = -1;
            Drawpivots(pic);
            Axes(pic);
            if (s.Show_Coupler_Path == "Y") DrawCouplerCurve(pic);
            for (int i = s.First_Step; i <= s.Last_Step; i += s.Step_Increment) {
                if (s.Step_Valid(i) == 0) continue;
                bool stop = false;
                on_show = static_cast<int16_t>(i);  // held on show while the wait lasts
                Drawone(i, pic, show_points, stop, wait);
                on_show = -1;
                s.Draw_Colour = s.Link_Colour;
                if (stop) {
                    if (i > 0) {
                        Drawsub(i - 1, pic, show_points);
                        on_show = static_cast<int16_t>(i - 1);
                    }
                    break;
                }
                if (i == s.Last_Step) {
                    s.Last_Colour = s.Link_Colour;
                    Drawsub(i, pic, show_points);
                    on_show = static_cast<int16_t>(i);
                }
            }
            if (s.Show_Coupler_Path == "Y") DrawCouplerCurve(pic);
            Drawpivots(pic);
            Axes(pic);
            pic.Refresh();
        }
    });
}
