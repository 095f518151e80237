// The mass-properties (dynamics) screen: masses, inertias, centres of gravity and the loads of
// links 3 and 4, written into the model by Solve, which runs the force solution.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <array>
#include <string>

#include "platform/Common_Dialog.h"
#include "platform/Screen.h"

class frm_MassProp : public Screen {
    Q_OBJECT
public:
    frm_MassProp();

    using Box_Row = std::array<QLineEdit*, 6>;  // indexed by link number 2..5
    Box_Row txt_Mass{}, txt_Inertia{}, txt_DistCG{}, txt_AngCG{};
    Box_Row txt_MagForce{}, txt_AngForce{}, txt_DistP{}, txt_AngP{}, txt_Torque{}, txt_Frict{};

    std::array<QLabel*, 6> lbl_Segment{};  // column headings of links 2..5
    QLabel* lbl_MassUnit;
    QLabel* lbl_InertiaUnit;
    QLabel* lbl_TorqueUnit;
    std::array<QLabel*, 3> Lbl_DistUnit{};  // 1..2
    std::array<QLabel*, 3> lbl_ForceUnit{};  // 1..2
    std::array<QLabel*, 4> lbl_AngUnit{};    // 1..3
    QLabel* lbl_Note;

    QGroupBox* fra_Mass;
    QGroupBox* fra_CG;
    QGroupBox* fra_Force;
    QGroupBox* fra_ForcePoint;
    QGroupBox* fra_Torque;
    QGroupBox* fra_Friction;

    QPushButton* cmd_Solve;
    QPushButton* cmd_Matrix;
    QPushButton* cmd_Done;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Print;
    QPushButton* cmd_copy;
    QMenuBar* menu_bar;
    QAction* mnu_Help;
    Common_Dialog CommonDialog1;

    bool From_Matrix = false;

    void cmd_Solve_Click();
    void cmd_Matrix_Click();
    void cmd_Done_Click();
    void cmd_Print_Click();
    void cmd_copy_Click();
    void mnu_Help_Click();
    void Disable_Solution_Buttons();

    // The model just read from a file, into the boxes (the hidden friction box of link 4 too).
    void Fill_From_Model();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Build();
    void Show_Model_Values();
    // Writes the entries into the model; false (after saying which box) when one is no number.
    bool Store_Entries();
};
