// The two-chart graph plot screen: two functions, one chart each.
#pragma once
#include "output/Graph_Plot_Screen.h"

class frm_Plot2 : public Graph_Plot_Screen {
    Q_OBJECT
public:
    frm_Plot2();

protected:
    Screen& Selection_Screen() override;
    void Chart_Functions() override;
};
