// The animation screen driven as a user would: Run with its frames, speed, Esc and close box;
// stepping; a link-data commit with Recalc and Next; the Shift-drag of the coupler point; Back.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"
#include "platform/Screen.h"
#include "platform/Screen_Metrics.h"
#include "model/Mod_Numeric.h"
#include "shell/Animate_Rules.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_Animate.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/mod_Common.h"
#include "support/Scripted_User.h"

namespace {
constexpr QRgb Magenta = 0xFFFF00FF;

// Which calculated position the picture shows in magenta at each paint (consecutive repeats
// dropped), and whatever the test wants done at a given frame.
class Frame_Watch : public QObject {
public:
    explicit Frame_Watch(frm_Animate& f) : f_(f) { f.Picture1->installEventFilter(this); }
    ~Frame_Watch() override { f_.Picture1->removeEventFilter(this); }

    std::vector<int> steps;
    bool labels_shown_at_a_frame = false;
    std::function<void(int frame)> at_frame;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint) return false;
        const int step = Shown_Step();
        if (step < 0 || (!steps.empty() && steps.back() == step)) return false;
        steps.push_back(step);
        labels_shown_at_a_frame |= f_.lbl_StepLabel->isVisible();
        if (at_frame) at_frame(static_cast<int>(steps.size()));
        return false;
    }

private:
    bool Magenta_Near(int step, int row) const
    {
        const Model_Store& s = store();
        QPointF p = f_.Picture1->To_Pixels(s.Position_Data(step, row, 0), s.Y_Flip - s.Position_Data(step, row, 1));
        const QImage& image = f_.Picture1->Image();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                QPoint q(static_cast<int>(std::lround(p.x())) + dx, static_cast<int>(std::lround(p.y())) + dy);
                if (image.valid(q) && image.pixel(q) == Magenta) return true;
            }
        return false;
    }
    int Shown_Step() const
    {
        for (int j = 0; j <= store().Num_Steps; ++j)
            if (Magenta_Near(j, 0) && Magenta_Near(j, 1) && Magenta_Near(j, 2)) return j;
        return -1;
    }

    frm_Animate& f_;
};

void Post_Click(QWidget* target)
{
    QPointF at(target->width() / 2.0, target->height() / 2.0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                                             type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                             Qt::NoModifier));
}

// A mouse move over the picture at world point (x, y) with buttons and keys held.
void Drag_To(frm_Animate& f, float x, float y, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    QPointF at = f.Picture1->To_Pixels(x, store().Y_Flip - y);
    QMouseEvent move(QEvent::MouseMove, at, f.Picture1->mapToGlobal(at), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(f.Picture1, &move);
}

QPointF Point(int step, int row)
{
    return {store().Position_Data(step, row, 0), store().Position_Data(step, row, 1)};
}

void Set_Speed(frm_Animate& f, int anim_speed, const char* cycles)
{
    f.hsc_speed->setValue(32767 - anim_speed);
    f.txt_Cycles->setText(cycles);
}
}  // namespace

class Animate_Screen_Test : public QObject {
    Q_OBJECT

    // The default model calculated (crank 0 to 360 by 10: 37 positions), the animation screen
    // shown and its one-shot redraw done (step 0 drawn, the counter at 1).
    frm_Animate& Open()
    {
        frm_Animate& f = Form<frm_Animate>();
        Centerform(f);
        f.Show_Modeless();
        f.Timer1.Tick();
        return f;
    }

    // Crank 0 to 350 by 10: 36 positions, none drawn twice.
    void Sweep_To_350()
    {
        Model_Store& s = store();
        s.Max_Theta = 350;
        s.Max_Theta_Rad = static_cast<float>(350 * Deg_To_Rad);
        s.Max_Theta_Text = " 350";
        s.Num_Steps = 35;
    }

    void Calculate(Scripted_User* user = nullptr, int answer = Msg::Ans_Ignore)
    {
        if (user) user->Answer(answer);
        int16_t choice = 0;
        Calculate_Motion(store().Calc_Type, choice);
        store().Calc_Done = true;
    }

private slots:
    void init()
    {
        Unload_All_Screens();
        reset_store();
        Initialize();
        Screen_Metrics::Use_Fake(1920, 1080);
        Install_Shell_Port();
        Model_Store& s = store();
        s.Unit_System = 1;
        int16_t n = 0;
        Set_Unit_Labels(1, s.Unit_Label, n);
        Set_Decimals(s.Unit_System);
        Set_Colors();
        Form<frm_HomeScreen>();  // loaded at start-up in the program, before any calculation
    }

    void run_draws_every_valid_position_of_each_cycle_at_the_clock_s_pace()
    {
        Scripted_User user;
        Sweep_To_350();
        Calculate();
        store().Step_Valid(5) = 0;
        frm_Animate& f = Open();
        QVERIFY(f.lbl_StepLabel->isVisible());
        Set_Speed(f, 0, "2");
        Frame_Watch watch(f);
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        std::vector<int> expected;
        for (int cycle = 0; cycle < 2; ++cycle)
            for (int i = 0; i <= 35; ++i)
                if (i != 5) expected.push_back(i);
        QCOMPARE(watch.steps, expected);
        QVERIFY(!watch.labels_shown_at_a_frame && !f.lbl_StepLabel->isVisible());
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QVERIFY(f.lbl_StepLabel->isVisible() && f.lbl_StepNumber->isVisible() && f.lbl_StepUnit->isVisible());

        Set_Speed(f, 1250, "1");  // 1250 x 40 counts: 5 ms a position
        watch.steps.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QCOMPARE(watch.steps.size(), size_t(35));
        QVERIFY2(clock.elapsed() >= 35 * 5, QByteArray::number(clock.elapsed()));
        Set_Speed(f, 0, "0");
        watch.steps.clear();
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QVERIFY(watch.steps.empty());
    }

    // About four minutes of animation: Esc ends it after the frame on show, other input is
    // refused meanwhile, the window is served; the close box ends it and hides the screen.
    void esc_or_the_close_box_end_a_long_run()
    {
        Scripted_User user;
        Calculate();
        frm_Animate& f = Open();
        Set_Speed(f, 16383, "100");
        Frame_Watch watch(f);
        int served_paints = 0;
        struct Paint_Count : QObject {
            int* count;
            bool eventFilter(QObject*, QEvent* e) override { return (*count += e->type() == QEvent::Paint), false; }
        } counter;
        counter.count = &served_paints;
        f.lbl_speed->installEventFilter(&counter);
        watch.at_frame = [&](int frame) {
            if (frame == 2) {
                Post_Click(f.cmd_Back);
                f.lbl_speed->update();
            }
            if (frame == 4) QCoreApplication::postEvent(&f, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        };
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QCOMPARE(watch.steps, (std::vector<int>{0, 1, 2, 3}));
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(served_paints > 0);
        QVERIFY(f.isVisible() && !Form<frm_Inputnew>().isVisible());  // Back was refused
        f.lbl_speed->removeEventFilter(&counter);
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);  // input is taken again
        QVERIFY(f.lbl_StepLabel->isVisible());

        watch.steps.clear();
        watch.at_frame = [&](int frame) {
            if (frame == 2) QCoreApplication::postEvent(&f, new QCloseEvent);
        };
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QCOMPARE(watch.steps.size(), size_t(2));
        QVERIFY(!f.isVisible() && !f.Animating());
    }

    void stepping_past_the_last_step_wraps_to_the_first()
    {
        Scripted_User user;
        Calculate();
        frm_Animate& f = Open();
        QCOMPARE(f.lbl_StepNumber->text(), QString("0.0"));
        for (int i = 1; i <= 36; ++i) QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QCOMPARE(f.lbl_StepNumber->text(), QString("360.0"));
        QCOMPARE(f.hsc_step->value(), 36);
        QCOMPARE(store().Step_Number, int16_t(37));
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QCOMPARE(f.lbl_StepNumber->text(), QString("0.0"));
        QCOMPARE(f.hsc_step->value(), 0);
        QCOMPARE(store().Step_Number, int16_t(1));
    }

    void a_committed_link_box_waits_for_recalc_and_marks_the_design_number()
    {
        Scripted_User user;
        Calculate();
        Model_Store& s = store();
        s.Design_Number = 7;
        frm_Animate& f = Open();
        const float coupler = s.Link3_Length + 0.25f;
        // Left as the program wrote it, the box keeps every result.
        s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = true;
        f.txt_Linkout[2]->setFocus();
        QTest::keyClick(f.txt_Linkout[2], Qt::Key_Return);
        QVERIFY(s.Calc_Done && s.Dynamics_Done && s.Flywheel_Done && s.FFT_Done);
        // Changed, it withdraws them all: none is shown, offered or drawn until Recalc.
        f.txt_Linkout[2]->selectAll();
        QTest::keyClicks(f.txt_Linkout[2], QString::number(coupler));
        QTest::keyClick(f.txt_Linkout[2], Qt::Key_Return);
        QCOMPARE(s.Link3_Length, coupler);
        QVERIFY(!s.Calc_Done && !s.Dynamics_Done && !s.Flywheel_Done && !s.FFT_Done);
        frm_HomeScreen& home = Form<frm_HomeScreen>();
        QVERIFY(!home.cmd_Plot->isEnabled() && home.lbl_Status[0]->isHidden());
        QVERIFY(!f.hsc_step->isEnabled() && !f.mnu_Redraw->isEnabled());
        QVERIFY(s.Data_Changed);
        for (QPushButton* b : {f.cmd_Run, f.cmd_Step, f.cmd_Reset, f.cmd_Done}) QVERIFY(!b->isEnabled());
        // Not yet recalculated: joints A and B are still a link 3 of the old length apart.
        QVERIFY(std::fabs(QLineF(Point(3, 0), Point(3, 2)).length() - coupler) > 0.2);
        s.Model_Saved = true;
        QTest::mouseClick(f.cmd_Recalc, Qt::LeftButton);
        for (QPushButton* b : {f.cmd_Run, f.cmd_Step, f.cmd_Reset, f.cmd_Done}) QVERIFY(b->isEnabled());
        for (int i : {0, 3, 20})
            QVERIFY(std::fabs(QLineF(Point(i, 0), Point(i, 2)).length() - coupler) < 1e-4);
        QVERIFY(s.Calc_Done && !s.Model_Saved);
        QCOMPARE(f.lbl_StepNumber->text(), QString("10.0"));  // step 1 shown
        QCOMPARE(f.txt_Header->text(), QString::fromStdString(s.Model_Title));
        f.txt_Header->setText("Figure 2");
        QTest::mouseClick(f.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Design_Number, int16_t(8));
        QCOMPARE(s.Model_Title, std::string("Figure 2"));
        QVERIFY(!f.isVisible());
        f.Show_Modeless();  // the next visit starts unmarked
        QTest::mouseClick(f.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Design_Number, int16_t(8));
        // At the top of its range the number is not wrapped: the overflow is reported.
        s.Design_Number = 32767;
        s.Data_Changed = true;
        f.Show_Modeless();
        s.Data_Changed = true;
        user.Answer(Msg::Ans_Ok);
        QTest::mouseClick(f.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Design_Number, int16_t(32767));
        QVERIFY(!user.boxes.empty());
        QVERIFY(user.boxes.back().prompt.rfind("Error 6 ", 0) == 0);
    }

    void only_a_change_of_circuit_recalculates()
    {
        Scripted_User user;
        Calculate();
        Model_Store& s = store();
        s.Circuit = 2;
        s.Model_Saved = true;
        frm_Animate& f = Open();  // the activation switches the crossed option on
        QVERIFY(f.opt_OpenCross[1]->isChecked());
        QVERIFY(s.Model_Saved);
        const QPointF b_open = Point(3, 2);
        user.Answer(Msg::Ans_Ignore);  // in case a crossed position cannot connect
        QTest::mouseClick(f.opt_OpenCross[0], Qt::LeftButton);
        QCOMPARE(s.Circuit, int16_t(1));
        QVERIFY(s.Calc_Done && !s.Model_Saved);
        QTest::mouseClick(f.opt_OpenCross[1], Qt::LeftButton);
        QCOMPARE(s.Circuit, int16_t(2));
        // The other circuit mirrors joint B about the line from A to C.
        QVERIFY(QLineF(Point(3, 2), b_open).length() > 0.1);
        QVERIFY(std::fabs(QLineF(Point(3, 0), Point(3, 2)).length() - s.Link3_Length) < 1e-4);
    }

    void zoom_takes_effect_only_through_autoscale()
    {
        Scripted_User user;
        Calculate();
        Model_Store& s = store();
        frm_Animate& f = Open();
        QVERIFY(f.mnu_Zoomcontrol->isEnabled());
        const float window_min = s.Window_Min, window_max = s.Window_Max;
        f.mnu_ZoomIn->trigger();
        QCOMPARE(s.Zoom_Factor, static_cast<float>(1 / 1.1));
        QCOMPARE(s.Window_Max, window_max * s.Zoom_Factor);
        QCOMPARE(s.Window_Min, window_min * s.Zoom_Factor);
        f.chk_autoscale->click();
        QVERIFY(!f.chk_autoscale->isChecked());
        QVERIFY(!f.mnu_Zoomcontrol->isEnabled());
        const float kept = s.Window_Max;
        f.mnu_ZoomOut->trigger();  // reachable only by code now
        QCOMPARE(s.Window_Max, kept);
        f.chk_autoscale->click();
        QVERIFY(f.mnu_Zoomcontrol->isEnabled());
        f.mnu_Normal->trigger();
        QCOMPARE(s.Zoom_Factor, 1.0f);
        QCOMPARE(s.Window_Max, window_max);
    }

    void leaving_the_header_keeps_even_the_designed_title()
    {
        Scripted_User user;
        Calculate();
        Model_Store& s = store();
        s.Model_Title.clear();
        frm_Animate& f = Open();
        QApplication::setActiveWindow(&f);
        QCOMPARE(f.txt_Header->text(), QString("Figure"));
        f.txt_Header->setFocus(Qt::MouseFocusReason);
        f.cmd_Run->setFocus(Qt::TabFocusReason);
        QCOMPARE(s.Model_Title, std::string("Figure"));
        s.Model_Title = "Other";
        QTest::mouseClick(f.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Model_Title, std::string("Figure"));
    }

    // One position: recalculating does not draw; the picture keeps what it showed until Reset.
    void one_position_recalculates_without_redrawing()
    {
        Scripted_User user;
        Model_Store& s = store();
        s.Calc_Type = 1;
        s.Theta_Zero = 30;
        Calculate();
        frm_Animate& f = Open();
        const QImage before = f.Picture1->Image();
        QCOMPARE(f.lbl_StepNumber->text(), QString("30.0"));
        s.Theta_Zero = 75;
        QTest::mouseClick(f.cmd_Recalc, Qt::LeftButton);
        QCOMPARE(s.Theta_Data(0, 0), 75.0f);
        QCOMPARE(s.Step_Number, int16_t(0));
        QVERIFY(f.Picture1->Image() == before);
        QCOMPARE(f.lbl_StepNumber->text(), QString("30.0"));
        QTest::mouseClick(f.cmd_Reset, Qt::LeftButton);
        QVERIFY(f.Picture1->Image() != before);
        QCOMPARE(f.lbl_StepNumber->text(), QString("75.0"));
    }

    void shift_drag_puts_the_coupler_point_under_the_mouse()
    {
        Scripted_User user;
        Calculate();
        Model_Store& s = store();
        frm_Animate& f = Open();
        // Stepped to 90 degrees: position 9 on show, the counter one past it. Link 3 of the
        // position shown is the reference.
        for (int i = 1; i <= 9; ++i) QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QCOMPARE(f.lbl_StepNumber->text(), QString("90.0"));
        QCOMPARE(s.Step_Number, int16_t(10));
        QVERIFY(f.chk_autoscale->isChecked());
        const float window_min = s.Window_Min, window_max = s.Window_Max;
        const QPointF a = Point(9, 0);
        const double theta3 = std::atan2(Point(9, 2).y() - a.y(), Point(9, 2).x() - a.x()) * 180 / M_PI;
        // Two moves of one drag: the point follows the pointer, the window stays.
        for (const QPointF offset : {QPointF(0.7, 0.9), QPointF(-0.5, 1.1)}) {
            const QPointF target = a + offset;
            Drag_To(f, target.x(), target.y(), Qt::LeftButton, Qt::ShiftModifier);
            double angle = std::atan2(offset.y(), offset.x()) * 180 / M_PI - theta3;
            // Taken to 3 decimals; the boxes then show the model at their own decimals.
            QVERIFY(std::fabs(s.Coupler_Dist - std::hypot(offset.x(), offset.y())) < 1e-3);
            QVERIFY(std::fabs(std::remainder(s.Coupler_Angle_Deg - angle, 360.0)) < 1e-3);
            QCOMPARE(f.txt_Linkout[8]->text(), QString::fromStdString(FNRoundStr(s.Coupler_Angle_Deg, 2)));
            // Recalculated: the position shown is still 9, its coupler point where the mouse is.
            QVERIFY(QLineF(Point(9, 3), target).length() < 2e-3);
            QCOMPARE(f.lbl_StepNumber->text(), QString("90.0"));
            QCOMPARE(s.Step_Number, int16_t(10));
            QCOMPARE(s.Window_Min, window_min);
            QCOMPARE(s.Window_Max, window_max);
        }
        // Letting the button go ends the drag: the next drawing fits the new motion again.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), f.Picture1->mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
        QApplication::sendEvent(f.Picture1, &release);
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QVERIFY(s.Window_Max != window_max || s.Window_Min != window_min);

        const float dist = s.Coupler_Dist;
        const QString box = f.txt_Linkout[7]->text();
        const QPointF elsewhere = Point(2, 0) + QPointF(-0.4, 0.3);
        Drag_To(f, elsewhere.x(), elsewhere.y(), Qt::LeftButton, Qt::NoModifier);
        Drag_To(f, elsewhere.x(), elsewhere.y(), Qt::RightButton, Qt::ShiftModifier);
        Drag_To(f, elsewhere.x(), elsewhere.y(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        Drag_To(f, elsewhere.x(), elsewhere.y(), Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(s.Coupler_Dist, dist);
        QCOMPARE(f.txt_Linkout[7]->text(), box);
        QVERIFY(user.boxes.empty());
    }

    void drag_over_positions_that_do_not_assemble_asks_nothing_and_run_warns()
    {
        Scripted_User user;
        Model_Store& s = store();
        s.Link1_Length = 2.5f, s.Link2_Length = 1, s.Link3_Length = 1.5f, s.Link4_Length = 1.5f, s.Link5_Length = 1;
        Load_Link_Lengths();
        Calculate(&user, Msg::Ans_Ignore);
        QCOMPARE(user.boxes.size(), size_t(1));
        frm_Animate& f = Open();
        for (int k = 1; k <= 5; ++k) {
            const QPointF a = Point(0, 0);  // position 0 on show throughout
            Drag_To(f, a.x() + 0.1 * k, a.y() + 0.5, Qt::LeftButton, Qt::ShiftModifier);
        }
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(s.Cannot_Connect && s.Calc_Done);
        QVERIFY(std::fabs(s.Coupler_Dist - std::hypot(0.5, 0.5)) < 1e-3);
        // A position on show that does not assemble: no link 3 to measure from.
        f.hsc_step->setValue(8);
        Drag_To(f, 1, 1, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(std::fabs(s.Coupler_Dist - std::hypot(0.5, 0.5)) < 1e-3);

        Set_Speed(f, 0, "1");
        user.Answer(Msg::Ans_Ok);
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(user.boxes[1].style, Msg::Exclamation);
        QVERIFY(user.boxes[1].prompt.rfind("This linkage cannot connect at some positions\r", 0) == 0);

        // Abort at the first position that cannot connect: nothing that needs results is offered
        // and nothing of the broken-off run is drawn, until a calculation completes.
        auto offered = [&] {
            return f.cmd_Run->isEnabled() && f.cmd_Step->isEnabled() && f.cmd_Reset->isEnabled() &&
                   f.cmd_Done->isEnabled() && f.hsc_step->isEnabled() && Form<frm_HomeScreen>().cmd_Animate->isEnabled();
        };
        auto blank = [&](Picture_Box* picture) {
            QImage white(picture->Image().size(), picture->Image().format());
            white.fill(0xFFFFFFFF);
            return picture->Image() == white;
        };
        user.Answer(Msg::Ans_Abort);
        QTest::mouseClick(f.cmd_Recalc, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QVERIFY(!s.Calc_Done);
        for (QWidget* w : {static_cast<QWidget*>(f.cmd_Run), static_cast<QWidget*>(f.cmd_Step),
                           static_cast<QWidget*>(f.cmd_Reset), static_cast<QWidget*>(f.cmd_Done),
                           static_cast<QWidget*>(f.hsc_step)})
            QVERIFY(!w->isEnabled());
        QVERIFY(!Form<frm_HomeScreen>().cmd_Animate->isEnabled());
        f.mnu_Redraw->trigger();
        f.hsc_step->setValue(3);
        QVERIFY(blank(f.Picture1));
        const float kept = s.Coupler_Dist;
        Drag_To(f, 1, 1, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(s.Coupler_Dist, kept);
        f.Hide();
        f.Show_Modeless();  // as after the help window: still nothing to show
        QVERIFY(!offered() && blank(f.Picture1));
        // Back on the input screen, Reset and Redraw draw nothing of the broken-off run either.
        QTest::mouseClick(f.cmd_Back, Qt::LeftButton);
        frm_Inputnew& input = Form<frm_Inputnew>();
        QTest::mouseClick(input.cmd_Reset, Qt::LeftButton);
        input.mnu_Redraw->trigger();
        QVERIFY(blank(input.Picture1));
        input.Hide();
        f.Show_Modeless();
        user.Answer(Msg::Ans_Ignore);
        QTest::mouseClick(f.cmd_Recalc, Qt::LeftButton);
        QVERIFY(s.Calc_Done && offered() && !blank(f.Picture1));
    }

    // The screen as a user meets it: the speed bar where the model's speed puts it, even after the
    // input screen drew first, with steps that move it; whole titles and header lines; a run that
    // moves nothing; a cancelled printer dialog that ends the command silently.
    void speed_title_header_a_steady_run_and_a_silent_cancel()
    {
        Scripted_User user;
        Load_Unity_Example();
        store().File_Path = "/models/geared.vsr";
        store().Model_Name = "geared";
        frm_Inputnew& input = Form<frm_Inputnew>();
        input.Show_Modeless();
        QTest::mouseClick(input.cmd_Calc, Qt::LeftButton);
        input.Hide();
        frm_Animate& f = Open();
        QCOMPARE(f.hsc_speed->value(), 32767 - 16383);
        QCOMPARE(store().Anim_Speed, 16383);
        f.hsc_speed->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(f.hsc_speed->value() - 16384 >= 32767 / 50);
        const int after_arrow = f.hsc_speed->value();
        f.hsc_speed->triggerAction(QAbstractSlider::SliderPageStepSub);
        QVERIFY(after_arrow - f.hsc_speed->value() >= 32767 / 10);

        const QString title = QString::fromStdString(store().Model_Title);
        QCOMPARE(f.txt_Header->text(), title);
        QVERIFY(f.txt_Header->fontMetrics().horizontalAdvance(title) < f.txt_Header->width() - 8);
        QVERIFY(f.lbl_Header->text().endsWith("\n File: geared"));
        QVERIFY(f.lbl_Header->contentsRect().height() >= 5 * f.lbl_Header->fontMetrics().lineSpacing());
        // Enlarged as by Maximize, the square picture sits in the middle of its column's space.
        const QSize design = f.size();
        f.resize(1467, 1108);
        QCoreApplication::processEvents();
        const QWidget* holder = f.Picture1->parentWidget();
        QVERIFY(holder->height() > f.Picture1->height());
        QVERIFY(std::abs(f.Picture1->geometry().center().y() - holder->rect().center().y()) <= 1);
        f.resize(design);
        QCoreApplication::processEvents();

        auto* circuit = f.findChild<QWidget*>("fra_Circuit");
        auto* step_box = f.findChild<QWidget*>("fra_Step");
        const QRect circuit_at = circuit->geometry(), step_box_at = step_box->geometry();
        bool moved = false;
        Frame_Watch watch(f);
        watch.at_frame = [&](int) { moved |= circuit->geometry() != circuit_at || step_box->geometry() != step_box_at; };
        Set_Speed(f, 0, "1");
        QTest::mouseClick(f.cmd_Run, Qt::LeftButton);
        QVERIFY(!watch.steps.empty() && !moved);
        QCOMPARE(circuit->geometry(), circuit_at);

        user.Answer(Msg::Ans_Yes).Print_To_Pdf("");
        QTest::mouseClick(f.cmd_PlotPrint, Qt::LeftButton);
        QCOMPARE(user.boxes.size(), size_t(1));  // the confirmation only
        QVERIFY(user.All_Used());
    }

    void back_shows_the_input_screen_modeless()
    {
        Scripted_User user;
        Calculate();
        frm_Animate& f = Form<frm_Animate>();
        QTimer::singleShot(0, &f, [&f] {
            f.Timer1.Tick();
            QTest::mouseClick(f.cmd_Back, Qt::LeftButton);
        });
        Centerform(f);
        f.Show_Modal();
        QVERIFY(!f.isVisible());
        frm_Inputnew& input = Form<frm_Inputnew>();
        QVERIFY(input.isVisible());
        QCOMPARE(input.windowModality(), Qt::NonModal);
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&input));
    }
};

QTEST_MAIN(Animate_Screen_Test)
#include "test_animate_screen.moc"
