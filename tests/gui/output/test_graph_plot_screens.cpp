// The graph plot screens after a calculated example, as a selection screen's Next shows them:
// chart contents, labels and titles, the option boxes that replot, Back and Next.
#include <QtTest>
#include <cmath>

#include "model/Mod_Plotsubs.h"
#include "output/frm_Plot1.h"
#include "output/frm_Plot2.h"
#include "output/frm_Plot3.h"
#include "selection/frm_PlotSelect3.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
Accepted_Functions Accept(std::initializer_list<std::pair<const char*, const char*>> functions)
{
    Accepted_Functions a;
    int16_t slot = 1;
    for (auto [name, comp] : functions) {
        Set_Variable(name, slot);
        Set_Component(comp, slot);
        a.Function[static_cast<size_t>(slot - 1)] = name;
        a.Component[static_cast<size_t>(slot - 1)] = comp;
        ++slot;
    }
    store().Num_Functions = static_cast<int16_t>(slot - 1);
    return a;
}

// What a selection screen's Next does for a graph plot, then the checks while the screen is up.
template <class S, class Chart>
void Show_Plot(S& plot, const Accepted_Functions& a, int16_t graphs, Chart chart, std::function<void()> checks)
{
    store().Num_Plots = graphs;
    Plot_Setup(plot, graphs);
    chart(plot, a, graphs);
    Later([&plot, checks] {
        checks();
        plot.cmd_Done->click();
    });
    Centerform(plot);
    plot.Show_Modal();
}

void Chart_Each(Graph_Plot_Form& f, const Accepted_Functions& a, int16_t& n) { Plot(f, a, n); }
void Chart_All(Graph_Plot_Form& f, const Accepted_Functions& a, int16_t&) { MultiPlot(f, a); }
}  // namespace

class Graph_Plot_Screens_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    // The first example swept 0..360 by 10 degrees.
    void init()
    {
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QCOMPARE(store().Num_Steps, int16_t(36));
    }

    void four_charts_one_function_each_with_options_that_replot()
    {
        frm_Plot3& plot = Form<frm_Plot3>();
        const Accepted_Functions a =
            Accept({{"Veloc CP", "X"}, {"Veloc CP", "Y"}, {"Veloc CP", "Mag"}, {"Veloc CP", "Ang"}});
        const std::string velocity = store().Unit_Label(Qty::Velocity);
        Show_Plot(plot, a, 4, Chart_Each, [&] {
            const char* const comps[] = {"X", "Y", "Mag", "Ang"};
            for (int g = 0; g < 4; ++g) {
                Graph_Control& c = *plot.grf_Plot[g];
                QCOMPARE(c.NumSets(), int16_t(1));
                QCOMPARE(c.NumPoints(), int16_t(37));
                QCOMPARE(c.TickEvery(), int16_t(6));
                QCOMPARE(c.LabelEvery(), int16_t(12));
                QCOMPARE(c.BottomTitle(), std::string("Crank Angle (Deg)"));
                QCOMPARE(c.Legend(1), std::string(comps[g]));
                QCOMPARE(c.Label(13), std::string("120."));
                QCOMPARE(c.Background(), int16_t(1));  // "Blue" at first
                // Wider component names take no width from their charts.
                QCOMPARE(c.Compute_Layout(c.rect()).plot.right(),
                         plot.grf_Plot[0]->Compute_Layout(plot.grf_Plot[0]->rect()).plot.right());
            }
            QCOMPARE(plot.grf_Plot[3]->GraphTitle(), std::string("Veloc CP  (Deg)"));
            QCOMPARE(plot.grf_Plot[2]->GraphTitle(), "Veloc CP  (" + velocity + ")");
            float v = 0;
            store().Plot_Slot = 3;
            Select_Variable(20, 3, v);
            QCOMPARE(plot.grf_Plot[2]->Data(1, 21), v);
            QCOMPARE(plot.lbl_Header2->text(), QString("Selected Linkage Parameters"));
            QCOMPARE(plot.lbl_Coord->text(), QString("Global"));
            QCOMPARE(plot.lbl_Initial[1]->text(), QString("Min Theta"));
            QVERIFY(plot.fra_Initial->isVisible());

            plot.opt_Back[2]->click();
            for (int g = 0; g < 4; ++g) QCOMPARE(plot.grf_Plot[g]->Background(), int16_t(7));
            const QImage frame = plot.pct_Frame->Image();
            QCOMPARE(QColor(frame.pixel(1, 1)), QColor(Qt::black));

            plot.chk_HGrid->click();
            plot.chk_VGrid->click();
            for (int g = 0; g < 4; ++g) QCOMPARE(plot.grf_Plot[g]->GridStyle(), int16_t(3));
            plot.chk_HGrid->click();
            plot.chk_VGrid->click();

            // Print Form prints the screen; a cancelled printer dialog ends silently.
            QTemporaryDir dir;
            const std::string pdf = dir.filePath("plot.pdf").toStdString();
            Scripted_User user;
            user.Answer(Msg::Ans_Yes).Print_To_Pdf("").Answer(Msg::Ans_Yes).Print_To_Pdf(pdf);
            plot.cmd_Print->click();
            plot.cmd_Print->click();
            QCOMPARE(user.boxes.size(), size_t(2));
            QVERIFY(QFile(QString::fromStdString(pdf)).size() > 1000);
        });
        QVERIFY(!plot.isVisible());
        QVERIFY(store().Reset_Selections);

        // Back leads to the selection screen again.
        Later([&plot] { plot.cmd_Back->click(); });
        Later([] {
            QVERIFY(Form<frm_PlotSelect3>().isVisible());
            Form<frm_PlotSelect3>().Hide();
        });
        Centerform(plot);
        plot.Show_Modal();
        QVERIFY(!plot.isVisible());
    }

    void one_chart_with_every_function_and_the_fourier_captions()
    {
        frm_Plot1& plot = Form<frm_Plot1>();
        Model_Store& s = store();
        for (int m = 0; m <= 15; ++m) s.Current_FFT(m, 2) = static_cast<float>(m);
        s.FFT_Harmonics = 15;
        const Accepted_Functions fft = Accept({{"Current FFT", "Mag"}});
        QRect fft_chart;
        QSize fft_style;
        Show_Plot(plot, fft, 1, Chart_All, [&] {
            fft_chart = plot.grf_Plot[0]->geometry();
            fft_style = plot.fra_Style->minimumSizeHint();
            Graph_Control& c = *plot.grf_Plot[0];
            QCOMPARE(c.NumPoints(), int16_t(16));
            QCOMPARE(c.BottomTitle(), std::string("Harmonic Number"));
            QCOMPARE(c.Label(1), std::string("0"));
            QCOMPARE(c.Label(16), std::string("15"));
            QCOMPARE(c.Data(1, 16), 15.0f);
            QCOMPARE(plot.chk_Line->text(), QString("Envelope"));
            QCOMPARE(plot.chk_Sticks->text(), QString("Lines"));
            QVERIFY(plot.lbl_Header3->text().startsWith("Fourier Transform of  "));
        });

        const Accepted_Functions two = Accept({{"Theta3", "Mag"}, {"Veloc CP", "Ang"}});
        Show_Plot(plot, two, 1, Chart_All, [&] {
            Graph_Control& c = *plot.grf_Plot[0];
            QCOMPARE(c.NumSets(), int16_t(2));
            QCOMPARE(c.Legend(1), "Theta3 Mag " + s.Unit_Label(Qty::Angle));
            QCOMPARE(c.Legend(2), std::string("Veloc CP Ang Deg"));
            QCOMPARE(c.Pattern(2), int16_t(1));
            QCOMPARE(plot.chk_Line->text(), QString("Lines"));
            QCOMPARE(plot.chk_Sticks->text(), QString("Fills"));
            QCOMPARE(plot.lbl_Header3->text(), QString(""));
            // The renamed style boxes keep their frame's size, so the side column and chart stay.
            QCOMPARE(plot.fra_Style->minimumSizeHint(), fft_style);
            QCOMPARE(plot.grf_Plot[0]->geometry(), fft_chart);
            // Legends too wide to stand beside a narrow chart go under it, whole.
            const Graph_Control::Layout narrow = c.Compute_Layout(QRectF(0, 0, 300, 400));
            QVERIFY(narrow.legend_below && narrow.plot.bottom() < narrow.legend.top());
            QVERIFY(!c.Compute_Layout(QRectF(0, 0, 1600, 400)).legend_below);
        });
    }

    // A value that cannot be drawn leaves a gap; the axis holds the others.
    void a_value_approaching_infinity_is_a_gap()
    {
        frm_Plot2& plot = Form<frm_Plot2>();
        store().Theta_Data(4, 1) = INFINITY;
        const Accepted_Functions a = Accept({{"Theta3", "Mag"}, {"Theta4", "Mag"}});
        Show_Plot(plot, a, 2, Chart_Each, [&] {
            Graph_Control& c = *plot.grf_Plot[0];
            QVERIFY(std::isnan(c.Data(1, 5)));
            const Graph_Control::Layout layout = c.Compute_Layout(QRectF(0, 0, 400, 300));
            QVERIFY(std::isfinite(layout.y_max) && layout.y_max < 1e4);
        });
    }
};

QTEST_MAIN(Graph_Plot_Screens_Test)
#include "test_graph_plot_screens.moc"
