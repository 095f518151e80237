#include "dynamics/frm_FFT.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dynamics/mod_DFT.h"
#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "output/Report_Output.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "selection/Selection_Record.h"
#include "shell/frm_Help.h"

namespace {
constexpr int FFT_Width = 11850;
constexpr int FFT_Height = 8950;
constexpr int16_t Most_Ticks = 15;
constexpr int16_t Last_Result_Row = 512;

// The harmonic count typed or chosen in the box: its leading number, halves to even, held to the
// 16-bit range so that a count too large for it is refused like any other too large.
int16_t Harmonics_In(const Combo_Box& box) { return Print_Box_Value(box.Text()); }
}  // namespace

frm_FFT::frm_FFT() : Screen("frm_FFT", FFT_Width, FFT_Height)
{
    Build();
    Wire();
}

void frm_FFT::Build()
{
    Build_Output_Layout(*this, *this, Help_Menu | Report_Titles);
    lbl_Header3->hide();  // one title: the transformed function

    // The four charts, real part on top.
    const char* const titles[] = {"Real", "Img", "Mag", "Phs"};
    for (int g = 0; g <= 3; ++g) {
        grf_Plot[g] = Named_Control(new Graph_Control(this), QString("grf_Plot_%1").arg(g));
        grf_Plot[g]->GraphTitle(titles[g]);
        grf_Plot[g]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        Content->addWidget(grf_Plot[g], 1);
    }

    // Beside them: the function, grid and style.
    fra_Function1 = Named_Control(new QGroupBox("Function for FFT", this), "fra_Function1");
    cmb_Var1 = Named_Control(new Combo_Box(true, fra_Function1), "cmb_Var1");
    cmb_Com1 = Named_Control(new Combo_Box(true, fra_Function1), "cmb_Com1");
    cmb_Harmonics = Named_Control(new Combo_Box(true, fra_Function1), "cmb_Harmonics");
    cmb_Harmonics->Set_Text("15");
    cmd_Clear1 = Named_Control(new QPushButton("&Clear", fra_Function1), "cmd_Clear1");
    auto* function = new QGridLayout(fra_Function1);
    function->addWidget(new QLabel("Variable", fra_Function1), 0, 0);
    function->addWidget(cmb_Var1, 0, 1);
    function->addWidget(new QLabel("Component", fra_Function1), 1, 0);
    function->addWidget(cmb_Com1, 1, 1);
    function->addWidget(new QLabel("No of Harmonics", fra_Function1), 2, 0);
    function->addWidget(cmb_Harmonics, 2, 1);
    function->addWidget(cmd_Clear1, 3, 1, Qt::AlignRight);
    function->setColumnStretch(1, 1);

    Build_Grid_Style_Frames(this, *this, "Envelope", "Spectral Lines");
    auto* options = new QHBoxLayout;
    options->addWidget(fra_Grid);
    options->addWidget(fra_Style, 1);

    Side->addWidget(fra_Function1);
    Side->addLayout(options);
    Side->addStretch(1);

    cmd_Calc = Command("cmd_Calc", "&Calculate");
    cmd_Print = Command("cmd_Print", "&Print");
    cmd_copy = Command("cmd_copy", "C&opy");
    cmd_Cancel = Back_Command("cmd_Cancel");
    cmd_Done = Next_Command("cmd_Done");
}

void frm_FFT::Wire()
{
    Screen& s = *this;
    On_Click(s, cmb_Var1, [this] { cmb_Var1_Click(); });
    On_Click(s, cmb_Com1, [this] { cmd_Calc_Click(); });
    On_Click(s, cmb_Harmonics, [this] { cmb_Harmonics_Click(); });
    On_Enter(s, cmb_Var1, [this] { cmb_Var1_Click(); });
    On_Enter(s, cmb_Harmonics, [this] { cmb_Harmonics_Click(); });
    for (QWidget* box : {static_cast<QWidget*>(cmb_Var1), static_cast<QWidget*>(cmb_Com1), static_cast<QWidget*>(cmb_Harmonics)})
        Select_All_On_Focus(box);
    for (QCheckBox* box : {chk_HGrid, chk_VGrid, chk_Line, chk_Sticks}) On_Click(s, box, [this](bool) { Redraw(); });
    On_Click(s, cmd_Calc, [this] { cmd_Calc_Click(); });
    On_Click(s, cmd_Clear1, [this] { cmd_Clear1_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(s, cmd_Cancel, [this] { cmd_Cancel_Click(); });
    On_Click(s, cmd_Print, [this] { cmd_Print_Click(); });
    On_Click(s, cmd_copy, [this] { cmd_copy_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
}

void frm_FFT::Form_Load()
{
    auto quiet = Suspend_Events();
    for (Graph_Control* g : grf_Plot) g->GridStyle(0);
    Load_Components(cmb_Com1);
    cmb_Com1->Set_List_Index(0);
    Set_Component(cmb_Com1->Text(), 1);
    cmb_Harmonics->Set_Text("15");
    store().FFT_Harmonics = 15;
    K = Most_Ticks;
}

void frm_FFT::Form_Activate()
{
    Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, FFT_Height, FFT_Width);
    else Reset_Screen(*this, FFT_Height, FFT_Width);
    cmd_Print->setEnabled(true);
    cmd_copy->setEnabled(true);
    s.FFT_Done = false;
    cmd_Done->setEnabled(false);
    {
        auto quiet = Suspend_Events();
        Load_Variables(cmb_Var1);
    }
    cmb_Var1->setEnabled(true);
    Set_Focus(cmb_Var1);
    s.Plot_Type = 5;
    s.Num_Plots = 4;
    s.Num_Functions = 1;
    // Vector components are transformed in the global frame, whatever the last table or plot used.
    s.Coord_System = 0;
    Load_Harmonics();
    Clear_Results_Shown();
    Redraw();
    s.FFT_Select = true;
    lbl_Header2->clear();
}

void frm_FFT::Load_Harmonics()
{
    auto quiet = Suspend_Events();
    Model_Store& s = store();
    cmb_Harmonics->Clear();
    const std::vector<int16_t> counts = Harmonics_List(s.Num_Steps);
    cmb_Harmonics->Add_Item(Plain(static_cast<int>(counts.front())));
    cmb_Harmonics->Set_Text(Str(static_cast<int>(counts.front())));
    for (size_t i = 1; i < counts.size(); ++i) cmb_Harmonics->Add_Item(Plain(static_cast<int>(counts[i])));
    s.FFT_Harmonics = counts.front();
}

void frm_FFT::Clear_Results_Shown()
{
    // Sound behaviour: the whole result table, not only this sweep's rows, so that a harmonic
    // count past them shows 0 rather than an earlier, longer sweep's transform.
    int16_t all_rows = Last_Result_Row;
    Clear_Result(all_rows);
    int16_t n = Half_Count(store().Num_Steps);
    Clear_Transform(n);
}

void frm_FFT::Redraw()
{
    FFT_Plot_Setup();
    FFT_Plot();
}

bool frm_FFT::Harmonics_Valid(int16_t count)
{
    if (count > 0) return true;
    MsgBox(" Must set the number of harmonics to a value > 0", Msg::Ok_Only + Msg::Exclamation);
    Set_Focus(cmb_Harmonics);
    ui().Set_Mouse_Pointer(Pointer::Default);
    return false;
}

bool frm_FFT::Function_Valid()
{
    // A typed name the list does not offer would leave the slot holding an earlier function,
    // whose transform would then pass for this one.
    const std::string text = cmb_Var1->Text();
    if (!text.empty() && cmb_Var1->findText(Q_Text(text), Qt::MatchExactly) >= 0) return true;
    MsgBox(" Please select a function for FFT calculation", Msg::Ok_Only + Msg::Question);
    Set_Focus(cmb_Var1);
    ui().Set_Mouse_Pointer(Pointer::Default);
    return false;
}

void frm_FFT::Take_Harmonics(int16_t count)
{
    Model_Store& s = store();
    const bool cut = Limit_Harmonics(count, s.Num_Steps);
    s.FFT_Harmonics = count;
    if (!cut) return;
    {
        auto quiet = Suspend_Events();
        cmb_Harmonics->Set_Text(Str(static_cast<int>(s.FFT_Harmonics)));
    }
    MsgBox("Number of harmonics cannot exceed 1/2 the number of data points available.\r"
           "If you want more bandwidth, recalculate all data with smaller increments. \r"
           "Use the [INPUT] button from the Home Screen to do so.",
           Msg::Ok_Only + Msg::Question);
}

void frm_FFT::cmb_Harmonics_Click()
{
    Trap_Errors("cmb_Harmonics_Click", [this] {
        Model_Store& s = store();
        // A refused count leaves the transform shown, and its count, as they were.
        const int16_t count = Harmonics_In(*cmb_Harmonics);
        if (!Harmonics_Valid(count)) return;
        if (!Function_Valid()) return;
        Take_Harmonics(count);
        K = s.FFT_Harmonics < Most_Ticks ? s.FFT_Harmonics : Most_Ticks;
        Redraw();
    });
}

void frm_FFT::cmd_Calc_Click()
{
    Trap_Errors("frm_FFT_cmb_Calc_Click", [this] {
        Model_Store& s = store();
        const int16_t count = Harmonics_In(*cmb_Harmonics);
        if (!Harmonics_Valid(count)) {
            cmb_Var1->Set_Text("");
            return;
        }
        if (!Function_Valid()) return;
        Take_Harmonics(count);
        Set_Variable(cmb_Var1->Text(), 1);
        s.FFT_Unit = s.Unit_Label(s.Var_Type(1));
        Set_Component(cmb_Com1->Text(), 1);
        Compute(s.Num_Steps);
        s.FFT_Done = true;
        Redraw();
        ui().Set_Mouse_Pointer(Pointer::Default);
        cmd_Done->setEnabled(true);
        Set_Focus(cmd_Done);
    });
}

void frm_FFT::cmb_Var1_Click()
{
    if (Function_Valid()) {
        Model_Store& s = store();
        s.Report_Title = "Fourier Transform of  " + cmb_Var1->Text();
        lbl_Header2->setText(Q_Text(s.Report_Title));
        cmd_Calc_Click();
        return;
    }
    // Sound behaviour: the cleared rows are no transform, so Next no longer offers them as one.
    Clear_Results_Shown();
    store().FFT_Done = false;
    Redraw();
    cmd_Done->setEnabled(false);
    Set_Focus(cmb_Var1);
}

void frm_FFT::cmd_Clear1_Click()
{
    auto quiet = Suspend_Events();
    cmb_Var1->Set_List_Index(-1);
    Clear_Results_Shown();
    store().FFT_Done = false;
    Redraw();
    cmd_Done->setEnabled(false);
}

void frm_FFT::FFT_Plot_Setup()
{
    Trap_Errors("FFT_Plot_Setup", [this] {
        Model_Store& s = store();
        for (Graph_Control* g : grf_Plot) g->setVisible(true);
        Titlebox(*this);
        for (int g = 0; g < s.Num_Plots; ++g) {
            if (g >= static_cast<int>(grf_Plot.size())) Raise(Err::Subscript);
            SetGridstyle(*this, s.Num_Plots);
            Graph_Control& plot = *grf_Plot[static_cast<size_t>(g)];
            float t = static_cast<float>(s.FFT_Harmonics) / static_cast<float>(K);
            if (t < 1) t = 1;
            plot.TickEvery(CInt(t));
            plot.LabelEvery(CInt(t));
            plot.NumPoints(To_Int16(s.FFT_Harmonics + 1));
            plot.BottomTitle("Harmonic Number");
            plot.FontUse(4);
            plot.FontSize(100);
            plot.FontStyle(2);
            plot.FontFamily(1);
            plot.FontUse(0);
            plot.FontSize(120);
        }
    });
}

void frm_FFT::FFT_Plot()
{
    Trap_Errors("FFT_Plot", [this] {
        Model_Store& s = store();
        for (int g = 0; g <= 3; ++g) {
            Graph_Control& plot = *grf_Plot[static_cast<size_t>(g)];
            plot.DrawMode(2);
            plot.ThisSet(1);
            plot.PatternedLines(1);
            plot.PatternData(0);
            plot.ThickLines(0);
            s.Plot_Slot = static_cast<int16_t>(g + 1);
            for (int i = 0; i <= s.FFT_Harmonics; ++i) {
                plot.ThisPoint(To_Int16(i + 1));
                plot.GraphData(s.Current_FFT(i, g));
                plot.LabelText(i);
            }
        }
    });
}

void frm_FFT::cmd_Done_Click()
{
    store().FFT_Select = false;
    MsgBox(" The FFT of the selected function is \r now available for output as \r 'Current FFT' from the Preset Format\r"
           " lists on the PRINT and PLOT screens",
           Msg::Ok_Only + Msg::Information);
    Hide();
}

void frm_FFT::cmd_Cancel_Click()
{
    Model_Store& s = store();
    s.FFT_Select = false;
    s.FFT_Done = false;
    Hide();
}

void frm_FFT::cmd_Print_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, "frm_FFT.PrintForm");
}

void frm_FFT::cmd_copy_Click()
{
    Copy_Advice();
}

void frm_FFT::mnu_Help_Click()
{
    Show_Help_Over(*this, "linkages/linkage_fft_help.pdf", "frm_FFT.mnu_help_Click");
}
