#include "dynamics/frm_Matrix.h"

#include <QPalette>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "platform/Control_Events.h"
#include "platform/Design_Layout.h"
#include "platform/Fit_Label.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Matrix_Width = 11850, Matrix_Height = 8950;
constexpr int Row_Top = 44, Row_Pitch = 24, Column_Pitch = 40, Cell_Width = 41, Cell_Height = 21;

const QColor Grey(128, 128, 128), Red(255, 0, 0), Blue(0, 0, 255), Light_Grey(192, 192, 192);

QLabel* Cell(QWidget* parent, int x, int y, int w, const QColor& back)
{
    // A value wider than its cell loses its last digits to an ellipsis, never its sign or leading digits.
    auto* l = new Fit_Label(parent);
    l->setGeometry(x, y, w, Cell_Height);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Cells overlap their right neighbour by a pixel, more on a larger screen: digits keep clear.
    l->setContentsMargins(0, 0, 3, 0);
    l->setAutoFillBackground(true);
    QFont f = l->font();
    f.setPointSizeF(7.5);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, back);
    l->setPalette(p);
    return l;
}

void Set_Fore_Color(QLabel* l, const QColor& c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QLabel* Name_Cell(QWidget* parent, const char* caption, int x, int y)
{
    QLabel* l = Cell(parent, x, y, Cell_Width, Light_Grey);
    l->setAlignment(Qt::AlignCenter);
    l->setContentsMargins(0, 0, 0, 0);
    l->setText(caption);
    Set_Fore_Color(l, Blue);
    return l;
}

QLabel* Sign(QWidget* parent, const char* text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, 16, 28);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(14);
    f.setBold(true);
    l->setFont(f);
    Set_Fore_Color(l, Red);
    return l;
}

QPushButton* Button(QWidget* parent, const char* caption, int x, int y)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(x, y, 110, 30);
    return b;
}

// The value of a coefficient and its colour: grey when it shows as zero.
void Show_Value(QLabel* l, double v)
{
    l->setText(QString::fromStdString(FNRoundStr(v, 3)));
    Set_Fore_Color(l, FNRound(v, 3) == 0 ? Grey : Red);
}
}  // namespace

frm_Matrix::frm_Matrix() : Screen("frm_Matrix", Matrix_Width, Matrix_Height) { Build(); }

frm_Matrix::Label_Row& frm_Matrix::Row(int r)
{
    Label_Row* rows[13] = {nullptr, &lbl_A1, &lbl_A2, &lbl_A3, &lbl_A4,  &lbl_A5,  &lbl_A6,
                           &lbl_A7,  &lbl_A8, &lbl_A9, &lbl_A10, &lbl_A11, &lbl_A12};
    return *rows[r];
}

void frm_Matrix::Build()
{
    Lay_Out_By_Design(this);
    Label4 = new QLabel("Note: Data shown are for the first position of linkage calculated.", this);
    Label4->setGeometry(45, 10, 600, 20);

    SSPanel1 = new QWidget(this);
    SSPanel1->setGeometry(45, 36, 700, 360);

    SSFrame2 = new QGroupBox("A-matrix", SSPanel1);
    SSFrame2->setGeometry(0, 0, 506, 344);
    // Unknown k's heading item above column k.
    static const int heading_item[13] = {0, 11, 10, 12, 13, 14, 15, 16, 17, 18, 0, 20, 19};
    static const char* const names[13] = {"",    "F12x", "F12y", "F32x", "F32y", "F43x", "F43y",
                                          "F54x", "F54y", "T12",  "F52y", "F15x", "F15y"};
    for (int k = 1; k <= 12; ++k) {
        const int x = 8 + (k - 1) * Column_Pitch;
        lbl_Var[heading_item[k]] = Name_Cell(SSFrame2, names[k], x, 20);
        for (int r = 1; r <= 12; ++r) Row(r)[k] = Cell(SSFrame2, x, Row_Top + (r - 1) * Row_Pitch, Cell_Width, Qt::white);
    }

    Label1 = Sign(SSPanel1, "x", 512, 168);

    SSFrame3 = new QGroupBox("B", SSPanel1);
    SSFrame3->setGeometry(532, 0, 60, 344);
    static const int column_item[13] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 21, 22, 23};
    for (int k = 1; k <= 12; ++k)
        lbl_Var[column_item[k]] = Name_Cell(SSFrame3, names[k], 9, Row_Top + (k - 1) * Row_Pitch);

    Label2 = Sign(SSPanel1, "=", 596, 168);

    SSFrame1 = new QGroupBox("C-vector", SSPanel1);
    SSFrame1->setGeometry(616, 0, 70, 344);
    for (int k = 1; k <= 12; ++k) lbl_B[k] = Cell(SSFrame1, 10, Row_Top + (k - 1) * Row_Pitch, 49, Qt::white);

    cmd_Replot = Button(this, "< &Back", 45, 490);
    cmd_copy = Button(this, "&Copy", 265, 490);
    cmd_Print = Button(this, "&Print Form", 385, 490);
    cmd_Done = Button(this, "&Next >", 635, 490);

    On_Click(*this, cmd_copy, [this] { cmd_copy_Click(); });
    On_Click(*this, cmd_Print, [this] { cmd_Print_Click(); });
    On_Click(*this, cmd_Done, [this] { Hide(); });
}

void frm_Matrix::Form_Load()
{
    Set_Height(Matrix_Height);
    Set_Width(Matrix_Width);
}

void frm_Matrix::Form_Activate()
{
    CommonDialog1.CancelError = true;
    if (store().Full_Screen) Maximize_Screen(*this, Matrix_Height, Matrix_Width);
    else Reset_Screen(*this, Matrix_Height, Matrix_Width);
    cmd_Print->setEnabled(true);
    cmd_copy->setEnabled(true);
}

void frm_Matrix::Fill(const Array2<double, 1, 12, 1, 12>& A, const Array1<double, 1, 12>& B)
{
    for (int k = 1; k <= 12; ++k) {
        for (int r = 1; r <= 12; ++r) Show_Value(Row(r)[k], A(r, k));
        Show_Value(lbl_B[k], B(k));
    }
}

void frm_Matrix::cmd_copy_Click()
{
    Copy_Advice();
}

void frm_Matrix::cmd_Print_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, "frm_Matrix.PrintForm");
}
