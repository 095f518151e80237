#include "selection/Selection_Role.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "platform/Combo_Box.h"
#include "platform/Control_Events.h"
#include "platform/Qt_Text.h"
#include "platform/Simple_Combo.h"
#include "runtime/Report_Error.h"
#include "selection/Variable_Lists.h"

namespace {
constexpr int Mag_Item = 2;

void Enable(QWidget* w, bool on)
{
    if (w) w->setEnabled(on);
}

void Set_Box_Text(Combo_Box* box, const std::string& text)
{
    if (box) box->Set_Text(text);
}

template <class Combo>
void Fill(Combo* combo, const std::vector<std::string>& items)
{
    if (!combo) return;
    combo->Clear();
    for (const std::string& item : items) combo->Add_Item(item);
}

std::string Text_Of(const Combo_Box* box) { return box ? box->Text() : std::string(); }
}  // namespace

std::string Offered_Text(const Combo_Box* box)
{
    const std::string text = Text_Of(box);
    for (int i = 0; box && i < box->List_Count(); ++i)
        if (box->List(i) == text) return text;
    return {};
}

namespace {
template <class T>
T* Of_Slot(const std::array<T*, 4>& controls, int slot)
{
    return slot >= 1 && slot <= 4 ? controls[slot - 1] : nullptr;
}
}  // namespace

QGroupBox* Selection_Role::Function_Frame(int slot) const
{
    return Of_Slot<QGroupBox>({fra_Function1, fra_Function2, fra_Function3, fra_Function4}, slot);
}
Combo_Box* Selection_Role::Var_Box(int slot) const { return Of_Slot<Combo_Box>({cmb_Var1, cmb_Var2, cmb_Var3, cmb_Var4}, slot); }
Combo_Box* Selection_Role::Com_Box(int slot) const { return Of_Slot<Combo_Box>({cmb_Com1, cmb_Com2, cmb_Com3, cmb_Com4}, slot); }
QPushButton* Selection_Role::OK_Button(int slot) const { return Of_Slot<QPushButton>({cmd_OK1, cmd_OK2, cmd_OK3, cmd_OK4}, slot); }
QPushButton* Selection_Role::Clear_Button(int slot) const
{
    return Of_Slot<QPushButton>({cmd_Clear1, cmd_Clear2, cmd_Clear3, cmd_Clear4}, slot);
}

bool Selection_Role::Mix_And_Match() const { return opt_PrintSet[1] && opt_PrintSet[1]->isChecked(); }

void Selection_Role::Set_Function_Label(int i, const std::string& caption)
{
    if (i < 0 || i > 3) Raise(Err::Subscript);
    if (lbl_Function[i]) lbl_Function[i]->setText(Q_Text(caption));
    Accepted.Function[i] = caption;
}

void Selection_Role::Set_Component_Label(int i, const std::string& caption)
{
    if (i < 0 || i > 3) Raise(Err::Subscript);
    if (lbl_Component[i]) lbl_Component[i]->setText(Q_Text(caption));
    Accepted.Component[i] = caption;
}

void Clear_Components(Selection_Role& screen, int16_t N)
{
    Trap_Errors("Clear_Components", [&] {
        for (int slot = 1; slot <= (N > 2 ? 4 : 2); ++slot) Set_Box_Text(screen.Com_Box(slot), "");
    });
}

void Clear_Variables(Selection_Role& screen, int16_t N)
{
    Trap_Errors("Clear_Variables", [&] {
        for (int slot = 1; slot <= (N > 2 ? 4 : 2); ++slot) Set_Box_Text(screen.Var_Box(slot), "");
    });
}

void Clear_Labels(Selection_Role& screen, int16_t N)
{
    for (int i = 0; i < N; ++i) {
        screen.Set_Function_Label(i, "");
        screen.Set_Component_Label(i, "");
    }
}

void Toggle_Coordinate(Selection_Role& screen, bool Enable_It)
{
    Trap_Errors("Toggle_Coordinate", [&] {
        Enable(screen.fra_Coord, Enable_It);
        Enable(screen.opt_Coord[1], Enable_It);
    });
}

void Enable_Functions(Selection_Role& screen, bool Enable_It, int16_t N)
{
    for (int slot = 1; slot <= (N > 2 ? 4 : 2); ++slot) {
        Enable(screen.Function_Frame(slot), Enable_It);
        Enable(screen.Var_Box(slot), Enable_It);
        Enable(screen.Com_Box(slot), Enable_It);
        Enable(screen.OK_Button(slot), Enable_It);
        Enable(screen.Clear_Button(slot), Enable_It);
    }
    for (int i = 0; i < N; ++i) {
        if (i > 3) Raise(Err::Subscript);
        Enable(screen.lbl_Var[i], Enable_It);
        Enable(screen.lbl_Comp[i], Enable_It);
    }
}

void Enable_Preset(Selection_Role& screen, bool Enable_It)
{
    Enable(screen.fra_Preset, Enable_It);
    Enable(screen.cmb_Preset, Enable_It);
    Enable(screen.cmd_ClearPreset, Enable_It);
}

void Clear_Preset(Selection_Role& screen, int16_t N)
{
    Clear_Labels(screen, N);
    Clear_Variables(screen, N);
    Clear_Components(screen, N);
    Enable_Functions(screen, false, N);
    if (screen.cmb_Preset) screen.cmb_Preset->Set_Text("");
    Enable(screen.cmd_Done, false);
}

void Set_Setup_Method(Selection_Role& screen, int16_t N)
{
    if (screen.opt_PrintSet[0] && screen.opt_PrintSet[0]->isChecked()) {
        Enable_Preset(screen, true);
        Clear_Variables(screen, N);
        Clear_Components(screen, N);
        Enable_Functions(screen, false, N);
        Set_Focus(screen.cmb_Preset);
    } else {
        Enable_Preset(screen, false);
        Clear_Variables(screen, N);
        Clear_Components(screen, N);
        Enable_Functions(screen, true, N);
        if (screen.cmb_Preset) screen.cmb_Preset->Set_Text("");
        Enable(screen.fra_Function1, true);
        Enable(screen.cmb_Var1, true);
        Enable(screen.cmd_Clear1, true);
        Set_Focus(screen.cmb_Var1);
        if (screen.cmb_Var1 && screen.cmb_Com1 && screen.cmb_Var1->List_Index() >= 0 && screen.cmb_Com1->List_Index() >= 0) {
            Enable(screen.cmd_OK1, true);
            Set_Focus(screen.cmd_OK1);
        } else {
            Set_Focus(screen.cmb_Var1);
        }
    }
    Clear_Labels(screen, N);
    Enable(screen.cmd_Done, false);
}

void Apply_Preset(Selection_Role& screen, int16_t N)
{
    Clear_Labels(screen, N);
    if (N == 2) Apply_Preset2(screen);
    else if (N == 4) Apply_Preset4(screen);
    Enable_Functions(screen, false, N);
    if (screen.cmb_Preset && !screen.cmb_Preset->Text().empty()) {
        Enable(screen.cmd_Done, true);
        Set_Focus(screen.cmd_Done);
    } else {
        Enable(screen.cmd_Done, false);
    }
}

namespace {
// Name is what the slot is classified by: a name its list offers, or a preset table's.
void Pick_Variable(Selection_Role& screen, const std::string& name, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot)
{
    Trap_Errors("Variable_Picked", [&] {
        Model_Store& s = store();
        screen.Set_Function_Label(Slot - 1, "");
        screen.Set_Component_Label(Slot - 1, "");
        Enable(screen.cmd_Done, false);
        Set_Variable(name, Slot);
        Toggle_Coordinate(screen, s.Local_Allowed && !s.FFT_Select);
        const bool move_focus = !s.FFT_Select && screen.Mix_And_Match();
        if (s.Scalar_Variable) {
            Enable(cmb_Com, false);
            if (cmb_Com) cmb_Com->Set_List_Index(Mag_Item);
            Enable(cmd_OK, true);
            if (move_focus) Set_Focus(cmd_OK);
        } else {
            Enable(cmb_Com, true);
            if (move_focus) Set_Focus(cmb_Com);
            Enable(cmd_OK, false);
        }
    });
}

void Accept_Slot(Selection_Role& screen, const std::string& name, Combo_Box* cmb_Var, Combo_Box* cmb_Com, QPushButton* cmd_OK,
                 int16_t Slot)
{
    Trap_Errors("Select_OK", [&] {
        Pick_Variable(screen, name, cmb_Com, cmd_OK, Slot);
        Component_Picked(screen, cmb_Com, cmd_OK, Slot);
        screen.Set_Function_Label(Slot - 1, Text_Of(cmb_Var));
        screen.Set_Component_Label(Slot - 1, Text_Of(cmb_Com));
        Enable(cmd_OK, true);
        Enable(screen.cmd_Done, true);
    });
}

// Fills the slots of a preset (when the title names one), then accepts every slot as it stands.
void Apply_Preset_Of(Selection_Role& screen, int16_t Type)
{
    const std::string title = screen.cmb_Preset ? screen.cmb_Preset->Text() : std::string();
    const std::optional<Preset_Slots> preset = Find_Preset(Type, title);
    if (preset) {
        for (int slot = 1; slot <= preset->Count; ++slot) {
            Set_Box_Text(screen.Var_Box(slot), preset->Variable[slot - 1]);
            Set_Box_Text(screen.Com_Box(slot), preset->Component[slot - 1]);
        }
    }
    // The table's names stand even where no list offers them ("Current FFT").
    for (int16_t slot = 1; slot <= Type; ++slot) {
        Combo_Box* var = screen.Var_Box(slot);
        Accept_Slot(screen, preset ? Text_Of(var) : Offered_Text(var), var, screen.Com_Box(slot), screen.OK_Button(slot), slot);
    }
}
}  // namespace

void Apply_Preset4(Selection_Role& screen)
{
    Apply_Preset_Of(screen, 4);
    store().Num_Functions = 4;
    store().Num_Columns = 4;
}

void Apply_Preset2(Selection_Role& screen)
{
    Apply_Preset_Of(screen, 2);
    store().Num_Functions = 2;
}

void Variable_Picked(Selection_Role& screen, Combo_Box* cmb_Var, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot)
{
    Pick_Variable(screen, Offered_Text(cmb_Var), cmb_Com, cmd_OK, Slot);
}

void Component_Picked(Selection_Role& screen, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot)
{
    Trap_Errors("Component_Picked", [&] {
        if (store().FFT_Select) return;
        Enable(cmd_OK, true);
        screen.Set_Component_Label(Slot - 1, "");
        Set_Component(Text_Of(cmb_Com), Slot);
        if (screen.Mix_And_Match()) Set_Focus(cmd_OK);
    });
}

void Select_OK(Selection_Role& screen, Combo_Box* cmb_Var, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot)
{
    Accept_Slot(screen, Offered_Text(cmb_Var), cmb_Var, cmb_Com, cmd_OK, Slot);
}

void Put_Coordinate_Labels(QLabel* lbl_Coord, int16_t Local)
{
    Trap_Errors("Put_Coordinate_Labels", [&] {
        if (lbl_Coord) lbl_Coord->setText(Local != 0 ? "Local Rotating" : "Global");
    });
}

void Put_Coordinate_Labels(Selection_Role& screen, int16_t Local) { Put_Coordinate_Labels(screen.lbl_Coord, Local); }

void Load_Lists(Selection_Role&, Combo_Box* cmb_Var, Combo_Box* cmb_Com)
{
    Load_Variables(cmb_Var);
    Load_Components(cmb_Com);
}

void Load_Components(Combo_Box* combo) { Fill(combo, Load_Components()); }
void Load_Variables(Combo_Box* combo) { Fill(combo, Load_Variables()); }
void Load_Polar_Variables(Combo_Box* combo) { Fill(combo, Load_Polar_Variables()); }

void Load_Presets(Simple_Combo* combo, int16_t Type)
{
    Trap_Errors("Load_Presets", [&] { Fill(combo, Load_Presets(Type)); });
}
