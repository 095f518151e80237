// The small screens around the home screen: title, notice, user, about and quit, their sizing on
// a low display, and the end of the program.
#include <QtTest>

#include "Shell_Test_Support.h"
#include "shell/frm_About.h"
#include "shell/frm_Help.h"
#include "shell/frm_User.h"
#include "support/Scripted_User.h"

class Aux_Screens_Test : public QObject {
    Q_OBJECT

    int exits = 0;

    frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }

    // The user screen opened from the home screen's menu, with its boxes filled.
    frm_User& Open_User(const QString& name, const QString& number)
    {
        home().mnu_ChangeUser->trigger();
        frm_User& user = Form<frm_User>();
        user.txt_UserName->setText(name);
        user.txt_DesignNo->setText(number);
        return user;
    }

private slots:
    void init()
    {
        exits = 0;
        Fresh_Program(exits);
    }

    void abort_then_no_returns_to_the_title_and_yes_ends()
    {
        Scripted_User user;
        bool quit_shown = false, title_back = false;
        Later([&] { QTest::mouseClick(Form<frm_Title>().cmd_Abort, Qt::LeftButton); });
        Later([&] {
            quit_shown = Form<frm_Quit>().isVisible();
            QTest::mouseClick(Form<frm_Quit>().cmd_NoQuit, Qt::LeftButton);
        });
        Later([&] {
            title_back = Form<frm_Title>().isVisible() && Screen::Active() == &Form<frm_Title>();
            QTest::mouseClick(Form<frm_Title>().cmd_Abort, Qt::LeftButton);
        });
        Later([&] { QTest::mouseClick(Form<frm_Quit>().cmd_YesQuit, Qt::LeftButton); });
        Later([&] { Form<frm_Title>().Hide(); });  // the process would have ended here
        Main();
        QVERIFY(quit_shown);
        QVERIFY(title_back);
        QCOMPARE(exits, 1);
        QVERIFY(!home().isVisible());
        QCOMPARE(Form<frm_Title>().lbl_Version->text(), QString("Release 9.0,  Rev 2.2   11/30/08"));
    }

    // Closing the title or the notice screen by its frame never leaves the program running unseen.
    void close_boxes_of_the_start_screens_lead_on()
    {
        Scripted_User user;
        bool quit_shown = false, home_shown = false;
        Later([&] { Form<frm_Title>().close(); });
        Later([&] {
            quit_shown = Form<frm_Quit>().isVisible();
            QTest::mouseClick(Form<frm_Quit>().cmd_NoQuit, Qt::LeftButton);
        });
        Later([&] { QTest::mouseClick(Form<frm_Title>().cmd_Start, Qt::LeftButton); });
        Later([&] { Form<frm_Disclaimer>().close(); });
        Later([&] { home_shown = home().isVisible(); });
        Main();
        QVERIFY(quit_shown);
        QVERIFY(home_shown);
        QVERIFY(!Form<frm_Disclaimer>().isVisible());
    }

    void start_screens_fit_a_low_display()
    {
        Screen_Metrics::Use_Fake(800, 600);  // 12000 x 9000 twips: 400 short of the design height
        Scripted_User user;
        // The client area has the size; the frame round it lies at the top, placed by the centring rule.
        std::vector<std::pair<QRect, QRect>> shown;
        auto record = [&shown](QWidget& s) { shown.emplace_back(s.geometry(), s.frameGeometry()); };
        Later([&] {
            record(Form<frm_Title>());
            QTest::mouseClick(Form<frm_Title>().cmd_Start, Qt::LeftButton);
        });
        Later([&] {
            record(Form<frm_Disclaimer>());
            QTest::mouseClick(Form<frm_Disclaimer>().cmd_Done, Qt::LeftButton);
        });
        Main();
        home().mnu_ChangeUser->trigger();
        record(Form<frm_User>());
        // 8600 twips high, 8600 x 11850 / 8950 = 11387 wide.
        QCOMPARE(shown.size(), size_t(3));
        for (const auto& [client, frame] : shown) {
            QCOMPARE(client.height(), 573);
            QVERIFY(std::abs(client.width() - 759) <= 1);
            QCOMPARE(frame.top(), 0);
            QVERIFY(std::abs(frame.left() * 2 + client.width() - 800) <= 1);  // left = (display - width) / 2
        }
        Screen_Metrics::Use_Fake(1920, 1080);
    }

    void user_screen_sets_name_number_and_file()
    {
        Scripted_User user;
        Start_To_Home();
        Model_Store& s = store();

        frm_User& u = Open_User("", "12");
        QVERIFY(u.isVisible());
        QTest::mouseClick(u.cmd_Done, Qt::LeftButton);
        QVERIFY(u.isVisible());  // an empty name is refused silently
        QCOMPARE(s.Design_Number, int16_t(1));

        QTest::mouseClick(u.cmd_Done, Qt::LeftButton);
        u.txt_UserName->setText("Ann");
        QTest::mouseClick(u.cmd_Done, Qt::LeftButton);
        QVERIFY(!u.isVisible());
        QCOMPARE(s.Designer_Name, std::string("Ann"));
        QCOMPARE(s.Design_Number, int16_t(12));
        QVERIFY(home().isVisible());

        Open_User("Ann", "letters");
        QCOMPARE(u.txt_UserName->text(), QString("Ann"));
        QTest::mouseClick(u.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Design_Number, int16_t(0));
        Open_User("Ann", "3.6");
        QCOMPARE(u.txt_Filename->text(), QString("Model_1"));
        QTest::mouseClick(u.cmd_Done, Qt::LeftButton);
        QCOMPARE(s.Design_Number, int16_t(4));

        // Leaving the file-name box stores the name at once; Enter does too.
        Open_User("Ann", "4");
        QApplication::setActiveWindow(&u);
        u.txt_Filename->setFocus(Qt::OtherFocusReason);
        u.txt_Filename->setText("proj7");
        u.txt_DesignNo->setFocus(Qt::TabFocusReason);
        QCOMPARE(s.Model_Name, std::string("proj7"));
        u.txt_Filename->setText("proj8");
        QTest::keyClick(u.txt_Filename, Qt::Key_Return);
        QCOMPARE(s.Model_Name, std::string("proj8"));
        // Enter in the name box goes on to Next.
        u.txt_UserName->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(u.txt_UserName, Qt::Key_Return);
        QCOMPARE(u.focusWidget(), static_cast<QWidget*>(u.cmd_Done));
        QVERIFY(user.boxes.empty());
    }

    void notice_and_about_from_the_menu_only_close()
    {
        Scripted_User user;
        Start_To_Home();
        home().mnu_Disclaimer->trigger();
        frm_Disclaimer& notice = Form<frm_Disclaimer>();
        QVERIFY(notice.isVisible());
        QCOMPARE(notice.Label1[0]->text(), QString("A Program for the Design and Analysis of Geared Vastrel Linkages."));
        QCOMPARE(notice.lbl_Support->toolTip(), QString("Click here to close window"));
        QVERIFY(home().isVisible());  // modeless: both usable
        QTest::mouseClick(notice.lbl_Notice, Qt::LeftButton);
        QVERIFY(!notice.isVisible());
        QVERIFY(home().isVisible());

        bool about_shown = false;
        Later([&] {
            about_shown = Form<frm_About>().isVisible() && std::abs(Form<frm_About>().Height() - 8950) < 15;
            QTest::mouseClick(Form<frm_About>().lblHeader, Qt::LeftButton);
        });
        home().mnu_About->trigger();
        QVERIFY(about_shown);
        QVERIFY(!Form<frm_About>().isVisible());
        QCOMPARE(Form<frm_About>().lbl_Version->text(), QString("Release 9.0 - Rev 2.2   11/30/08"));
        QVERIFY(user.boxes.empty());
    }

    void help_and_screen_size_menus()
    {
        Scripted_User user;
        Start_To_Home();
        home().mnu_Manual->trigger();
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible());
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location()).endsWith("/helpfiles/Program_Manual.pdf"));
        home().mnu_LinkCalc->trigger();
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location())
                    .endsWith("/helpfiles/linkages/linkage_calc_help.pdf"));
        // These two hide the home screen for a moment; the help window stays in front.
        home().mnu_DynamicsHelp->trigger();
        QVERIFY(QString::fromStdString(help.WebBrowser1->Location()).endsWith("/helpfiles/vastrel/vsr_dynamics_help.pdf"));
        QVERIFY(help.isVisible() && home().isVisible());
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&help));
        QCOMPARE(Screen::Stacking_Order(), (std::vector<Screen*>{&home(), &help}));
        help.mnu_Close->trigger();  // the home screen takes over
        QCOMPARE(Screen::Active(), static_cast<Screen*>(&home()));

        int design_height = home().Height();
        home().mnu_Fullscreen->trigger();
        QVERIFY(store().Full_Screen);
        QVERIFY(std::abs(home().Height() - (16200 - 400)) < 15);  // 1080 pixels less the margin
        home().mnu_Standardsize->trigger();
        QVERIFY(!store().Full_Screen);
        QCOMPARE(home().Height(), design_height);
        QVERIFY(user.boxes.empty());
    }

    void user_menu_messages()
    {
        Scripted_User user;
        Start_To_Home();
        store().File_Path = "/models/a.vsr";
        user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Ok).Answer(Msg::Ans_Ok);
        home().mnu_UserName->trigger();
        home().mnu_FilePath->trigger();
        home().mnu_AppPath->trigger();
        QCOMPARE(user.boxes.size(), size_t(3));
        QCOMPARE(user.boxes[0].prompt, "User Name is " + store().Login_Name);
        QVERIFY(!store().Login_Name.empty());
        QCOMPARE(user.boxes[1].prompt, std::string("Path for saved files is /models/a.vsr"));
        QCOMPARE(user.boxes[2].prompt, "The application path is " + store().App_Path);
        QVERIFY(store().App_Path.back() == '/');
        for (const auto& b : user.boxes) QCOMPARE(b.style, Msg::Information);
    }
};

QTEST_MAIN(Aux_Screens_Test)
#include "test_aux_screens.moc"
