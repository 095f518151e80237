// Decisions of the input screen that need no widgets: the step counts of its two finishing
// procedures and what each calculation type shows.
#pragma once
#include <array>
#include <string>

// Reads the crank range and speed texts (boxes 0..3) for an angle-step run; true when the run
// may be calculated (after the zero-step or too-many-steps message otherwise).
bool Angle_Step_Count(const std::array<std::string, 6>& texts);

// Reads the initial crank angle, speed and acceleration (boxes 5, 3, 4) and, for a time run,
// the time range (boxes 0..2); true when the run may be calculated.
bool Time_Step_Count(const std::array<std::string, 6>& texts);

// What the initial-conditions frame shows for a calculation type.
struct Calc_Type_View {
    std::array<std::string, 4> Initial;  // captions of rows 0..3 ("" = unchanged)
    std::string Unit;                    // unit of rows 0..2 ("" = unchanged)
    bool Range_Rows = true;              // rows 0..2 shown
    bool Start_Rows = true;              // rows 4..5 shown
    bool Step_Enabled = true;
    bool Direction_Panels = false;  // "<-- Start" / "End -->"
    bool Time_Panel = false;        // "Time ---->"
};
Calc_Type_View View_Of_Calc_Type(int calc_type);
