// The two-window plot-selection screen: one function on each of two charts.
#pragma once
#include "selection/Plot_Select_Screen.h"

class frm_PlotSelect2 : public Plot_Select_Screen {
    Q_OBJECT
public:
    frm_PlotSelect2();

    QPushButton* cmd_CancelPlotData;

    void cmb_Preset_Click() override;
    void cmb_Preset_DblClick() override;
    void cmd_Done_Click() override;

protected:
    void Form_Activate() override;
    int First_OK_Disabled_By_Setup() const override { return 2; }
    void After_OK(int k) override;
};
