// The Fourier screen over the calculated unity example (a crank-angle sweep of 36 steps).
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>

#include "dynamics/frm_FFT.h"
#include "model/Mod_Plotsubs.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
const std::string Harmonics_Message = " Must set the number of harmonics to a value > 0";
const std::string Function_Message = " Please select a function for FFT calculation";

// Keys sent to the combo box itself, or to its edit part, then Enter.
void Type(Combo_Box* box, const QString& text, bool into_edit_part = false)
{
    QWidget* target = into_edit_part ? static_cast<QWidget*>(box->lineEdit()) : box;
    target->setFocus(Qt::MouseFocusReason);
    box->lineEdit()->selectAll();
    QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Return);
}

void Choose(Combo_Box* box, const char* item) { box->setCurrentIndex(box->findText(item)); }

bool Has_Focus(Combo_Box* box) { return QApplication::focusWidget() == box || QApplication::focusWidget() == box->lineEdit(); }
}  // namespace

class FFT_Screen_Test : public QObject {
    Q_OBJECT
    int exits = 0;
    QTemporaryDir dir;
    frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
    frm_FFT& fft() { return Form<frm_FFT>(); }

    // Shown as the home menu shows it, without the modal loop.
    void Open_FFT()
    {
        fft().Show_Modeless();
        QApplication::setActiveWindow(&fft());
    }

    // Rows 0..17 against the definition (amplitudes doubled above the constant term, phase as
    // the arctangent of imaginary over real part), and each chart showing its column.
    void Expect_Transform(const std::function<double(int)>& x, int harmonics = 18)
    {
        const Model_Store& s = store();
        const int N = 36;
        for (int m = 0; m <= 17; ++m) {
            double re = 0, im = 0;
            for (int j = 1; j <= N; ++j) {
                re += x(j) * std::cos(2 * M_PI * m * (j - 1) / N) / N;
                im -= x(j) * std::sin(2 * M_PI * m * (j - 1) / N) / N;
            }
            const double k = m == 0 ? 1 : 2, mag = k * std::hypot(re, im), tol = 2e-3 * std::max(1.0, mag);
            QVERIFY(std::fabs(s.Current_FFT(m, 0) - k * re) < tol);
            QVERIFY(std::fabs(s.Current_FFT(m, 1) - k * im) < tol);
            QVERIFY(std::fabs(s.Current_FFT(m, 2) - mag) < tol);
            if (mag > 0.1 && std::fabs(k * re) > 0.1) QVERIFY(std::fabs(s.Current_FFT(m, 3) - std::atan(im / re) * 180 / M_PI) < 0.01);
        }
        for (int g = 0; g <= 3; ++g) {
            QCOMPARE(fft().grf_Plot[g]->NumPoints(), int16_t(harmonics + 1));
            for (int i = 0; i <= harmonics; ++i) QCOMPARE(fft().grf_Plot[g]->Data(1, i + 1), s.Current_FFT(i, g));
            QCOMPARE(fft().grf_Plot[g]->Label(harmonics + 1), std::to_string(harmonics));
        }
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QCOMPARE(store().Num_Steps, int16_t(36));
    }

    void cleanup()
    {
        if (fft().isVisible()) fft().Hide();
    }

    void activation_then_a_chosen_variable_is_transformed()
    {
        Model_Store& s = store();
        s.Current_FFT(5, 2) = 7;  // left from an earlier transform
        Open_FFT();
        QCOMPARE(fft().cmb_Var1->List_Count(), 22);
        QVERIFY(fft().cmb_Var1->Text().empty() && Has_Focus(fft().cmb_Var1));
        QCOMPARE(fft().cmb_Harmonics->Text(), std::string(" 18"));
        QStringList items;
        for (int i = 0; i < fft().cmb_Harmonics->List_Count(); ++i) items << QString::fromStdString(fft().cmb_Harmonics->List(i));
        QCOMPARE(items, (QStringList{"18", "9", "6", "3"}));
        QVERIFY(!s.FFT_Done && s.FFT_Select && !fft().cmd_Done->isEnabled());
        QVERIFY(s.Plot_Type == 5 && s.Num_Plots == 4 && s.Num_Functions == 1);
        QCOMPARE(s.Current_FFT(5, 2), 0.0f);
        QCOMPARE(fft().grf_Plot[3]->GraphTitle(), std::string("Phs"));
        QCOMPARE(fft().grf_Plot[0]->TickEvery(), int16_t(1));  // 18 / 15 rounds to 1

        Scripted_User user;
        Choose(fft().cmb_Var1, "Theta2");
        QCOMPARE(fft().lbl_Header2->text(), QString("Fourier Transform of  Theta2"));
        QVERIFY(s.FFT_Done && fft().cmd_Done->isEnabled() && QApplication::focusWidget() == fft().cmd_Done);
        QVERIFY(std::fabs(s.Current_FFT(0, 0) - 185) < 1e-3);  // the mean of 10, 20 ... 360
        Expect_Transform([&s](int j) { return s.Theta_Data(j, 0); });

        // the component box picks what is transformed and recalculates at once
        Choose(fft().cmb_Var1, "Coupler Pt");
        Choose(fft().cmb_Com1, "Y");
        QCOMPARE(s.Comp_Code(1), int16_t(1));
        QCOMPARE(s.FFT_Unit, s.Unit_Label(6));
        Expect_Transform([&s](int j) { return s.Position_Data(j, 3, 1); });

        // A table in the Local Rotating frame reads the coupler point otherwise; the transform
        // that follows is still of its global X.
        fft().Hide();
        s.Coord_System = 1;
        float local = 0;
        Select_Variable(9, 1, local);
        QVERIFY(std::fabs(local - s.Position_Data(9, 3, 1)) > 0.1);
        Open_FFT();
        QCOMPARE(s.Coord_System, int16_t(0));
        Choose(fft().cmb_Var1, "Coupler Pt");
        Choose(fft().cmb_Com1, "X");
        Expect_Transform([&s](int j) { return s.Position_Data(j, 3, 0); });
        QVERIFY(user.boxes.empty());
    }

    void harmonics_are_checked_and_clamped()
    {
        Model_Store& s = store();
        Open_FFT();
        Scripted_User user;
        for (const char* bad : {"0", "-3"}) {
            user.Answer(Msg::Ans_Ok);
            Type(fft().cmb_Harmonics, bad);
            QCOMPARE(user.boxes.back().prompt, Harmonics_Message);
            QCOMPARE(user.boxes.back().style, Msg::Exclamation);
            QVERIFY(Has_Focus(fft().cmb_Harmonics));
        }
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Harmonics, "99999");
        QCOMPARE(user.boxes.back().prompt, Function_Message);
        QCOMPARE(user.boxes.back().style, Msg::Question);

        // Too many harmonics are cut to 18, chosen in the list or confirmed by Calculate (which a
        // variable's choice runs), and the charts are drawn whole; beyond the 16-bit range, even
        // beyond a double, a count is refused as any other too large.
        auto expect_cut = [&] {
            QVERIFY(user.boxes.back().prompt.starts_with("Number of harmonics cannot exceed 1/2 the number of data points available.\r"));
            QCOMPARE(fft().cmb_Harmonics->Text(), std::string(" 18"));
            QCOMPARE(s.FFT_Harmonics, int16_t(18));
            Expect_Transform([&s](int j) { return s.Omega_Data(j, 1); });
        };
        user.Answer(Msg::Ans_Ok);
        Choose(fft().cmb_Var1, "Omega3");
        expect_cut();
        for (const char* many : {"25", "500", "40000", "1e999"}) {
            user.Answer(Msg::Ans_Ok);
            Type(fft().cmb_Harmonics, many);
            expect_cut();
            user.Answer(Msg::Ans_Ok);
            fft().cmb_Harmonics->Set_Text(many);
            fft().cmd_Calc->click();
            expect_cut();
        }
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Harmonics, "-40000");
        QCOMPARE(user.boxes.back().prompt, Harmonics_Message);
        Type(fft().cmb_Harmonics, "5.5", true);  // halves go to the even neighbour
        Expect_Transform([&s](int j) { return s.Omega_Data(j, 1); }, 6);
        // a refused count leaves that transform and its count
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Harmonics, "-3");
        QCOMPARE(user.boxes.back().prompt, Harmonics_Message);
        QVERIFY(s.FFT_Done && s.FFT_Harmonics == 6);
        Expect_Transform([&s](int j) { return s.Omega_Data(j, 1); }, 6);
        // the divisor stays from that choice: Calculate spaces 15 harmonics 15 / 6 = 2.5, halves to even
        fft().cmb_Harmonics->Set_Text("15");
        fft().cmd_Calc->click();
        QCOMPARE(fft().grf_Plot[1]->TickEvery(), int16_t(2));
        QCOMPARE(fft().grf_Plot[1]->LabelEvery(), int16_t(2));
        QVERIFY(user.All_Used());
    }

    // Calculate refuses an empty or unknown variable text: the slot would still hold an earlier
    // function, whose transform would pass for the one shown.
    void calculate_needs_a_listed_function_and_harmonics()
    {
        Model_Store& s = store();
        s.Var_Type(1) = 1;
        s.Current_FFT(25, 2) = 7;  // left from an earlier, longer sweep
        Open_FFT();
        Scripted_User user;
        user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Ok);
        fft().cmd_Calc->click();
        Type(fft().cmb_Var1, "Theta9");
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(user.boxes[0].prompt == Function_Message && user.boxes[1].prompt == Function_Message);
        QVERIFY(!s.FFT_Done && !fft().cmd_Done->isEnabled() && Has_Focus(fft().cmb_Var1));

        Type(fft().cmb_Var1, "Theta4", true);
        QVERIFY(s.FFT_Done);
        QCOMPARE(s.Var_Row(1), int16_t(2));

        // a refused choice clears the charts, and the cleared result is not offered as a transform
        user.Answer(Msg::Ans_Ok);
        Type(fft().cmb_Var1, "Theta9");
        QCOMPARE(user.boxes.back().prompt, Function_Message);
        QCOMPARE(fft().grf_Plot[0]->Data(1, 1), 0.0f);
        QVERIFY(!s.FFT_Done && !fft().cmd_Done->isEnabled());

        fft().cmb_Harmonics->Set_Text("0");
        user.Answer(Msg::Ans_Ok);
        fft().cmd_Calc->click();
        QCOMPARE(user.boxes.back().prompt, Harmonics_Message);
        QVERIFY(fft().cmb_Var1->Text().empty());
        QVERIFY(user.All_Used());
    }

    void grid_style_clear_and_back()
    {
        Model_Store& s = store();
        Open_FFT();
        fft().chk_HGrid->click();
        fft().chk_VGrid->click();
        fft().chk_Line->click();
        for (Graph_Control* g : fft().grf_Plot) QVERIFY(g->GridStyle() == 3 && g->GraphStyle() == 4);
        fft().chk_HGrid->click();
        fft().chk_Sticks->click();
        for (Graph_Control* g : fft().grf_Plot) QVERIFY(g->GridStyle() == 2 && g->GraphStyle() == 6);

        Scripted_User user;  // neither Clear nor Back asks anything
        Choose(fft().cmb_Var1, "Alpha2");
        fft().cmd_Clear1->click();
        QVERIFY(fft().Chosen_Variable().empty() && !s.FFT_Done && !fft().cmd_Done->isEnabled());
        for (int i = 0; i <= 18; ++i) QCOMPARE(fft().grf_Plot[2]->Data(1, i + 1), 0.0f);
        Choose(fft().cmb_Var1, "Alpha2");
        fft().cmd_Cancel->click();
        QVERIFY(!fft().isVisible() && !s.FFT_Done && !s.FFT_Select);
    }

    void next_from_the_home_menu_offers_the_result()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Later([this] {
            Choose(fft().cmb_Var1, "Theta5");
            QTest::mouseClick(fft().cmd_Done, Qt::LeftButton);
        });
        home().mnu_CalcFFT->trigger();
        QCOMPARE(user.boxes[0].prompt, std::string(" The FFT of the selected function is \r now available for output as \r"
                                                   " 'Current FFT' from the Preset Format\r lists on the PRINT and PLOT screens"));
        QCOMPARE(user.boxes[0].style, Msg::Information);
        QVERIFY(store().FFT_Done && !store().FFT_Select && home().lbl_Status[3]->isVisible());
    }

    void print_copy_and_help()
    {
        Open_FFT();
        {
            Scripted_User user;
            const std::string pdf = dir.filePath("fft.pdf").toStdString();
            user.Answer(Msg::Ans_Yes).Print_To_Pdf("").Answer(Msg::Ans_Yes).Print_To_Pdf(pdf).Answer(Msg::Ans_Ok);
            fft().cmd_Print->click();
            fft().cmd_Print->click();
            fft().cmd_copy->click();
            QCOMPARE(user.boxes.size(), size_t(3));  // the cancelled dialog ends silently
            QVERIFY(QFile(QString::fromStdString(pdf)).size() > 1000);
            QCOMPARE(user.boxes[2].prompt, std::string("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
        }
        fft().mnu_Help->trigger();
        QVERIFY(QString::fromStdString(Form<frm_Help>().WebBrowser1->Location()).endsWith("/helpfiles/linkages/linkage_fft_help.pdf"));
        QVERIFY(fft().isVisible());
        Form<frm_Help>().Hide();
    }
};

QTEST_MAIN(FFT_Screen_Test)
#include "test_fft_screen.moc"
