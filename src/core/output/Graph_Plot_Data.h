// What the graph-control plots put into their charts, decided from the store and the accepted
// functions: the x axis by run type, the point labels, the unit texts, titles, legends and values.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "selection/Selection_Record.h"

enum class Plot_X { Time, Crank_Angle, Harmonic };

struct Plot_Axis {
    Plot_X Kind = Plot_X::Crank_Angle;
    int16_t Tick_Every = 6, Label_Every = 12;
    int16_t Points = 1;  // steps 0..N, or harmonics 0..FFT_Harmonics
    std::string Bottom_Title;
};

// The axis of the charts now: "Current FFT" data by harmonic, time runs by time, else by crank angle.
Plot_Axis Current_Plot_Axis();
// The x label of every point, index 0-based.
std::vector<std::string> Plot_X_Labels(const Plot_Axis& axis);

// Unit text of a slot: its quantity's unit, "Deg" for the "Ang" component, nothing for "Current
// FFT" data unless fft_unit (one chart per function) asks for the transformed function's unit.
std::string Plot_Unit_Text(int16_t Slot, bool fft_unit);

struct Chart_Curve {
    std::string Legend;
    int16_t Pattern = 0;
    std::vector<float> Values;  // one per point; a value that cannot be drawn is NaN, a gap
};
struct Chart_Content {
    std::string Title;  // empty: the chart keeps its title
    std::vector<Chart_Curve> Curves;
};

// One chart with a curve per accepted function (slots 1..Num_Functions), each its own pattern.
Chart_Content MultiPlot_Chart(const Accepted_Functions& Select, const Plot_Axis& axis);
// The function of slot g + 1 alone on chart g, titled with its name and unit, its component as legend.
Chart_Content Plot_Chart(const Accepted_Functions& Select, const Plot_Axis& axis, int16_t g);
