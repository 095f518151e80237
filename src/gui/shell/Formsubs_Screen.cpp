#include "shell/Formsubs_Screen.h"

#include <QLabel>
#include <algorithm>

#include "runtime/Report_Error.h"
#include "shell/Formsubs.h"

namespace {
template <size_t N, size_t M>
void Apply(const std::array<QLabel*, N>& labels, const std::array<std::optional<std::string>, M>& texts,
           const std::array<std::optional<bool>, M>* visible = nullptr)
{
    for (size_t i = 0; i < std::min(N, M); ++i) {
        if (!labels[i]) continue;
        if (texts[i]) labels[i]->setText(QString::fromStdString(*texts[i]));
        if (visible && (*visible)[i]) labels[i]->setVisible(*(*visible)[i]);
    }
}

void Apply_Panel(Output_Label_Panel& Form, const Label_Panel& p)
{
    Apply(Form.lbl_Links, p.Links);
    Apply(Form.lbl_Units, p.Units);
    Apply(Form.lbl_Linkout2, p.Linkout2, &p.Linkout2_Visible);
    Apply(Form.lbl_Initial, p.Initial, &p.Initial_Visible);
    Apply(Form.lbl_Unit, p.Unit, &p.Unit_Visible);
}

std::vector<Output_Label_Panel*>& Panels()
{
    static std::vector<Output_Label_Panel*> panels;
    return panels;
}
}  // namespace

void Put_Link_Labels(Output_Label_Panel& Form)
{
    Trap_Errors("Put_Link_Labels", [&] { Apply_Panel(Form, Link_Labels()); });
}

void Put_Angle_Labels(Output_Label_Panel& Form)
{
    Trap_Errors("Put_Angle_Labels", [&] { Apply_Panel(Form, Angle_Labels()); });
}

void Put_Time_Labels(Output_Label_Panel& Form)
{
    Trap_Errors("Put_Time_Labels", [&] { Apply_Panel(Form, Time_Labels()); });
}

void Put_Position_Labels(Output_Label_Panel& Form)
{
    Trap_Errors("Put_Position_Labels", [&] { Apply_Panel(Form, Position_Labels()); });
}

void Register_Output_Label_Panel(Output_Label_Panel* panel)
{
    auto& panels = Panels();
    if (panel && std::find(panels.begin(), panels.end(), panel) == panels.end()) panels.push_back(panel);
}

void Unregister_Output_Label_Panel(Output_Label_Panel* panel)
{
    auto& panels = Panels();
    panels.erase(std::remove(panels.begin(), panels.end(), panel), panels.end());
}

const std::vector<Output_Label_Panel*>& Output_Label_Panels() { return Panels(); }
