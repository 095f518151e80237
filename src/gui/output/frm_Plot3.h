// The four-chart graph plot screen: four functions, one chart each.
#pragma once
#include "output/Graph_Plot_Screen.h"

class frm_Plot3 : public Graph_Plot_Screen {
    Q_OBJECT
public:
    frm_Plot3();

    // This screen's name for the print button.
    QPushButton* cmd_Print;

protected:
    Screen& Selection_Screen() override;
    void Chart_Functions() override;
};
