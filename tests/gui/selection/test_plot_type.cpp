// The plot-type screen from the home screen's Plot button: the layout chosen by option or sketch,
// Next to that layout's selection screen, a choice that survives, and Help.
#include <QtTest>

#include "selection/frm_PlotSelect1.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/frm_PlotType.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"

namespace {
// A double click delivered at once, without running queued steps first.
void Double_Click(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
}  // namespace

class Plot_Type_Test : public QObject {
    Q_OBJECT
    int exits = 0;

    frm_PlotType& type() { return Form<frm_PlotType>(); }

    // The home screen's Plot, with `steps` run while the plot type is up.
    void Plot_Button(std::function<void()> steps)
    {
        Later(std::move(steps));
        QTest::mouseClick(Form<frm_HomeScreen>().cmd_Plot, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QVERIFY(Form<frm_HomeScreen>().cmd_Plot->isEnabled());
    }

    void first_next_opens_the_four_window_selection()
    {
        Plot_Button([this] {
            QVERIFY(type().isVisible());
            QVERIFY(type().opt_PickPlot[2]->isChecked());
            Later([] {
                QVERIFY(Form<frm_PlotSelect3>().isVisible());
                Form<frm_PlotSelect3>().Hide();
            });
            QTest::mouseClick(type().cmd_PickPlotDone, Qt::LeftButton);
        });
        QCOMPARE(store().Plot_Type, int16_t(3));
        QVERIFY(!type().isVisible());
    }

    void a_click_on_a_sketch_selects_a_double_click_opens()
    {
        Plot_Button([this] {
            QTest::mouseClick(type().Picture[2], Qt::LeftButton);  // lower sketch of the two windows
            QVERIFY(type().opt_PickPlot[1]->isChecked());
            QVERIFY(type().isVisible() && !Form<frm_PlotSelect2>().isVisible());
            QTest::mouseClick(type().Picture[5], Qt::LeftButton);
            QVERIFY(type().opt_PickPlot[2]->isChecked());
            Later([this] {
                QVERIFY(Form<frm_PlotSelect1>().isVisible());
                // Back on a selection screen brings the plot type up again, as it was left.
                Form<frm_PlotSelect1>().Hide();
                Later([this] {
                    QVERIFY(type().opt_PickPlot[0]->isChecked());
                    type().cmd_CancelPickPlot->click();
                });
                type().Show_Modal();
            });
            Double_Click(type().Picture[7]);
        });
        QCOMPARE(store().Plot_Type, int16_t(1));

        // A double click on an option runs Next too.
        Plot_Button([this] {
            Later([] {
                QVERIFY(Form<frm_PlotSelect2>().isVisible());
                Form<frm_PlotSelect2>().Hide();
            });
            type().opt_PickPlot[1]->click();  // the first click of the two
            Double_Click(type().opt_PickPlot[1]);
        });
        QCOMPARE(store().Plot_Type, int16_t(2));
    }

    void help_leaves_the_screen_up_modeless_beside_the_help_window()
    {
        Plot_Button([this] { type().mnu_Help->trigger(); });
        // The home screen's Plot returned: the plot type is no longer modal, yet up.
        QVERIFY(type().isVisible());
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible());
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location()).endsWith("/helpfiles/linkages/linkage_plot_help.pdf"));
        type().cmd_CancelPickPlot->click();
        help.Hide();
    }
};

QTEST_MAIN(Plot_Type_Test)
#include "test_plot_type.moc"
