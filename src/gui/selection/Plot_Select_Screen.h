// What the plot-selection screens share: their controls, laid out once (slot frames, accepted
// functions, presets, setup method, coordinate frame, plot style, layout sketch, Back and Next),
// and the steps their events are made of. The screens differ in slot count and a few rules.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Combo_Box.h"
#include "platform/Screen.h"
#include "platform/Simple_Combo.h"
#include "selection/Layout_Sketch.h"
#include "selection/Selection_Role.h"

class Graph_Plot_Screen;
class Own_Plot_Form;

class Plot_Select_Screen : public Screen, public Selection_Role {
    Q_OBJECT
public:
    struct Shape {
        const char* name;
        int16_t slot_count;      // function slots n
        int16_t plots;           // Num_Plots
        const char* layout;      // caption of the layout frame
        std::vector<int> pictures;  // numbers of the layout sketches
        bool plot_style;         // offers "Aligned" / "Annotated"
        const char* back_name;
        bool polar = false;      // one variable, no component, no presets
    };

    QGroupBox* fra_Setup;
    QGroupBox* frm_Plotstyle;
    std::vector<Layout_Sketch*> Picture;
    std::array<QGroupBox*, 4> fra_Plot{};
    QGroupBox* fra_Style = nullptr;
    std::array<QRadioButton*, 2> opt_Plotstyle{};
    QMenuBar* menu_bar;
    QAction* mnu_Help;

    // The handlers (also run by tests). k is the slot, 1 to n.
    virtual void cmb_Var_Click(int k);
    void cmb_Com_Click(int k);
    void cmd_OK_Click(int k);
    virtual void cmd_Clear_Click(int k);
    void opt_PrintSet_Click();
    void cmd_ClearPreset_Click();
    void opt_Plotstyle_Click();
    void Back_Click();
    void mnu_Help_Click();
    virtual void cmb_Preset_Click() {}
    virtual void cmb_Preset_DblClick() {}
    virtual void cmb_Preset_Change() {}
    virtual void cmd_Done_Click() = 0;

    int16_t Slots() const { return shape_.slot_count; }

protected:
    explicit Plot_Select_Screen(Shape shape);
    void Form_Load() override;

    // The screen's own check of the accepted slots, after an OK, a Clear or a preset.
    // By default every slot must be accepted.
    virtual void Slot_Check();
    // The first OK button the setup-method change disables (the following ones too).
    virtual int First_OK_Disabled_By_Setup() const { return 1; }
    // OK of slot k < n also enables the next slot's labels and, when its boxes hold a choice, its OK.
    virtual bool OK_Opens_Next_Slot() const { return true; }
    virtual void After_OK(int) {}
    // Back also withdraws the coordinate choice.
    virtual bool Back_Unsets_Frame() const { return true; }

    // Steps shared by the activations and Next.
    void Size_Screen();
    void Load_Slot_Lists();
    void Global_Frame();
    void Plot_Style_Reset();
    void Set_Coordinate_Frame();
    void Leave_For_Plot();
    QPushButton* Back_Button() const { return back_; }
    // Next of the two- and four-chart screens: the own-drawn screen for "Aligned", the graph
    // screen for "Annotated".
    void Next_By_Style(Own_Plot_Form& own, Graph_Plot_Screen& graph);

private:
    void Build();
    void Wire();

    Shape shape_;
    QPushButton* back_;
};
