// What the three own-drawn plot screens share: the output layout around their charts, the
// commands Replot, Copy, Print Form, Back and Next, the one-shot redraw and the activation.
#pragma once
#include <QPushButton>
#include <cstdint>

#include "output/Own_Plots_Screen.h"
#include "platform/Common_Dialog.h"
#include "platform/Screen.h"

class Own_Plot_Form : public Screen, public Own_Plot_Controls {
    Q_OBJECT
public:
    QPushButton* cmd_Replot;
    QPushButton* cmd_Copy;
    QPushButton* cmd_PlotPrint;
    QPushButton* cmd_Back;
    QPushButton* cmd_PlotDone;
    Common_Dialog CommonDialog1;

    // The screen's redraw: its Replot button and the timer's tick.
    virtual void Replot() = 0;
    void cmd_PlotPrint_Click();
    void cmd_Back_Click();
    virtual void cmd_PlotDone_Click() { Hide(); }

protected:
    // The layout with `charts` charts of a kind, and Replot first in the command bar.
    Own_Plot_Form(const char* name, Own_Chart::Kind kind, int charts);
    // Copy, Print Form, Back and Next, after the screen's own commands.
    void Add_Commands();
    void Form_Activate() override;
    // The activation's steps that differ: before Print and Copy are enabled, and the drawing.
    virtual void Before_Enabling() {}
    virtual void Draw_On_Activation() = 0;
    // The selection screen that Back returns to, whose accepted functions the charts show.
    virtual Screen& Selection_Screen() = 0;
    const Accepted_Functions& Selection_Functions();
};
