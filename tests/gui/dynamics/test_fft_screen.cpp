// The Fourier screen over the calculated unity example (a crank-angle sweep of 36 steps): the
// lists it fills, the function and harmonics choices with their checks, the transform against an
// independent one, the four charts, the grid and style boxes, Clear, Back, Next and the commands.
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>

#include "dynamics/frm_FFT.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
const char* const Harmonics_Message = " Must set the number of harmonics to a value > 0";
const char* const Function_Message = " Please select a function for FFT calculation";

// Types into a combo box and presses Enter: keys sent to the box itself, or to its edit part.
void Type(Combo_Box* box, const QString& text, bool into_edit_part = false)
{
    QWidget* target = into_edit_part ? static_cast<QWidget*>(box->lineEdit()) : box;
    target->setFocus(Qt::MouseFocusReason);
    box->lineEdit()->selectAll();
    QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Return);
}

bool Has_Focus(Combo_Box* box)
{
    QWidget* w = QApplication::focusWidget();
    return w == box || w == box->lineEdit();
}

void Choose(Combo_Box* box, const QString& item)
{
    int index = box->findText(item, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
}

struct Row {
    double re, im, mag, phase;
};

// The harmonic m of samples x(1..N), straight from the definition: amplitudes doubled above the
// constant term, the phase as the arctangent of imaginary over real part.
Row Expected(const std::function<double(int)>& x, int N, int m)
{
    const double pi = 3.14159265358979323846;
    double re = 0, im = 0;
    for (int j = 1; j <= N; ++j) {
        re += x(j) * std::cos(2 * pi * m * (j - 1) / N) / N;
        im -= x(j) * std::sin(2 * pi * m * (j - 1) / N) / N;
    }
    double phase = re == 0 ? (im == 0 ? 0 : 90) : std::atan(im / re) * 180 / pi;
    double k = m == 0 ? 1 : 2;
    return {k * re, k * im, k * std::hypot(re, im), phase};
}
}  // namespace

class FFT_Screen_Test : public QObject {
    Q_OBJECT

    int exits = 0;
    QTemporaryDir dir;

    frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
    frm_FFT& fft() { return Form<frm_FFT>(); }

    void Calculate_Example()
    {
        Later([] {
            frm_Inputnew& input = Form<frm_Inputnew>();
            input.cmd_Calc->click();
            input.Hide();
        });
        emit home().mnu_Examples->aboutToShow();
        home().mnu_Unity->trigger();
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Calc_Type, int16_t(3));
        QCOMPARE(store().Num_Steps, int16_t(36));
    }

    // Shown as the home menu shows it, but without the modal loop, so the test drives it directly.
    void Open_FFT()
    {
        fft().Show_Modeless();
        QApplication::setActiveWindow(&fft());
    }

    void Expect_Transform(const std::function<double(int)>& x)
    {
        const Model_Store& s = store();
        for (int m = 0; m <= 17; ++m) {
            Row e = Expected(x, 36, m);
            const double tol = 2e-3 * std::max(1.0, std::fabs(e.mag));
            QVERIFY2(std::fabs(s.Current_FFT(m, 0) - e.re) < tol, qPrintable(QString("re row %1").arg(m)));
            QVERIFY2(std::fabs(s.Current_FFT(m, 1) - e.im) < tol, qPrintable(QString("im row %1").arg(m)));
            QVERIFY2(std::fabs(s.Current_FFT(m, 2) - e.mag) < tol, qPrintable(QString("mag row %1").arg(m)));
            if (e.mag > 0.1 && std::fabs(e.re) > 0.1)
                QVERIFY2(std::fabs(s.Current_FFT(m, 3) - e.phase) < 0.01, qPrintable(QString("phase row %1").arg(m)));
        }
        // rows the transform does not reach stay empty
        for (int c = 0; c <= 3; ++c) QCOMPARE(s.Current_FFT(18, c), 0.0f);
    }

    void Expect_Charts_Show_The_Result(int harmonics)
    {
        const Model_Store& s = store();
        for (int g = 0; g <= 3; ++g) {
            const Graph_Control& plot = *fft().grf_Plot[g];
            QVERIFY(plot.isVisible());
            QCOMPARE(plot.NumPoints(), int16_t(harmonics + 1));
            QCOMPARE(plot.BottomTitle(), std::string("Harmonic Number"));
            for (int i = 0; i <= harmonics; ++i) {
                QCOMPARE(plot.Data(1, i + 1), s.Current_FFT(i, g));
                QCOMPARE(plot.Label(i + 1), std::to_string(i));
            }
        }
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        exits = 0;
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_Example();
    }

    void cleanup()
    {
        if (fft().isVisible()) fft().Hide();
    }

    void activation_fills_the_lists_and_resets_the_screen()
    {
        Model_Store& s = store();
        s.FFT_Done = true;
        s.Current_FFT(5, 2) = 7;  // left from an earlier transform
        Open_FFT();
        QCOMPARE(fft().Caption(), s.Title_String + "Fourier Transform");
        QCOMPARE(fft().cmb_Var1->List_Count(), 22);
        QCOMPARE(fft().cmb_Var1->List(0), std::string("Theta2"));
        QCOMPARE(fft().cmb_Var1->Text(), std::string());
        QVERIFY(fft().cmb_Var1->isEnabled());
        QVERIFY(Has_Focus(fft().cmb_Var1));
        QCOMPARE(fft().cmb_Com1->Text(), std::string("X"));
        QCOMPARE(fft().cmb_Com1->List_Count(), 4);

        // 36 steps: 18 harmonics at most, then its whole quotients of at least 3
        QCOMPARE(fft().cmb_Harmonics->Text(), std::string(" 18"));
        QStringList items;
        for (int i = 0; i < fft().cmb_Harmonics->List_Count(); ++i) items << QString::fromStdString(fft().cmb_Harmonics->List(i));
        QCOMPARE(items, (QStringList{"18", "9", "6", "3"}));
        QCOMPARE(s.FFT_Harmonics, int16_t(18));

        QVERIFY(!s.FFT_Done);
        QVERIFY(s.FFT_Select);
        QVERIFY(!fft().cmd_Done->isEnabled());
        QVERIFY(fft().cmd_Print->isEnabled() && fft().cmd_copy->isEnabled());
        QCOMPARE(s.Plot_Type, int16_t(5));
        QCOMPARE(s.Num_Plots, int16_t(4));
        QCOMPARE(s.Num_Functions, int16_t(1));
        QCOMPARE(s.Current_FFT(5, 2), 0.0f);
        QVERIFY(fft().lbl_Header2->text().isEmpty());
        QVERIFY(!fft().lbl_Header->text().isEmpty());

        const char* const titles[] = {"Real", "Img", "Mag", "Phs"};
        for (int g = 0; g <= 3; ++g) {
            QCOMPARE(fft().grf_Plot[g]->GraphTitle(), std::string(titles[g]));
            QCOMPARE(fft().grf_Plot[g]->GridStyle(), int16_t(0));
            QCOMPARE(fft().grf_Plot[g]->TickEvery(), int16_t(1));  // 18 / 15 rounds to 1
            QCOMPARE(fft().grf_Plot[g]->Font_Size(Graph_Control::Title_Font), int16_t(120));
            QCOMPARE(fft().grf_Plot[g]->Font_Size(Graph_Control::Label_Font), int16_t(100));
        }
        Expect_Charts_Show_The_Result(18);

        // after a force solution the list offers its variables too
        fft().Hide();
        s.Dynamics_Done = true;
        Open_FFT();
        QCOMPARE(fft().cmb_Var1->List_Count(), 45);
    }

    void choosing_a_variable_transforms_it()
    {
        Model_Store& s = store();
        Open_FFT();
        Scripted_User user;
        Choose(fft().cmb_Var1, "Theta2");
        QVERIFY(user.boxes.empty());
        QCOMPARE(s.Report_Title, std::string("Fourier Transform of  Theta2"));
        QCOMPARE(fft().lbl_Header2->text(), QString("Fourier Transform of  Theta2"));
        QCOMPARE(fft().Chosen_Variable(), std::string("Theta2"));
        QVERIFY(s.FFT_Done);
        QVERIFY(fft().cmd_Done->isEnabled());
        QCOMPARE(QApplication::focusWidget(), fft().cmd_Done);
        QCOMPARE(s.FFT_Unit, s.Unit_Label(1));
        QCOMPARE(s.Var_Type(1), int16_t(1));
        QCOMPARE(s.Num_Harmonics_Out, int16_t(18));

        // the crank angle runs 10, 20 ... 360: its constant term is the mean, 185
        QVERIFY(std::fabs(s.Current_FFT(0, 0) - 185) < 1e-3);
        QCOMPARE(s.Current_FFT(0, 1), 0.0f);
        Expect_Transform([&s](int j) { return s.Theta_Data(j, 0); });
        Expect_Charts_Show_The_Result(18);

        // a vector: the component box picks what is transformed and recalculates at once
        Choose(fft().cmb_Var1, "Coupler Pt");
        QCOMPARE(s.Comp_Code(1), int16_t(0));
        Expect_Transform([&s](int j) { return s.Position_Data(j, 3, 0); });
        Choose(fft().cmb_Com1, "Y");
        QCOMPARE(s.Comp_Code(1), int16_t(1));
        Expect_Transform([&s](int j) { return s.Position_Data(j, 3, 1); });
        QCOMPARE(s.FFT_Unit, s.Unit_Label(6));
        QCOMPARE(fft().lbl_Header2->text(), QString("Fourier Transform of  Coupler Pt"));
        Expect_Charts_Show_The_Result(18);
        QVERIFY(user.boxes.empty());
    }

    void harmonics_choice_checks_and_clamps_the_count()
    {
        Model_Store& s = store();
        Open_FFT();
        Scripted_User user;
        for (const char* bad : {"0", "-3", "abc"}) {
            user.Answer(Msg::Ans_Ok);
            Type(fft().cmb_Harmonics, bad);
            QCOMPARE(user.boxes.back().prompt, std::string(Harmonics_Message));
            QCOMPARE(user.boxes.back().style, Msg::Exclamation);
            QVERIFY(Has_Focus(fft().cmb_Harmonics));
        }
        // a count with no function chosen asks for the function
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Harmonics, "5");
        QCOMPARE(user.boxes.back().prompt, std::string(Function_Message));
        QCOMPARE(user.boxes.back().style, Msg::Question);
        QVERIFY(Has_Focus(fft().cmb_Var1));
        const size_t boxes = user.boxes.size();

        Choose(fft().cmb_Var1, "Omega3");
        QCOMPARE(user.boxes.size(), boxes);
        // more than half the samples: clamped to 18 with the advice
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Harmonics, "25");
        QCOMPARE(user.boxes.back().prompt,
                 std::string("Number of harmonics cannot exceed 1/2 the number of data points available.\r"
                             "If you want more bandwidth, recalculate all data with smaller increments. \r"
                             "Use the [INPUT] button from the Home Screen to do so."));
        QCOMPARE(user.boxes.back().style, Msg::Question);
        QCOMPARE(s.FFT_Harmonics, int16_t(18));
        QCOMPARE(fft().cmb_Harmonics->Text(), std::string(" 18"));
        Expect_Charts_Show_The_Result(18);

        // a smaller count redraws with fewer points and a tick at every harmonic
        Type(fft().cmb_Harmonics, "5.5", true);  // halves go to the even neighbour
        QCOMPARE(s.FFT_Harmonics, int16_t(6));
        Expect_Charts_Show_The_Result(6);
        QCOMPARE(fft().grf_Plot[0]->TickEvery(), int16_t(1));
        Choose(fft().cmb_Harmonics, "9");
        QCOMPARE(s.FFT_Harmonics, int16_t(9));
        Expect_Charts_Show_The_Result(9);
        QVERIFY(user.All_Used());
    }

    void calculate_refuses_a_missing_or_unknown_function()
    {
        Model_Store& s = store();
        s.Var_Type(1) = 1;  // an earlier selection must not be transformed in its place
        Open_FFT();
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        fft().cmd_Calc->click();
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt, std::string(Function_Message));
        QVERIFY(!s.FFT_Done);
        QVERIFY(!fft().cmd_Done->isEnabled());
        QCOMPARE(s.Current_FFT(0, 0), 0.0f);

        // a typed name the list does not hold is no function either
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Var1, "Theta9");
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(user.boxes[1].prompt, std::string(Function_Message));
        QVERIFY(!s.FFT_Done);
        QVERIFY(Has_Focus(fft().cmb_Var1));

        // a typed name the list holds is taken
        Type(fft().cmb_Var1, "Theta4", true);
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(s.FFT_Done);
        QCOMPARE(s.Var_Row(1), int16_t(2));

        // Calculate with no harmonics empties the variable box and changes nothing more
        fft().cmb_Harmonics->Set_Text("0");
        const float kept = s.Current_FFT(1, 2);
        user.Answer(Msg::Ans_Ok);
        fft().cmd_Calc->click();
        QCOMPARE(user.boxes.back().prompt, std::string(Harmonics_Message));
        QCOMPARE(fft().cmb_Var1->Text(), std::string());
        QCOMPARE(s.Current_FFT(1, 2), kept);
        QVERIFY(user.All_Used());
    }

    void a_count_beyond_the_result_table_is_reported()
    {
        Model_Store& s = store();
        Open_FFT();
        Scripted_User user;
        Choose(fft().cmb_Var1, "Theta3");
        fft().cmb_Harmonics->Set_Text("600");
        user.Answer(Msg::Ans_Ok);
        fft().cmd_Calc->click();
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(user.boxes[0].prompt.find("Error 9 ") != std::string::npos);
        QVERIFY(user.boxes[0].prompt.find("FFT_Plot") != std::string::npos);
        QCOMPARE(s.FFT_Harmonics, int16_t(600));
        // harmonics past the transform show zero up to the table's end
        QCOMPARE(fft().grf_Plot[2]->Data(1, 20), 0.0f);
        QCOMPARE(fft().grf_Plot[2]->Data(1, 1), s.Current_FFT(0, 2));
        QVERIFY(fft().isVisible());
    }

    void grid_and_style_boxes_reach_every_chart()
    {
        Open_FFT();
        fft().chk_HGrid->click();
        fft().chk_VGrid->click();
        fft().chk_Line->click();
        for (Graph_Control* g : fft().grf_Plot) {
            QCOMPARE(g->GridStyle(), int16_t(3));
            QCOMPARE(g->GraphStyle(), int16_t(4));
        }
        fft().chk_HGrid->click();
        fft().chk_Line->click();
        fft().chk_Sticks->click();
        for (Graph_Control* g : fft().grf_Plot) {
            QCOMPARE(g->GridStyle(), int16_t(2));
            QCOMPARE(g->GraphStyle(), int16_t(2));
        }
        fft().chk_Line->click();
        for (Graph_Control* g : fft().grf_Plot) QCOMPARE(g->GraphStyle(), int16_t(6));
    }

    void clear_and_back_drop_the_result()
    {
        Model_Store& s = store();
        Open_FFT();
        Scripted_User user;  // Clear asks nothing
        Choose(fft().cmb_Var1, "Alpha2");
        QVERIFY(s.FFT_Done);
        fft().cmd_Clear1->click();
        QVERIFY(user.boxes.empty());
        QCOMPARE(fft().cmb_Var1->Text(), std::string());
        QCOMPARE(fft().cmb_Var1->List_Index(), -1);
        QVERIFY(!s.FFT_Done);
        QVERIFY(!fft().cmd_Done->isEnabled());
        for (int i = 0; i <= 18; ++i)
            for (int c = 0; c <= 3; ++c) QCOMPARE(s.Current_FFT(i, c), 0.0f);
        Expect_Charts_Show_The_Result(18);

        Choose(fft().cmb_Var1, "Alpha2");
        QVERIFY(s.FFT_Done);
        fft().cmd_Cancel->click();
        QVERIFY(!fft().isVisible());
        QVERIFY(!s.FFT_Done);
        QVERIFY(!s.FFT_Select);
    }

    void next_from_the_home_menu_offers_the_result()
    {
        Model_Store& s = store();
        QVERIFY(home().mnu_CalcFFT->isEnabled());
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Later([this] {
            Choose(fft().cmb_Var1, "Theta5");
            QTest::mouseClick(fft().cmd_Done, Qt::LeftButton);
        });
        home().mnu_CalcFFT->trigger();
        QVERIFY(!fft().isVisible());
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt, std::string(" The FFT of the selected function is \r now available for output as \r"
                                                   " 'Current FFT' from the Preset Format\r lists on the PRINT and PLOT screens"));
        QCOMPARE(user.boxes[0].style, Msg::Information);
        QVERIFY(s.FFT_Done);
        QVERIFY(!s.FFT_Select);
        QVERIFY(home().lbl_Status[3]->isVisible());
        QCOMPARE(home().lbl_Status[3]->text(), QString("FFT Done"));

        // the next visit starts afresh
        Later([this] {
            QVERIFY(!store().FFT_Done);
            QCOMPARE(fft().cmb_Var1->Text(), std::string());
            QCOMPARE(fft().cmb_Harmonics->Text(), std::string(" 18"));
            fft().cmd_Cancel->click();
        });
        home().mnu_CalcFFT->trigger();
        QVERIFY(!s.FFT_Done);
        QVERIFY(!home().lbl_Status[3]->isVisible());
    }

    void print_copy_and_help()
    {
        Open_FFT();
        {
            Scripted_User user;
            const std::string pdf = dir.filePath("fft.pdf").toStdString();
            user.Answer(Msg::Ans_Yes).Print_To_Pdf("").Answer(Msg::Ans_Yes).Print_To_Pdf(pdf);
            fft().cmd_Print->click();
            fft().cmd_Print->click();
            QCOMPARE(user.boxes.size(), size_t(2));  // the cancelled dialog ends silently
            QCOMPARE(user.printer_dialogs, 2);
            QVERIFY(QFile(QString::fromStdString(pdf)).size() > 1000);
            user.Answer(Msg::Ans_Ok);
            fft().cmd_copy->click();
            QCOMPARE(user.boxes.back().prompt, std::string("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
            QCOMPARE(user.boxes.back().style, Msg::Information);
        }
        fft().mnu_Help->trigger();
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible());
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location()).endsWith("/helpfiles/linkages/linkage_fft_help.pdf"));
        QVERIFY(fft().isVisible());
        help.Hide();
    }
};

QTEST_MAIN(FFT_Screen_Test)
#include "test_fft_screen.moc"
