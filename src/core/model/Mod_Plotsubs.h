// The output-variable catalogue: names of the variables, components and preset formats, the
// classification of a chosen name for a selection slot, and the value of a slot at a step.
#pragma once
#include <cstdint>
#include <string>

// Constant tables; an index outside the table's range raises the subscript error.
const std::string& Var_Name(int i);         // 0..50, names in 1..47
const std::string& Comp_Name(int i);        // 0..4, "X", "Y", "Mag", "Ang" in 1..4
const std::string& Preset_Titles_4(int i);  // 0..35
const std::string& Preset_Titles_2(int i);  // 0..35

constexpr int Num_Var_Names = 47;

// Quantity types (index of Unit_Label too).
namespace Qty {
constexpr int16_t Angle = 1;
constexpr int16_t Angular_Velocity = 2;
constexpr int16_t Angular_Acceleration = 3;
constexpr int16_t Velocity = 4;
constexpr int16_t Acceleration = 5;
constexpr int16_t Position = 6;
constexpr int16_t Torque = 9;
constexpr int16_t Force = 10;
constexpr int16_t Fourier = 14;
constexpr int16_t Flywheel_Torque = 18;
}  // namespace Qty

// Classifies Name for Slot (1..4): Var_Type, Var_Row and the three flags of the last variable.
void Set_Variable(const std::string& Name, int16_t Slot);
// Value of the slot's function at Step (the harmonic for "Current FFT"); Value is left as it
// was when the type has no value or an error is reported. False when an error was reported.
bool Select_Variable(int16_t Step, int16_t Slot, float& Value);
// The last classified variable, or one of slots 1..Count, holds "Current FFT" data: their rows
// are harmonics (a typed name that classifies nothing leaves a slot's earlier data in place).
bool Fourier_In_Slots(int16_t Count);
// Magnitude and angle (degrees) of the slot's vector at Step; only vector types write them.
void Select_PolarVariable(int16_t Step, int16_t Slot, float& Magnitude, float& Angle);
