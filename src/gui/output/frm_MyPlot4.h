// The polar plot screen: one vector function as an envelope of its tips, as vectors from the
// origin or both, and a step mode that adds one step's vector at a time.
#pragma once
#include <QCheckBox>
#include <QLabel>
#include <array>

#include "output/Own_Plot_Form.h"

class frm_MyPlot4 : public Own_Plot_Form {
    Q_OBJECT
public:
    frm_MyPlot4();

    QCheckBox* chk_Pause;
    QPushButton* cmd_Step;
    QCheckBox* chk_Envelope;
    QCheckBox* chk_Vectors;
    QLabel* lbl_StepLabel;
    QLabel* lbl_StepUnit;
    QLabel* lbl_StepNumber;
    std::array<QLabel*, 2> pnl_vector{};
    std::array<QLabel*, 2> pnl_name{};

    // Step mode and the step shown in it.
    bool Step_Mode = false;
    int16_t k = 0;
    // The last replot drew this function's points (a refused one leaves an earlier plot's).
    bool Plotted = false;

    void Replot() override;
    void chk_Pause_Click(bool ticked);
    void cmd_Step_Click();
    void cmd_PlotDone_Click() override;

protected:
    void Before_Enabling() override;
    void Draw_On_Activation() override { Replot(); }
    Screen& Selection_Screen() override;

private:
    std::array<QLabel*, 9> Step_Panels() const;
    void Show_Step_Panels(bool show);
};
