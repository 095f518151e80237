// The matrix screen: the equilibrium system of the force solution's first step, shown as
// "A-matrix" x "B" = "C-vector", with print and copy.
#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/Common_Dialog.h"
#include "platform/Screen.h"
#include "runtime/Fixed_Array.h"

class frm_Matrix : public Screen {
    Q_OBJECT
public:
    frm_Matrix();

    using Label_Row = std::array<QLabel*, 13>;  // items 1..12
    QGroupBox* SSFrame1;
    QGroupBox* SSFrame2;
    QGroupBox* SSFrame3;
    QWidget* SSPanel1;
    Label_Row lbl_A1{}, lbl_A2{}, lbl_A3{}, lbl_A4{}, lbl_A5{}, lbl_A6{};
    Label_Row lbl_A7{}, lbl_A8{}, lbl_A9{}, lbl_A10{}, lbl_A11{}, lbl_A12{};
    Label_Row lbl_B{};
    std::array<QLabel*, 24> lbl_Var{};
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* cmd_copy;
    QPushButton* cmd_Print;
    QPushButton* cmd_Done;
    QPushButton* cmd_Replot;
    Common_Dialog CommonDialog1;

    // The label array of matrix row r (1..12).
    Label_Row& Row(int r);

    // Writes an assembled system into the labels (grey for what rounds to zero, red otherwise).
    void Fill(const Array2<double, 1, 12, 1, 12>& A, const Array1<double, 1, 12>& B);

    void cmd_copy_Click();
    void cmd_Print_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Build();
};
