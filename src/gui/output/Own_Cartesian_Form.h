// The two- and four-chart own-drawn plot screens: one function a chart, against the crank angle
// or the harmonic number, with each curve's minimum, maximum and peak-to-peak value.
#pragma once
#include "output/Own_Plot_Form.h"

class Own_Cartesian_Form : public Own_Plot_Form {
    Q_OBJECT
public:
    int16_t NumGraphs;
    void Replot() override { MyPlot(*this, Selection_Functions(), NumGraphs); }

protected:
    Own_Cartesian_Form(const char* name, int16_t charts);
    void Draw_On_Activation() override;
};
