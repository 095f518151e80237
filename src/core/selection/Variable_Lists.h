// The variables and preset formats a selection list offers, following the results that exist,
// and the preset tables: each preset title with the variable and component of every slot.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The kinematic variables, then the force-solution ones after a force solution and the
// flywheel torque after a flywheel calculation; never "Current FFT".
std::vector<std::string> Load_Variables();
// Only vector variables: the kinematic ones, then the force-solution vectors after a force solution.
std::vector<std::string> Load_Polar_Variables();
// The preset titles of the two-function (Type 2) or four-function (Type 4) table as offered now;
// empty for any other Type.
std::vector<std::string> Load_Presets(int16_t Type);

// What a preset puts into slots 1 .. Count.
struct Preset_Slots {
    int Count = 0;
    std::array<std::string, 4> Variable;
    std::array<std::string, 4> Component;
};
// The preset of the two- or four-function table whose whole title equals Title (the first in
// table order); nothing for a title of no preset.
std::optional<Preset_Slots> Find_Preset(int16_t Type, const std::string& Title);
