// The four-chart plot screen the program draws itself.
#pragma once
#include "output/Own_Cartesian_Form.h"

class frm_MyPlot3 : public Own_Cartesian_Form {
    Q_OBJECT
public:
    frm_MyPlot3() : Own_Cartesian_Form("frm_MyPlot3", 4) {}

protected:
    Screen& Selection_Screen() override;
};
