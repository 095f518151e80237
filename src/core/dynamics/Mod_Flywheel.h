// Flywheel sizing from the crank torque: energy lobes over one cycle, the pulse table printed on
// the flywheel screen, the crank torque with the flywheel and the extremes with and without it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dynamics/Force_Analysis.h"

// Lobe areas by lobe number from 1 (element 0 unused); as many as the curve has.
using Lobe_Areas = std::vector<float>;

// Energy lobes of T(From..To) about Tavg by the trapezoid rule, every step Step wide but the last,
// Last_Step. Mode "I_Pointer" runs the first index (T(i, Fixed)), "Pointer_I" the second. C is one
// more than the number of lobes; S the sign of the first lobe (1, -1, 0 none). Errors (an area
// beyond the float range) are reported under "Flywheel"; the result is false then.
bool Flywheel(const Torque_Array& T, int From, int To, float Step, float Last_Step, float Tavg, Lobe_Areas& Neg,
              Lobe_Areas& Pos, int16_t& C, int16_t& S, int Fixed, const std::string& Mode);

// The crank angle between the last two steps of the sweep, radians: the sweep's step, or less where
// the step does not divide the span and the sweep ends on its end angle.
float Last_Step_Width();

// Mean of T(From..To, Fixed) over the sweep by the trapezoid rule that integrates the lobes, so
// that the lobes about it sum to zero: with equal steps, the sum of (T(i - 1) + T(i)) / 2 divided
// by the number of steps; a shorter last step counts by its width. One sample is its own mean.
float Sweep_Average(const Torque_Array& T, int From, int To, float Step, float Last_Step, int Fixed);

struct Fly_Result {
    float Tavg = 0;
    Lobe_Areas Pos, Neg;
    int16_t C = 0, S = 0, R = 0;           // count, first-lobe sign, table rows
    std::vector<std::string> Lines;        // the pulse table, line by line
    bool Done = false;                     // completed with finite results
};

// Average crank torque, lobes, the pulse table and Flywheel_Torque for Cf. Errors are reported
// once, under the name of the routine that met them ("Flywheel", "Fly"), and end the run;
// Flywheel_Done is set only by a run that completed.
Fly_Result Fly(float Cf, Torque_Array& Torque_Data);

struct Torque_Extremes {
    float Max_Without = 0, Min_Without = 0, Max_With = 0, Min_With = 0;
};
Torque_Extremes Flywheel_Extremes();
