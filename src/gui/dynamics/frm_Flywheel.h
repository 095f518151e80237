// The flywheel screen: for a chosen coefficient of speed fluctuation, the crank torque with a
// flywheel, its extremes with and without one, both torque curves and the energy-pulse table.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "platform/Common_Dialog.h"
#include "platform/Graph_Control.h"
#include "platform/Picture_Box.h"
#include "platform/Screen.h"
#include "shell/Output_Layout.h"

class frm_Flywheel : public Screen, public Output_Layout {
    Q_OBJECT
public:
    frm_Flywheel();

    QGroupBox* fra_Fluct;
    QLineEdit* txt_Fluct;
    QGroupBox* fra_Without;
    QGroupBox* fra_With;
    std::array<QLabel*, 4> lbl_Torque{};  // 0, 2 without the flywheel; 1, 3 with it
    std::array<QLabel*, 4> lbl_Unit{};
    QGroupBox* fra_Back;
    std::array<QRadioButton*, 3> opt_Back{};
    QGroupBox* fra_Energy;
    Picture_Box* pct_Pict1;
    std::array<Graph_Control*, 2> grf_Plot{};
    QPushButton* cmd_Calc;
    QPushButton* cmd_Done;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Print;
    QPushButton* cmd_copy;
    Common_Dialog CommonDialog1;

    // Set by every change of the coefficient's text; cleared at activation and on acceptance.
    bool Fluct_Changed = false;

    // The command handlers (also run by tests).
    void cmd_Calc_Click();
    void txt_Fluct_Check();
    void opt_Back_Click();
    void cmd_Done_Click();
    void cmd_Cancel_Click();
    void cmd_Print_Click();
    void cmd_copy_Click();
    void mnu_Help_Click();
    void PlotTorque();

protected:
    void Form_Activate() override;

private:
    void Build();
    void Wire();
    void Put_Flywheel_Coefficient();
    void Clear_Curves_And_Table();
    void Clear_Extremes();
    void Show_No_Result();
    void Set_Backgrounds();
};
