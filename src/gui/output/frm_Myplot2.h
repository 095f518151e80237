// The two-chart plot screen the program draws itself.
#pragma once
#include "output/Own_Cartesian_Form.h"

class frm_Myplot2 : public Own_Cartesian_Form {
    Q_OBJECT
public:
    frm_Myplot2() : Own_Cartesian_Form("frm_Myplot2", 2) {}

protected:
    Screen& Selection_Screen() override;
};
