// The four-window plot-selection screen: one function on each of four charts.
#pragma once
#include "selection/Plot_Select_Screen.h"

class frm_PlotSelect3 : public Plot_Select_Screen {
    Q_OBJECT
public:
    frm_PlotSelect3();

    QPushButton* cmd_Cancel;

    void cmb_Preset_Click() override;
    void cmb_Preset_DblClick() override;
    void cmd_Done_Click() override;

protected:
    void Form_Activate() override;
    int First_OK_Disabled_By_Setup() const override { return 2; }
    bool OK_Opens_Next_Slot() const override { return false; }
    bool Back_Unsets_Frame() const override { return false; }
};
