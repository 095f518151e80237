// Kinetostatic solution of the geared linkage: joint forces, driving torque, inertia and shaking
// loads at every step of the last kinematic run, from one 12 x 12 equilibrium system per step (a
// second one at a step where the mesh force's sign differs from the one assumed: the radial part of
// the mesh force pushes each gear towards its own centre whichever way the torque flows).
#pragma once
#include "model/Mod_Main.h"

using Link_CG_Array = Array2<float, 0, 5, 0, 1>;
using Force_Array = Array3<float, 0, Max_Steps, 0, 9, 0, 1>;
using Torque_Array = Array2<float, 0, Max_Steps, 0, 4>;

// Solves steps 0..Num_Steps; a step that did not assemble gets zero forces and CG motion. A gear
// ratio of 0 raises the division-by-zero error before any step is touched; a singular system or a
// result beyond the float range is reported once and ends the run with the flags unchanged.
void Force_Analysis(Link_Float& Link_Mass, Link_Float& Link_Inertia, Link_CG_Array& Link_CG,
                    Force_Array& Force_Data, Torque_Array& Torque_Data);
