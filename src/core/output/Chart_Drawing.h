// Drawing helpers of the own-drawn plots: a chart's coordinate window, its axes, tick marks and
// guide lines, and the largest magnitude of a curve. Lines are black, in the chart's own units.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>

#include "model/Mod_Numeric.h"
#include "runtime/Canvas.h"

// How far a chart's window reaches beyond its data: from Xmin - left W to Xmax + right W across
// (W = Xmax - Xmin) and from top Ymax down to -bottom Ymax. The panels round a chart follow it.
struct Window_Margins {
    double left, right, top, bottom;
    // Where x = Xmin + u W and y = v Ymax fall, as fractions of the picture's width and height.
    double X_Fraction(double u) const { return (left + u) / (left + 1 + right); }
    double Y_Fraction(double v) const { return (top - v) / (top + bottom); }
};
Window_Margins Cartesian_Margins(int16_t NumGraphs);
// The polar window, with Xmin = -Rmax and Xmax = Rmax.
Window_Margins Polar_Margins();

// Clears the chart and scales it round Xmin..Xmax and -Ymax..Ymax with the margins of a two- or
// four-chart screen. A Ymax of 0 becomes 0.0001. A window the picture cannot take gets the
// capacity message; either failure sets Plot_Failed.
void SetWindow(Canvas& pic, float& Ymax, float Xmin, float Xmax, const std::string& Name, int16_t NumGraphs);
// Scales (not clears) the polar chart round a circle of radius Rmax.
void SetPolarWindow(Canvas& pic, float& Rmax, const std::string& Name);

void CartesianAxes(Canvas& pic, float Ymax, float Xmin, float Xmax);
void PolarAxes(Canvas& pic, float R);
// 24 divisions of the x range and a tick at its end.
void XticMarks(Canvas& pic, float Ymax, float Xmin, float Xmax);
// 2 NumDiv + 1 ticks from -Ymax to Ymax on the left edge.
void YticMarks(Canvas& pic, float Ymax, int16_t NumDiv, float Xmin, float Xmax);
// 2 NumDiv + 1 ticks from -R to R across each axis.
void PolarTicmarks(Canvas& pic, float R, int16_t NumDiv);
// Guide lines at a quarter, a half, three quarters and the end of the x range.
void Vertical_lines(Canvas& pic, float Ymax, float Xmin, float Xmax);

// The largest magnitude of Values(From..To).
template <typename Arr>
void CartesianMax(const Arr& Values, int From, int To, float& Result)
{
    Trap_Errors("CartesianMax", [&] {
        float max = 0, min = 0;
        MaxMin1(Values, From, To, max, min);
        Result = std::fabs(max) > std::fabs(min) ? std::fabs(max) : std::fabs(min);
    });
}
