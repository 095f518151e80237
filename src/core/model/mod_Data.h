// Reading the link data and initial conditions typed on a linkage screen into the model, with
// their checks. The screen adapters hand in the box texts and apply the returned outcome.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Makes a negative length positive, after telling the user.
void Make_Positive(float& Value);

// The crank range's texts (sign-blank form) and radian values from its degrees.
void Derive_Crank_Range();

// New texts of link-data boxes 0..8, for the boxes that must change.
using Linkage_Texts = std::array<std::optional<std::string>, 9>;

// The nine link-data texts and the two circuit options into the geometry. A negative length is
// made positive (with its message), and its box is to show the positive value, so that the
// message comes once.
Linkage_Texts Apply_Linkage_Geometry(const std::array<std::string, 9>& texts, bool open_on, bool crossed_on);

// What a screen must do after its crank-range or time-range boxes were read.
struct Initial_Outcome {
    std::array<std::optional<std::string>, 3> restore;  // new texts of txt_Initial(0..2)
    bool focus_step_box = false;                         // give txt_Initial(2) the focus
    bool stopped = false;                                // a check stopped the reading
    int16_t relabel = 0;  // 3: angle captions and labels, 2: time captions and labels, 0: none
};

// The three crank-range (or time-range, or crank-angle) texts into the model, by Calc_Type.
Initial_Outcome Apply_Initial_Conditions(const std::array<std::string, 3>& texts);

// The initial conditions that the defaults leave alone back at their start-up values: the crank
// angle at time 0 and the crank acceleration that the time-steps mode offers.
void Start_Up_Initial_Conditions();

// The texts the link-data boxes show for the model (boxes 0..8).
std::array<std::string, 9> Linkage_Geometry_Texts();

// Display factor of lengths: stored metres shown in centimetres or millimetres.
int Length_Display_Factor();

// (hi - lo) / step in single precision, as the step counts are formed.
float Step_Ratio(float hi, float lo, float step);

// The largest whole number not above x, as a step count (wide, so absurd ranges cannot overflow).
long long Step_Count(double x);
