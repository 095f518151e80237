#include "dynamics/Mod_Flywheel.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Print_Writer.h"
#include "runtime/Report_Error.h"

namespace {
float& Area(Lobe_Areas& areas, int index)
{
    // Lobes are counted as they come: a curve with many crossings keeps every lobe.
    if (static_cast<int>(areas.size()) <= index) areas.resize(static_cast<size_t>(index) + 1, 0.0f);
    return areas[static_cast<size_t>(index)];
}

float Area_Or_Zero(const Lobe_Areas& areas, int index)
{
    return index < static_cast<int>(areas.size()) ? areas[static_cast<size_t>(index)] : 0.0f;
}

void Print_Table(Fly_Result& r, const std::string& unit)
{
    Print_Writer p;
    p.End_Line();
    p.Text(" Areas of Crank Torque").End_Line();
    p.Text(" Pulses in Order over 1 cycle ").End_Line();
    p.End_Line();
    p.Text("    in Energy Units of :").End_Line();
    p.Text("     " + unit + " - radians").End_Line();
    p.End_Line();
    if (r.S == 1 || r.S == -1) {
        p.Text(r.S == 1 ? " Order   Pos Area   Neg Area" : " Order   Neg Area   Pos Area").End_Line();
        p.Text(std::string(46, '-')).End_Line();
        const Lobe_Areas& first = r.S == 1 ? r.Pos : r.Neg;
        const Lobe_Areas& second = r.S == 1 ? r.Neg : r.Pos;
        for (int j = 1; j <= r.R; ++j) {
            p.Text("   ").Number(j);
            p.Tab(8).Number(FNRound(Area_Or_Zero(first, j), 1));
            p.Tab(18).Number(FNRound(Area_Or_Zero(second, j), 1)).End_Line();
        }
    }
    p.End_Line();
    p.Text("    Average Torque:").End_Line();
    p.Text("   ").Number(FNRound(r.Tavg, 2)).Text("  " + unit).End_Line();
    r.Lines = p.Take_Lines();
}
}  // namespace

bool Flywheel(const Torque_Array& T, int From, int To, float Step, float Last_Step, float Tavg, Lobe_Areas& Neg,
              Lobe_Areas& Pos, int16_t& C, int16_t& S, int Fixed, const std::string& Mode)
{
    return Trap_Errors("Flywheel", [&] {
        auto value = [&](int i) { return Mode == "Pointer_I" ? T(Fixed, i) : T(i, Fixed); };
        Pos.assign(2, 0.0f);
        Neg.assign(2, 0.0f);
        int p = 1, n = 1;
        bool in_pos = false, in_neg = false, sign_set = false;
        float prev = value(From) - Tavg;
        for (int i = From + 1; i <= To; ++i) {
            float cur = value(i) - Tavg;
            float area = (prev + cur) / 2 * (i == To ? Last_Step : Step);
            if (cur >= 0) {
                if (p == 1 && !sign_set) S = 1, sign_set = true;
                if (in_neg) ++n;
                in_pos = true, in_neg = false;
            } else {
                if (n == 1 && !sign_set) S = -1, sign_set = true;
                if (in_pos) ++p;
                in_neg = true, in_pos = false;
            }
            float& lobe = cur >= 0 ? Area(Pos, p) : Area(Neg, n);
            lobe += area;
            if (!std::isfinite(lobe)) Raise(Err::Overflow);
            prev = cur;
        }
        C = static_cast<int16_t>(p + n);
    });
}

float Last_Step_Width()
{
    const Model_Store& s = store();
    const double step = s.Delta_Theta_Rad;
    const double rest = std::fabs(static_cast<double>(s.Max_Theta_Rad) - s.Min_Theta_Rad) - (s.Num_Steps - 1) * step;
    // Within float noise of a whole step (or beyond: a sweep that stops short of its end angle)
    // the last step is a step like the others.
    if (s.Num_Steps < 1 || !(step > 0) || !(rest > 0) || rest >= step * (1 - 1e-3)) return s.Delta_Theta_Rad;
    return static_cast<float>(rest);
}

float Sweep_Average(const Torque_Array& T, int From, int To, float Step, float Last_Step, int Fixed)
{
    if (To <= From) return T(From, Fixed);
    double sum = 0;
    for (int i = From + 1; i < To; ++i) sum += (static_cast<double>(T(i - 1, Fixed)) + T(i, Fixed)) / 2;
    const double last = Last_Step == Step ? 1.0 : static_cast<double>(Last_Step) / Step;
    sum += (static_cast<double>(T(To - 1, Fixed)) + T(To, Fixed)) / 2 * last;
    return static_cast<float>(sum / (To - From - 1 + last));
}

Fly_Result Fly(float Cf, Torque_Array& Torque_Data)
{
    Fly_Result r;
    Trap_Errors("Fly", [&] {
        Model_Store& s = store();
        const int N = s.Num_Steps;
        const float last = Last_Step_Width();
        r.Tavg = Sweep_Average(Torque_Data, 0, N, s.Delta_Theta_Rad, last, 0);
        // A failed part has been reported by its routine: the run ends there, once.
        if (!Flywheel(Torque_Data, 0, N, s.Delta_Theta_Rad, last, r.Tavg, r.Neg, r.Pos, r.C, r.S, 0, "I_Pointer")) return;
        r.R = CInt((r.C + 1) / 2.0);
        Print_Table(r, s.Unit_Label(9));
        // Kept whole or not at all: an overflow leaves the previous curve.
        std::array<float, Max_Steps + 1> smoothed;
        for (int i = 0; i <= N; ++i)
            smoothed[static_cast<size_t>(i)] = CSng((static_cast<double>(Torque_Data(i, 0)) - r.Tavg) * Cf + r.Tavg);
        for (int i = 0; i <= N; ++i) s.Flywheel_Torque(i) = smoothed[static_cast<size_t>(i)];
        r.Done = true;
    });
    store().Flywheel_Done = r.Done;
    return r;
}

Torque_Extremes Flywheel_Extremes()
{
    Model_Store& s = store();
    Torque_Extremes e;
    int i_max = 0, i_min = 0;
    MaxMin2A(s.Torque_Data, 0, 0, s.Num_Steps, e.Max_Without, e.Min_Without, i_max, i_min);
    MaxMin1(s.Flywheel_Torque, 0, s.Num_Steps, e.Max_With, e.Min_With);
    return e;
}
