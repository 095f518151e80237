// The polar plot-selection screen: one vector variable, accepted as soon as it is chosen.
#pragma once
#include "selection/Plot_Select_Screen.h"

class frm_PlotSelect4 : public Plot_Select_Screen {
    Q_OBJECT
public:
    frm_PlotSelect4();

    QLabel* Label1;
    QPushButton* cmd_CancelPlotData;

    void cmb_Var_Click(int k) override;
    void cmd_Clear_Click(int k) override;
    void cmd_Done_Click() override;

protected:
    void Form_Load() override {}
    void Form_Activate() override;
};
