// The controls that the input and animation screens share under the same names, reached by the
// input transfer and the linkage drawing whichever of the two screens is passed.
#pragma once
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Picture_Box;

struct Linkage_Controls {
    std::array<QLineEdit*, 9> txt_Linkout{};
    std::array<QLineEdit*, 6> txt_Initial{};  // the animation screen carries 0..2
    std::array<QLabel*, 6> lbl_Initial{};
    std::array<QLabel*, 6> lbl_Unit{};
    std::array<QLabel*, 6> lbl_Units{};
    std::array<QRadioButton*, 2> opt_OpenCross{};
    Picture_Box* Picture1 = nullptr;
    QScrollBar* hsc_step = nullptr;
    QCheckBox* chk_autoscale = nullptr;
};

// The input screen's own buttons that the transfer disables.
struct Input_Role : Linkage_Controls {
    QPushButton* cmd_Animate = nullptr;
    QPushButton* cmd_Done = nullptr;
};

// The input screen (created on first use).
Input_Role& Input_Screen_Role();
