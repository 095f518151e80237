#include "selection/frm_PrintSelect.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dynamics/frm_FFT.h"
#include "model/Mod_Main.h"
#include "output/Report_Output.h"
#include "output/frm_PrintData.h"
#include "platform/Control_Events.h"
#include "platform/Printer.h"
#include "platform/Qt_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/frm_Help.h"
#include "shell/Output_Layout.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Select_Width = 11850, Select_Height = 8950;

QString Indexed(const char* name, int i) { return QString("%1_%2").arg(name).arg(i); }

int16_t Whole_Number(const Combo_Box& box) { return Print_Box_Value(box.Text()); }

const char* const Step_Refused = "Print Every must be a whole number of 1 or more.";
}  // namespace

frm_PrintSelect::frm_PrintSelect() : Screen("frm_PrintSelect", Select_Width, Select_Height)
{
    Build();
    Wire();
}

void frm_PrintSelect::Build()
{
    menu_bar = new QMenuBar(this);
    mnu_Help = Named_Control(menu_bar->addAction("Help"), "mnu_Help");

    SSFrame3 = Named_Control(new QGroupBox("Choose Setup Method", this), "SSFrame3");
    auto* method = new QVBoxLayout(SSFrame3);
    const char* const methods[] = {"Preset Formats", "Mix and Match"};
    for (int i = 0; i < 2; ++i) {
        opt_PrintSet[i] = Named_Control(new QRadioButton(methods[i], SSFrame3), Indexed("opt_PrintSet", i));
        method->addWidget(opt_PrintSet[i]);
    }
    opt_PrintSet[0]->setChecked(true);
    method->addStretch(1);

    fra_Preset = Named_Control(new QGroupBox("Select from Preset Formats", this), "fra_Preset");
    cmb_Preset = Named_Control(new Simple_Combo(fra_Preset), "cmb_Preset");
    cmd_ClearPreset = Named_Control(new QPushButton("&Clear", fra_Preset), "cmd_ClearPreset");
    auto* preset = new QHBoxLayout(fra_Preset);
    preset->addWidget(cmb_Preset, 1);
    preset->addWidget(cmd_ClearPreset, 0, Qt::AlignBottom);

    auto* top = new QHBoxLayout;
    top->addWidget(SSFrame3);
    top->addWidget(fra_Preset, 1);

    // The four slots, side by side.
    std::array<QGroupBox**, 4> frames{&fra_Function1, &fra_Function2, &fra_Function3, &fra_Function4};
    std::array<Combo_Box**, 4> vars{&cmb_Var1, &cmb_Var2, &cmb_Var3, &cmb_Var4}, coms{&cmb_Com1, &cmb_Com2, &cmb_Com3, &cmb_Com4};
    std::array<QPushButton**, 4> oks{&cmd_OK1, &cmd_OK2, &cmd_OK3, &cmd_OK4}, clears{&cmd_Clear1, &cmd_Clear2, &cmd_Clear3, &cmd_Clear4};
    auto* slots_row = new QHBoxLayout;
    auto* columns_row = new QHBoxLayout;
    for (int k = 1; k <= 4; ++k) {
        QGroupBox* f = *frames[k - 1] = Named_Control(new QGroupBox(QString("Function %1").arg(k), this), QString("fra_Function%1").arg(k));
        lbl_Var[k - 1] = Named_Control(new QLabel("Variable", f), Indexed("lbl_Var", k - 1));
        *vars[k - 1] = Named_Control(new Combo_Box(true, f), QString("cmb_Var%1").arg(k));
        lbl_Comp[k - 1] = Named_Control(new QLabel("Component", f), Indexed("lbl_Comp", k - 1));
        *coms[k - 1] = Named_Control(new Combo_Box(true, f), QString("cmb_Com%1").arg(k));
        *oks[k - 1] = Named_Control(new QPushButton("&OK", f), QString("cmd_OK%1").arg(k));
        *clears[k - 1] = Named_Control(new QPushButton("&Clear", f), QString("cmd_Clear%1").arg(k));
        // The style's wide default for buttons would push four slots past the design width.
        for (QPushButton* b : {*oks[k - 1], *clears[k - 1]}) b->setMinimumWidth(60);
        auto* g = new QGridLayout(f);
        g->addWidget(lbl_Var[k - 1], 0, 0, 1, 2);
        g->addWidget(*vars[k - 1], 1, 0, 1, 2);
        g->addWidget(lbl_Comp[k - 1], 2, 0, 1, 2);
        g->addWidget(*coms[k - 1], 3, 0, 1, 2);
        g->addWidget(*oks[k - 1], 4, 0);
        g->addWidget(*clears[k - 1], 4, 1);
        g->setRowStretch(5, 1);
        slots_row->addWidget(f, 1);

        QGroupBox* column = fra_Plot[k - 1] = Named_Control(new QGroupBox(QString("Column %1").arg(k), this), Indexed("fra_Plot", k - 1));
        lbl_Function[k - 1] = Named_Control(new QLabel(column), Indexed("lbl_Function", k - 1));
        lbl_Component[k - 1] = Named_Control(new QLabel(column), Indexed("lbl_Component", k - 1));
        auto* c = new QVBoxLayout(column);
        for (QLabel* l : {lbl_Function[k - 1], lbl_Component[k - 1]}) {
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAlignment(Qt::AlignCenter);
            l->setMinimumHeight(22);
            c->addWidget(l);
        }
        c->addStretch(1);
        columns_row->addWidget(column, 1);
    }

    fra_Coord = Named_Control(new QGroupBox("Coordinate System", this), "fra_Coord");
    auto* coord = new QVBoxLayout(fra_Coord);
    const char* const frames_of_reference[] = {"Global", "Local Rotating"};
    for (int i = 0; i < 2; ++i) {
        opt_Coord[i] = Named_Control(new QRadioButton(frames_of_reference[i], fra_Coord), Indexed("opt_Coord", i));
        coord->addWidget(opt_Coord[i]);
    }
    opt_Coord[0]->setChecked(true);

    auto small_frame = [this](QGroupBox*& frame, Combo_Box*& box, const char* title, const char* frame_name, const char* box_name) {
        frame = Named_Control(new QGroupBox(title, this), frame_name);
        box = Named_Control(new Combo_Box(true, frame), box_name);
        auto* l = new QVBoxLayout(frame);
        l->addWidget(box);
        l->addStretch(1);
    };
    small_frame(SSFrame1, cmb_Step, "Print Every", "SSFrame1", "cmb_Step");
    small_frame(SSFrame2, cmb_Decimal, "Decimal Plcs", "SSFrame2", "cmb_Decimal");

    fra_Whereto = Named_Control(new QGroupBox("Direct Output to:", this), "fra_Whereto");
    auto* whereto = new QVBoxLayout(fra_Whereto);
    const char* const places[] = {"Screen", "Printer", "Disk File"};
    for (int i = 0; i < 3; ++i) {
        opt_Whereto[i] = Named_Control(new QRadioButton(places[i], fra_Whereto), Indexed("opt_Whereto", i));
        whereto->addWidget(opt_Whereto[i]);
    }
    opt_Whereto[0]->setChecked(true);

    cmd_Cancel = Named_Control(new QPushButton("< &Back", this), "cmd_Cancel");
    cmd_Done = Named_Control(new QPushButton("&Next >", this), "cmd_Done");
    auto* commands = new QVBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cmd_Cancel);
    commands->addWidget(cmd_Done);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fra_Coord);
    bottom->addWidget(SSFrame1);
    bottom->addWidget(SSFrame2);
    bottom->addWidget(fra_Whereto);
    bottom->addStretch(1);
    bottom->addLayout(commands);

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu_bar);
    root->setContentsMargins(10, 6, 10, 10);
    // A larger screen gives its room to the preset list.
    root->addLayout(top, 1);
    root->addLayout(slots_row);
    root->addLayout(columns_row);
    root->addLayout(bottom);
}

void frm_PrintSelect::Wire()
{
    Screen& s = *this;
    for (int i = 0; i < 2; ++i) On_Click(s, opt_PrintSet[i], [this, i] { opt_PrintSet_Click(i); });
    On_Click(s, cmb_Preset, [this] { cmb_Preset_Click(); });
    On_Double_Click(s, cmb_Preset, [this] { cmb_Preset_DblClick(); });
    On_Change(s, cmb_Preset, [this] { cmb_Preset_Change(); });
    Select_All_On_Focus(cmb_Preset);
    On_Click(s, cmd_ClearPreset, [this] { cmd_ClearPreset_Click(); });
    for (int16_t k = 1; k <= 4; ++k) {
        Combo_Box* var = Var_Box(k);
        Combo_Box* com = Com_Box(k);
        QPushButton* ok = OK_Button(k);
        auto variable = [this, var, com, ok, k] { Variable_Picked(*this, var, com, ok, k); };
        auto component = [this, com, ok, k] { Component_Picked(*this, com, ok, k); };
        On_Click(s, var, variable);
        On_Change(s, var, variable);
        On_Click(s, com, component);
        On_Change(s, com, component);
        Select_All_On_Focus(var);
        Select_All_On_Focus(com);
        On_Click(s, ok, [this, k] { cmd_OK_Click(k); });
        On_Click(s, Clear_Button(k), [this, k] { cmd_Clear_Click(k); });
    }
    On_Click(s, cmb_Decimal, [this] { cmb_Decimal_Click(); });
    On_Change(s, cmb_Decimal, [this] { cmb_Decimal_Click(); });
    On_Click(s, cmb_Step, [this] { cmb_Step_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(s, cmd_Cancel, [this] { cmd_Cancel_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
}

void frm_PrintSelect::Form_Load()
{
    auto quiet = Suspend_Events();
    Enable_Functions(*this, false, 4);
    Toggle_Coordinate(*this, false);
    for (const char* step : {"1", "2", "3", "5", "10"}) cmb_Step->Add_Item(step);
    for (int d = 0; d <= 6; ++d) cmb_Decimal->Add_Item(std::to_string(d));
    cmb_Step->Set_Text("1");
    cmb_Decimal->Set_Text("3");
}

void frm_PrintSelect::Form_Activate()
{
    Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, Select_Height, Select_Width);
    else Reset_Screen(*this, Select_Height, Select_Width);
    cmd_Done->setEnabled(false);
    Clear_Labels(*this, 4);
    if (s.Reset_Selections) {
        for (int k = 1; k <= 4; ++k) Load_Lists(*this, Var_Box(k), Com_Box(k));
        Load_Presets(cmb_Preset, 4);
    }
    s.Plot_Type = 3;
    Setup();
    if (cmb_Preset->isEnabled()) Set_Focus(cmb_Preset);
    opt_Whereto[0]->setChecked(true);
}

void frm_PrintSelect::Setup()
{
    if (opt_PrintSet[0]->isChecked()) {
        Enable_Preset(*this, true);
        Enable_Functions(*this, false, 4);
        Set_Focus(cmb_Preset);
    } else {
        Enable_Preset(*this, false);
        Enable_Functions(*this, true, 4);
        for (QWidget* w : std::initializer_list<QWidget*>{cmb_Var1, lbl_Var[0], lbl_Comp[0], cmd_Clear1}) w->setEnabled(true);
        if (cmb_Var1->List_Index() >= 0 && cmb_Com1->List_Index() >= 0) {
            cmd_OK1->setEnabled(true);
            Set_Focus(cmd_OK1);
        } else {
            Set_Focus(cmb_Var1);
        }
    }
    Clear_Labels(*this, 4);
}

void frm_PrintSelect::opt_PrintSet_Click(int Index)
{
    Setup();
    if (Index == 0) {
        Set_Focus(cmb_Preset);
        Clear_Variables(*this, 4);
        Clear_Components(*this, 4);
    } else {
        Toggle_Coordinate(*this, false);
        opt_Coord[0]->setChecked(true);
        Set_Focus(cmb_Var1);
    }
    cmd_Done->setEnabled(false);
}

void frm_PrintSelect::cmb_Preset_Click()
{
    Clear_Labels(*this, 4);
    store().Num_Columns = 4;
    Apply_Preset(*this, 4);
    Count_Check();
}

void frm_PrintSelect::cmb_Preset_DblClick()
{
    cmb_Preset_Click();
    cmd_Done_Click();
}

void frm_PrintSelect::cmb_Preset_Change()
{
    // A preset comes from the list only: typed text goes again at once.
    cmb_Preset->Set_Text("");
    if (opt_PrintSet[0]->isChecked()) Set_Focus(cmb_Preset);
}

void frm_PrintSelect::cmd_ClearPreset_Click() { Clear_Preset(*this, 4); }

void frm_PrintSelect::cmd_OK_Click(int16_t Slot)
{
    Select_OK(*this, Var_Box(Slot), Com_Box(Slot), OK_Button(Slot), Slot);
    if (Slot < 4 && Mix_And_Match()) {
        const int16_t next = static_cast<int16_t>(Slot + 1);
        Var_Box(next)->setEnabled(true);
        Set_Focus(Var_Box(next));
        lbl_Var[Slot]->setEnabled(true);
        lbl_Comp[Slot]->setEnabled(true);
        Clear_Button(next)->setEnabled(true);
        if (Var_Box(next)->List_Index() >= 0 && Com_Box(next)->List_Index() >= 0) OK_Button(next)->setEnabled(true);
    }
    Count_Check();
}

void frm_PrintSelect::Count_Check()
{
    int accepted = 0;
    for (const std::string& f : Accepted.Function) accepted += f.empty() ? 0 : 1;
    if (accepted == 4) {
        cmd_Done->setEnabled(true);
        Set_Focus(cmd_Done);
    } else {
        cmd_Done->setEnabled(false);
    }
    store().Num_Columns = 4;
}

void frm_PrintSelect::cmd_Clear_Click(int16_t Slot)
{
    // Clearing the choices runs the boxes' click handling, which would enable a component box
    // that a scalar variable had disabled: it stays as it was.
    Combo_Box* com = Com_Box(Slot);
    const bool com_enabled = com->isEnabled();
    Var_Box(Slot)->Set_List_Index(-1);
    com->Set_List_Index(-1);
    com->setEnabled(com_enabled);
    OK_Button(Slot)->setEnabled(false);
}

void frm_PrintSelect::cmb_Decimal_Click() { store().Print_Decimals = Whole_Number(*cmb_Decimal); }

void frm_PrintSelect::cmb_Step_Click()
{
    Model_Store& s = store();
    s.Print_Step = s.FFT_Variable ? int16_t(1) : Whole_Number(*cmb_Step);
}

void frm_PrintSelect::cmd_Done_Click()
{
    Model_Store& s = store();
    // Before the screen goes or a dialog comes up, so the step can be put right at once.
    if (!s.FFT_Variable && Whole_Number(*cmb_Step) < 1) {
        MsgBox(Step_Refused, Msg::Ok_Only | Msg::Exclamation);
        Set_Focus(cmb_Step);
        return;
    }
    for (int16_t i = 0; i < 3; ++i)
        if (opt_Whereto[i]->isChecked()) s.Print_Destination = i;
    s.Coord_System = opt_Coord[1]->isChecked() ? 1 : 0;
    Hide();
    Toggle_Coordinate(*this, false);
    opt_Coord[0]->setChecked(true);
    s.Print_Step = s.FFT_Variable ? int16_t(1) : Whole_Number(*cmb_Step);
    s.Print_Decimals = Whole_Number(*cmb_Decimal);
    switch (s.Print_Destination) {
    case 0:
        Multiprint(Form<frm_PrintData>(), Accepted);
        break;
    case 1:
        Trap_Dialog_Errors("frm_PrintSelect.PrintForm", [this] {
            CommonDialog1.ShowPrinter();
            Set_Report_Titles(Form<frm_FFT>().Chosen_Variable());
            Print_to_Printer(Printer(), Accepted);
        });
        break;
    case 2:
        Trap_Dialog_Errors("frm_PrintSelect.SaveData", [this, &s] {
            CommonDialog1.DialogTitle = "Save the Data";
            CommonDialog1.Filter = "(*.dat)|*.dat";
            CommonDialog1.FileName = s.Model_Name + ".dat";
            CommonDialog1.Flags = Cdl::Overwrite_Prompt;
            CommonDialog1.DefaultExt = "dat";  // so that the header can name the file
            CommonDialog1.ShowSave();
            Set_Report_Titles(Form<frm_FFT>().Chosen_Variable());
            // The data file's name goes to the writer: the model keeps its own name and path.
            Print_to_File(CommonDialog1.FileName, StripFilename(CommonDialog1.FileName), Accepted);
        });
        break;
    default:
        break;
    }
    ui().Set_Mouse_Pointer(Pointer::Default);
}

void frm_PrintSelect::cmd_Cancel_Click()
{
    Hide();
    Toggle_Coordinate(*this, false);
}

void frm_PrintSelect::mnu_Help_Click()
{
    Show_Help_Over(*this, "general/PrintHelp.pdf", "frm_plotselect1.mnu_Help_Click");
}
