// The single-chart graph plot screen: up to four functions as curves of one chart.
#pragma once
#include "output/Graph_Plot_Screen.h"

class frm_Plot1 : public Graph_Plot_Screen {
    Q_OBJECT
public:
    frm_Plot1();

protected:
    // A click on the screen replots it, as one on the chart does.
    void mouseReleaseEvent(QMouseEvent* event) override;
    Screen& Selection_Screen() override;
    void Chart_Functions() override;
};
