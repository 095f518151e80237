// The shared screen helpers: sizing and centring on fake displays, the redraw timer, the form
// header, captions, print confirmations, the bare file name and the units menu marks.
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

std::string Last_Box(const Scripted_User& u) { return u.boxes.empty() ? "" : u.boxes.back().prompt; }
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
        QCOMPARE(store().Home_Height, 9480);
        QCOMPARE(home.Left(), (28800 - 11850) / 2);
        QCOMPARE(home.Top(), 1500);

        store().Form_Top = -200;
        auto& other = Form<Other>();
        Reset_Screen(other, 8950, 11850);
        QCOMPARE(other.Width(), 11850);
        QVERIFY(std::abs(other.Height() - 8950) <= 8);  // 596.7 pixels
        QCOMPARE(other.Top(), 0);
    }

    void a_small_display_enlarges_to_fit_and_other_screens_follow_the_home_width()
    {
        Screen_Metrics::Use_Fake(800, 600);  // 12000 x 9000: 9000 - 400 < 9480
        auto& home = Form<Home>();
        Reset_Screen(home, 9480, 11850);
        QCOMPARE(store().Home_Height, 8600);
        QCOMPARE(store().Home_Width, 10750);  // 8600 * 11850 / 9480
        QVERIFY(std::abs(home.Height() - 8600) <= 8);  // to the nearest pixel
        QVERIFY(std::abs(home.Width() - 10750) <= 8);
        QCOMPARE(home.Top(), 0);

        auto& other = Form<Other>();
        Reset_Screen(other, 8950, 11850);  // design wider than the home screen
        QVERIFY(std::abs(other.Width() - 10750) <= 8);
        QVERIFY(std::abs(other.Height() - 10750.0 * 8950 / 11850) <= 8);
    }

    void the_home_screen_is_limited_by_the_display_width()
    {
        Screen_Metrics::Use_Fake(1000, 1000);  // 15000 x 15000: 14600 * 1.25 > 15000
        auto& home = Form<Home>();
        store().Startup_Flag = true;
        Maximize_Screen(home, 9480, 11850);
        QCOMPARE(store().Home_Width, 15000);
        QCOMPARE(store().Home_Height, 12000);
        QCOMPARE(home.Left(), 0);
        QCOMPARE(home.Top(), 1500);  // centred while starting up

        store().Startup_Flag = false;
        auto& other = Form<Other>();
        Maximize_Screen(other, 8950, 11850);
        QCOMPARE(other.Width(), 15000);
        QVERIFY(std::abs(other.Height() - 15000.0 * 8950 / 11850) <= 8);
        QCOMPARE(other.Top(), 0);
    }

    void a_minimised_or_maximised_screen_is_left_alone()
    {
        store().Home_Width = 11850;
        auto& other = Form<Other>();
        other.Set_Width(6000);
        other.setWindowState(Qt::WindowMinimized);
        Reset_Screen(other, 8950, 11850);
        QCOMPARE(other.Width(), 6000);
        other.setWindowState(Qt::WindowMaximized);
        Reset_Screen(other, 8950, 11850);
        QCOMPARE(other.Width(), 6000);
    }

    void the_redraw_timer_runs_once_per_arming()
    {
        auto& s = Form<Other>();
        int redraws = 0;
        s.Timer1.On_Redraw([&] { ++redraws; });
        store().Redraw_Delay = 7;
        Start_Timer(s, 0);
        QCOMPARE(store().Redraw_Delay, 0);
        QCOMPARE(s.Timer1.Interval(), 250);
        QVERIFY(s.Timer1.Enabled());
        QTRY_COMPARE_WITH_TIMEOUT(redraws, 1, 2000);
        QVERIFY(!s.Timer1.Enabled());
        s.Timer1.Tick();
        QCOMPARE(redraws, 1);
        Start_Timer(s, 0);  // a second activation re-arms it
        s.Timer1.Tick();
        QCOMPARE(redraws, 2);

        Start_Timer(s, 2);
        s.Timer1.Tick();
        QCOMPARE(redraws, 2);
        s.Timer1.Tag = QDateTime::currentDateTime().addSecs(-2);
        s.Timer1.Tick();
        QCOMPARE(redraws, 3);
        s.Timer1.Set_Enabled(false);
    }

    void the_timer_counts_second_boundaries_not_elapsed_time()
    {
        QDateTime t(QDate(2026, 12, 8), QTime(12, 0, 0, 900));
        QCOMPARE(Seconds_Boundaries(t, t.addMSecs(200)), 1LL);
        QDateTime u(QDate(2026, 12, 8), QTime(12, 0, 0, 100));
        QCOMPARE(Seconds_Boundaries(u, u.addMSecs(800)), 0LL);
    }

    void the_header_has_a_file_line_only_once_the_model_has_a_file()
    {
        Model_Store& st = store();
        st.Designer_Name = "J. Smith";
        st.Design_Number = 12;
        st.Model_Date = "12/08/2026";
        st.Model_Time = "10:15:00";
        st.Model_Name = "Crank";
        QCOMPARE(QString::fromStdString(Titlebox_Text()),
                 QString("J. Smith\r Design No. 12\r\n12/08/2026\r at 10:15:00"));
        auto& s = Form<Other>();
        Titlebox(s);
        QCOMPARE(s.lbl_Header->text().split('\n').size(), 4);

        st.File_Path = "/home/js/models/Crank.vsr";
        Titlebox(s);
        QStringList lines = s.lbl_Header->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[4], QString(" File: Crank"));
    }

    void captions_go_to_the_registered_screens()
    {
        store().Title_String = "VASTREL   Release 9.0   ";
        Register_Screens();
        Register_Screen("frm_HomeScreen", []() -> Screen& { return Form<Home>(); });
        Register_Screen("frm_PlotType", []() -> Screen& { return Form<Other>(); });
        Set_Form_Captions();
        QCOMPARE(QString::fromStdString(Form<Home>().Caption()), QString("VASTREL   Release 9.0   Home Screen"));
        QCOMPARE(QString::fromStdString(Form<Other>().Caption()), QString("VASTREL   Release 9.0   Select Plot Type"));
        QVERIFY(!Form<Other>().isVisible());
        QVERIFY(!Screen_Named("frm_Nothing"));
    }

    void print_confirmations_ask_yes_no_with_their_texts()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Yes).Answer(Msg::Ans_No);
        int16_t answer = 0;
        Confirm_Print(answer);
        QCOMPARE(answer, int16_t(6));
        QCOMPARE(user.boxes[0].style, 68);
        QCOMPARE(QString::fromStdString(user.boxes[0].prompt),
                 QString("You can print this form directly to a printer from here.\r\r"
                         "But a better quality print can be obtained by copying the\r"
                         "screen to the clipboard with the key combo Alt-PrintScrn,\r"
                         "and pasting it into a word processing or graphics program,\r"
                         "then printing it from that program.\r\r"
                         "Do you want to proceed with a direct print?"));
        Confirm_Image_Print(answer);
        QCOMPARE(answer, int16_t(7));
        QCOMPARE(user.boxes[1].style, 68);
        QCOMPARE(QString::fromStdString(user.boxes[1].prompt),
                 QString("Note: The image on this screen may not print correctly on some printers.\r\r"
                         "If this occurs, you can still get a printout of the screen by copying it to the clipboard\r\n"
                         "with the key combo Alt-PrintScrn and pasting the image into a word processor,\r\n"
                         "a drawing program, or a graphics package, then printing it from that program.\r\n\r\n"
                         "Do you want to send it to the printer now anyway?"));
    }

    void strip_filename_edge_cases()
    {
        QCOMPARE(QString::fromStdString(StripFilename("C:\\Models\\Crank.vsr")), QString("Crank"));
        QCOMPARE(QString::fromStdString(StripFilename("/home/js/models/Crank.vsr")), QString("Crank"));
        QCOMPARE(QString::fromStdString(StripFilename("/home/js/a.b/Crank.dat")), QString("Crank"));
        QCOMPARE(QString::fromStdString(StripFilename("Model_1.vsr")), QString("Model_1"));
        QCOMPARE(QString::fromStdString(StripFilename("/home/js/Crank.vsrx")), QString());  // four-letter extension
        QCOMPARE(QString::fromStdString(StripFilename("/home/js/Crank")), QString());
        QCOMPARE(QString::fromStdString(StripFilename(".vsr")), QString());
        QCOMPARE(QString::fromStdString(StripFilename("abcd")), QString());

        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        QCOMPARE(QString::fromStdString(StripFilename("a.b")), QString());  // too short: reported
        QVERIFY(QString::fromStdString(Last_Box(user)).startsWith("Error 5   ("));
        QVERIFY(QString::fromStdString(Last_Box(user)).contains("has occurred in StripFilename"));
    }

    void units_menu_marks_clamp_below_and_fail_above()
    {
        Has_Units_Menu home;
        std::vector<std::unique_ptr<QAction>> owned;
        for (int i = 1; i <= 5; ++i) {
            owned.push_back(std::make_unique<QAction>());
            home.mnu_pick[i] = owned.back().get();
            home.mnu_pick[i]->setCheckable(true);
        }
        home.mnu_pick[4]->setChecked(true);
        int16_t units = 0;
        Check_mnu_Units(home, units);
        QCOMPARE(units, int16_t(1));
        for (int i = 1; i <= 5; ++i) QCOMPARE(home.mnu_pick[i]->isChecked(), i == 1);

        units = 3;
        Check_mnu_Units(home, units);
        for (int i = 1; i <= 5; ++i) QCOMPARE(home.mnu_pick[i]->isChecked(), i == 3);

        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        units = 6;
        Check_mnu_Units(home, units);
        for (int i = 1; i <= 5; ++i) QVERIFY(!home.mnu_pick[i]->isChecked());
        QVERIFY(QString::fromStdString(Last_Box(user)).contains("has occurred in Check_mnu_Units"));
    }

    void colours_and_start_up_setting()
    {
        store().Full_Screen = true;
        Init_Common();
        QVERIFY(!store().Full_Screen);
        Set_Colors();
        QCOMPARE(store().Color_Magenta, 0xFF00FF);
        QCOMPARE(store().Color_Cyan, 0x00FFFF);
        QCOMPARE(store().Color_Green, 0x00FF00);
        QCOMPARE(store().Color_Blue, 0x0000FF);
        QCOMPARE(store().Color_White, 0xFFFFFF);
        QCOMPARE(store().Color_Black, 0);
    }
};

QTEST_MAIN(Test_Mod_Common)
#include "test_mod_common.moc"
