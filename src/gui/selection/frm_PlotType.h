// The plot-type screen, first step of the plot wizard: one of four layouts, each a panel with a
// sketch; Next records it as Plot_Type and opens that layout's selection screen.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "platform/Screen.h"

class frm_PlotType : public Screen {
    Q_OBJECT
public:
    frm_PlotType();

    // Panel k holds option k: 0 one chart, 1 two, 2 four, 3 polar.
    std::array<QGroupBox*, 4> frm_Plotstyle{};
    std::array<QRadioButton*, 4> opt_PickPlot{};
    // Picture1..Picture8 (index 0 unused).
    std::array<QWidget*, 9> Picture{};
    QWidget* SSPanel1;
    QPushButton* cmd_CancelPickPlot;
    QPushButton* cmd_PickPlotDone;
    QMenuBar* menu_bar;
    QAction* mnu_Help;

    // The handlers (also run by tests).
    void cmd_PickPlotDone_Click();
    void cmd_CancelPickPlot_Click();
    void mnu_Help_Click();
    // A click (or double click) on a picture of panel k.
    void Picture_Click(int k);
    void Picture_DblClick(int k);

protected:
    void Form_Activate() override;

private:
    void Build();
};
