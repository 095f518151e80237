// The screens as a user meets them on a desktop: the design size kept through Maximize, Standard
// and help, maximized screens inside the display with their controls over the larger area, the
// help window in front after a help command, and the home screen's buttons after the input screen.
#include <QtTest>

#include "Shell_Test_Support.h"
#include "dynamics/frm_Matrix.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
frm_Inputnew& input() { return Form<frm_Inputnew>(); }

// Where a control lies in its screen's client area.
QRect In_Screen(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The whole window, frame included, lies on the 1920 x 1080 display.
bool On_Display(const QWidget& s) { return QRect(0, 0, 1920, 1080).contains(s.frameGeometry()); }

// Whether the input screen's unit labels stay clear of the step bar in every calculation mode.
bool Units_Clear_Of_The_Step_Bar()
{
    bool clear = true;
    for (int mode : {2, 3, 1}) {
        QTest::mouseClick(input().opt_Calctype[mode], Qt::LeftButton);
        for (QLabel* unit : input().lbl_Unit)
            clear &= !(unit->isVisible() && In_Screen(unit).intersects(In_Screen(input().hsc_step)));
    }
    return clear;
}
}  // namespace

class Screens_On_Desktop_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    void init() { Fresh_Program(exits); }
    void cleanup() { Unload_All_Screens(); }

    void design_sizes_survive_maximize_standard_and_help()
    {
        Scripted_User user;
        Start_To_Home();
        QCOMPARE(home().size(), QSize(790, 632));  // 11850 x 9480 twips of client area

        home().mnu_Fullscreen->trigger();
        QVERIFY(On_Display(home()));
        // A screen without a menu bar spreads its controls too; one-line controls keep their height.
        frm_Matrix& m = Form<frm_Matrix>();
        m.Show_Modeless();
        QVERIFY(On_Display(m) && In_Screen(m.cmd_Done).right() > 0.7 * m.width());
        QCOMPARE(m.cmd_Done->height(), 30);
        m.Hide();
        // Checked once the modal screen is closed again.
        QRect maximized_done, maximized_picture;
        bool on_display = false, units_clear = false;
        Later([&] {
            frm_Inputnew& f = input();
            on_display = On_Display(f);
            maximized_done = In_Screen(f.cmd_Done);
            maximized_picture = In_Screen(f.Picture1);
            units_clear = Units_Clear_Of_The_Step_Bar();
            QTest::mouseClick(f.cmd_Cancel, Qt::LeftButton);
        });
        QTest::mouseClick(home().cmd_Input, Qt::LeftButton);
        QVERIFY(input().width() > 1300 && on_display && units_clear);
        // The controls spread over the larger area: Next near the right edge, the picture square.
        QVERIFY(maximized_done.right() > 0.95 * input().width());
        QVERIFY(maximized_done.height() < 40);
        QCOMPARE(maximized_picture.width(), maximized_picture.height());

        home().mnu_Standardsize->trigger();
        QCOMPARE(home().size(), QSize(790, 632));
        QSize design_size;
        Later([&] {
            frm_Inputnew& f = input();
            design_size = f.size();
            units_clear = Units_Clear_Of_The_Step_Bar();
            QTest::mouseClick(f.cmd_Calc, Qt::LeftButton);
            f.mnu_Linkage->trigger();
        });
        QTest::mouseClick(home().cmd_Input, Qt::LeftButton);
        QCOMPARE(design_size, QSize(790, 597));
        QCOMPARE(input().Width(), 11850);
        QCOMPARE(input().Height(), 8955);  // 8950 twips to the nearest pixel
        QVERIFY(units_clear);

        // The help window stays in front and active; the input screen, back behind it modeless,
        // keeps its drawing and its calculation until the user comes back to it.
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible() && input().isVisible());
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&help));
        QCOMPARE(Screen::Stacking_Order().back(), static_cast<Screen*>(&help));
        QCOMPARE(Screen::Stacking_Order().end()[-2], static_cast<Screen*>(&input()));
        QVERIFY(store().Calc_Done);
        QVERIFY(home().cmd_Animate->isEnabled());
        help.mnu_Full->trigger();
        QVERIFY(On_Display(help));
        help.mnu_Close->trigger();
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&input()));
        QCOMPARE(input().size(), QSize(790, 597));

        // The input screen's activation left the model uncalculated; leaving it, the home screen's
        // buttons agree with its status panel.
        QTest::mouseClick(input().cmd_Cancel, Qt::LeftButton);
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&home()));
        QVERIFY(!store().Calc_Done && home().lbl_Status[0]->isHidden());
        for (QPushButton* b : {home().cmd_Animate, home().cmd_Dynamics, home().cmd_Plot, home().cmd_Print})
            QVERIFY(!b->isEnabled());
        m.Show_Modeless();
        QCOMPARE(m.cmd_Done->geometry(), QRect(635, 490, 110, 30));  // where it was designed
        QVERIFY(user.boxes.empty());
    }
};

QTEST_MAIN(Screens_On_Desktop_Test)
#include "test_screens_on_desktop.moc"
