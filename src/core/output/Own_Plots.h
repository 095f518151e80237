// The plots the program draws itself ("Aligned" style): the cartesian charts of the two- and
// four-chart screens and the polar chart with its single steps, drawn on canvases. The numbers
// around a chart are captions of the screen's panels; each routine returns them.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/Canvas.h"
#include "selection/Selection_Record.h"

// Decimals of a chart's axis and extreme values, from its scale.
int Label_Decimals(float S);
// The title under every cartesian chart.
std::string Bottom_Title();

struct Chart_Panels {
    std::string LeftTitle, Comp, PlotUnits;
    std::string Xmin, X1, X2, X3, Xmax, Ymax, Ymin;
    std::string Min, Max, Peak;
};
// Chart g of a NumGraphs-chart screen, with slot g + 1's function against the crank angle (or
// the harmonic number for Fourier data). The panels are filled also when the window failed.
Chart_Panels Draw_Chart(Canvas& pic, int16_t g, int16_t NumGraphs, const Accepted_Functions& accepted);

struct Polar_Panels {
    std::string Header2, Header3, LeftTitle, PlotUnits, Ymax, Ymin, Xmax, Xmin;
};
// The polar chart of slot 1 by Polar_Mode, its points kept in Polar_X and Polar_Y. Fourier data
// are refused with a message: false, and nothing is drawn or filled.
bool Draw_Polar(Canvas& pic, const Accepted_Functions& accepted, Polar_Panels& panels);

struct Step_Panels {
    std::string StepLabel, StepUnit, StepNumber, Magnitude, Angle;
};
// Step k of the last polar plot, over what is drawn already.
Step_Panels Draw_Polar_Step(Canvas& pic, int16_t k);
