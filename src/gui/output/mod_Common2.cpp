#include "output/mod_Common2.h"

#include "platform/Graph_Control.h"
#include "runtime/Report_Error.h"

void SetGridstyle(Has_Graph_Styles& Form, int16_t& NumGraphs)
{
    Trap_Errors("SetGridstyle", [&] {
        const int16_t grid = static_cast<int16_t>((Form.chk_HGrid->isChecked() ? 1 : 0) + (Form.chk_VGrid->isChecked() ? 2 : 0));
        const int16_t style = static_cast<int16_t>((Form.chk_Line->isChecked() ? Graph_Control::Style_Lines : 0) +
                                                   (Form.chk_Sticks->isChecked() ? Graph_Control::Style_Sticks : 0));
        for (int g = 0; g < NumGraphs; ++g) {
            if (g >= static_cast<int>(Form.grf_Plot.size()) || !Form.grf_Plot[static_cast<size_t>(g)])
                throw Runtime_Error(Err::Subscript, "Subscript out of range");
            Form.grf_Plot[static_cast<size_t>(g)]->GridStyle(grid);
            Form.grf_Plot[static_cast<size_t>(g)]->GraphStyle(style);
        }
    });
}
