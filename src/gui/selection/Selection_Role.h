// The controls that the selection screens (print selection, the plot selections, the Fourier
// screen) share under the same names, and the routines that serve any of them. A screen leaves
// null the controls it does not have; the routines pass over them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "selection/Selection_Record.h"

class Combo_Box;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Simple_Combo;

struct Selection_Role {
    QGroupBox *fra_Function1 = nullptr, *fra_Function2 = nullptr, *fra_Function3 = nullptr, *fra_Function4 = nullptr;
    Combo_Box *cmb_Var1 = nullptr, *cmb_Var2 = nullptr, *cmb_Var3 = nullptr, *cmb_Var4 = nullptr;
    Combo_Box *cmb_Com1 = nullptr, *cmb_Com2 = nullptr, *cmb_Com3 = nullptr, *cmb_Com4 = nullptr;
    QPushButton *cmd_OK1 = nullptr, *cmd_OK2 = nullptr, *cmd_OK3 = nullptr, *cmd_OK4 = nullptr;
    QPushButton *cmd_Clear1 = nullptr, *cmd_Clear2 = nullptr, *cmd_Clear3 = nullptr, *cmd_Clear4 = nullptr;
    // Index slot - 1.
    std::array<QLabel*, 4> lbl_Function{}, lbl_Component{}, lbl_Var{}, lbl_Comp{};
    QGroupBox* fra_Preset = nullptr;
    Simple_Combo* cmb_Preset = nullptr;
    QPushButton* cmd_ClearPreset = nullptr;
    std::array<QRadioButton*, 2> opt_PrintSet{};  // "Preset Formats", "Mix and Match"
    QGroupBox* fra_Coord = nullptr;
    std::array<QRadioButton*, 2> opt_Coord{};  // "Global", "Local Rotating"
    QLabel* lbl_Coord = nullptr;
    QPushButton* cmd_Done = nullptr;

    // What lbl_Function and lbl_Component show: plots and reports read it instead of the labels.
    Accepted_Functions Accepted;

    // The slot's controls by slot number 1..4 (nullptr where the screen has none).
    QGroupBox* Function_Frame(int slot) const;
    Combo_Box* Var_Box(int slot) const;
    Combo_Box* Com_Box(int slot) const;
    QPushButton* OK_Button(int slot) const;
    QPushButton* Clear_Button(int slot) const;

    // "Mix and Match" is the setup method chosen.
    bool Mix_And_Match() const;
    // The captions of lbl_Function(i) and lbl_Component(i), kept in Accepted as they change.
    void Set_Function_Label(int i, const std::string& caption);
    void Set_Component_Label(int i, const std::string& caption);
};

void Clear_Components(Selection_Role& screen, int16_t N);
void Clear_Variables(Selection_Role& screen, int16_t N);
void Clear_Labels(Selection_Role& screen, int16_t N);
void Toggle_Coordinate(Selection_Role& screen, bool Enable);
void Enable_Functions(Selection_Role& screen, bool Enable, int16_t N);
void Enable_Preset(Selection_Role& screen, bool Enable);
void Clear_Preset(Selection_Role& screen, int16_t N);
void Set_Setup_Method(Selection_Role& screen, int16_t N);
// Applies the preset named in cmb_Preset; N is 2 or 4.
void Apply_Preset(Selection_Role& screen, int16_t N);
void Apply_Preset4(Selection_Role& screen);
void Apply_Preset2(Selection_Role& screen);
void Variable_Picked(Selection_Role& screen, Combo_Box* cmb_Var, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot);
void Component_Picked(Selection_Role& screen, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot);
void Select_OK(Selection_Role& screen, Combo_Box* cmb_Var, Combo_Box* cmb_Com, QPushButton* cmd_OK, int16_t Slot);
// "Local Rotating" when Local is not 0, else "Global". Plot screens pass their own label.
void Put_Coordinate_Labels(Selection_Role& screen, int16_t Local);
void Put_Coordinate_Labels(QLabel* lbl_Coord, int16_t Local);

// The box's text when its list offers it, else "" (which names no variable): a typed name that
// no list offers, such as "Current FFT", classifies nothing.
std::string Offered_Text(const Combo_Box* box);

// List fills; a null combo is passed over.
void Load_Lists(Selection_Role& screen, Combo_Box* cmb_Var, Combo_Box* cmb_Com);
void Load_Components(Combo_Box* combo);
void Load_Variables(Combo_Box* combo);
void Load_Polar_Variables(Combo_Box* combo);
// Type 2 or 4; errors are reported under "Load_Presets".
void Load_Presets(Simple_Combo* combo, int16_t Type);
