// The print-selection screen: four functions (one by one or from a preset), how often a step is
// listed, the decimals, the coordinate frame and where the table goes: the output grid, the
// printer or a tab-separated data file.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

#include "platform/Combo_Box.h"
#include "platform/Common_Dialog.h"
#include "platform/Screen.h"
#include "platform/Simple_Combo.h"
#include "selection/Selection_Role.h"

class frm_PrintSelect : public Screen, public Selection_Role {
    Q_OBJECT
public:
    frm_PrintSelect();

    QGroupBox* SSFrame3;  // setup method
    std::array<QGroupBox*, 4> fra_Plot{};  // "Column 1" .. "Column 4"
    QGroupBox* SSFrame1;  // "Print Every"
    Combo_Box* cmb_Step;
    QGroupBox* SSFrame2;  // "Decimal Plcs"
    Combo_Box* cmb_Decimal;
    QGroupBox* fra_Whereto;
    std::array<QRadioButton*, 3> opt_Whereto{};  // "Screen", "Printer", "Disk File"
    QPushButton* cmd_Cancel;
    Common_Dialog CommonDialog1;
    QMenuBar* menu_bar;
    QAction* mnu_Help;

    // The handlers (also run by tests).
    void opt_PrintSet_Click(int Index);
    void cmb_Preset_Click();
    void cmb_Preset_DblClick();
    void cmb_Preset_Change();
    void cmd_ClearPreset_Click();
    void cmd_OK_Click(int16_t Slot);
    void cmd_Clear_Click(int16_t Slot);
    void cmb_Decimal_Click();
    void cmb_Step_Click();
    void cmd_Done_Click();
    void cmd_Cancel_Click();
    void mnu_Help_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Build();
    void Wire();
    void Setup();
    void Count_Check();
};
