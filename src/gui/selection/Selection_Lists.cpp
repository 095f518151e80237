#include "selection/Selection_Lists.h"

#include <string>
#include <vector>

#include "platform/Combo_Box.h"
#include "selection/Selection_Record.h"
#include "selection/Variable_Lists.h"

namespace {
void Fill(Combo_Box& combo, const std::vector<std::string>& items)
{
    combo.Clear();
    for (const std::string& item : items) combo.Add_Item(item);
}
}  // namespace

void Load_Variables(Combo_Box& combo) { Fill(combo, Load_Variables()); }

void Load_Components(Combo_Box& combo) { Fill(combo, Load_Components()); }
