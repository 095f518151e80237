// The variables a selection list offers, following the results that exist.
#pragma once
#include <string>
#include <vector>

// The kinematic variables, then the force-solution ones after a force solution and the
// flywheel torque after a flywheel calculation; never "Current FFT".
std::vector<std::string> Load_Variables();
