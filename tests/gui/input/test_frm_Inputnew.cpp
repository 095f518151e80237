// The input screen driven as a user would: typing into its boxes, committing with Enter or
// Tab, clicking; message boxes answered by a script; the drawing checked pixel by pixel.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/mod_Data.h"
#include "platform/Message_Box.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/Formsubs_Screen.h"
#include "shell/frm_Animate.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/mod_Animate.h"
#include "shell/mod_Animate_Screen.h"
#include "shell/mod_Common.h"
#include "support/Scripted_User.h"

namespace {
constexpr QRgb Magenta = 0xFFFF00FF, Blue = 0xFF0000FF, Cyan = 0xFF00FFFF, Green = 0xFF00FF00;

void Fresh_Model(int16_t units = 1)
{
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Unit_System = units;
    int16_t n = 18;
    Set_Unit_Labels(units, s.Unit_Label, n);
    Set_Decimals(s.Unit_System);
    s.Designer_Name = "Tester";
    Set_Colors();
    Form<frm_HomeScreen>();  // loaded at start-up in the program, before any input screen
    s.Home_Width = 11850;
    s.Home_Height = 9480;
}

frm_Inputnew& Screen_() { return Form<frm_Inputnew>(); }

void Open_Screen()
{
    frm_Inputnew& f = Screen_();
    f.Hide();
    // The screen keeps its options between visits; the model's own calculation type and
    // circuit are what a model read would have switched on.
    f.opt_Calctype[store().Calc_Type]->setChecked(true);
    f.Show_Modeless();
    QApplication::setActiveWindow(&f);
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Whether a pixel of the colour lies within r pixels of a world point of the linkage drawing.
bool Colour_Near(Picture_Box* pic, double x, double world_y, QRgb colour, int r = 2)
{
    QPointF p = pic->To_Pixels(x, store().Y_Flip - world_y);
    const QImage& img = pic->Image();
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy) {
            QPoint q(int(std::lround(p.x())) + dx, int(std::lround(p.y())) + dy);
            if (img.rect().contains(q) && img.pixel(q) == colour) return true;
        }
    return false;
}

// Whether the circle of world radius r round (x, y) shows the colour at its top; circles keep
// their radius in x units whatever the picture's shape.
bool Circle_Top_Has(Picture_Box* pic, double x, double world_y, double r, QRgb colour)
{
    const double x_scale = pic->To_Pixels(1, 0).x() - pic->To_Pixels(0, 0).x();
    QPointF c = pic->To_Pixels(x, store().Y_Flip - world_y);
    QPoint top(int(std::lround(c.x())), int(std::lround(c.y() - r * x_scale)));
    const QImage& img = pic->Image();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.pixel(top + QPoint(dx, dy)) == colour) return true;
    return false;
}

// Whether the picture shows nothing: white all over.
bool Blank(Picture_Box* pic)
{
    QImage white(pic->Image().size(), pic->Image().format());
    white.fill(0xFFFFFFFF);
    return pic->Image() == white;
}

float Px(int i, int row) { return store().Position_Data(i, row, 0); }
float Py(int i, int row) { return store().Position_Data(i, row, 1); }

// The animation screen shown modally from the input screen is closed at once.
void Close_Animation_When_Shown()
{
    QTimer::singleShot(0, qApp, [] { Form<frm_Animate>().Hide(); });
}
}  // namespace

class Test_Input_Screen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Install_Shell_Port();
        Fresh_Model();
        Open_Screen();
    }
    void cleanup() { Screen_().Hide(); }

    void calculate_draws_the_linkage_at_step_one()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QVERIFY(!f.cmd_Done->isEnabled());
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        const Model_Store& s = store();
        QVERIFY(s.Calc_Done);
        QCOMPARE(s.Num_Steps, int16_t(36));
        QCOMPARE(s.Step_Number, int16_t(2));  // step 1 shown, the counter one past it
        QCOMPARE(f.hsc_step->value(), 1);
        QCOMPARE(f.hsc_step->maximum(), 36);
        QVERIFY(f.cmd_Done->isEnabled() && f.cmd_Animate->isEnabled() && f.cmd_Step->isEnabled());
        QCOMPARE(f.lbl_Grashof->text(), QString("Grashof"));
        QVERIFY(user.boxes.empty());
        // The step shown is labelled on the animation screen.
        QCOMPARE(Animation_Screen().lbl_StepLabel->text(), QString("Theta2"));
        QCOMPARE(Animation_Screen().lbl_StepNumber->text(), QString("10.0"));

        Picture_Box* pic = f.Picture1;
        // Link 2 from O2 to A, and link 3 from A to B, in magenta (midpoints).
        QVERIFY(Colour_Near(pic, Px(1, 0) / 2, Py(1, 0) / 2, Magenta));
        QVERIFY(Colour_Near(pic, (Px(1, 0) + Px(1, 2)) / 2, (Py(1, 0) + Py(1, 2)) / 2, Magenta));
        // The outer pivot circles at O2 and O5 in blue.
        QVERIFY(Circle_Top_Has(pic, 0, 0, s.Size_Pivot, Blue));
        QVERIFY(Circle_Top_Has(pic, s.Link1_Length, 0, s.Size_Pivot, Blue));
        // No coupler path anywhere: it belongs to the animation screen.
        const QImage& img = pic->Image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) QVERIFY(img.pixel(x, y) != Cyan);
        // A negative ratio has no idler: two gears of half the ground length.
        QVERIFY(Circle_Top_Has(pic, 0, 0, s.Link1_Length / 2, Green));
        QVERIFY(Circle_Top_Has(pic, s.Link1_Length, 0, s.Link1_Length / 2, Green));
    }

    void step_bar_step_and_reset_move_through_the_run()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        f.hsc_step->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // uncalculated: nothing drawn
        QCOMPARE(store().Step_Number, int16_t(6));  // the activation drew step 5 and moved on
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        f.hsc_step->setValue(18);
        QCOMPARE(store().Step_Number, int16_t(18));
        QCOMPARE(Animation_Screen().lbl_StepNumber->text(), QString("180.0"));
        f.hsc_step->setValue(36);
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);  // shows 36, then wraps
        QCOMPARE(Animation_Screen().lbl_StepNumber->text(), QString("360.0"));
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QCOMPARE(f.hsc_step->value(), 0);
        QCOMPARE(store().Step_Number, int16_t(1));
        QTest::mouseClick(f.cmd_Step, Qt::LeftButton);
        QCOMPARE(f.hsc_step->value(), 1);
        QTest::mouseClick(f.cmd_Reset, Qt::LeftButton);
        QCOMPARE(f.hsc_step->value(), 0);
        QCOMPARE(store().Step_Number, int16_t(1));
        QCOMPARE(Animation_Screen().lbl_StepNumber->text(), QString("0.0"));
    }

    void animation_ends_with_the_last_position_drawn()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        Animation_Role& anim = Animation_Screen();
        anim.hsc_speed->setValue(32767);  // "Fast >>": no hold at all
        anim.txt_Cycles->setText("2");
        store().Step_Flag = "N";
        Animate(f);
        const Model_Store& s = store();
        QCOMPARE(s.Anim_Speed, 0);
        QCOMPARE(s.Anim_Cycles, int16_t(2));
        QCOMPARE(s.Last_Colour, s.Color_Magenta);  // the last step was reached
        QVERIFY(Colour_Near(f.Picture1, (Px(36, 0) + Px(36, 2)) / 2, (Py(36, 0) + Py(36, 2)) / 2, Magenta));
        anim.hsc_speed->setValue(32767 - 16383);
        anim.txt_Cycles->setText("1");
    }

    void positive_ratio_draws_an_idler()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        Type(f.txt_Linkout[5], "2");
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        const Model_Store& s = store();
        QCOMPARE(s.Gear_Ratio, 2.0f);
        const float fx = s.Link1_Length, r5 = fx / 3 / 1.5f, r2 = (fx - fx / 3) / 1.5f, ri = (fx - r5 - r2) / 2;
        // The top of the idler circle, centred between the two gears.
        QVERIFY(Circle_Top_Has(f.Picture1, r2 + ri, 0, ri, Green));
        QVERIFY(Circle_Top_Has(f.Picture1, r2 + ri, 0, s.Size_Pivot, Blue));
        QVERIFY(Circle_Top_Has(f.Picture1, 0, 0, r2, Green));
    }

    void zoom_in_makes_the_linkage_larger()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        auto ground_pixels = [&] {
            return f.Picture1->To_Pixels(store().Link1_Length, 0).x() - f.Picture1->To_Pixels(0, 0).x();
        };
        const double before = ground_pixels();
        f.mnu_ZoomIn->trigger();
        QVERIFY(ground_pixels() > before * 1.05);
        QVERIFY(std::fabs(store().Zoom_Factor - 1 / 1.1) < 1e-6);
        f.mnu_Normal->trigger();
        QVERIFY(std::fabs(ground_pixels() - before) < 0.5);
        QVERIFY(store().Calc_Done);
    }

    void calculation_type_sequence_relabels_the_rows()
    {
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.opt_Calctype[2], Qt::LeftButton);
        QCOMPARE(store().Calc_Type, int16_t(2));
        QCOMPARE(f.lbl_Initial[0]->text(), QString("Start Time"));
        QCOMPARE(f.lbl_Initial[3]->text(), QString("Omega Zero"));
        QCOMPARE(f.lbl_Unit[2]->text(), QString("sec"));
        QCOMPARE(f.txt_Initial[2]->text(), QString("0.05"));
        QVERIFY(f.txt_Initial[0]->isVisible() && f.txt_Initial[4]->isVisible() && f.txt_Initial[5]->isVisible());
        QVERIFY(f.pnl_time->isVisible() && !f.pnl_cw->isVisible());
        QVERIFY(!f.cmd_Step->isEnabled() && !f.cmd_Animate->isEnabled());

        QTest::mouseClick(f.opt_Calctype[1], Qt::LeftButton);
        QCOMPARE(store().Calc_Type, int16_t(1));
        QVERIFY(!f.txt_Initial[0]->isVisible() && !f.txt_Initial[2]->isVisible());
        QVERIFY(f.txt_Initial[3]->isVisible() && f.txt_Initial[5]->isVisible());
        QVERIFY(!f.pnl_time->isVisible() && !f.pnl_cw->isVisible() && !f.pnl_ccw->isVisible());
        QCOMPARE(f.lbl_Initial[5]->text(), QString("Theta2"));

        QTest::mouseClick(f.opt_Calctype[3], Qt::LeftButton);
        QCOMPARE(f.lbl_Initial[0]->text(), QString("Min Theta"));
        QCOMPARE(f.lbl_Unit[0]->text(), QString("deg"));
        QVERIFY(f.txt_Initial[0]->isVisible() && !f.txt_Initial[4]->isVisible());
        QVERIFY(f.pnl_cw->isVisible() && f.pnl_ccw->isVisible() && !f.pnl_time->isVisible());
        QVERIFY(!store().Calc_Done);
    }

    void time_and_one_position_runs_end_in_their_states()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.opt_Calctype[2], Qt::LeftButton);
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Num_Steps, int16_t(100));
        QCOMPARE(store().Step_Number, int16_t(1));  // step 0 shown
        QCOMPARE(Form<frm_Animate>().isVisible(), false);

        QTest::mouseClick(f.opt_Calctype[1], Qt::LeftButton);
        Type(f.txt_Initial[5], "45");
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Num_Steps, int16_t(0));
        QCOMPARE(store().Step_Number, int16_t(1));
        QCOMPARE(store().Theta_Data(0, 0), 45.0f);
        QVERIFY(f.cmd_Done->isEnabled() && !f.cmd_Animate->isEnabled() && !f.cmd_Step->isEnabled());
    }

    void a_run_broken_off_or_a_changed_box_offers_no_results()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        Type(f.txt_Linkout[2], "0.5");  // a coupler far too short to close the loop
        Type(f.txt_Linkout[3], "0.5");
        user.Answer(Msg::Ans_Ok);     // the non-Grashof warning
        user.Answer(Msg::Ans_Abort);  // the first position that cannot connect
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(user.boxes[1].prompt.rfind("Linkage cannot connect", 0) == 0);
        QVERIFY(!store().Calc_Done);
        QCOMPARE(f.lbl_Grashof->text(), QString("Non-Grashof"));
        // Nothing that needs results is offered, and nothing of the broken-off run is drawn.
        auto nothing_offered = [&] {
            for (QPushButton* b : {f.cmd_Animate, f.cmd_Done, f.cmd_Step, f.cmd_Reset})
                if (b->isEnabled()) return false;
            return Blank(f.Picture1) && !f.mnu_Redraw->isEnabled() && !Form<frm_HomeScreen>().cmd_Animate->isEnabled();
        };
        QVERIFY(nothing_offered());

        // A run that raises (an overflow at the first position) offers nothing either.
        Type(f.txt_Linkout[2], "2.5");
        Type(f.txt_Linkout[3], "2.5");
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(store().Calc_Done && f.cmd_Animate->isEnabled() && f.cmd_Reset->isEnabled());

        // A box left as the program wrote it, or with its number typed in another form, keeps
        // every result.
        Model_Store& s = store();
        frm_HomeScreen& home = Form<frm_HomeScreen>();
        s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = true;
        f.txt_Linkout[1]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.txt_Linkout[1], Qt::Key_Tab);
        Type(f.txt_Linkout[2], "2.50");
        QVERIFY(s.Calc_Done && s.Dynamics_Done && s.Flywheel_Done && s.FFT_Done);
        // A changed number withdraws them all, until a calculation completes: the home screen
        // shows none, offers none, and nothing of them is drawn.
        Type(f.txt_Linkout[1], "1.2");
        QVERIFY(!s.Calc_Done && !s.Dynamics_Done && !s.Flywheel_Done && !s.FFT_Done);
        QVERIFY(nothing_offered() && !home.cmd_Plot->isEnabled() && home.lbl_Status[0]->isHidden());
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(s.Calc_Done && !home.lbl_Status[0]->isHidden() && !Blank(f.Picture1));

        user.Answer(Msg::Ans_Ok);  // the non-Grashof warning
        user.Answer(Msg::Ans_Ok);  // the overflow
        Type(f.txt_Linkout[0], "1e30");
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QVERIFY(user.boxes.back().prompt.rfind("Error 6 ", 0) == 0);
        QVERIFY(!store().Calc_Done);
        QVERIFY(nothing_offered());
    }

    void autocalc_recalculates_on_every_commit()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.chk_autocalc, Qt::LeftButton);
        QVERIFY(f.Autocalc);
        Type(f.txt_Linkout[1], "1.2");
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Link2_Length, 1.2f);
        QTest::mouseClick(f.chk_autocalc, Qt::LeftButton);
        Type(f.txt_Linkout[1], "1.1");
        QVERIFY(!f.cmd_Done->isEnabled());  // committed, not calculated
        QCOMPARE(store().Link2_Length, 1.1f);
    }

    void circuit_set_during_activation_does_not_recalculate()
    {
        frm_Inputnew& f = Screen_();
        f.Hide();
        store().Circuit = 2;
        store().Model_Saved = true;
        Open_Screen();  // the activation turns the crossed option on
        QVERIFY(f.opt_OpenCross[1]->isChecked());
        QVERIFY(store().Model_Saved);  // no calculation ran
        Scripted_User user;
        user.Answer(Msg::Ans_Ignore);  // in case a crossed position cannot connect
        QTest::mouseClick(f.opt_OpenCross[0], Qt::LeftButton);
        QVERIFY(store().Calc_Done);  // a user click calculates even with Autocalc off
        QVERIFY(!store().Model_Saved);
        QCOMPARE(store().Circuit, int16_t(1));
    }

    void design_number_counts_once_per_visit_after_a_link_box_was_left()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        f.txt_Linkout[0]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.txt_Linkout[0], Qt::Key_Tab);  // left unchanged
        QVERIFY(store().Data_Changed);
        QVERIFY(!f.cmd_Animate->isEnabled());  // the commit asks for a new calculation
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        const int16_t before = store().Design_Number;
        Close_Animation_When_Shown();
        QTest::mouseClick(f.cmd_Animate, Qt::LeftButton);
        QCOMPARE(store().Design_Number, int16_t(before + 1));
        QVERIFY(!f.isVisible());

        Open_Screen();  // a new visit forgets the commit
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        Close_Animation_When_Shown();
        QTest::mouseClick(f.cmd_Done, Qt::LeftButton);
        QCOMPARE(store().Design_Number, int16_t(before + 1));
    }

    // The 16-bit design number cannot pass its limit: the increment fails as an overflow.
    void design_number_at_its_limit_is_reported_and_the_screen_stays()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        f.txt_Linkout[0]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.txt_Linkout[0], Qt::Key_Return);
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        store().Design_Number = 32767;  // as the user screen allows
        for (QPushButton* b : {f.cmd_Done, f.cmd_Animate}) {
            user.Answer(Msg::Ans_Ok);
            QTest::mouseClick(b, Qt::LeftButton);
            QVERIFY(user.All_Used());
            QVERIFY(user.boxes.back().prompt.rfind("Error 6 ", 0) == 0);
            QCOMPARE(store().Design_Number, int16_t(32767));
            QVERIFY(f.isVisible());
        }
        QVERIFY(user.boxes[1].prompt.find("has occurred in frm_Input.Animate") != std::string::npos);
    }

    void a_length_beyond_single_precision_is_refused_once()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        const float before = store().Link3_Length;
        user.Answer(Msg::Ans_Ok);
        Type(f.txt_Linkout[2], "1e39");
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt.rfind("Error 6 ", 0), size_t(0));
        QVERIFY(user.boxes[0].prompt.find("has occurred in Get_Linkage_Geometry") != std::string::npos);
        QCOMPARE(store().Link3_Length, before);
    }

    void negative_length_in_centimetres()
    {
        frm_Inputnew& f = Screen_();
        f.Hide();
        Fresh_Model(4);
        Open_Screen();
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Type(f.txt_Linkout[0], "-2");
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(user.boxes[0].prompt.rfind("Link lengths must be positive", 0) == 0);
        QCOMPARE(store().Link1_Length, 0.02f);
        // The box shows the positive value, so the message comes once: leaving the box for
        // Calculate and the calculation itself read it again without a word.
        QCOMPARE(f.txt_Linkout[0]->text(), QString("2"));
        Type(f.txt_Linkout[0], "250");
        user.Answer(Msg::Ans_Ok);
        Type(f.txt_Linkout[1], "-100");
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(f.txt_Linkout[1]->text(), QString("100"));
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(store().Link2_Length, 1.0f);
        QVERIFY(store().Calc_Done);

        // Typed and not left: the press on Calculate commits the box, whose message box takes
        // the release of that press. The click completes all the same, once, without a second
        // message.
        user.Answer(Msg::Ans_Ok);
        f.txt_Linkout[1]->setFocus(Qt::MouseFocusReason);
        f.txt_Linkout[1]->selectAll();
        QTest::keyClicks(f.txt_Linkout[1], "-30");
        user.while_box_up = [&] { QTest::mouseRelease(f.cmd_Calc, Qt::LeftButton); };
        QSignalSpy clicks(f.cmd_Calc, &QPushButton::clicked);
        QTest::mousePress(f.cmd_Calc, Qt::LeftButton);
        user.while_box_up = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(clicks.count(), 1);
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(3));
        QCOMPARE(f.txt_Linkout[1]->text(), QString("30"));
        QCOMPARE(store().Link2_Length, 0.3f);
        QVERIFY(store().Calc_Done && !f.cmd_Calc->isDown());
    }

    void too_many_angle_steps_are_refused_and_never_reached()
    {
        Output_Label_Panel panel;
        QLabel probe;
        panel.lbl_Linkout2[3] = &probe;
        Register_Output_Label_Panel(&panel);
        struct Withdraw {
            Output_Label_Panel* p;
            ~Withdraw() { Unregister_Output_Label_Panel(p); }
        } withdraw{&panel};
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        user.Answer(Msg::Ans_Ok);
        Type(f.txt_Initial[2], "0.3");
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt,
                 std::string("Your angle steps are too small - Have > 1024 Points - Increase Delta Theta"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.txt_Initial[2]));
        QVERIFY(probe.text().isEmpty());  // no labels written

        // Clicking Calculate leaves the step box (one more refusal), then the entry check and
        // the count refuse it again; the focus goes back to the step box each time.
        for (int i = 0; i < 3; ++i) user.Answer(Msg::Ans_Ok);
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QCOMPARE(user.boxes.size(), size_t(4));
        QVERIFY(!store().Calc_Done);
        QCOMPARE(store().Num_Steps, int16_t(36));  // the refused count is never stored
        QVERIFY(f.hsc_step->maximum() <= 1024);
        for (int i = 0; i < 40; ++i) f.cmd_Step->click();
        f.hsc_step->setValue(f.hsc_step->maximum());
        QVERIFY(store().Step_Number <= 37);
        for (const auto& b : user.boxes)
            QVERIFY(b.prompt.rfind("Your angle steps are too small", 0) == 0);  // no subscript error
    }

    void range_checks_through_the_boxes()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Ok);
        Type(f.txt_Initial[2], "10.3");  // 0 to 360 by 10.3 passes
        QVERIFY(user.boxes.empty());
        Type(f.txt_Initial[1], "10");  // 0 to 10 by 10.3: too close
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(user.boxes[0].prompt.rfind("Something is wrong. ", 0) == 0);
        QCOMPARE(store().Num_Steps, int16_t(35));  // the count of the last accepted range
        // Leaving the maximum box commits it again before the step box is typed into.
        Type(f.txt_Initial[2], "10.2");
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(store().Num_Steps, int16_t(1));  // 0 to 10 by 10.2: one step
    }

    void equal_minimum_and_maximum_restores_both()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        f.txt_Initial[0]->setText("90");
        f.txt_Initial[1]->setText("90");
        user.Answer(Msg::Ans_Ok);
        f.txt_Initial[1]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.txt_Initial[1], Qt::Key_Return);
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(user.boxes[0].prompt.rfind("Minimum angle must be smaller", 0) == 0);
        QCOMPARE(f.txt_Initial[0]->text(), QString("0"));
        QCOMPARE(f.txt_Initial[1]->text(), QString("360"));
    }

    void negative_time_step_is_reset()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.opt_Calctype[2], Qt::LeftButton);
        user.Answer(Msg::Ans_Ok);
        Type(f.txt_Initial[2], "-0.1");
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt, std::string("Time steps must be positive - will reset"));
        QCOMPARE(store().Delta_Time, 0.1f);
        QCOMPARE(f.txt_Initial[2]->text(), QString(" .1"));  // rewritten with a sign blank
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(store().Calc_Done);
        QCOMPARE(store().Num_Steps, int16_t(50));
    }

    void timer_clears_the_picture_once()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QVERIFY(f.Timer1.Enabled());  // armed by the activation
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        QVERIFY(!Blank(f.Picture1));
        f.Timer1.Tick();
        QVERIFY(Blank(f.Picture1));
        QVERIFY(!f.Timer1.Enabled());
        QVERIFY(store().Calc_Done);  // only the drawing goes
    }

    void print_sends_the_screen_image_after_the_confirmation()
    {
        Scripted_User user;
        frm_Inputnew& f = Screen_();
        QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
        const QString pdf = QDir::temp().filePath("vastrel_input_print.pdf");
        QFile::remove(pdf);
        user.Answer(Msg::Ans_Yes).Print_To_Pdf(pdf.toStdString());
        QTest::mouseClick(f.cmd_PlotPrint, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.at(0).style, 68);
        QVERIFY(user.boxes.at(0).prompt.rfind("Note: The image on this screen", 0) == 0);
        QVERIFY(QFileInfo(pdf).size() > 0);

        user.Answer(Msg::Ans_No);
        QTest::mouseClick(f.cmd_PlotPrint, Qt::LeftButton);
        QCOMPARE(user.printer_dialogs, 1);

        user.Answer(Msg::Ans_Yes).Print_To_Pdf("");  // a cancelled dialog ends the command silently
        QTest::mouseClick(f.cmd_PlotPrint, Qt::LeftButton);
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(3));
    }

    void a_model_read_fills_the_boxes_without_calculating()
    {
        frm_Inputnew& f = Screen_();
        f.Hide();
        Model_Store& s = store();
        s.Link1_Length = 3.14159f;
        s.Gear_Ratio = 2;
        s.Coupler_Angle_Deg = 12.345f;
        s.Calc_Type = 2;
        s.Circuit = 2;
        s.Omega_Zero = 7.5f;
        s.Model_Saved = true;
        Load_Link_Lengths();
        ui().Model_Was_Read();
        // Switching the time option on runs its handler, which writes the boxes once more.
        QCOMPARE(f.txt_Linkout[0]->text(), QString::fromStdString(Linkage_Geometry_Texts()[0]));
        QVERIFY(f.txt_Linkout[0]->text().startsWith("3.14"));
        QCOMPARE(f.txt_Linkout[5]->text(), QString("2.0"));
        QCOMPARE(f.txt_Linkout[8]->text(), QString("12.35"));
        QCOMPARE(f.txt_Initial[3]->text(), QString("7.5"));
        QVERIFY(f.opt_Calctype[2]->isChecked() && f.opt_OpenCross[1]->isChecked());
        QCOMPARE(f.lbl_Initial[0]->text(), QString("Start Time"));  // the option's own handler ran
        QVERIFY(s.Model_Saved);  // the circuit option did not recalculate
        QVERIFY(!f.isVisible());

        // A model read, a visit and Calculate keep the ratio and the phase to their last bit.
        Scripted_User user;
        s.Link1_Length = 2.5f;  // a linkage that assembles at every ratio
        s.Calc_Type = 3;
        Load_Link_Lengths();
        for (float v : {0.425f, 0.75f, 1.0f / 3, 2.25f, -3.0f}) {
            s.Gear_Ratio = v;
            s.Phase_Angle_Deg = v * 10;
            ui().Model_Was_Read();
            Open_Screen();
            QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
            QVERIFY(s.Calc_Done);
            QVERIFY(s.Gear_Ratio == v && s.Phase_Angle_Deg == v * 10);  // exactly, not fuzzily
            f.Hide();
        }
    }
};

QTEST_MAIN(Test_Input_Screen)
#include "test_frm_Inputnew.moc"
