// What the three graph plot screens share: charts framed by a coloured picture, the background,
// grid and style options that replot, Copy, Print Form, Back to the selection and Next.
#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

#include "output/Graph_Plots.h"
#include "platform/Common_Dialog.h"
#include "platform/Graph_Control.h"
#include "platform/Picture_Box.h"
#include "platform/Screen.h"

class Graph_Plot_Screen : public Screen, public Graph_Plot_Form {
    Q_OBJECT
public:
    Picture_Box* pct_Frame;
    QGroupBox* fra_Back;
    std::array<QRadioButton*, 3> opt_Back{};  // "White", "Blue", "Gray"
    QPushButton* cmd_Copy;
    QPushButton* cmd_PlotPrint;
    QPushButton* cmd_Back;
    QPushButton* cmd_Done;
    Common_Dialog CommonDialog1;

    int16_t NumGraphs;

    // Plot_Setup, then the functions charted as this screen charts them.
    void Replot();

    // The handlers (also run by tests).
    void opt_Back_Click();
    void cmd_Copy_Click();
    void cmd_PlotPrint_Click();
    void cmd_Back_Click();
    void cmd_Done_Click();

protected:
    // name, charts (1, 2 or 4), the print button's name.
    Graph_Plot_Screen(const char* name, int16_t graphs, const char* print_name);
    void Form_Load() override;
    void Form_Activate() override;
    // The selection screen that leads here.
    virtual Screen& Selection_Screen() = 0;
    // MultiPlot or Plot with what was charted last.
    virtual void Chart_Functions() = 0;

private:
    void Set_Backgrounds();
};
