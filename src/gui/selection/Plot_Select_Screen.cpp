#include "selection/Plot_Select_Screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "output/Graph_Plot_Screen.h"
#include "output/Graph_Plots.h"
#include "output/Own_Plot_Form.h"
#include "platform/Control_Events.h"
#include "selection/Plot_Selection.h"
#include "selection/frm_PlotType.h"
#include "shell/Output_Layout.h"
#include "shell/frm_Help.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Select_Width = 11850;
constexpr int Select_Height = 8950;
constexpr int16_t Calc_Angle_Steps = 3;
constexpr int16_t Style_Aligned = 1;
constexpr int16_t Style_Annotated = 2;

QLabel* Accepted_Label(QWidget* parent, const QString& name)
{
    auto* label = Named_Control(new QLabel(parent), name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedHeight(22);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    return label;
}
}  // namespace

Plot_Select_Screen::Plot_Select_Screen(Shape shape)
    : Screen(shape.name, Select_Width, Select_Height), shape_(std::move(shape))
{
    Build();
    Wire();
}

void Plot_Select_Screen::Build()
{
    const int n = shape_.slot_count;
    menu_bar = new QMenuBar(this);
    mnu_Help = Named_Control(menu_bar->addAction("Help"), "mnu_Help");

    // Setup method and presets (not on the polar screen).
    fra_Setup = Named_Control(new QGroupBox("Choose Setup Method", this), "fra_Setup");
    opt_PrintSet[0] = Named_Control(new QRadioButton("Preset Formats", fra_Setup), "opt_PrintSet_0");
    opt_PrintSet[1] = Named_Control(new QRadioButton("Mix and Match", fra_Setup), "opt_PrintSet_1");
    opt_PrintSet[0]->setChecked(true);
    auto* setup = new QVBoxLayout(fra_Setup);
    setup->addWidget(opt_PrintSet[0]);
    setup->addWidget(opt_PrintSet[1]);
    setup->addStretch(1);

    fra_Preset = Named_Control(new QGroupBox("Select from Preset Formats", this), "fra_Preset");
    cmb_Preset = Named_Control(new Simple_Combo(fra_Preset), "cmb_Preset");
    cmd_ClearPreset = Named_Control(new QPushButton("&Clear", fra_Preset), "cmd_ClearPreset");
    auto* preset = new QGridLayout(fra_Preset);
    preset->addWidget(cmb_Preset, 0, 0, 2, 1);
    preset->addWidget(cmd_ClearPreset, 0, 1);
    preset->setColumnStretch(0, 1);
    preset->setRowStretch(1, 1);
    if (shape_.polar) {
        fra_Setup->hide();
        fra_Preset->hide();
        fra_Preset = nullptr;
        cmb_Preset = nullptr;
        cmd_ClearPreset = nullptr;
        opt_PrintSet = {};
    }

    // One row per slot: the slot's choice, then what it accepted.
    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(6);
    QGroupBox** frames[] = {&fra_Function1, &fra_Function2, &fra_Function3, &fra_Function4};
    Combo_Box** vars[] = {&cmb_Var1, &cmb_Var2, &cmb_Var3, &cmb_Var4};
    Combo_Box** coms[] = {&cmb_Com1, &cmb_Com2, &cmb_Com3, &cmb_Com4};
    QPushButton** oks[] = {&cmd_OK1, &cmd_OK2, &cmd_OK3, &cmd_OK4};
    QPushButton** clears[] = {&cmd_Clear1, &cmd_Clear2, &cmd_Clear3, &cmd_Clear4};
    for (int i = 0; i < n; ++i) {
        const QString k = QString::number(i + 1);
        QGroupBox* frame = *frames[i] = Named_Control(new QGroupBox("Function " + k, this), "fra_Function" + k);
        lbl_Var[i] = Named_Control(new QLabel("Variable", frame), QString("lbl_Var_%1").arg(i));
        lbl_Comp[i] = Named_Control(new QLabel("Component", frame), QString("lbl_Comp_%1").arg(i));
        Combo_Box* var = *vars[i] = Named_Control(new Combo_Box(true, frame), "cmb_Var" + k);
        Combo_Box* com = *coms[i] = Named_Control(new Combo_Box(true, frame), "cmb_Com" + k);
        QPushButton* ok = *oks[i] = Named_Control(new QPushButton("&OK", frame), "cmd_OK" + k);
        QPushButton* clear = *clears[i] = Named_Control(new QPushButton("&Clear", frame), "cmd_Clear" + k);
        var->setMinimumWidth(110);
        com->setMinimumWidth(56);
        ok->setMaximumWidth(56);
        clear->setMaximumWidth(56);
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->addWidget(lbl_Var[i], 0, 0);
        grid->addWidget(lbl_Comp[i], 0, 1);
        grid->addWidget(var, 1, 0);
        grid->addWidget(com, 1, 1);
        grid->addWidget(ok, 1, 2);
        grid->addWidget(clear, 1, 3);
        grid->setColumnStretch(0, 3);
        grid->setColumnStretch(1, 1);

        QGroupBox* plot = fra_Plot[i] = Named_Control(new QGroupBox(shape_.polar ? "Plot" : "Plot " + k, this), QString("fra_Plot_%1").arg(i));
        lbl_Function[i] = Accepted_Label(plot, QString("lbl_Function_%1").arg(i));
        lbl_Component[i] = Accepted_Label(plot, QString("lbl_Component_%1").arg(i));
        auto* accepted = new QHBoxLayout(plot);
        accepted->setContentsMargins(8, 4, 8, 6);
        accepted->addWidget(lbl_Function[i], 3);
        accepted->addWidget(lbl_Component[i], 1);
        lbl_Function[i]->setMinimumWidth(110);
        lbl_Component[i]->setMinimumWidth(36);
        if (shape_.polar) {
            // One vector variable, accepted as soon as it is chosen.
            lbl_Var[i]->setObjectName("Label1");
            // The role's routines pass over the controls this screen does not have.
            for (QWidget* w : std::initializer_list<QWidget*>{lbl_Comp[i], com, ok, lbl_Component[i]}) w->hide();
            lbl_Comp[i] = lbl_Component[i] = nullptr;
            *coms[i] = nullptr;
            *oks[i] = nullptr;
        }

        // The polar screen's single slot stacks its choice over what it accepted.
        rows->addWidget(frame, shape_.polar ? 0 : i, 0);
        rows->addWidget(plot, shape_.polar ? 1 : i, shape_.polar ? 0 : 1);
    }
    rows->setColumnStretch(0, 1);
    if (!shape_.polar) rows->setColumnStretch(1, 1);

    // Left column: the layout, the frame and the style.
    frm_Plotstyle = Named_Control(new QGroupBox(shape_.layout, this), "frm_Plotstyle");
    auto* sketches = new QVBoxLayout(frm_Plotstyle);
    sketches->setSpacing(3);
    const auto kind = shape_.polar ? Layout_Sketch::Kind::Polar : Layout_Sketch::Kind::Cartesian;
    for (int number : shape_.pictures) {
        auto* sketch = Named_Control(new Layout_Sketch(kind, frm_Plotstyle), QString("Picture%1").arg(number));
        Picture.push_back(sketch);
        sketches->addWidget(sketch);
    }

    fra_Coord = Named_Control(new QGroupBox("Coordinate System", this), "fra_Coord");
    opt_Coord[0] = Named_Control(new QRadioButton("Global", fra_Coord), "opt_Coord_0");
    opt_Coord[1] = Named_Control(new QRadioButton("Local Rotating", fra_Coord), "opt_Coord_1");
    opt_Coord[0]->setChecked(true);
    auto* coord = new QVBoxLayout(fra_Coord);
    coord->addWidget(opt_Coord[0]);
    coord->addWidget(opt_Coord[1]);

    auto* left = new QVBoxLayout;
    if (!shape_.polar) left->addWidget(fra_Setup);
    left->addWidget(frm_Plotstyle, 1);
    left->addWidget(fra_Coord);
    if (shape_.plot_style) {
        fra_Style = Named_Control(new QGroupBox("Choose Plot Style", this), "fra_Style");
        opt_Plotstyle[0] = Named_Control(new QRadioButton("Aligned", fra_Style), "opt_Plotstyle_0");
        opt_Plotstyle[1] = Named_Control(new QRadioButton("Annotated", fra_Style), "opt_Plotstyle_1");
        opt_Plotstyle[0]->setChecked(true);
        auto* style = new QVBoxLayout(fra_Style);
        style->addWidget(opt_Plotstyle[0]);
        style->addWidget(opt_Plotstyle[1]);
        left->addWidget(fra_Style);
    }

    auto* right = new QVBoxLayout;
    if (fra_Preset) right->addWidget(fra_Preset, 1);
    right->addLayout(rows);
    right->addStretch(n == 4 ? 0 : 1);

    back_ = Named_Control(new QPushButton("< &Back", this), shape_.back_name);
    cmd_Done = Named_Control(new QPushButton("&Next >", this), "cmd_Done");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(cmd_Done);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, shape_.polar ? 3 : 1);
    columns->addLayout(right, shape_.polar ? 2 : 3);
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu_bar);
    root->setContentsMargins(8, 4, 8, 8);
    root->addLayout(columns, 1);
    root->addLayout(buttons);
}

void Plot_Select_Screen::Wire()
{
    Screen& s = *this;
    for (int k = 1; k <= shape_.slot_count; ++k) {
        On_Click(s, Var_Box(k), [this, k] { cmb_Var_Click(k); });
        Select_All_On_Focus(Var_Box(k));
        On_Click(s, Clear_Button(k), [this, k] { cmd_Clear_Click(k); });
        if (shape_.polar) continue;
        On_Click(s, Com_Box(k), [this, k] { cmb_Com_Click(k); });
        On_Click(s, OK_Button(k), [this, k] { cmd_OK_Click(k); });
        Select_All_On_Focus(Com_Box(k));
    }
    if (cmb_Preset) {
        Select_All_On_Focus(cmb_Preset->Edit());
        for (QRadioButton* option : opt_PrintSet) On_Click(s, option, [this] { opt_PrintSet_Click(); });
        On_Click(s, cmb_Preset, [this] { cmb_Preset_Click(); });
        On_Change(s, cmb_Preset, [this] { cmb_Preset_Change(); });
        On_Double_Click(s, cmb_Preset, [this] { cmb_Preset_DblClick(); });
        On_Click(s, cmd_ClearPreset, [this] { cmd_ClearPreset_Click(); });
    }
    if (shape_.plot_style)
        for (QRadioButton* option : opt_Plotstyle) On_Click(s, option, [this] { opt_Plotstyle_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(s, back_, [this] { Back_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
}

void Plot_Select_Screen::Form_Load()
{
    store().Num_Plots = shape_.plots;
    cmd_Done->setEnabled(false);
    for (int k = 2; k <= shape_.slot_count; ++k) Function_Frame(k)->setEnabled(false);
    for (int k = 1; k <= shape_.slot_count; ++k) Com_Box(k)->setEnabled(false);
}

void Plot_Select_Screen::Size_Screen()
{
    if (store().Full_Screen) Maximize_Screen(*this, Select_Height, Select_Width);
    else Reset_Screen(*this, Select_Height, Select_Width);
}

void Plot_Select_Screen::mnu_Help_Click()
{
    Show_Help_Over(*this, "linkages/linkage_plot_help.pdf", "frm_plotselect1.mnu_Help_Click");
}

void Plot_Select_Screen::Load_Slot_Lists()
{
    for (int k = 1; k <= shape_.slot_count; ++k) Load_Lists(*this, Var_Box(k), Com_Box(k));
}

void Plot_Select_Screen::Global_Frame()
{
    store().Coord_System = 0;
    opt_Coord[0]->setChecked(true);
    Toggle_Coordinate(*this, false);
}

void Plot_Select_Screen::Plot_Style_Reset()
{
    if (store().Calc_Type != Calc_Angle_Steps) {
        opt_Plotstyle[0]->setEnabled(false);
        opt_Plotstyle[1]->setChecked(true);
        store().Plot_Style = Style_Annotated;
    } else {
        opt_Plotstyle[0]->setEnabled(true);
    }
}

void Plot_Select_Screen::opt_Plotstyle_Click()
{
    Model_Store& s = store();
    if (Fourier_Accepted(Accepted, shape_.slot_count)) {
        opt_Plotstyle[1]->setChecked(true);
        s.Plot_Style = Style_Annotated;
    } else {
        s.Plot_Style = opt_Plotstyle[0]->isChecked() ? Style_Aligned : Style_Annotated;
    }
}

void Plot_Select_Screen::Set_Coordinate_Frame()
{
    Model_Store& s = store();
    if (opt_Coord[0]->isChecked()) s.Coord_System = 0;
    if (opt_Coord[1]->isChecked()) s.Coord_System = shape_.polar ? 2 : 1;
}

void Plot_Select_Screen::Leave_For_Plot()
{
    Hide();
    Toggle_Coordinate(*this, false);
    opt_Coord[0]->setChecked(true);
}

void Plot_Select_Screen::cmb_Var_Click(int k)
{
    Variable_Picked(*this, Var_Box(k), Com_Box(k), OK_Button(k), static_cast<int16_t>(k));
}

void Plot_Select_Screen::cmb_Com_Click(int k) { Component_Picked(*this, Com_Box(k), OK_Button(k), static_cast<int16_t>(k)); }

void Plot_Select_Screen::cmd_OK_Click(int k)
{
    const int n = shape_.slot_count;
    Select_OK(*this, Var_Box(k), Com_Box(k), OK_Button(k), static_cast<int16_t>(k));
    // Accepting hands on to the next slot's variable box (the first one after the last slot): it
    // ends enabled, and focused in "Mix and Match" or when it belongs to a following slot.
    Combo_Box* next_box = Var_Box(k < n ? k + 1 : 1);
    next_box->setEnabled(true);
    if (Mix_And_Match() || k < n) Set_Focus(next_box);
    if (k < n) {
        if (OK_Opens_Next_Slot()) {
            lbl_Var[k]->setEnabled(true);
            lbl_Comp[k]->setEnabled(true);
            if (next_box->List_Index() >= 0 && Com_Box(k + 1)->List_Index() >= 0) OK_Button(k + 1)->setEnabled(true);
        }
    }
    After_OK(k);
    Toggle_Coordinate(*this, store().Local_Allowed);
    Slot_Check();
}

void Plot_Select_Screen::cmd_Clear_Click(int k)
{
    Combo_Box* var = Var_Box(k);
    Combo_Box* com = Com_Box(k);
    // Clearing is a choice like the user's (the labels empty), but leaves each box enabled or not.
    const bool var_enabled = !var->testAttribute(Qt::WA_ForceDisabled);
    const bool com_enabled = !com->testAttribute(Qt::WA_ForceDisabled);
    var->setEnabled(true);
    com->setEnabled(true);
    var->Set_List_Index(-1);
    com->Set_List_Index(-1);
    var->setEnabled(var_enabled);
    com->setEnabled(com_enabled);
    OK_Button(k)->setEnabled(false);
    cmd_Done->setEnabled(true);
    Slot_Check();
}

void Plot_Select_Screen::opt_PrintSet_Click()
{
    Set_Setup_Method(*this, shape_.slot_count);
    if (!Mix_And_Match()) {
        Set_Focus(cmb_Preset);
        return;
    }
    Toggle_Coordinate(*this, false);
    opt_Coord[0]->setChecked(true);
    Set_Focus(cmb_Var1);
    for (int k = First_OK_Disabled_By_Setup(); k <= shape_.slot_count; ++k) OK_Button(k)->setEnabled(false);
}

void Plot_Select_Screen::cmd_ClearPreset_Click() { Clear_Preset(*this, shape_.slot_count); }

void Plot_Select_Screen::Slot_Check()
{
    const int16_t n = shape_.slot_count;
    if (Count_Slots(Accepted, n).count == n) {
        cmd_Done->setEnabled(true);
        Set_Focus(cmd_Done);
    } else {
        cmd_Done->setEnabled(false);
    }
    store().Num_Functions = n;
}

void Plot_Select_Screen::Back_Click()
{
    Hide();
    if (Back_Unsets_Frame()) Toggle_Coordinate(*this, false);
    frm_PlotType& type = Form<frm_PlotType>();
    Centerform(type);
    type.Show_Modal();
}

void Plot_Select_Screen::Next_By_Style(Own_Plot_Form& own, Graph_Plot_Screen& graph)
{
    Model_Store& s = store();
    Set_Coordinate_Frame();
    Hide();
    opt_Plotstyle_Click();
    if (s.Plot_Style == Style_Aligned) {
        MyPlotSetup(own, s.Num_Plots);
        Centerform(own);
        own.Show_Modal();
    } else if (s.Plot_Style == Style_Annotated) {
        Plot_Setup(graph, s.Num_Plots);
        Plot(graph, Accepted, s.Num_Plots);
        Centerform(graph);
        graph.Show_Modal();
    }
    // Still up: the plot screen's Back brought it up again and Help ended that modal wait, leaving
    // it modeless for a new selection that this Next has no part in.
    if (!isVisible()) Leave_For_Plot();
}
