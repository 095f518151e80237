// The shared screen helpers: sizing and centring on fake displays, the redraw timer, the form
// header, captions, the bare file name and the units menu marks.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "model/Mod_Main.h"
#include "platform/Message_Box.h"
#include "platform/Screen.h"
#include "platform/Screen_Metrics.h"
#include "shell/Screen_Catalogue.h"
#include "shell/mod_Common.h"
#include "support/Scripted_User.h"

namespace {
class Home : public Screen {
public:
    Home() : Screen("frm_HomeScreen", 11850, 9480) {}
};
class Other : public Screen, public Has_Timer1, public Has_Header {
public:
    Other() : Screen("frm_PlotType", 11850, 8950) { lbl_Header = new QLabel(this); }
};

// Twips survive only to the nearest pixel (15 twips).
#define QCOMPARE_TWIPS(actual, expected) QVERIFY2(std::abs((actual) - (expected)) <= 8, #actual)
}  // namespace

class Test_Mod_Common : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        reset_store();
        Install_Qt_Port();
        Screen_Metrics::Use_Fake(1920, 1080);  // 28800 x 16200 twips
    }
    void cleanup()
    {
        Unload_All_Screens();
        Screen_Metrics::Use_Real();
    }

    void standard_size_centres_at_the_home_screens_top()
    {
        store().Form_Top = 1500;
        auto& home = Form<Home>();
        home.Set_Width(5000);
        Reset_Screen(home, 9480, 11850);
        QCOMPARE(home.Width(), 11850);
        QCOMPARE(home.Height(), 9480);
        QCOMPARE(store().Home_Width, 11850);
        QCOMPARE(home.Left(), (28800 - 11850) / 2);
        QCOMPARE(home.Top(), 1500);

        store().Form_Top = -200;
        auto& other = Form<Other>();
        Reset_Screen(other, 8950, 11850);
        QCOMPARE_TWIPS(other.Height(), 8950);
        QCOMPARE(other.Top(), 0);
        other.Set_Width(6000);  // minimised or maximised by the user: left alone
        for (auto state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            other.setWindowState(state);
            Reset_Screen(other, 8950, 11850);
            QCOMPARE(other.Width(), 6000);
        }
    }

    void a_small_display_enlarges_to_fit_and_other_screens_follow_the_home_width()
    {
        Screen_Metrics::Use_Fake(800, 600);  // 12000 x 9000: 9000 - 400 < 9480
        auto& home = Form<Home>();
        Reset_Screen(home, 9480, 11850);
        QCOMPARE(store().Home_Height, 8600);
        QCOMPARE(store().Home_Width, 10750);  // 8600 * 11850 / 9480
        QCOMPARE_TWIPS(home.Width(), 10750);
        auto& other = Form<Other>();
        Reset_Screen(other, 8950, 11850);
        QCOMPARE_TWIPS(other.Width(), 10750);
        QCOMPARE_TWIPS(other.Height(), 10750 * 8950 / 11850);
    }

    void the_home_screen_is_limited_by_the_display_width()
    {
        Screen_Metrics::Use_Fake(1000, 1000);  // 15000 x 15000: 14600 * 1.25 > 15000
        store().Startup_Flag = true;
        auto& home = Form<Home>();
        Maximize_Screen(home, 9480, 11850);
        QCOMPARE(store().Home_Width, 15000);
        QCOMPARE(store().Home_Height, 12000);
        QCOMPARE(home.Top(), 1500);  // centred while starting up
        store().Startup_Flag = false;
        auto& other = Form<Other>();
        Maximize_Screen(other, 8950, 11850);
        QCOMPARE(other.Width(), 15000);
        QCOMPARE(other.Top(), 0);
    }

    void the_redraw_timer_runs_once_per_arming()
    {
        auto& s = Form<Other>();
        int redraws = 0;
        s.Timer1.On_Redraw([&] { ++redraws; });
        Start_Timer(s, 0);
        QCOMPARE(s.Timer1.Interval(), 250);
        QTRY_COMPARE_WITH_TIMEOUT(redraws, 1, 2000);
        QVERIFY(!s.Timer1.Enabled());
        Start_Timer(s, 0);  // a second activation re-arms it
        s.Timer1.Tick();
        s.Timer1.Tick();
        QCOMPARE(redraws, 2);
        Start_Timer(s, 2);
        s.Timer1.Tick();
        QCOMPARE(redraws, 2);
        s.Timer1.Tag = QDateTime::currentDateTime().addSecs(-2);
        s.Timer1.Tick();
        QCOMPARE(redraws, 3);
        // Second boundaries, not elapsed time.
        QDateTime t(QDate(2026, 12, 8), QTime(12, 0, 0, 900));
        QCOMPARE(Seconds_Boundaries(t, t.addMSecs(200)), 1LL);
        QCOMPARE(Seconds_Boundaries(t.addMSecs(-800), t), 0LL);
    }

    void the_header_has_a_file_line_only_once_the_model_has_a_file()
    {
        Model_Store& st = store();
        st.Designer_Name = "J. Smith";
        st.Design_Number = 12;
        st.Model_Date = "12/08/2026";
        st.Model_Time = "10:15:00";
        st.Model_Name = "Crank";
        QCOMPARE(QString::fromStdString(Titlebox_Text()), QString("J. Smith\r Design No. 12\r\n12/08/2026\r at 10:15:00"));
        auto& s = Form<Other>();
        Titlebox(s);
        QCOMPARE(s.lbl_Header->text().split('\n').size(), 4);
        st.File_Path = "/home/js/models/Crank.vsr";
        Titlebox(s);
        QCOMPARE(s.lbl_Header->text().split('\n').value(4), QString(" File: Crank"));
    }

    void captions_go_to_the_registered_screens()
    {
        store().Title_String = "VASTREL   ";
        Register_Screens();
        Register_Screen("frm_HomeScreen", []() -> Screen& { return Form<Home>(); });
        Set_Form_Captions();
        QCOMPARE(QString::fromStdString(Form<Home>().Caption()), QString("VASTREL   Home Screen"));
        QVERIFY(!Form<Home>().isVisible());
        QVERIFY(!Screen_Named("frm_Nothing"));
    }

    void print_confirmations_ask_yes_or_no_with_their_exact_breaks()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_No).Answer(Msg::Ans_Yes);
        int16_t answer = 0;
        Confirm_Print(answer);
        QCOMPARE(answer, int16_t(7));
        Confirm_Image_Print(answer);
        QCOMPARE(answer, int16_t(6));
        QCOMPARE(QString::fromStdString(user.boxes.at(0).prompt),
                 QString("You can print this form directly to a printer from here.\r\r"
                         "But a better quality print can be obtained by copying the\r"
                         "screen to the clipboard with the key combo Alt-PrintScrn,\r"
                         "and pasting it into a word processing or graphics program,\r"
                         "then printing it from that program.\r\r"
                         "Do you want to proceed with a direct print?"));
        QCOMPARE(QString::fromStdString(user.boxes.at(1).prompt),
                 QString("Note: The image on this screen may not print correctly on some printers.\r\r"
                         "If this occurs, you can still get a printout of the screen by copying it to the clipboard\r\n"
                         "with the key combo Alt-PrintScrn and pasting the image into a word processor,\r\n"
                         "a drawing program, or a graphics package, then printing it from that program.\r\n\r\n"
                         "Do you want to send it to the printer now anyway?"));
        QCOMPARE(user.boxes[0].style, 68);
        QCOMPARE(user.boxes[1].style, 68);
    }

    void strip_filename_edge_cases()
    {
        for (const char* p : {"C:\\Models\\Crank.vsr", "/home/js/a.b/Crank.dat", "Crank.vsr"})
            QCOMPARE(QString::fromStdString(StripFilename(p)), QString("Crank"));
        for (const char* p : {"/home/js/Crank.vsrx", "/home/js/Crank", ".vsr", "abcd"})
            QCOMPARE(QString::fromStdString(StripFilename(p)), QString());
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        QCOMPARE(QString::fromStdString(StripFilename("a.b")), QString());  // too short: reported
        QVERIFY(QString::fromStdString(user.boxes.at(0).prompt).startsWith("Error 5   ("));
        QVERIFY(QString::fromStdString(user.boxes[0].prompt).contains("has occurred in StripFilename"));
    }

    void units_menu_marks_clamp_below_and_fail_above()
    {
        Has_Units_Menu home;
        QAction actions[6];
        for (int i = 1; i <= 5; ++i) {
            home.mnu_pick[i] = &actions[i];
            actions[i].setCheckable(true);
        }
        actions[4].setChecked(true);
        int16_t units = 0;
        Check_mnu_Units(home, units);
        QCOMPARE(units, int16_t(1));
        for (int i = 1; i <= 5; ++i) QCOMPARE(actions[i].isChecked(), i == 1);
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        units = 6;
        Check_mnu_Units(home, units);
        for (int i = 1; i <= 5; ++i) QVERIFY(!actions[i].isChecked());
        QVERIFY(QString::fromStdString(user.boxes.at(0).prompt).contains("has occurred in Check_mnu_Units"));
    }
};

QTEST_MAIN(Test_Mod_Common)
#include "test_mod_common.moc"
