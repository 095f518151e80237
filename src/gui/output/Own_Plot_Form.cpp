#include "output/Own_Plot_Form.h"

#include <QGridLayout>

#include "model/Mod_Main.h"
#include "runtime/Report_Error.h"
#include "platform/Control_Events.h"
#include "selection/Selection_Role.h"

namespace {
constexpr int Plot_Width = 11850;
constexpr int Plot_Height = 8950;
}  // namespace

Own_Plot_Form::Own_Plot_Form(const char* name, Own_Chart::Kind kind, int charts)
    : Screen(name, Plot_Width, Plot_Height)
{
    Build_Output_Layout(*this, *this, kind == Own_Chart::Polar ? All_Output_Parts : Label_Panels | Coord_Frame);
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    Window_Margins margins = kind == Own_Chart::Polar ? Polar_Margins() : Cartesian_Margins(static_cast<int16_t>(charts));
    for (int g = 0; g < charts; ++g) {
        Chart[g] = new Own_Chart(kind, margins, g, this);
        grid->addWidget(Chart[g], g, 0);
    }
    Content->addLayout(grid, 1);
    Timer1.On_Redraw([this] { Replot(); });
    cmd_Replot = Command("cmd_Replot", "&Replot");
}

void Own_Plot_Form::Add_Commands()
{
    cmd_Copy = Command("cmd_Copy", "&Copy");
    cmd_PlotPrint = Command("cmd_PlotPrint", "&Print Form");
    cmd_Back = Back_Command("cmd_Back");
    cmd_PlotDone = Next_Command("cmd_PlotDone");
    Screen& s = *this;
    On_Click(s, cmd_Replot, [this] { Replot(); });
    On_Click(s, cmd_Copy, [] { Copy_Advice(); });
    On_Click(s, cmd_PlotPrint, [this] { cmd_PlotPrint_Click(); });
    On_Click(s, cmd_Back, [this] { cmd_Back_Click(); });
    On_Click(s, cmd_PlotDone, [this] { cmd_PlotDone_Click(); });
}

void Own_Plot_Form::Form_Activate()
{
    CommonDialog1.CancelError = true;
    if (store().Full_Screen) Maximize_Screen(*this, Plot_Height, Plot_Width);
    else Reset_Screen(*this, Plot_Height, Plot_Width);
    Start_Timer(*this, 0);
    Before_Enabling();
    cmd_PlotPrint->setEnabled(true);
    cmd_Copy->setEnabled(true);
    Draw_On_Activation();
}

// A cancelled printer dialog ends the print quietly.
void Own_Plot_Form::cmd_PlotPrint_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, Name() + ".PrintForm");
}

void Own_Plot_Form::cmd_Back_Click()
{
    Trap_Errors(Name() + ".Select Another", [this] {
        Hide();
        Screen& selection = Selection_Screen();
        Centerform(selection);
        selection.Show_Modal();
    });
}

const Accepted_Functions& Own_Plot_Form::Selection_Functions()
{
    static const Accepted_Functions none;
    auto* role = dynamic_cast<Selection_Role*>(&Selection_Screen());
    return role ? role->Accepted : none;
}
