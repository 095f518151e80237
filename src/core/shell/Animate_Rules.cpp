#include "shell/Animate_Rules.h"

#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"

namespace {
constexpr int Question_Style = Msg::Abort_Retry_Ignore + Msg::Exclamation + Msg::Default_Button3;
const char* const Question_Start = "Linkage cannot connect";
}  // namespace

std::string Cannot_Connect_Warning()
{
    const std::string CR = "\r";
    return "This linkage cannot connect at some positions" + CR + "and may not animate properly or at all." + CR + CR +
           "Use the Step button to move the linkage " + CR + "through all its possible (reachable) positions" + CR +
           "and note the useable range as reported in " + CR + "the (cyan) box labeled Theta2 at right." + CR + CR +
           "Reset Min Theta and Max Theta values accordingly.  " + CR +
           " It will recalculate and then animate properly." + CR;
}

int16_t Drag_Reference_Step(int16_t shown)
{
    const Model_Store& s = store();
    if (shown < 0 || shown > s.Num_Steps || shown > Max_Steps || s.Step_Valid(shown) == 0) return -1;
    return shown;
}

Coupler_Point Coupler_Point_From_Mouse(int step, float x, float y)
{
    const Model_Store& s = store();
    const float ax = s.Position_Data(step, 0, 0), ay = s.Position_Data(step, 0, 1);
    const float mx = x, my = s.Y_Flip - y;
    const float dx = mx - ax, dy = my - ay;
    const float distance = std::sqrt(dy * dy + dx * dx);
    const float angle = static_cast<float>(Atan2D(dx, dy) - s.Theta_Data(step, 1));
    return {FNRound(distance, 3), FNRound(angle, 3)};
}

Quiet_Cannot_Connect::Quiet_Cannot_Connect() : outer_(&ui()) { Install_Ui_Port(this); }

Quiet_Cannot_Connect::~Quiet_Cannot_Connect() { Install_Ui_Port(outer_); }

int Quiet_Cannot_Connect::Msg_Box(const std::string& prompt, int style)
{
    if (style == Question_Style && prompt.rfind(Question_Start, 0) == 0) {
        ++skipped_;
        return Msg::Ans_Ignore;
    }
    return outer_->Msg_Box(prompt, style);
}
