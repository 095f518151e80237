#include "selection/Variable_Lists.h"

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

namespace {
constexpr int Last_Kinematic = 22;
constexpr int Last_Dynamic = 45;
constexpr int Flywheel_Entry = 46;
}  // namespace

std::vector<std::string> Load_Variables()
{
    const Model_Store& s = store();
    const int n = s.Flywheel_Done ? Flywheel_Entry : s.Dynamics_Done ? Last_Dynamic : Last_Kinematic;
    std::vector<std::string> items;
    for (int i = 1; i <= n; ++i) items.push_back(Var_Name(i));
    return items;
}
