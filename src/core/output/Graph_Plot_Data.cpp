#include "output/Graph_Plot_Data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"

namespace {
constexpr int16_t Ang_Component = 3;
// Current_FFT holds harmonics 0..512; a larger typed count must not read past it.
constexpr int16_t Last_Harmonic_Row = 512;

std::vector<float> Slot_Values(int16_t Slot, int16_t points)
{
    Model_Store& s = store();
    s.Plot_Slot = Slot;
    std::vector<float> values(static_cast<size_t>(points));
    // As the fetch leaves the value alone on an error, a failed step repeats the one before; the
    // first failure ends the fetching, so that the error is reported once, not once per step.
    float value = 0;
    bool fetching = true;
    for (int16_t i = 0; i < points; ++i) {
        if (fetching) fetching = Select_Variable(i, Slot, value);
        values[static_cast<size_t>(i)] = std::isfinite(value) ? value : std::numeric_limits<float>::quiet_NaN();
    }
    return values;
}
}  // namespace

Plot_Axis Current_Plot_Axis()
{
    const Model_Store& s = store();
    Plot_Axis axis;
    int16_t M = s.Num_Steps;
    if (Fourier_In_Slots(s.Num_Functions)) {
        axis.Kind = Plot_X::Harmonic;
        axis.Tick_Every = 1;
        axis.Label_Every = 2;
        axis.Bottom_Title = "Harmonic Number";
        M = std::clamp<int16_t>(s.FFT_Harmonics, 0, Last_Harmonic_Row);
    } else if (s.Calc_Type == 2) {
        axis.Kind = Plot_X::Time;
        axis.Tick_Every = 5;
        axis.Label_Every = 10;
        axis.Bottom_Title = "Time (Sec)";
    } else {
        axis.Bottom_Title = "Crank Angle (Deg)";
    }
    axis.Points = static_cast<int16_t>(M + 1);
    return axis;
}

std::vector<std::string> Plot_X_Labels(const Plot_Axis& axis)
{
    const Model_Store& s = store();
    std::vector<std::string> labels;
    labels.reserve(static_cast<size_t>(axis.Points));
    for (int16_t i = 0; i < axis.Points; ++i) {
        switch (axis.Kind) {
        case Plot_X::Time: labels.push_back(FNRoundStr(s.Start_Time + static_cast<float>(i) * s.Delta_Time, 2)); break;
        case Plot_X::Crank_Angle: labels.push_back(FNRoundStr(s.Theta_Data(i, 0), 0)); break;
        case Plot_X::Harmonic: labels.push_back(std::to_string(i)); break;
        }
    }
    return labels;
}

std::string Plot_Unit_Text(int16_t Slot, bool fft_unit)
{
    const Model_Store& s = store();
    // The phase of a transform is in degrees like any angle, so "Deg" wins over the
    // transformed function's unit.
    if (s.Comp_Code(Slot) == Ang_Component) return "Deg";
    if (s.FFT_Variable) return fft_unit ? s.FFT_Unit : "";
    return s.Unit_Label(s.Var_Type(Slot));
}

Chart_Content MultiPlot_Chart(const Accepted_Functions& Select, const Plot_Axis& axis)
{
    Chart_Content chart;
    const int16_t n = std::clamp<int16_t>(store().Num_Functions, 0, 4);
    for (int16_t slot = 1; slot <= n; ++slot) {
        const size_t i = static_cast<size_t>(slot - 1);
        Chart_Curve curve;
        curve.Legend = Select.Function[i] + " " + Select.Component[i] + " " + Plot_Unit_Text(slot, false);
        curve.Pattern = static_cast<int16_t>(slot - 1);
        curve.Values = Slot_Values(slot, axis.Points);
        chart.Curves.push_back(std::move(curve));
    }
    return chart;
}

Chart_Content Plot_Chart(const Accepted_Functions& Select, const Plot_Axis& axis, int16_t g)
{
    const int16_t slot = static_cast<int16_t>(g + 1);
    const size_t i = static_cast<size_t>(g);
    Chart_Content chart;
    chart.Title = Select.Function.at(i) + "  (" + Plot_Unit_Text(slot, true) + ")";
    Chart_Curve curve;
    curve.Legend = Select.Component[i];
    curve.Values = Slot_Values(slot, axis.Points);
    chart.Curves.push_back(std::move(curve));
    return chart;
}
