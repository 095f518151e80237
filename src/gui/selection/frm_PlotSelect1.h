// The single-window plot-selection screen: up to four functions on one chart, filled from the
// first slot on without gaps.
#pragma once
#include "selection/Plot_Select_Screen.h"

class frm_PlotSelect1 : public Plot_Select_Screen {
    Q_OBJECT
public:
    frm_PlotSelect1();

    QPushButton* cmd_Cancel;

    void cmb_Preset_Click() override;
    void cmb_Preset_DblClick() override;
    void cmb_Preset_Change() override;
    void cmd_Done_Click() override;

protected:
    void Form_Activate() override;
    void Slot_Check() override;

private:
    void Preset_Acceptance();
};
