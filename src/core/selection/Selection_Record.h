// The selection record's component registration and the component list every slot offers.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Comp_Code(Slot) = 0..3 for "X", "Y", "Mag", "Ang"; any other name changes nothing.
void Set_Component(const std::string& Name, int16_t Slot);

// Polar_Mode from the polar drawing choices: 1 envelope only, 2 vectors only, 3 both; neither
// leaves it as it was.
void Set_Polar_Mode();

// The items of a component list: "X", "Y", "Mag", "Ang".
std::vector<std::string> Load_Components();

// The function and component names accepted in each slot, as the selection screen's function and
// component labels show them (index slot - 1). Plots and reports title their columns and charts
// with these, so they can be drawn without the selection screen's widgets.
struct Accepted_Functions {
    std::array<std::string, 4> Function;
    std::array<std::string, 4> Component;
};
