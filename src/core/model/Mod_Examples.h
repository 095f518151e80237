// The two built-in example linkages, the default mass properties and the units systems.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/Fixed_Array.h"

void Load_Unity_Example();
void Load_Nonunity_Example();
void Set_Default_Mass(int16_t& N);
void Angle_From_Degrees(float Deg, float& Rad, std::string& Text);

// Name of a units system 1..5 ("in-lb-bl-s" ...), "" outside.
std::string Units_Name(int System);

void Set_Unit_Labels(int16_t System, Array1<std::string, 0, 20>& Labels, int16_t& Count);
void Set_Decimals(int16_t& System);
void Convert_Units(int16_t& Old, int16_t& New);
// Multiplies every model quantity by its factor: lengths, forces and torques are rounded to the
// (new) system's decimals, masses and inertias to six significant digits.
void Convert_Model(float& FacLength, float& FacForce, float& FacTorque, float& FacMass, float& FacInertia);
