// The geared linkage drawn at one step or animated over all steps, on any canvas: the window
// fitted to the motion, the sizes, the figure of a step, the coupler path and the delays.
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "runtime/Canvas.h"

// The animation options from the animation screen's speed bar, cycles box and check boxes.
void Check_Parameters_Values(int speed_value, const std::string& cycles_text, bool show_links, bool show_coupler,
                             bool trace);

// Fits the square drawing window to the motion (and the ground link), with margin and zoom.
void Autoscale();

// The drawing set-up on a canvas: clear when not single-stepping, autoscale when asked, sizes,
// colours, the user scale, copy-pen mode, white back colour, the step range and Y_Flip.
void Drawing_Setup(Canvas& pic, bool autoscale);

// Ground pivot O5's x in the units of the stored points.
float Ground_X();

// Whether the last calculation completed, with no error raised and no abort: only then are its
// positions offered for stepping, drawing and animating.
bool Results_Valid();
// The model changed under its results: none of them, kinematic, dynamic, flywheel or Fourier, is
// valid until a calculation completes.
void Withdraw_Results();

void Drawsub(int i, Canvas& pic, bool show_points);
void Axes(Canvas& pic);
void Drawpivots(Canvas& pic);
void DrawCouplerCurve(Canvas& pic);
// The coupler path goes on `path_pic`, the animation screen's picture whichever screen is drawn
// (nowhere when there is none).
void DrawLinkage(Canvas& pic, Canvas* path_pic, int i, bool show_points);

// The step value shown beside the drawing (one position forces step 0); none for a calculation
// type outside 1..3, which leaves the label as it was.
std::optional<std::string> Step_Label_Text(int16_t& i);

// The hold time of a position after its first pass: the classic busy wait of Anim_Speed x 40
// counts mapped onto 0.1 microsecond per count (the default speed holds a position ~65 ms).
std::chrono::microseconds Delay_Time(int32_t anim_speed);

// Draws step i, waits, erases it; stop is set when joint B lies at the origin.
void Drawone(int i, Canvas& pic, bool show_points, bool& stop, const std::function<void()>& wait);

// The cycles of an animation after its set-up. `shown`, when given, follows the position on the
// picture (-1 for none), also when the wait ends the run by throwing.
void Animate_Cycles(Canvas& pic, bool show_points, const std::function<void()>& wait, int16_t* shown = nullptr);

// The last step a drawing may reach.
int16_t Last_Drawable_Step();
