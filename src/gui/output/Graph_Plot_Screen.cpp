#include "output/Graph_Plot_Screen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "runtime/Report_Error.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Plot_Width = 11850;
constexpr int Plot_Height = 8950;
// Chart backgrounds of White, Blue, Gray in the graph control's palette, and the frame colour
// around the charts with each; Gray's frame is the colour table's black.
constexpr int16_t Back_Palette[3] = {15, 1, 7};
constexpr int32_t Dark_Blue = 0x000080, White = 0xFFFFFF;
// The style boxes' captions over ordinary and over Fourier data.
const char* const Line_Captions[2] = {"Lines", "Envelope"};
const char* const Sticks_Captions[2] = {"Fills", "Lines"};

// A box renamed at run time keeps the width of its longest name, so renaming moves nothing.
void Reserve_Caption_Width(QCheckBox* box, const char* const (&captions)[2])
{
    const QString shown = box->text();
    int width = 0;
    for (const char* caption : captions) {
        box->setText(caption);
        width = std::max(width, box->sizeHint().width());
    }
    box->setText(shown);
    box->setMinimumWidth(width);
}
}  // namespace

Graph_Plot_Screen::Graph_Plot_Screen(const char* name, int16_t graphs, const char* print_name)
    : Screen(name, Plot_Width, Plot_Height), NumGraphs(graphs)
{
    Build_Output_Layout(*this, *this, All_Output_Parts);

    pct_Frame = Named_Control(new Picture_Box(this), "pct_Frame");
    auto* charts = new QVBoxLayout(pct_Frame);
    charts->setContentsMargins(5, 5, 5, 5);
    charts->setSpacing(5);
    for (int g = 0; g < graphs; ++g) {
        grf_Plot[g] = Named_Control(new Graph_Control(pct_Frame), QString("grf_Plot_%1").arg(g));
        grf_Plot[g]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        charts->addWidget(grf_Plot[g], 1);
    }
    Content->addWidget(pct_Frame, 1);

    fra_Back = Named_Control(new QGroupBox("Background", this), "fra_Back");
    auto* back = new QVBoxLayout(fra_Back);
    const char* const back_captions[] = {"White", "Blue", "Gray"};
    for (int i = 0; i <= 2; ++i) {
        opt_Back[i] = Named_Control(new QRadioButton(back_captions[i], fra_Back), QString("opt_Back_%1").arg(i));
        back->addWidget(opt_Back[i]);
    }
    opt_Back[1]->setChecked(true);

    Build_Grid_Style_Frames(this, *this, Line_Captions[0], Sticks_Captions[0]);
    Reserve_Caption_Width(chk_Line, Line_Captions);
    Reserve_Caption_Width(chk_Sticks, Sticks_Captions);
    chk_Line->setChecked(true);

    auto* options = new QHBoxLayout;
    options->setSpacing(4);
    for (QGroupBox* frame : {fra_Back, fra_Grid, fra_Style}) {
        frame->layout()->setContentsMargins(6, 2, 6, 4);
        frame->layout()->setSpacing(0);
        options->addWidget(frame);
    }
    Side->addLayout(options);
    Side->addStretch(1);

    cmd_Copy = Command("cmd_Copy", "&Copy");
    cmd_PlotPrint = Command(print_name, "&Print Form");
    cmd_Back = Back_Command("cmd_Back");
    cmd_Done = Next_Command("cmd_Done");

    Screen& s = *this;
    for (QCheckBox* box : {chk_HGrid, chk_VGrid, chk_Line, chk_Sticks}) On_Click(s, box, [this](bool) { Replot(); });
    for (QRadioButton* option : opt_Back) On_Click(s, option, [this] { opt_Back_Click(); });
    On_Click(s, cmd_Copy, [this] { cmd_Copy_Click(); });
    On_Click(s, cmd_PlotPrint, [this] { cmd_PlotPrint_Click(); });
    On_Click(s, cmd_Back, [this] { cmd_Back_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
}

void Graph_Plot_Screen::Form_Load() { grf_Plot[0]->GridStyle(0); }

void Graph_Plot_Screen::Form_Activate()
{
    Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, Plot_Height, Plot_Width);
    else Reset_Screen(*this, Plot_Height, Plot_Width);
    cmd_PlotPrint->setEnabled(true);
    cmd_Copy->setEnabled(true);
    {
        // Renaming the boxes is no click.
        auto quiet = Suspend_Events();
        chk_Line->setText(Line_Captions[s.FFT_Variable ? 1 : 0]);
        chk_Sticks->setText(Sticks_Captions[s.FFT_Variable ? 1 : 0]);
    }
    Set_Backgrounds();
    Replot();
}

void Graph_Plot_Screen::Set_Backgrounds()
{
    for (int i = 0; i <= 2; ++i) {
        if (!opt_Back[i]->isChecked()) continue;
        for (int g = 0; g < NumGraphs; ++g) grf_Plot[g]->Background(Back_Palette[i]);
        const int32_t frame[3] = {Dark_Blue, White, store().Color_Black};
        pct_Frame->BackColor(frame[i]);
    }
}

void Graph_Plot_Screen::Replot()
{
    Plot_Setup(*this, NumGraphs);
    Chart_Functions();
}

void Graph_Plot_Screen::opt_Back_Click()
{
    Set_Backgrounds();
    Replot();
}

void Graph_Plot_Screen::cmd_Copy_Click() { Copy_Advice(); }

void Graph_Plot_Screen::cmd_PlotPrint_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, Name() + ".PrintForm");
}

void Graph_Plot_Screen::cmd_Back_Click()
{
    Trap_Errors(Name() + ".Select Another", [this] {
        Hide();
        Screen& selection = Selection_Screen();
        Centerform(selection);
        selection.Show_Modal();
    });
}

void Graph_Plot_Screen::cmd_Done_Click()
{
    store().Reset_Selections = true;
    Hide();
}
