#include "selection/Plot_Selection.h"

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

const std::string Gap_Message =
    "Something is wrong. \r\rYou are missing a plot selection.\r\rPlease leave no gaps between selections. \r"
    "Two functions should use Plots 1 and 2. \rThree functions should use Plots 1, 2, and 3.";

Slot_Count Count_Slots(const Accepted_Functions& accepted, int16_t n)
{
    Slot_Count slots;
    for (int16_t i = 1; i <= n; ++i) {
        if (accepted.Function[static_cast<size_t>(i - 1)].empty()) continue;
        slots.highest = i;
        ++slots.count;
    }
    return slots;
}

bool Fourier_Accepted(const Accepted_Functions& accepted, int16_t n)
{
    for (int16_t i = 1; i <= n; ++i)
        if (!accepted.Function[static_cast<size_t>(i - 1)].empty() && store().Var_Type(i) == Qty::Fourier) return true;
    return false;
}
