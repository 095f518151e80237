#include "output/Own_Plots.h"

#include <algorithm>
#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "output/Chart_Drawing.h"
#include "runtime/Number_Text.h"
#include "runtime/Ui_Port.h"

namespace {
constexpr int16_t Time_Steps = 2;
constexpr int16_t Component_Ang = 3;

// An axis or extreme value as its panel shows it; a value beyond every range has no digits.
std::string Panel_Text(double v, int d) { return std::isfinite(v) ? FNRoundStr(v, d) : ""; }

std::string Whole_Text(double v) { return std::isfinite(v) ? Plain(FNRound(v, 0)) : ""; }

// A run holding a value that is not finite cannot be drawn: it is too large for any window.
template <typename Arr>
bool All_Finite(const Arr& a, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (!std::isfinite(a(i))) return false;
    return true;
}

std::string Unit_Text(int16_t slot)
{
    const Model_Store& s = store();
    std::string unit = s.FFT_Variable ? "" : s.Unit_Label(s.Var_Type(slot));
    if (s.Comp_Code(slot) == Component_Ang) unit = "Deg";
    return unit;
}

// The crank angle of step i as the sweep set it: the start angle and i increments towards the end;
// a step that would pass the end is taken at the end angle. The stored angles are brought into
// 0..360, which would put the points of any other range off the axis.
float Sweep_Angle(int i, float start, float end)
{
    const bool up = end >= start;
    const float x = start + static_cast<float>(i) * (up ? store().Delta_Theta : -store().Delta_Theta);
    return up ? std::min(x, end) : std::max(x, end);
}

void Polar_Point(Canvas& pic, int i, int32_t colour)
{
    const Model_Store& s = store();
    pic.Line_To(s.Polar_X(i), s.Polar_Y(i), colour);
}

void Polar_Vector(Canvas& pic, int i)
{
    const Model_Store& s = store();
    pic.Line(0, 0, s.Polar_X(i), s.Polar_Y(i), s.Color_Green);
}
}  // namespace

int Label_Decimals(float S)
{
    if (S >= 100) return 0;
    if (S < 1) return 3;
    if (S < 10) return 2;
    return 1;
}

std::string Bottom_Title() { return store().FFT_Variable ? "Harmonic Number" : "Crank Angle (Deg)"; }

Chart_Panels Draw_Chart(Canvas& pic, int16_t g, int16_t NumGraphs, const Accepted_Functions& accepted)
{
    Model_Store& s = store();
    const int16_t slot = static_cast<int16_t>(g + 1);
    s.Plot_Slot = slot;
    const bool fft = s.FFT_Variable;
    const int M = fft ? s.FFT_Harmonics : s.Num_Steps;

    Chart_Panels p;
    p.LeftTitle = accepted.Function.at(static_cast<size_t>(g));
    p.Comp = accepted.Component.at(static_cast<size_t>(g));
    p.PlotUnits = Unit_Text(slot);

    Step_Float Y;
    for (int i = 0; i <= M; ++i) Select_Variable(static_cast<int16_t>(i), slot, Y(i));
    CartesianMax(Y, 0, M, s.Plot_Scale_Y);
    float max = 0, min = 0;
    MaxMin1(Y, 0, M, max, min);
    if (!All_Finite(Y, 0, M)) s.Plot_Scale_Y = INFINITY;

    float Xmin, Xmax;
    if (fft) {
        Xmin = 0;
        Xmax = static_cast<float>(M);
    } else if (s.Step_Omega2 > 0) {
        Xmin = s.Min_Theta;
        Xmax = s.Max_Theta;
    } else {
        // The axis runs the way the steps were calculated: from the end angle to the start.
        Xmin = s.Max_Theta;
        Xmax = s.Min_Theta;
    }
    const double q = (double(Xmax) - Xmin) / 4;

    SetWindow(pic, s.Plot_Scale_Y, Xmin, Xmax, p.LeftTitle, NumGraphs);
    const float S = s.Plot_Scale_Y;
    if (!s.Plot_Failed) {
        Step_Float X;
        for (int i = 0; i <= M; ++i) X(i) = fft ? static_cast<float>(i) : Sweep_Angle(i, Xmin, Xmax);
        pic.PSet(X(0), Y(0), s.Color_Blue);
        pic.Polyline_To(X.Data(), Y.Data(), M + 1, s.Color_Blue);
        Vertical_lines(pic, S, Xmin, Xmax);
        CartesianAxes(pic, S, Xmin, Xmax);
        XticMarks(pic, S, Xmin, Xmax);
        YticMarks(pic, S, 5, Xmin, Xmax);
    }

    const int d = Label_Decimals(S);
    p.Xmin = Panel_Text(Xmin, 0);
    p.X1 = Panel_Text(Xmin + q, 0);
    p.X2 = Panel_Text(Xmin + 2 * q, 0);
    p.X3 = Panel_Text(Xmin + 3 * q, 0);
    p.Xmax = Panel_Text(Xmax, 0);
    p.Ymax = Panel_Text(S, d);
    p.Ymin = Panel_Text(-double(S), d);
    p.Min = Panel_Text(min, d);
    p.Max = Panel_Text(max, d);
    p.Peak = Panel_Text(max - min, d);
    return p;
}

bool Draw_Polar(Canvas& pic, const Accepted_Functions& accepted, Polar_Panels& p)
{
    Model_Store& s = store();
    if (s.FFT_Variable) {
        MsgBox("FFT data are not suited to polar plots.\rUse a cartesian plot format instead.", Msg::Ok_Only);
        return false;
    }
    const std::string unit = s.Unit_Label(s.Var_Type(1));
    p.Header2 = "Linkage " + accepted.Function[0] + "  -  " + unit;
    p.Header3 = "";
    s.Plot_Slot = 1;
    p.LeftTitle = accepted.Function[0];
    p.PlotUnits = unit;

    const int N = s.Num_Steps;
    float R = 0, angle = 0;
    for (int i = 0; i <= N; ++i) {
        Select_PolarVariable(static_cast<int16_t>(i), 1, R, angle);
        double a = angle * Deg_To_Rad;
        s.Polar_X(i) = static_cast<float>(R * std::cos(a));
        s.Polar_Y(i) = static_cast<float>(R * std::sin(a));
    }
    GlobalMax(s.Polar_X, s.Polar_Y, 0, N, s.Plot_Scale_Y);
    if (!All_Finite(s.Polar_X, 0, N) || !All_Finite(s.Polar_Y, 0, N)) s.Plot_Scale_Y = INFINITY;
    SetPolarWindow(pic, s.Plot_Scale_Y, p.LeftTitle);
    const float S = s.Plot_Scale_Y;

    if (!s.Plot_Failed) {
        PolarAxes(pic, S);
        PolarTicmarks(pic, S, 10);
        switch (s.Polar_Mode) {
        case 1:
            pic.PSet(s.Polar_X(0), s.Polar_Y(0), s.Color_Blue);
            pic.Polyline_To(s.Polar_X.Data(), s.Polar_Y.Data(), N + 1, s.Color_Blue);
            break;
        case 2:
            for (int i = 0; i <= N; ++i) Polar_Vector(pic, i);
            break;
        case 3:
            for (int i = 0; i < N; ++i) {
                Polar_Vector(pic, i);
                Polar_Point(pic, i + 1, s.Color_Blue);
            }
            Polar_Vector(pic, N);
            break;
        default:
            break;
        }
    }

    const int d = Label_Decimals(S);
    p.Ymax = p.Xmax = Panel_Text(S, d);
    p.Ymin = p.Xmin = Panel_Text(-double(S), d);
    return true;
}

Step_Panels Draw_Polar_Step(Canvas& pic, int16_t k)
{
    Model_Store& s = store();
    // A window that could not be set leaves nothing to draw into.
    if (!s.Plot_Failed) {
        const float S = s.Plot_Scale_Y;
        PolarAxes(pic, S);
        PolarTicmarks(pic, S, 10);
        switch (s.Polar_Mode) {
        case 1:
            pic.PSet(s.Polar_X(k), s.Polar_Y(k), s.Color_Blue);
            if (k > 0) Polar_Point(pic, k - 1, s.Color_Blue);
            break;
        case 2:
            Polar_Vector(pic, k);
            break;
        case 3:
            Polar_Vector(pic, k);
            if (k > 0) Polar_Point(pic, k - 1, s.Color_Blue);
            break;
        default:
            break;
        }
    }

    Step_Panels p;
    if (s.Calc_Type == Time_Steps) {
        p.StepLabel = "Time";
        p.StepUnit = "sec";
        p.StepNumber = FNRoundStr(k * s.Delta_Time + s.Start_Time, 2);
    } else {
        p.StepLabel = "Theta2";
        p.StepUnit = "deg";
        p.StepNumber = FNRoundStr(s.Theta_Data(k, 0), 1);
    }
    double R = 0, angle = 0;
    Cart_to_Polar(s.Polar_X(k), s.Polar_Y(k), R, angle);
    p.Magnitude = Whole_Text(R);
    p.Angle = Whole_Text(angle);
    return p;
}
