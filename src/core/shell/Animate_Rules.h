// Decisions of the animation screen that need no widgets: the Run warning, where a Shift-drag
// puts the coupler point, and the quiet answer to the cannot-assemble question while dragging.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/Ui_Port.h"

// The warning Run shows when some position of the last calculation did not assemble.
std::string Cannot_Connect_Warning();

struct Coupler_Point {
    double distance = 0;  // rounded to 3 decimals, in the units of the stored points
    double angle = 0;     // degrees from link 3, rounded to 3 decimals
};

// The coupler point under the mouse: distance and angle of picture point (x, y) from joint A of
// `step`, the angle measured from link 3 at that step.
Coupler_Point Coupler_Point_From_Mouse(int step, float x, float y);

// The step whose link 3 a drag measures from: the position the picture shows. -1 when it shows
// none, or one that did not assemble (it has no link 3).
int16_t Drag_Reference_Step(int16_t shown);

// While it lives, the cannot-assemble question is not shown and is answered Ignore; every other
// box and effect passes to the port that was installed.
class Quiet_Cannot_Connect final : public Ui_Port {
public:
    Quiet_Cannot_Connect();
    ~Quiet_Cannot_Connect() override;
    Quiet_Cannot_Connect(const Quiet_Cannot_Connect&) = delete;
    Quiet_Cannot_Connect& operator=(const Quiet_Cannot_Connect&) = delete;

    int Msg_Box(const std::string& prompt, int style) override;
    void Set_Mouse_Pointer(int pointer) override { outer_->Set_Mouse_Pointer(pointer); }
    void Show_Home_Screen() override { outer_->Show_Home_Screen(); }
    void Model_Was_Read() override { outer_->Model_Was_Read(); }
    void Show_Input_Screen() override { outer_->Show_Input_Screen(); }
    void Set_Grashof_Caption(const std::string& caption) override { outer_->Set_Grashof_Caption(caption); }

    int Questions_Skipped() const { return skipped_; }

private:
    Ui_Port* outer_;
    int skipped_ = 0;
};
