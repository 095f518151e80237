// The own-drawn plot screens after the unity example's sweep (0 to 360 by 10): the four-chart
// screen with its extremes, replot, redraw tick, a function too large for its window and the
// commands; the polar screen's drawing modes and step mode.
#include <QtTest>
#include <cmath>

#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "output/frm_MyPlot3.h"
#include "output/frm_Myplot2.h"
#include "output/frm_MyPlot4.h"
#include "platform/Qt_Text.h"
#include "runtime/Number_Text.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/Selection_Role.h"
#include "selection/frm_PlotSelect4.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
constexpr QRgb Blue = 0xFF0000FF, Green = 0xFF00FF00, White = 0xFFFFFFFF;

int Count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

// Accepts function and component for each slot, as a selection screen's OK would; the record
// goes to the selection screen (when it keeps one) and is returned for drawing with it directly.
Accepted_Functions Accept(Screen& selection, std::vector<std::pair<const char*, const char*>> pairs)
{
    Accepted_Functions accepted;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const int16_t slot = static_cast<int16_t>(i + 1);
        Set_Variable(pairs[i].first, slot);
        Set_Component(pairs[i].second, slot);
        accepted.Function[i] = pairs[i].first;
        accepted.Component[i] = pairs[i].second;
    }
    if (auto* role = dynamic_cast<Selection_Role*>(&selection)) role->Accepted = accepted;
    return accepted;
}

std::string Text(QLabel* l) { return l->text().toStdString(); }

// The label's caption is not cut: its text fits the label's contents (less the indent a frame
// brings), and the label lies wholly inside each widget that holds it, up to the window.
bool Caption_Fits(QLabel* l)
{
    const QFontMetrics fm = l->fontMetrics();
    const int indent = l->indent() >= 0 ? l->indent() : (l->frameWidth() > 0 ? fm.horizontalAdvance('x') / 2 : 0);
    if (fm.horizontalAdvance(l->text()) > l->contentsRect().width() - indent) return false;
    QRect r = l->geometry();
    for (QWidget* w = l->parentWidget(); w; w = w->parentWidget()) {
        if (!QRect(QPoint(0, 0), w->size()).contains(r)) return false;
        if (w->isWindow()) break;
        r.translate(w->pos());
    }
    return true;
}

// The geometry of every chart's picture, in window pixels.
std::vector<QRect> Chart_Pictures(Own_Plot_Form& plot)
{
    std::vector<QRect> rects;
    for (Own_Chart* c : plot.Chart)
        if (c) rects.emplace_back(c->pct_Plot->mapTo(&plot, QPoint(0, 0)), c->pct_Plot->size());
    return rects;
}
}  // namespace

class Own_Plot_Screens_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    void init()
    {
        exits = 0;
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Num_Steps, int16_t(36));
    }

    void Four_Chart_Screen_Draws_Every_Chart_With_Its_Extremes()
    {
        frm_MyPlot3& plot = Form<frm_MyPlot3>();
        const Accepted_Functions accepted = Accept(Form<frm_PlotSelect3>(),
            {{"Theta3", "Mag"}, {"Coupler Pt", "X"}, {"Veloc CP", "Mag"}, {"Coupler Pt", "Ang"}});
        int16_t n = 4;
        MyPlotSetup(plot, n);
        plot.Show_Modeless();
        MyPlot(plot, accepted, n);
        for (int g = 0; g < 4; ++g) {
            Own_Chart& c = *plot.Chart[g];
            QVERIFY2(Count(c.pct_Plot->Image(), Blue) > 100, "every chart has its curve");
            QCOMPARE(Text(c.pnl_BottomTitle), std::string("Crank Angle (Deg)"));
            // The extremes, found here from the results themselves.
            float hi = -1e30f, lo = 1e30f;
            for (int16_t i = 0; i <= 36; ++i) {
                float v = 0;
                Select_Variable(i, static_cast<int16_t>(g + 1), v);
                hi = std::max(hi, v);
                lo = std::min(lo, v);
            }
            const float S = std::max(std::fabs(hi), std::fabs(lo));
            const int d = S >= 100 ? 0 : S >= 10 ? 1 : S >= 1 ? 2 : 3;
            QCOMPARE(Text(c.lbl_Max) + Text(c.lbl_Min) + Text(c.lbl_Peak) + Text(c.pnl_Ymax),
                     FNRoundStr(hi, d) + FNRoundStr(lo, d) + FNRoundStr(hi - lo, d) + FNRoundStr(S, d));
        }
        QCOMPARE(Text(plot.Chart[3]->pnl_PlotUnits), std::string("Deg"));
        QCOMPARE(Text(plot.lbl_Coord), std::string("Global"));
        QCOMPARE(Text(plot.lbl_Initial[1]), std::string("Min Theta"));

        // Replot draws changed results; so does the redraw tick, once.
        Model_Store& s = store();
        for (int i = 0; i <= 36; ++i) s.Theta_Data(i, 1) = -s.Theta_Data(i, 1);
        const QImage before = plot.Chart[0]->pct_Plot->Image();
        const std::string max_before = Text(plot.Chart[0]->lbl_Max), min_before = Text(plot.Chart[0]->lbl_Min);
        plot.cmd_Replot->click();
        QVERIFY(plot.Chart[0]->pct_Plot->Image() != before);
        QCOMPARE(Val(Text(plot.Chart[0]->lbl_Max)), -Val(min_before));
        for (int i = 0; i <= 36; ++i) s.Theta_Data(i, 1) = -s.Theta_Data(i, 1);
        plot.Timer1.Tick();
        QVERIFY(!plot.Timer1.Enabled());
        QCOMPARE(Text(plot.Chart[0]->lbl_Max), max_before);

        // A value beyond the picture's reach: the capacity message for that chart alone.
        s.Theta_Data(7, 1) = INFINITY;
        {
            Scripted_User user;
            user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Yes).Print_To_Pdf("");
            MyPlot(plot, accepted, n);
            QVERIFY(user.boxes.at(0).prompt.rfind("The magnitude of Theta3 exceeds the capacity of this window.", 0) == 0);
            const QImage failed = plot.Chart[0]->pct_Plot->Image();
            QCOMPARE(Count(failed, White), failed.width() * failed.height());
            QVERIFY(Count(plot.Chart[1]->pct_Plot->Image(), Blue) > 100);
            plot.cmd_PlotPrint->click();  // a cancelled printer dialog ends quietly
            QCOMPARE(user.boxes.size(), size_t(2));
            QVERIFY(user.All_Used());
        }

        Later([] { Form<frm_PlotSelect3>().Hide(); });
        plot.cmd_Back->click();
        QVERIFY(!plot.isVisible() && !Form<frm_PlotSelect3>().isVisible());
    }

    void Every_Value_Caption_Shows_Whole_At_Any_Size()
    {
        Model_Store& s = store();
        Accept(Form<frm_PlotSelect2>(), {{"Theta3", "Mag"}, {"Theta3", "Mag"}});
        Accept(Form<frm_PlotSelect3>(), {{"Theta3", "Mag"}, {"Theta3", "Mag"}, {"Theta3", "Mag"}, {"Theta3", "Mag"}});
        Accept(Form<frm_PlotSelect4>(), {{"Coupler Pt", "Mag"}});
        Own_Plot_Form* const screens[3] = {&Form<frm_Myplot2>(), &Form<frm_MyPlot3>(), &Form<frm_MyPlot4>()};
        for (bool maximized : {false, true}) {
            (maximized ? Form<frm_HomeScreen>().mnu_Fullscreen : Form<frm_HomeScreen>().mnu_Standardsize)->trigger();
            for (Own_Plot_Form* plot : screens) {
                std::vector<QRect> pictures;
                for (float scale : {9999.0f, 10000000.0f}) {
                    for (float sign : {1.0f, -1.0f}) {
                        // A curve from -scale to scale, and a path of that radius.
                        const float level[4] = {1, 0, -1, 0};
                        for (int i = 0; i <= 36; ++i) {
                            s.Theta_Data(i, 1) = sign * scale * level[i % 4];
                            s.Position_Data(i, 3, 0) = sign * scale * level[i % 4];
                            s.Position_Data(i, 3, 1) = scale * level[(i + 3) % 4];
                        }
                        plot->Show_Modeless();
                        QCOMPARE(plot->Chart[0]->pnl_Ymin->text(), Q_Text(FNRoundStr(-scale, 0)));
                        for (Own_Chart* c : plot->Chart) {
                            if (!c) continue;
                            for (QLabel* l : {c->pnl_Ymax, c->pnl_zero, c->pnl_Ymin, c->pnl_Xmin, c->pnl_X1, c->pnl_X2,
                                              c->pnl_X3, c->pnl_Xmax, c->lbl_Min, c->lbl_Max, c->lbl_Peak})
                                if (l) QVERIFY2(Caption_Fits(l), qPrintable(Q_Text(plot->Name()) + " " + l->objectName() + " " + l->text()));
                        }
                        // The charts keep their size whatever the captions.
                        if (pictures.empty()) pictures = Chart_Pictures(*plot);
                        QCOMPARE(Chart_Pictures(*plot), pictures);
                        plot->Hide();
                    }
                }
            }
        }
        Form<frm_HomeScreen>().mnu_Standardsize->trigger();
    }

    void Polar_Screen_Modes_And_Step_Mode()
    {
        Model_Store& s = store();
        frm_MyPlot4& plot = Form<frm_MyPlot4>();
        const Accepted_Functions accepted = Accept(Form<frm_PlotSelect4>(), {{"Coupler Pt", "Mag"}});
        MyPolarPlotSetup(plot);
        plot.Show_Modeless();
        MyPolarPlot(plot, accepted);
        Picture_Box& pic = *plot.Chart[0]->pct_Plot;
        QCOMPARE(s.Polar_Mode, int16_t(3));
        QVERIFY(Count(pic.Image(), Blue) > 50 && Count(pic.Image(), Green) > 50);
        QCOMPARE(Text(plot.lbl_Header2), std::string("Linkage Coupler Pt  -  in"));

        // Unticking both boxes keeps the last mode they gave: vectors only.
        plot.chk_Envelope->click();
        plot.chk_Vectors->click();
        QCOMPARE(s.Polar_Mode, int16_t(2));
        QCOMPARE(Count(pic.Image(), Blue), 0);
        QVERIFY(Count(pic.Image(), Green) > 50);
        plot.chk_Envelope->click();

        // Pause: only the vector of step 0 on the cleared chart, with its magnitude and angle; the
        // chart and the buttons stay where they were.
        const std::vector<QRect> pictures = Chart_Pictures(plot);
        const QRect step_button = plot.cmd_Step->geometry();
        const QSize window = plot.size();
        plot.chk_Pause->click();
        QCOMPARE(Chart_Pictures(plot), pictures);
        QCOMPARE(plot.cmd_Step->geometry(), step_button);
        QCOMPARE(plot.size(), window);
        QCOMPARE(plot.cmd_Step->text(), QString("Step"));
        QVERIFY(!plot.chk_Envelope->isChecked() && plot.chk_Vectors->isChecked() && !plot.chk_Vectors->isEnabled());
        QVERIFY(plot.pnl_vector[0]->isVisible() && plot.lbl_StepNumber->isVisible());
        const QPointF origin = pic.To_Pixels(0, 0), d = pic.To_Pixels(s.Polar_X(0), s.Polar_Y(0)) - origin;
        const QImage image = pic.Image();
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == Blue) QFAIL("no envelope in step mode");
                if (image.pixel(x, y) != Green) continue;
                ++green;
                QPointF p = QPointF(x, y) - origin;
                double t = std::clamp(QPointF::dotProduct(p, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
                QVERIFY2(std::hypot(p.x() - t * d.x(), p.y() - t * d.y()) < 1.5, "green only along step 0's vector");
            }
        QVERIFY(green > 10);
        double R = 0, angle = 0;
        Cart_to_Polar(s.Polar_X(0), s.Polar_Y(0), R, angle);
        QCOMPARE(Text(plot.pnl_vector[0]) + " " + Text(plot.pnl_vector[1]), Plain(FNRound(R, 0)) + " " + Plain(FNRound(angle, 0)));

        // Stepping reaches step 36, the vectors accumulating; the next Step leaves step mode.
        for (int i = 1; i <= 36; ++i) plot.cmd_Step->click();
        QVERIFY(plot.Step_Mode);
        QCOMPARE(Text(plot.lbl_StepNumber), std::string("360.0"));
        QVERIFY(Count(pic.Image(), Green) > 20 * green);
        plot.cmd_Step->click();
        QVERIFY(!plot.Step_Mode && !plot.chk_Pause->isChecked());
        QCOMPARE(plot.cmd_Step->text(), QString("Plot"));
        QVERIFY(!plot.pnl_vector[0]->isVisible() && plot.chk_Vectors->isEnabled());

        // Activation leaves step mode too.
        plot.chk_Pause->click();
        plot.Hide();
        plot.Show_Modeless();
        QVERIFY(!plot.Step_Mode && !plot.chk_Pause->isChecked());

        // Fourier data: the message, and the picture left cleared by the set-up.
        Set_Variable("Current FFT", 1);
        {
            Scripted_User user;
            user.Answer(Msg::Ans_Ok);
            plot.cmd_Step->click();  // outside step mode it replots
            QCOMPARE(user.boxes.at(0).prompt, std::string("FFT data are not suited to polar plots.\rUse a cartesian plot format instead."));
            QCOMPARE(Count(pic.Image(), White), pic.Image().width() * pic.Image().height());
            // After a refused plot Pause and Step draw nothing of an earlier plot, in step mode or not.
            plot.chk_Pause->click();
            QVERIFY(!plot.chk_Pause->isChecked() && !plot.Step_Mode && !plot.pnl_vector[0]->isVisible());
            Set_Variable("Coupler Pt", 1);
            plot.cmd_Replot->click();
            plot.chk_Pause->click();
            Set_Variable("Current FFT", 1);
            user.Answer(Msg::Ans_Ok);
            plot.cmd_Replot->click();
            const QString shown = plot.pnl_vector[0]->text() + plot.lbl_StepNumber->text();
            plot.cmd_Step->click();
            QCOMPARE(plot.pnl_vector[0]->text() + plot.lbl_StepNumber->text(), shown);
            QCOMPARE(Count(pic.Image(), White), pic.Image().width() * pic.Image().height());
            QCOMPARE(user.boxes.size(), size_t(2));
        }
        plot.chk_Pause->click();
        s.Reset_Selections = false;
        plot.cmd_PlotDone->click();
        QVERIFY(!plot.isVisible() && s.Reset_Selections);
    }
};

QTEST_MAIN(Own_Plot_Screens_Test)
#include "test_own_plot_screens.moc"
