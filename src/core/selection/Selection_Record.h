// The selection record's component registration and the component list every slot offers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Comp_Code(Slot) = 0..3 for "X", "Y", "Mag", "Ang"; any other name changes nothing.
void Set_Component(const std::string& Name, int16_t Slot);

// The items of a component list: "X", "Y", "Mag", "Ang".
std::vector<std::string> Load_Components();
