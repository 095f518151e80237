// The Fourier screen: the discrete Fourier transform of one chosen output function, its real
// part, imaginary part, magnitude and phase per harmonic in four charts, offered for output.
#pragma once
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <string>

#include "output/mod_Common2.h"
#include "platform/Combo_Box.h"
#include "platform/Common_Dialog.h"
#include "platform/Graph_Control.h"
#include "platform/Screen.h"
#include "selection/Selection_Role.h"
#include "shell/Output_Layout.h"

// Its function box is slot 1 of a selection screen (variable, component, Clear, Next).
class frm_FFT : public Screen, public Output_Layout, public Has_Graph_Styles, public Selection_Role {
    Q_OBJECT
public:
    frm_FFT();

    Combo_Box* cmb_Harmonics;
    QPushButton* cmd_Calc;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Print;
    QPushButton* cmd_copy;
    Common_Dialog CommonDialog1;

    // The transformed function's variable as the report titles name it: the variable box's text.
    std::string Chosen_Variable() const { return cmb_Var1->Text(); }

    // The command handlers (also run by tests).
    void cmd_Calc_Click();
    void cmb_Var1_Click();
    void cmb_Harmonics_Click();
    void cmd_Clear1_Click();
    void cmd_Done_Click();
    void cmd_Cancel_Click();
    void cmd_Print_Click();
    void cmd_copy_Click();
    void mnu_Help_Click();
    void FFT_Plot_Setup();
    void FFT_Plot();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Build();
    void Wire();
    void Redraw();
    void Load_Harmonics();
    void Clear_Results_Shown();
    bool Harmonics_Valid(int16_t count);
    bool Function_Valid();
    // An accepted count as the count shown: one above half the samples is cut to it, and said so.
    void Take_Harmonics(int16_t count);

    int16_t K = 15;  // tick divisor: at most 15 ticks and labels along the harmonics
};
