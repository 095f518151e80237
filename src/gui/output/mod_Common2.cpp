#include "output/mod_Common2.h"

#include <QVBoxLayout>

#include "platform/Graph_Control.h"
#include "shell/Output_Layout.h"
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

void Build_Grid_Style_Frames(QWidget* owner, Has_Graph_Styles& Form, const char* line_caption, const char* sticks_caption)
{
    Form.fra_Grid = Named_Control(new QGroupBox("Grid", owner), "fra_Grid");
    Form.chk_HGrid = Named_Control(new QCheckBox("Horiz", Form.fra_Grid), "chk_HGrid");
    Form.chk_VGrid = Named_Control(new QCheckBox("Vertic", Form.fra_Grid), "chk_VGrid");
    auto* grid = new QVBoxLayout(Form.fra_Grid);
    grid->addWidget(Form.chk_HGrid);
    grid->addWidget(Form.chk_VGrid);
    Form.fra_Style = Named_Control(new QGroupBox("Style", owner), "fra_Style");
    Form.chk_Line = Named_Control(new QCheckBox(line_caption, Form.fra_Style), "chk_Line");
    Form.chk_Sticks = Named_Control(new QCheckBox(sticks_caption, Form.fra_Style), "chk_Sticks");
    auto* style = new QVBoxLayout(Form.fra_Style);
    style->addWidget(Form.chk_Line);
    style->addWidget(Form.chk_Sticks);
}
