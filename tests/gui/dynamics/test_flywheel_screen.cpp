// The flywheel screen reached from the home screen after a solved example with its force
// solution: the coefficient box, Calculate, the extremes, both curves, the pulse table, the
// background choice and the commands.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "dynamics/Force_Analysis.h"
#include "dynamics/frm_Flywheel.h"
#include "model/Mod_Plotsubs.h"
#include "output/Graph_Plot_Data.h"
#include "output/Report_Output.h"
#include "platform/Fit_Label.h"
#include "selection/Selection_Record.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
const char* const Fluct_Message = " Coefficient of fluctuation must be between zero and one - Try .05 ";

bool Uniform(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
}

void Type(QLineEdit* box, const QString& text, Qt::Key commit)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, commit);
}

double Number(QLabel* label) { return label->text().toDouble(); }
}  // namespace

class Flywheel_Screen_Test : public QObject {
    Q_OBJECT

    int exits = 0;
    QTemporaryDir dir;

    frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
    frm_Flywheel& fly() { return Form<frm_Flywheel>(); }

    // Calculate on the input screen, then the force solution.
    static void Solve_On_Input()
    {
        frm_Inputnew& input = Form<frm_Inputnew>();
        input.cmd_Calc->click();
        Model_Store& s = store();
        Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
        input.Hide();
    }

    // The unity example, solved.
    void Solve_Example()
    {
        Later(Solve_On_Input);
        emit home().mnu_Examples->aboutToShow();
        home().mnu_Unity->trigger();
        QVERIFY(store().Dynamics_Done);
    }

    void Open_Flywheel()
    {
        QVERIFY(home().cmd_Flywheel->isEnabled());
        QTest::mouseClick(home().cmd_Flywheel, Qt::LeftButton);
        QVERIFY(fly().isVisible());
        QApplication::setActiveWindow(&fly());
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        exits = 0;
        Fresh_Program(exits);
        Start_To_Home();
        Solve_Example();
        Open_Flywheel();
    }

    void calculate_gives_the_extremes_curves_table_and_status()
    {
        Model_Store& s = store();
        QVERIFY(!home().lbl_Status[2]->isVisible());
        fly().cmd_Calc->click();

        // Independent: the mean over the turn's 36 equal steps by the trapezoid rule, extremes of
        // the curve and of its smoothed copy.
        const int N = s.Num_Steps;
        QCOMPARE(N, 36);
        double sum = 0, hi = -1e30, lo = 1e30;
        for (int i = 0; i <= N; ++i) {
            if (i > 0) sum += (double(s.Torque_Data(i - 1, 0)) + s.Torque_Data(i, 0)) / 2;
            hi = std::max(hi, double(s.Torque_Data(i, 0)));
            lo = std::min(lo, double(s.Torque_Data(i, 0)));
        }
        const double avg = sum / N;
        QVERIFY(hi - lo > 1);  // the example's crank torque varies
        QCOMPARE(Number(fly().lbl_Torque[0]), std::floor(hi * 100 + 0.5) / 100);
        QCOMPARE(Number(fly().lbl_Torque[2]), std::floor(lo * 100 + 0.5) / 100);
        QVERIFY(std::fabs(Number(fly().lbl_Torque[1]) - (avg + 0.05 * (hi - avg))) <= 0.006);
        QVERIFY(std::fabs(Number(fly().lbl_Torque[3]) - (avg + 0.05 * (lo - avg))) <= 0.006);
        for (int i = 0; i <= N; ++i)
            QVERIFY(std::fabs(s.Flywheel_Torque(i) - (avg + 0.05 * (s.Torque_Data(i, 0) - avg))) < 1e-4);

        const char* const titles[] = {"Torque With No Flywheel", "Torque With a Flywheel"};
        for (int g = 0; g <= 1; ++g) {
            Graph_Control& plot = *fly().grf_Plot[g];
            QVERIFY(plot.isVisible());
            QCOMPARE(plot.GraphTitle(), std::string(titles[g]));
            QCOMPARE(plot.NumPoints(), int16_t(37));
            QCOMPARE(plot.LabelEvery(), int16_t(10));
            // The x axis reads the sweep's crank angles, 0 to 360 by 10, not point numbers.
            QCOMPARE(plot.Label(1), std::string("0."));
            QCOMPARE(plot.Label(13), std::string("120."));
            QCOMPARE(plot.Label(37), std::string("360."));
            for (int i = 0; i <= N; ++i)
                QCOMPARE(plot.Data(1, i + 1), g == 0 ? s.Torque_Data(i, 0) : s.Flywheel_Torque(i));
        }
        QVERIFY(!Uniform(fly().pct_Pict1->Image()));
        QVERIFY(s.Flywheel_Done && !s.Model_Saved);
        QVERIFY(home().lbl_Status[2]->isVisible());

        // Torques of millions of millions: each box at the screen's size keeps the sign.
        for (int i = 0; i <= N; ++i) s.Torque_Data(i, 0) = -1.0e12f + 5.0e10f * (i % 3);
        fly().cmd_Calc->click();
        QApplication::processEvents();
        for (QLabel* box : fly().lbl_Torque) {
            auto* fit = qobject_cast<Fit_Label*>(box);
            QVERIFY(fit && fit->text().startsWith('-'));
            QVERIFY2(fit->Shown_Lines().first().startsWith('-'), qPrintable(fit->text()));
        }
    }

    // The flywheel's torque is the crank torque in the crank torque's unit, whatever the system:
    // on this screen, in the catalogue's labels, on a plot and in a listing.
    void the_flywheel_torque_has_the_crank_torques_unit_in_every_system()
    {
        Scripted_User user;
        Model_Store& s = store();
        const char* const torque_units[] = {"", "lb-in", "lb-ft", "N-m", "N- m", "N- m"};
        for (int16_t system = 1; system <= 5; ++system) {
            home().mnu_pick[system]->trigger();
            Solve_On_Input();
            fly().cmd_Calc->click();
            const std::string unit = torque_units[system];
            QCOMPARE(s.Unit_Label(9), unit);
            QCOMPARE(s.Unit_Label(12), unit);
            QCOMPARE(s.Unit_Label(18), unit);
            for (QLabel* label : fly().lbl_Unit) QCOMPARE(label->text(), QString::fromStdString(unit));

            Set_Variable("Flywl Torque", 1);
            Set_Variable("Torque 12", 2);
            QCOMPARE(Plot_Unit_Text(1, false), unit);
            s.Num_Columns = 2;
            s.Print_Step = 1;
            const Grid_Listing listing = Grid_Contents({{"Flywl Torque", "Torque 12"}, {"Mag", "Mag"}});
            int unit_cells = 0;
            for (const Grid_Cell& cell : listing.cells) {
                if (cell.row != 2 || cell.col < 1) continue;
                QCOMPARE(cell.text, unit);
                ++unit_cells;
            }
            QCOMPARE(unit_cells, 2);
        }
    }

    // A recalculation elsewhere leaves the torque stale: the flywheel refuses it and stays invalid.
    void a_stale_torque_is_refused()
    {
        Scripted_User user;
        Model_Store& s = store();
        s.Dynamics_Done = false;
        s.Flywheel_Done = false;
        user.Answer(Msg::Ans_Ok);
        fly().cmd_Calc->click();
        QCOMPARE(int(user.boxes.size()), 1);
        QVERIFY(user.boxes[0].prompt.find("solve the dynamics again") != std::string::npos);
        QVERIFY(!s.Flywheel_Done);
        QVERIFY(!fly().grf_Plot[0]->isVisible());
    }

    // A torque whose energy lobes overflow is reported and leaves the flywheel invalid, showing
    // no result.
    void an_overflowing_torque_is_not_marked_done()
    {
        Scripted_User user;
        Model_Store& s = store();
        const auto saved = s.Torque_Data;
        s.Dynamics_Done = true;
        s.Flywheel_Done = false;
        for (int i = 0; i <= s.Num_Steps; ++i) s.Torque_Data(i, 0) = 2 * i < s.Num_Steps ? 3e38f : -3e38f;
        user.Answer(Msg::Ans_Ok);
        user.Answer(Msg::Ans_Ok);
        fly().cmd_Calc->click();
        QVERIFY(!user.boxes.empty());
        QVERIFY(user.boxes[0].prompt.find("Overflow") != std::string::npos);
        QVERIFY(!s.Flywheel_Done);
        for (QLabel* box : fly().lbl_Torque) QVERIFY(box->text().isEmpty());
        QVERIFY(!fly().grf_Plot[0]->isVisible());
        s.Torque_Data = saved;
    }

    void a_coefficient_of_one_leaves_the_torque_as_it_is()
    {
        Scripted_User user;
        Type(fly().txt_Fluct, "1", Qt::Key_Tab);  // leaving the box accepts it
        Model_Store& s = store();
        QCOMPARE(s.Coef_Fluctuation, 1.0f);
        QVERIFY(s.Flywheel_Done);
        QVERIFY(!fly().Fluct_Changed);
        for (int i = 0; i <= s.Num_Steps; ++i) QCOMPARE(s.Flywheel_Torque(i), s.Torque_Data(i, 0));
        QCOMPARE(fly().lbl_Torque[1]->text(), fly().lbl_Torque[0]->text());
        QCOMPARE(fly().lbl_Torque[3]->text(), fly().lbl_Torque[2]->text());
        QVERIFY(user.boxes.empty());
    }

    void a_coefficient_out_of_bounds_is_refused_and_replaced()
    {
        Model_Store& s = store();
        // Committed by Enter or by leaving the box; the last two would overflow a float, and the
        // leading-number reading itself.
        int k = 0;
        for (const char* text : {"2", "0", "-0.1", "abc", "3", "1e39", "1e999"}) {
            Scripted_User user;
            user.Answer(Msg::Ans_Ok);
            Type(fly().txt_Fluct, text, ++k % 2 ? Qt::Key_Return : Qt::Key_Tab);
            QCOMPARE(user.boxes.size(), size_t(1));
            QCOMPARE(user.boxes[0].prompt, std::string(Fluct_Message));
            QCOMPARE(user.boxes[0].style, Msg::Ok_Only);
            QCOMPARE(fly().txt_Fluct->text(), QString(" .05"));
            QCOMPARE(s.Coef_Fluctuation, 0.05f);
            QVERIFY(fly().txt_Fluct->hasFocus());
            QVERIFY(fly().Fluct_Changed && !s.Flywheel_Done);
        }
        // The restored text is still pending: Enter now accepts it and calculates.
        Scripted_User user;
        QTest::keyClick(fly().txt_Fluct, Qt::Key_Return);
        QVERIFY(s.Flywheel_Done);
        QVERIFY(!fly().Fluct_Changed);
        // Enter on an unchanged text does nothing.
        s.Flywheel_Done = false;
        QTest::keyClick(fly().txt_Fluct, Qt::Key_Return);
        QVERIFY(!s.Flywheel_Done);
        QVERIFY(user.boxes.empty());
    }

    void another_background_redraws_without_recalculating()
    {
        fly().cmd_Calc->click();
        Model_Store& s = store();
        s.Flywheel_Done = false;  // a recalculation would set it again
        const QString label = fly().lbl_Torque[1]->text();
        fly().opt_Back[1]->click();
        for (Graph_Control* g : fly().grf_Plot)
            QCOMPARE(QColor(g->Render_Image(QSize(300, 200)).pixel(2, 2)), Graph_Control::Palette_Colour(1));
        QCOMPARE(fly().grf_Plot[1]->Data(1, 1), s.Flywheel_Torque(0));
        QVERIFY(!s.Flywheel_Done);
        QCOMPARE(fly().lbl_Torque[1]->text(), label);
    }

    void each_visit_hides_the_curves_and_clears_the_table()
    {
        QVERIFY(fly().Caption().ends_with("Flywheel Screen"));
        QCOMPARE(fly().txt_Fluct->text(), QString("0.05"));
        QVERIFY(!fly().Fluct_Changed);
        for (QLabel* unit : fly().lbl_Unit) QCOMPARE(unit->text(), QString::fromStdString(store().Unit_Label(9)));
        fly().cmd_Calc->click();
        const QString label = fly().lbl_Torque[0]->text();
        fly().cmd_Cancel->click();
        QVERIFY(!fly().isVisible());
        Open_Flywheel();
        for (Graph_Control* g : fly().grf_Plot) QVERIFY(g->isHidden());
        QVERIFY(Uniform(fly().pct_Pict1->Image()));
        QCOMPARE(fly().lbl_Torque[0]->text(), label);  // kept until the next Calculate
        fly().cmd_Done->click();
        QVERIFY(!fly().isVisible());
        QVERIFY(home().isVisible());

        // Another model, calculated and solved: no result of the earlier one under its units.
        home().mnu_pick[3]->trigger();
        Solve_On_Input();
        Open_Flywheel();
        for (QLabel* unit : fly().lbl_Unit) QCOMPARE(unit->text(), QString("N-m"));
        for (QLabel* box : fly().lbl_Torque) QVERIFY(box->text().isEmpty());
        fly().cmd_Calc->click();
        for (QLabel* box : fly().lbl_Torque) QVERIFY(!box->text().isEmpty());
        QVERIFY(Number(fly().lbl_Torque[0]) != label.toDouble());
    }

    void print_and_help()
    {
        {
            // A cancelled printer dialog ends silently; a chosen one prints the screen.
            Scripted_User user;
            const std::string pdf = dir.filePath("flywheel.pdf").toStdString();
            user.Answer(Msg::Ans_Yes).Print_To_Pdf("").Answer(Msg::Ans_Yes).Print_To_Pdf(pdf);
            fly().cmd_Print->click();
            fly().cmd_Print->click();
            QCOMPARE(user.boxes.size(), size_t(2));
            QCOMPARE(user.printer_dialogs, 2);
            QVERIFY(QFile(QString::fromStdString(pdf)).size() > 1000);
            user.Answer(Msg::Ans_No);
            fly().cmd_Print->click();
            QCOMPARE(user.printer_dialogs, 2);
        }
        fly().mnu_Help->trigger();
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible());
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location())
                    .endsWith("/helpfiles/linkages/linkage_flywheel_help.pdf"));
        QVERIFY(fly().isVisible());
    }
};

QTEST_MAIN(Flywheel_Screen_Test)
#include "test_flywheel_screen.moc"
