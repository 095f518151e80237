// The dynamics screen and the matrix screen driven as a user would: typing into the boxes,
// solving, moving between the screens, printing; message boxes and dialogs answered by a script.
#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "dynamics/frm_MassProp.h"
#include "dynamics/frm_Matrix.h"
#include "platform/Fit_Label.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_VastrelW.h"
#include "platform/Mouse_Pointer.h"
#include "runtime/Ui_Port.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_HomeScreen.h"
#include "shell/mod_Common.h"
#include "support/Scripted_User.h"

namespace {
const QColor Grey(128, 128, 128), Red(255, 0, 0);

// The unity example in the given units system, calculated over its 37 crank angles.
void Fresh_Model(int16_t units = 3)
{
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Unit_System = units;
    int16_t n = 18;
    Set_Unit_Labels(units, s.Unit_Label, n);
    Set_Decimals(s.Unit_System);
    Load_Unity_Example();
    Set_Colors();
    Form<frm_HomeScreen>();
    s.Home_Width = 11850;
    s.Home_Height = 9480;
    int16_t choice = Msg::Ans_Retry;
    Calculate_Motion(s.Calc_Type, choice);
    QVERIFY(s.Calc_Done);
}

frm_MassProp& Mass() { return Form<frm_MassProp>(); }
frm_Matrix& Matrix() { return Form<frm_Matrix>(); }

// As the home screen's Dynamics button does it: a fresh activation.
void Open_Screen()
{
    frm_MassProp& f = Mass();
    f.Hide();
    Centerform(f);
    f.Show_Modeless();
    QApplication::setActiveWindow(&f);
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    else QTest::keyClicks(box, text);
}

void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

bool All_Outputs(bool enabled)
{
    frm_MassProp& f = Mass();
    for (QPushButton* b : {f.cmd_Done, f.cmd_Matrix, f.cmd_Print, f.cmd_copy})
        if (b->isEnabled() != enabled) return false;
    return true;
}

QColor Fore(QLabel* l) { return l->palette().color(QPalette::WindowText); }
QString Status(int i) { return Form<frm_HomeScreen>().lbl_Status[i]->text(); }
bool Status_Shown(int i) { return !Form<frm_HomeScreen>().lbl_Status[i]->isHidden(); }
}  // namespace

class Test_MassProp_Screen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Install_Shell_Port();
        Fresh_Model();
    }
    void cleanup()
    {
        Matrix().Hide();
        Mass().Hide();
        Mass().From_Matrix = false;
    }

    void activation_shows_the_model_in_display_form_and_disables_outputs()
    {
        store().Friction_3 = 1.25f;
        Open_Screen();
        frm_MassProp& f = Mass();
        QCOMPARE(f.txt_Mass[2]->text(), QString("0.003"));
        QCOMPARE(f.txt_Inertia[5]->text(), QString("0.04"));
        QCOMPARE(f.txt_DistCG[3]->text(), QString("2.5000"));  // the coupler point, 4 decimals in metres
        QCOMPARE(f.txt_AngCG[3]->text(), QString("20.00"));
        QCOMPARE(f.txt_AngCG[2]->text(), QString("0.00"));
        QCOMPARE(f.txt_Frict[3]->text(), QString("1.25"));
        // Masses and inertias after a change of units: six digits at most, each read from its
        // first character and whole, up to the longest such text.
        Model_Store& s = store();
        s.Link_Inertia(2) = 0.00067775347f;
        s.Link_Inertia(3) = 1.134371E-05f;
        s.Link_Mass(5) = 0.01999999f;
        s.Link_Mass(4) = -0.000888888f;
        Open_Screen();
        QCOMPARE(f.txt_Inertia[2]->text() + " " + f.txt_Inertia[3]->text() + " " + f.txt_Mass[5]->text(),
                 QString("0.000677753 1.13437E-05 0.02"));
        const int frame = f.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, f.txt_Mass[2]);
        for (const frm_MassProp::Box_Row* row : {&f.txt_Mass, &f.txt_Inertia})
            for (int i = 2; i <= 5; ++i) {
                QLineEdit* box = (*row)[i];
                QCOMPARE(box->cursorPosition(), 0);
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->width() - 2 * frame - 4,
                         qPrintable(box->text()));
            }
        QCOMPARE(f.lbl_InertiaUnit->text() + f.lbl_TorqueUnit->text() + f.lbl_ForceUnit[2]->text() +
                     f.lbl_AngUnit[3]->text(),
                 QString("kg-m^2N-mNdegrees"));
        QVERIFY(All_Outputs(false));
        QVERIFY(f.cmd_Solve->isEnabled());
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.cmd_Solve));
        QVERIFY(f.txt_MagForce[2]->isHidden() && f.txt_Frict[4]->isHidden());
    }

    void centimetre_distances_are_shown_in_centimetres_and_stored_in_metres()
    {
        Fresh_Model(4);
        store().Link_CG(2, 0) = 0.05f;
        Open_Screen();
        frm_MassProp& f = Mass();
        QCOMPARE(f.txt_DistCG[2]->text(), QString("5.000"));
        QCOMPARE(f.Lbl_DistUnit[1]->text(), QString("cm"));
        Type(f.txt_DistCG[3], "5");
        Type(f.txt_DistP[3], "12 cm");  // the distance boxes take the leading number
        Type(f.txt_DistP[4], "none");
        Click(f.cmd_Solve);
        const Model_Store& s = store();
        QCOMPARE(s.Link_CG(3, 0), 0.05f);
        QCOMPARE(s.Force_Point3_Dist, 0.12f);
        QCOMPARE(s.Force_Point4_Dist, 0.0f);
        QVERIFY(s.Dynamics_Done);
    }

    void values_shown_with_thousands_commas_are_read_back_unchanged()
    {
        Fresh_Model(5);
        Model_Store& s = store();
        s.Link_CG(3, 0) = 2.5f;
        s.Force_Point3_Dist = 1.25f;
        s.Link_CG(4, 1) = static_cast<float>(1080 * Deg_To_Rad);
        const float angle = s.Link_CG(4, 1);
        // More digits than the six a mass or inertia box shows: a Solve without an edit keeps them.
        s.Link_Mass(2) = 0.1234567f;
        s.Link_Inertia(3) = 1.2345678e-5f;
        Open_Screen();
        frm_MassProp& f = Mass();
        QCOMPARE(f.txt_DistCG[3]->text() + " " + f.txt_DistP[3]->text() + " " + f.txt_AngCG[4]->text(),
                 QString("2,500.00 1,250.00 1,080.00"));
        Scripted_User user;  // no box expected
        Click(f.cmd_Solve);
        QVERIFY(user.boxes.empty());
        QCOMPARE(s.Link_CG(3, 0), 2.5f);
        QCOMPARE(s.Force_Point3_Dist, 1.25f);
        QVERIFY(s.Link_Mass(2) == 0.1234567f && s.Link_Inertia(3) == 1.2345678e-5f);  // exact, not fuzzy
        QVERIFY(std::fabs(s.Link_CG(4, 1) - angle) < 1e-5f);
        QVERIFY(s.Dynamics_Done);
    }

    void solve_stores_angles_in_radians_and_derives_the_force_components()
    {
        Open_Screen();
        frm_MassProp& f = Mass();
        Type(f.txt_AngCG[2], "90");
        Type(f.txt_MagForce[3], "10");
        Type(f.txt_AngForce[3], "90");
        Type(f.txt_AngForce[4], "180");
        Type(f.txt_MagForce[4], "5");
        Type(f.txt_AngP[4], "-30");
        Type(f.txt_Frict[3], " 0.75 ");  // blanks round a number are no error
        Click(f.cmd_Solve);
        const Model_Store& s = store();
        QVERIFY(std::fabs(s.Link_CG(2, 1) - 1.5707963f) < 1e-6f);
        QVERIFY(std::fabs(s.Ext_Force3_X) < 1e-5f && s.Ext_Force3_Y == 10.0f);
        QVERIFY(s.Ext_Force4_X == -5.0f && std::fabs(s.Ext_Force4_Y) < 1e-5f);
        QVERIFY(s.Force_Point4_Angle == -30.0f && s.Friction_3 == 0.75f);
        // Shown again in the screen's own forms at the next visit.
        Open_Screen();
        QCOMPARE(f.txt_AngCG[2]->text() + " " + f.txt_Frict[3]->text(), QString("90.00 0.75"));
    }

    void solve_runs_the_force_solution_and_reports_it_done()
    {
        Model_Store& s = store();
        s.Flywheel_Done = true;
        s.Model_Saved = true;
        Update_Status();
        Open_Screen();
        frm_MassProp& f = Mass();
        Click(f.cmd_Solve);
        QVERIFY(s.Dynamics_Done && !s.Flywheel_Done && !s.Model_Saved);
        QVERIFY(All_Outputs(true));
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.cmd_Done));
        QCOMPARE(Mouse_Pointer(), Pointer::Default);
        QVERIFY(Status_Shown(1) && Status(1) == "Dynamics" && !Status_Shown(2) && !Status_Shown(4));
    }

    void a_torque_on_the_coupler_alone_is_balanced_by_virtual_work()
    {
        // No masses or inertias: the linkage is in static balance at every step, so the
        // power of the driving torque and of the coupler torque add up to nothing.
        Open_Screen();
        frm_MassProp& f = Mass();
        for (int i = 2; i <= 5; ++i) {
            Type(f.txt_Mass[i], "0");
            Type(f.txt_Inertia[i], "0");
        }
        Type(f.txt_Torque[3], "4");
        Click(f.cmd_Solve);
        const Model_Store& s = store();
        QVERIFY(s.Dynamics_Done);
        for (int i : {1, 7, 20}) {
            const double w2 = s.Omega_Data(i, 0), w3 = s.Omega_Data(i, 1), w5 = s.Omega_Data(i, 3);
            const double T12 = s.Torque_Data(i, 0);
            QVERIFY(std::fabs(T12) > 1e-3);
            const double power = T12 * w2 + T12 / s.Gear_Ratio * w5 + 4.0 * w3;
            QVERIFY2(std::fabs(power) < 1e-3 * (1 + std::fabs(4.0 * w3)), qPrintable(QString::number(power)));
        }
    }

    void typing_in_any_box_disables_the_outputs_at_once()
    {
        Open_Screen();
        frm_MassProp& f = Mass();
        for (QLineEdit* box : {f.txt_Mass[2], f.txt_AngCG[4], f.txt_AngForce[3], f.txt_Frict[3], f.txt_DistP[4]}) {
            Click(f.cmd_Solve);
            QVERIFY(All_Outputs(true));
            box->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, "1");
            QVERIFY2(All_Outputs(false), qPrintable(box->text()));
        }
    }

    void outputs_keep_their_state_after_the_matrix_screen_only()
    {
        Open_Screen();
        frm_MassProp& f = Mass();
        Type(f.txt_DistCG[3], "2");  // shown again as 2.0000: the screen's rewrite, not an entry
        Click(f.cmd_Solve);
        Click(f.cmd_Matrix);
        QVERIFY(Matrix().isVisible());
        Click(Matrix().cmd_Done);
        QVERIFY(!Matrix().isVisible());
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&f));
        QVERIFY(All_Outputs(true));
        QCOMPARE(f.txt_DistCG[3]->text(), QString("2.0000"));
        QVERIFY(!f.From_Matrix);
        // Back to the home screen and in again: nothing counts until the next solve.
        Click(f.cmd_Cancel);
        Open_Screen();
        QVERIFY(All_Outputs(false));
    }

    void back_leaves_the_flags_and_next_accepts_the_solution()
    {
        Model_Store& s = store();
        s.Reset_Selections = false;
        Open_Screen();
        frm_MassProp& f = Mass();
        Click(f.cmd_Solve);
        Click(f.cmd_Cancel);
        QVERIFY(!f.isVisible() && s.Dynamics_Done && !s.Reset_Selections);
        Open_Screen();
        Click(f.cmd_Solve);
        Form<frm_HomeScreen>().cmd_Dynamics->setEnabled(false);
        Click(f.cmd_Done);
        QVERIFY(!f.isVisible() && s.Dynamics_Done && s.Reset_Selections);
        QVERIFY(Form<frm_HomeScreen>().cmd_Dynamics->isEnabled());
    }

    void an_entry_that_is_no_number_is_named_and_nothing_is_solved()
    {
        Model_Store& s = store();
        Open_Screen();
        frm_MassProp& f = Mass();
        Type(f.txt_Mass[2], "7");
        Type(f.txt_Inertia[4], "1.5kg");
        {
            Scripted_User user;
            user.Answer(Msg::Ans_Ok);
            Click(f.cmd_Solve);
            QCOMPARE(user.boxes.size(), size_t(1));
            QCOMPARE(user.boxes[0].prompt, std::string("The box \"Mass Mom of Inert vs CG\" of link 4 does not hold a number."));
            QCOMPARE(user.boxes[0].style, Msg::Ok_Only | Msg::Exclamation);
        }
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.txt_Inertia[4]));
        QCOMPARE(s.Link_Mass(2), 0.003f);  // the model is untouched, not half written
        QVERIFY(!s.Dynamics_Done);
        QVERIFY(All_Outputs(false));
        QCOMPARE(Mouse_Pointer(), Pointer::Default);

        Type(f.txt_Inertia[4], "1.5");
        Type(f.txt_Torque[4], "1e50");
        {
            Scripted_User user;
            user.Answer(Msg::Ans_Ok);
            Click(f.cmd_Solve);
            QCOMPARE(user.boxes.at(0).prompt,
                     std::string("The box \"Torque on Link\" of link 4 holds a number too large to be used."));
        }
        Type(f.txt_Torque[4], "1e5");
        Click(f.cmd_Solve);
        QVERIFY(s.Dynamics_Done && s.Link_Mass(2) == 7.0f && s.Link_Inertia(4) == 1.5f);
    }

    void a_model_without_calculated_motion_is_not_solved()
    {
        Model_Store& s = store();
        Open_Screen();
        s.Calc_Done = false;
        s.Torque_Data(0, 0) = 123;
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Click(Mass().cmd_Solve);
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt, std::string("There is no calculated motion to solve: please calculate the linkage first."));
        QVERIFY(!s.Dynamics_Done);
        QCOMPARE(s.Torque_Data(0, 0), 123.0f);
        QVERIFY(All_Outputs(false));
    }

    void a_singular_first_step_is_no_solution_but_its_system_can_be_seen()
    {
        Model_Store& s = store();
        // Every link along the x axis: the X components of the joint forces are undetermined.
        for (int r = 0; r <= 3; ++r) s.Theta_Data(0, r) = 0;
        s.Flywheel_Done = true;
        Open_Screen();
        frm_MassProp& f = Mass();
        Scripted_User user;
        user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Ok);
        Click(f.cmd_Solve);
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(user.boxes[1].prompt, std::string("Error in Computing Simultaneous Equations at step    0"));
        QVERIFY(!s.Dynamics_Done);
        QVERIFY(!s.Flywheel_Done);  // the old torques are partly gone
        QVERIFY(!f.cmd_Done->isEnabled());
        QVERIFY(f.cmd_Matrix->isEnabled() && f.cmd_Print->isEnabled() && f.cmd_copy->isEnabled());
        QVERIFY(!Status_Shown(1));
        QCOMPARE(Mouse_Pointer(), Pointer::Default);
        // The assembled system of that step: link 2's moment arm to A has no y part at 0 degrees.
        frm_Matrix& m = Matrix();
        QCOMPARE(m.lbl_A3[3]->text(), QString("0.000"));
        QCOMPARE(Fore(m.lbl_A3[3]), Grey);
        QCOMPARE(m.lbl_A3[4]->text(), QString("0.500"));  // a cos(0) - g2 with g2 = a / 2
        QCOMPARE(m.lbl_A12[9]->text(), QString("-1.000"));
        QCOMPARE(Fore(m.lbl_A12[9]), Red);
    }

    void the_matrix_shows_three_decimals_grey_for_what_rounds_to_zero()
    {
        Array2<double, 1, 12, 1, 12> A;
        Array1<double, 1, 12> B;
        A(1, 1) = 0.0004, A(1, 2) = -0.0006, A(12, 2) = 1234.5678, B(3) = 0.0005;
        frm_Matrix& m = Matrix();
        m.Fill(A, B);
        QCOMPARE(m.lbl_A1[1]->text() + " " + m.lbl_A1[2]->text() + " " + m.lbl_A12[2]->text(),
                 QString("0.000 -0.001 1,234.568"));
        QVERIFY(Fore(m.lbl_A1[1]) == Grey && Fore(m.lbl_A1[2]) == Red && Fore(m.lbl_A12[2]) == Red);
        QCOMPARE(m.lbl_B[3]->text(), QString("0.001"));
        QVERIFY(Fore(m.lbl_B[3]) == Red && Fore(m.lbl_B[4]) == Grey);
        // A right-hand side too wide for its cell keeps its sign and leading digits.
        B(1) = -1000001.625;
        m.Fill(A, B);
        auto* cell = qobject_cast<Fit_Label*>(m.lbl_B[1]);
        QVERIFY(cell);
        const QString shown = cell->Shown_Lines().first();
        QVERIFY2(shown.startsWith("-1,") && shown.endsWith(QChar(0x2026)), qPrintable(shown));
    }

    void print_and_copy_of_both_screens()
    {
        Open_Screen();
        frm_MassProp& f = Mass();
        Click(f.cmd_Solve);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("massprop.pdf");
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Click(f.cmd_copy);
        QCOMPARE(user.boxes.back().prompt,
                 std::string("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
        QCOMPARE(user.boxes.back().style, Msg::Information);
        user.Answer(Msg::Ans_Yes).Print_To_Pdf("");  // a cancel on this screen: silently nothing
        Click(f.cmd_Print);
        user.Answer(Msg::Ans_Yes).Print_To_Pdf(pdf.toStdString());
        Click(f.cmd_Print);
        QVERIFY(QFile(pdf).size() > 1000);
        QCOMPARE(user.boxes.size(), size_t(3));
        // The matrix screen's cancel ends silently too; No prints nothing.
        Click(f.cmd_Matrix);
        frm_Matrix& m = Matrix();
        QVERIFY(m.cmd_Print->isEnabled() && m.cmd_copy->isEnabled());
        user.Answer(Msg::Ans_Yes).Print_To_Pdf("").Answer(Msg::Ans_No);
        Click(m.cmd_Print);
        Click(m.cmd_Print);
        QCOMPARE(user.boxes.size(), size_t(5));
        QCOMPARE(user.printer_dialogs, 3);
        QVERIFY(user.All_Used());
    }

    void a_model_read_fills_the_hidden_friction_box_which_solve_keeps()
    {
        Model_Store& s = store();
        s.Friction_4 = 3.5f;
        s.Link_Mass(3) = 0.25f;
        ui().Model_Was_Read();
        frm_MassProp& f = Mass();
        QCOMPARE(f.txt_Frict[4]->text(), QString("3.5"));
        QCOMPARE(f.txt_Mass[3]->text(), QString("0.25"));
        s.Calc_Done = true;
        Open_Screen();
        QVERIFY(f.txt_Frict[4]->isHidden());
        Click(f.cmd_Solve);
        QCOMPARE(s.Friction_4, 3.5f);
        QCOMPARE(s.Link_Mass(3), 0.25f);
    }
};

QTEST_MAIN(Test_MassProp_Screen)
#include "test_frm_MassProp.moc"
