#include "selection/Variable_Lists.h"

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

namespace {
constexpr int Last_Kinematic = 22;
constexpr int Last_Dynamic = 45;
constexpr int Flywheel_Entry = 46;
constexpr int First_Vector = 14;
constexpr int Last_Force_Vector = 36;
constexpr int First_Inertia_Force = 42;

struct Preset_Entry {
    int number;  // of the title in its table
    Preset_Slots slots;
};

Preset_Entry Four(int number, std::array<std::string, 4> variables, std::array<std::string, 4> components)
{
    return {number, {4, std::move(variables), std::move(components)}};
}
Preset_Entry Four_Magnitudes(int number, std::array<std::string, 4> variables)
{
    return Four(number, std::move(variables), {"Mag", "Mag", "Mag", "Mag"});
}
Preset_Entry Four_Components(int number, const std::string& v)
{
    return Four(number, {v, v, v, v}, {"X", "Y", "Mag", "Ang"});
}
Preset_Entry Two(int number, const std::string& v1, const std::string& v2, const std::string& c1, const std::string& c2)
{
    return {number, {2, {v1, v2, "", ""}, {c1, c2, "", ""}}};
}
Preset_Entry Two_Components(int number, const std::string& v) { return Two(number, v, v, "X", "Y"); }

// In the order the titles are compared.
const std::vector<Preset_Entry>& Presets_4()
{
    static const std::vector<Preset_Entry> table = {
        Four_Magnitudes(1, {"Theta2", "Theta3", "Theta4", "Theta5"}),
        Four_Magnitudes(2, {"Omega2", "Omega3", "Omega4", "Omega5"}),
        Four_Magnitudes(3, {"Alpha2", "Alpha3", "Alpha4", "Alpha5"}),
        Four_Components(4, "Veloc I 2,3"),
        Four_Components(5, "Veloc I 3,4"),
        Four_Components(6, "Veloc I 4,5"),
        Four_Components(7, "Veloc CP"),
        Four_Components(8, "Accel I 2,3"),
        Four_Components(9, "Accel I 3,4"),
        Four_Components(10, "Accel I 4,5"),
        Four_Components(11, "Accel CP"),
        Four_Components(12, "Coupler Pt"),
        Four_Components(13, "Accel CG 2"),
        Four_Components(14, "Accel CG 3"),
        Four_Components(15, "Accel CG 4"),
        Four_Components(16, "Accel CG 5"),
        Four_Components(17, "Force 12"),
        Four_Components(18, "Force 32"),
        Four_Components(19, "Force 43"),
        Four_Components(20, "Force 54"),
        Four_Components(21, "Force 15"),
        Four_Components(22, "F Shaking"),
        Four_Magnitudes(23, {"Torque 12", "M Shaking", "Torque L3", "Torque L4"}),
        Four_Components(24, "F Inertia L2"),
        Four_Components(25, "F Inertia L3"),
        Four_Components(26, "F Inertia L4"),
        Four_Components(27, "F Inertia L5"),
        Four_Components(31, "Current FFT"),
    };
    return table;
}

const std::vector<Preset_Entry>& Presets_2()
{
    static const std::vector<Preset_Entry> table = {
        Two(1, "Theta3", "Theta4", "Mag", "Mag"),
        Two(2, "Omega3", "Omega4", "Mag", "Mag"),
        Two(3, "Alpha3", "Alpha4", "Mag", "Mag"),
        Two_Components(4, "Veloc I 2,3"),
        Two_Components(5, "Veloc I 3,4"),
        Two_Components(6, "Veloc I 4,5"),
        Two_Components(7, "Veloc CP"),
        Two_Components(8, "Accel I 2,3"),
        Two_Components(9, "Accel I 3,4"),
        Two_Components(10, "Accel I 4,5"),
        Two_Components(11, "Accel CP"),
        Two_Components(12, "Coupler Pt"),
        Two_Components(13, "Veloc CG 3"),
        Two_Components(14, "Veloc CG 4"),
        Two_Components(15, "Accel CG 2"),
        Two_Components(16, "Accel CG 3"),
        Two_Components(17, "Accel CG 4"),
        Two_Components(18, "Force 12"),
        Two_Components(19, "Force 32"),
        Two_Components(20, "Force 43"),
        Two_Components(21, "Force 54"),
        Two_Components(22, "Force 15"),
        Two_Components(23, "F Shaking"),
        Two_Components(24, "F Inertia L2"),
        Two_Components(25, "F Inertia L3"),
        Two_Components(26, "F Inertia L4"),
        Two(27, "Torque 12", "M Shaking", "Mag", "Mag"),
        Two(28, "Torque 12", "Flywl Torque", "Mag", "Mag"),
        Two(33, "Current FFT", "Current FFT", "X", "Y"),
        Two(34, "Current FFT", "Current FFT", "Mag", "Ang"),
    };
    return table;
}

void Add_Names(std::vector<std::string>& items, int first, int last)
{
    for (int i = first; i <= last; ++i) items.push_back(Var_Name(i));
}
}  // namespace

std::vector<std::string> Load_Variables()
{
    const Model_Store& s = store();
    std::vector<std::string> items;
    Add_Names(items, 1, s.Flywheel_Done ? Flywheel_Entry : s.Dynamics_Done ? Last_Dynamic : Last_Kinematic);
    return items;
}

std::vector<std::string> Load_Polar_Variables()
{
    std::vector<std::string> items;
    Add_Names(items, First_Vector, Last_Kinematic);
    if (store().Dynamics_Done) {
        Add_Names(items, Last_Kinematic + 1, Last_Force_Vector);
        Add_Names(items, First_Inertia_Force, Last_Dynamic);
    }
    return items;
}

std::vector<std::string> Load_Presets(int16_t Type)
{
    const Model_Store& s = store();
    std::vector<std::string> items;
    auto add = [&](const std::string& (*title)(int), int first, int last) {
        for (int i = first; i <= last; ++i) items.push_back(title(i));
    };
    if (Type == 2) {
        add(Preset_Titles_2, 1, s.Dynamics_Done ? 27 : 12);
        if (s.FFT_Done) add(Preset_Titles_2, 33, 34);
        if (s.Flywheel_Done) add(Preset_Titles_2, 28, 28);
    } else if (Type == 4) {
        add(Preset_Titles_4, 1, s.Dynamics_Done ? 25 : 12);
        if (s.FFT_Done) add(Preset_Titles_4, 31, 31);
    }
    return items;
}

std::optional<Preset_Slots> Find_Preset(int16_t Type, const std::string& Title)
{
    if (Type != 2 && Type != 4) return std::nullopt;
    const std::string& (*title)(int) = Type == 4 ? Preset_Titles_4 : Preset_Titles_2;
    for (const Preset_Entry& p : Type == 4 ? Presets_4() : Presets_2())
        if (title(p.number) == Title) return p.slots;
    return std::nullopt;
}
