// The linkage-data and motion-input panel of the output screens: which captions and which
// visibility each kind of run gives it. Unset entries are left as the screen has them.
#pragma once
#include <array>
#include <optional>
#include <string>

struct Label_Panel {
    std::array<std::optional<std::string>, 9> Links;
    std::array<std::optional<std::string>, 6> Units;
    std::array<std::optional<std::string>, 7> Linkout2;
    std::array<std::optional<bool>, 7> Linkout2_Visible;
    std::array<std::optional<std::string>, 7> Initial;  // 1..6 used
    std::array<std::optional<bool>, 7> Initial_Visible;
    std::array<std::optional<std::string>, 7> Unit;  // 1..6 used
    std::array<std::optional<bool>, 7> Unit_Visible;
};

Label_Panel Link_Labels();
Label_Panel Angle_Labels();
Label_Panel Time_Labels();
Label_Panel Position_Labels();
