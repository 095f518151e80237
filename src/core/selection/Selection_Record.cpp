#include "selection/Selection_Record.h"

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "runtime/Report_Error.h"

void Set_Component(const std::string& Name, int16_t Slot)
{
    Trap_Errors("Set_Component", [&] {
        for (int i = 1; i <= 4; ++i) {
            if (Name == Comp_Name(i)) {
                store().Comp_Code(Slot) = static_cast<int16_t>(i - 1);
                return;
            }
        }
    });
}

void Set_Polar_Mode()
{
    Model_Store& s = store();
    if (s.Show_Envelope && !s.Show_Vectors) s.Polar_Mode = 1;
    else if (s.Show_Vectors && !s.Show_Envelope) s.Polar_Mode = 2;
    else if (s.Show_Envelope && s.Show_Vectors) s.Polar_Mode = 3;
}

std::vector<std::string> Load_Components()
{
    std::vector<std::string> items;
    for (int i = 1; i <= 4; ++i) items.push_back(Comp_Name(i));
    return items;
}
