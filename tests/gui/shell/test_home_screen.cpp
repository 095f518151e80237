// The program from its start through the home screen: status panel and buttons, examples,
// New, Open, Save As, Quit, units and the model named on the command line.
#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <QtTest>

#include "Shell_Test_Support.h"
#include "runtime/Runtime_Error.h"
#include "platform/Picture_Box.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_Quit.h"
#include "support/Scripted_User.h"

class Home_Screen_Test : public QObject {
    Q_OBJECT

    int exits = 0;
    QTemporaryDir dir;

    frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    bool Shown(int i) { return !home().lbl_Status[i]->isHidden(); }
    QString Status(int i) { return home().lbl_Status[i]->text(); }

    // The input screen that a command shows modally, closed again from inside its loop. Its
    // activation leaves the model uncalculated; `calculate` has the user calculate first.
    void Close_Input_When_Shown(bool* shown, bool calculate = false)
    {
        Later([shown, calculate] {
            frm_Inputnew& input = Form<frm_Inputnew>();
            *shown = input.isVisible();
            if (calculate) input.cmd_Calc->click();
            input.Hide();
        });
    }

    void Load_Example(bool unity)
    {
        bool input_shown = false;
        Close_Input_When_Shown(&input_shown, true);
        emit home().mnu_Examples->aboutToShow();
        (unity ? home().mnu_Unity : home().mnu_Nonunity)->trigger();
        QVERIFY(input_shown);
    }

    // What the input screen shows of the calculation mode and the initial conditions when the
    // home screen's Input opens it, and after the user then picks Time Steps; `session` is what
    // the user does after that, before leaving.
    struct Initial_View {
        int mode = 0;
        QStringList angle_boxes, time_boxes;
        bool operator==(const Initial_View&) const = default;
    };
    Initial_View Visit_Input(const std::function<void(frm_Inputnew&)>& session = {})
    {
        Initial_View view;
        Later([&] {
            frm_Inputnew& input = Form<frm_Inputnew>();
            for (int i = 1; i <= 3; ++i)
                if (input.opt_Calctype[i]->isChecked()) view.mode = i;
            for (int i = 0; i <= 3; ++i) view.angle_boxes << input.txt_Initial[i]->text();
            input.opt_Calctype[2]->click();
            for (int i = 0; i <= 5; ++i) view.time_boxes << input.txt_Initial[i]->text();
            if (session) session(input);
            input.Hide();
        });
        home().cmd_Input->click();
        return view;
    }

    static bool Uniform(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != image.pixel(0, 0)) return false;
        return true;
    }

    void Expect_Start_State()
    {
        QVERIFY(home().isVisible());
        QVERIFY(home().cmd_Input->isEnabled());
        QVERIFY(home().cmd_Quit->isEnabled());
        for (QPushButton* b : {home().cmd_Animate, home().cmd_Dynamics, home().cmd_Flywheel, home().cmd_Plot,
                               home().cmd_Print})
            QVERIFY(!b->isEnabled());
        for (QAction* a : {home().mnu_New, home().mnu_Save, home().mnu_Saveas, home().mnu_CalcFFT})
            QVERIFY(!a->isEnabled());
        for (int i = 0; i <= 8; ++i) QVERIFY(!Shown(i));
        QCOMPARE(Status(9), QString("Units are:"));
        QCOMPARE(Status(10), QString("in-lb-bl-s"));
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        exits = 0;
        Fresh_Program(exits);
    }

    void start_up_shows_the_default_model()
    {
        Scripted_User user;
        Start_To_Home();
        const Model_Store& s = store();
        QVERIFY(!s.Startup_Flag);
        QVERIFY(!Form<frm_Title>().isVisible());
        QVERIFY(!Form<frm_Disclaimer>().isVisible());
        QCOMPARE(s.Link1_Length, 2.5f);
        QCOMPARE(s.Gear_Ratio, -1.0f);
        QCOMPARE(s.Num_Steps, int16_t(36));
        QCOMPARE(s.Model_Name, std::string("Model_1"));
        QCOMPARE(home().Caption(), s.Title_String + "Home Screen");
        QCOMPARE(Form<frm_Inputnew>().Caption(), s.Title_String + "Input Screen");
        QVERIFY(home().mnu_pick[1]->isChecked());
        Expect_Start_State();
        QVERIFY(user.boxes.empty());
    }

    void example_calculates_and_enables_the_results()
    {
        Scripted_User user;
        Start_To_Home();
        store().Disk_File = true;
        Load_Example(false);
        const Model_Store& s = store();
        QVERIFY(s.Calc_Done);
        QVERIFY(!s.Disk_File);  // opening the Examples menu cleared it
        QCOMPARE(s.Link1_Length, 6.4f);
        QCOMPARE(s.Calc_Type, int16_t(3));
        // Step 0 of the sweep: crank at 0 degrees, link 5 at the 60 degree phase.
        QCOMPARE(s.Theta_Data(0, 0), 0.0f);
        QVERIFY(std::abs(s.Theta_Data(0, 3) - 60.0f) < 1e-3f);
        for (QPushButton* b : {home().cmd_Animate, home().cmd_Dynamics, home().cmd_Plot, home().cmd_Print})
            QVERIFY(b->isEnabled());
        QVERIFY(!home().cmd_Flywheel->isEnabled());
        QVERIFY(home().mnu_New->isEnabled() && home().mnu_Save->isEnabled() && home().mnu_CalcFFT->isEnabled());
        QVERIFY(Shown(0));
        QCOMPARE(Status(0), QString("Calculated"));
        for (int i = 1; i <= 8; ++i) QVERIFY(!Shown(i));
    }

    void new_asks_about_unsaved_results()
    {
        Scripted_User user;
        Start_To_Home();
        // A time-steps session: End 360 sec, Delta 10 sec, Alpha2 -5, Theta Zero 30.
        const Initial_View start_up = Visit_Input([](frm_Inputnew& input) {
            const char* const entries[] = {"0", "360", "10", "10", "-5", "30"};
            for (int i = 0; i <= 5; ++i) input.txt_Initial[i]->setText(entries[i]);
            input.cmd_Calc->click();
        });
        QCOMPARE(start_up.mode, 3);
        QCOMPARE(store().Calc_Type, int16_t(2));
        QVERIFY(store().Calc_Done);
        Load_Example(true);

        // No to saving, Cancel to the reset: nothing changes.
        user.Answer(Msg::Ans_No).Answer(Msg::Ans_Cancel);
        home().mnu_New->trigger();
        QCOMPARE(user.boxes.size(), size_t(2));
        QCOMPARE(user.boxes[0].prompt,
                 std::string("The current data has not been saved.  Do you want to save it before resetting?"));
        QCOMPARE(user.boxes[0].style, Msg::Yes_No);
        QCOMPARE(user.boxes[1].style, Msg::Ok_Cancel);
        QVERIFY(store().Calc_Done);

        // Yes saves first (the dialog is cancelled here), then OK resets.
        user.Answer(Msg::Ans_Yes).Cancel_Dialog().Answer(Msg::Ans_Ok);
        home().mnu_New->trigger();
        QCOMPARE(user.file_requests.back().title, std::string("Save the Model"));
        QVERIFY(!store().Calc_Done);
        QCOMPARE(store().Model_Title, std::string(""));
        QVERIFY(user.All_Used());
        Expect_Start_State();
        // The calculation mode and the initial conditions are those of the start-up again.
        QCOMPARE(store().Calc_Type, int16_t(3));
        QVERIFY(Visit_Input() == start_up);
    }

    void save_as_then_open_restores_the_model()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(false);
        const std::string path = Path("geared.vsr");

        // Never saved: Save behaves as Save As.
        user.Choose_File(path).Answer(Msg::Ans_Ok);
        home().mnu_Save->trigger();
        QCOMPARE(user.file_requests.back().file_name, std::string("Model_1.vsr"));
        QVERIFY(store().Model_Saved);
        QCOMPARE(store().Model_Name, std::string("geared"));
        QVERIFY(Shown(4));
        QCOMPARE(Status(4), QString("Saved"));
        QCOMPARE(user.boxes.back().prompt, "File was successfully written to \r" + path);
        // Saved: Save rewrites the same file without a dialog.
        store().Designer_Name = "Tester";
        user.Answer(Msg::Ans_Ok);
        home().mnu_Save->trigger();
        QCOMPARE(user.file_requests.size(), size_t(1));

        // Saved: New asks only for the reset.
        user.Answer(Msg::Ans_Ok);
        home().mnu_New->trigger();
        QCOMPARE(store().Link1_Length, 2.5f);

        bool input_shown = false;
        Close_Input_When_Shown(&input_shown);
        user.Choose_File(path).Answer(Msg::Ans_Ok);
        home().mnu_Open->trigger();
        QVERIFY(input_shown);
        QCOMPARE(user.boxes.back().prompt, "File " + path + " successfully read.");
        const Model_Store& s = store();
        QCOMPARE(s.Link1_Length, 6.4f);
        QCOMPARE(s.Gear_Ratio, 3.0f);
        QCOMPARE(s.Designer_Name, std::string("Tester"));
        QCOMPARE(s.Model_Name, std::string("geared"));
        QCOMPARE(s.File_Path, path);
        QVERIFY(s.Disk_File);
        QVERIFY(!s.Calc_Done && !s.Model_Saved);
        QVERIFY(!home().cmd_Animate->isEnabled());
        QVERIFY(!Shown(0) && !Shown(4));  // read from disk, not yet calculated
        QVERIFY(user.All_Used());
    }

    // The extension is added to a name whose last dot begins something else, and the question
    // about replacing a file is asked about the name that is then written.
    void save_as_adds_the_extension_unless_the_name_ends_with_it()
    {
        QTemporaryDir own;
        auto Path = [&](const char* name) { return own.filePath(name).toStdString(); };
        Scripted_User user;
        Start_To_Home();
        Load_Example(false);
        user.Choose_File(Path("design v1.5")).Answer(Msg::Ans_Ok);
        home().mnu_Saveas->trigger();
        QCOMPARE(store().File_Path, Path("design v1.5.vsr"));
        QCOMPARE(store().Model_Name, std::string("design v1.5"));
        QVERIFY(QFile::exists(own.filePath("design v1.5.vsr")) && !QFile::exists(own.filePath("design v1.5")));
        QCOMPARE(user.boxes.back().prompt, "File was successfully written to \r" + Path("design v1.5.vsr"));

        // The same name again: the file with the extension exists, so the user is asked about it.
        user.Choose_File(Path("design v1.5")).Answer(Msg::Ans_Yes).Answer(Msg::Ans_Ok);
        home().mnu_Saveas->trigger();
        QCOMPARE(user.boxes[user.boxes.size() - 2].prompt, Path("design v1.5.vsr") + " already exists.\rDo you want to replace it?");
        // A name that ends with the extension, in either case, keeps it as it is.
        for (const char* name : {"kept.vsr", "UPPER.VSR"}) {
            user.Choose_File(Path(name)).Answer(Msg::Ans_Ok);
            home().mnu_Saveas->trigger();
            QCOMPARE(store().File_Path, Path(name));
        }
        QCOMPARE(QDir(own.path()).entryList(QDir::Files).size(), 3);
        QVERIFY(user.All_Used());
    }

    // The message that the file was written comes once the written file is in the target's place,
    // on Save As over an old file and on Save alike.
    void the_success_message_comes_after_the_file_is_in_place()
    {
        QTemporaryDir own;
        Scripted_User user;
        Start_To_Home();
        Load_Example(false);
        const std::string path = own.filePath("in place.vsr").toStdString();
        Replace_File_Contents(path, "old contents");
        QStringList seen;  // the target's first line and the folder's files at each success message
        user.while_box_up = [&] {
            QFile f(QString::fromStdString(path));
            QString first = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
            seen << first + " | " + QDir(own.path()).entryList(QDir::Files | QDir::Hidden).join(",");
        };
        user.Choose_File(path).Answer(Msg::Ans_Yes).Answer(Msg::Ans_Ok);  // replace it? yes
        home().mnu_Saveas->trigger();
        QCOMPARE(user.boxes.back().prompt, "File was successfully written to \r" + path);
        store().Designer_Name = "Second";
        user.Answer(Msg::Ans_Ok);
        home().mnu_Save->trigger();
        QCOMPARE(user.boxes.back().prompt, "File was successfully written to \r" + path);
        // Seen at: the file dialog, the replace question, the success message; then Save's message.
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen[1], QString("old contents | in place.vsr"));
        QCOMPARE(seen[2], QString("\"VASTREL\" | in place.vsr"));
        QCOMPARE(seen[3], QString("\"VASTREL\" | in place.vsr"));
        user.while_box_up = nullptr;
        QVERIFY(user.All_Used());
    }

    void open_clears_the_input_drawing()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(false);
        const std::string path = Path("drawn.vsr");
        user.Choose_File(path).Answer(Msg::Ans_Ok);
        home().mnu_Saveas->trigger();

        // The user draws on the input screen that the read shows, then leaves it.
        bool drawn = false;
        Later([&] {
            frm_Inputnew& input = Form<frm_Inputnew>();
            input.Picture1->Scale(0, 0, 100, 100);
            input.Picture1->Line(0, 0, 100, 100, 0xFF0000);
            drawn = !Uniform(input.Picture1->Image());
            input.Hide();
        });
        user.Choose_File(path).Answer(Msg::Ans_Ok);
        home().mnu_Open->trigger();
        QVERIFY(drawn);
        QVERIFY(Uniform(Form<frm_Inputnew>().Picture1->Image()));
        QVERIFY(user.All_Used());
    }

    void open_asks_first_and_cancel_leaves_the_model()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(false);
        const std::string path = Path("first.vsr");
        // Yes: Save As once, then the open dialog, cancelled: the model, its results and the
        // input screen stay as they were.
        user.Answer(Msg::Ans_Yes).Choose_File(path).Answer(Msg::Ans_Ok).Cancel_Dialog();
        home().mnu_Open->trigger();
        QVERIFY(QFile::exists(QString::fromStdString(path)));
        QCOMPARE(user.file_requests.size(), size_t(2));
        QCOMPARE(user.file_requests[1].title, std::string("Open a model"));
        QCOMPARE(store().Link1_Length, 6.4f);
        QVERIFY(store().Calc_Done && store().Model_Saved && home().cmd_Plot->isEnabled());
        QCOMPARE(store().Model_Name, std::string("first"));
        QCOMPARE(Form<frm_Inputnew>().txt_Linkout[0]->text(), QString("6.4"));
        QVERIFY(user.All_Used());

        // No: straight on to the dialog.
        Load_Example(false);
        user.Answer(Msg::Ans_No).Cancel_Dialog();
        home().mnu_Open->trigger();
        QVERIFY(user.All_Used());
        QCOMPARE(user.boxes.size(), size_t(3));
    }

    void unreadable_files_are_reported_once()
    {
        Scripted_User user;
        Start_To_Home();
        const std::string foreign = Path("foreign.vsr");
        Replace_File_Contents(foreign, "\"OTHERPROG\"\r\n\"1.0\"\r\n");
        user.Choose_File(foreign).Answer(Msg::Ans_Ok);
        home().mnu_Open->trigger();
        QCOMPARE(user.boxes.back().prompt,
                 std::string("This data file is not compatible with this version of VASTREL. "));
        QCOMPARE(store().Link1_Length, 2.5f);
        QCOMPARE(store().Model_Name, std::string("Model_1"));
        QCOMPARE(store().File_Path, std::string(""));

        // A file cut short: one error box, the defaults stay, the program goes on.
        Load_Example(false);
        const std::string whole = Path("whole.vsr");
        Write_Store_To(whole, [&] { user.Answer(Msg::Ans_Ok); });
        // The first 30 of its 173 lines.
        QFile whole_file(QString::fromStdString(whole));
        QVERIFY(whole_file.open(QIODevice::ReadOnly));
        std::string text = whole_file.readAll().toStdString();
        size_t end = 0;
        for (int line = 0; line < 30; ++line) end = text.find("\r\n", end) + 2;
        const std::string cut = Path("cut.vsr");
        Replace_File_Contents(cut, text.substr(0, end));
        size_t before = user.boxes.size();
        user.Answer(Msg::Ans_No).Choose_File(cut).Answer(Msg::Ans_Ok);
        home().mnu_Open->trigger();
        QCOMPARE(user.boxes.size(), before + 2);
        QVERIFY(user.boxes.back().prompt.rfind("Error 62", 0) == 0);
        QVERIFY(user.boxes.back().prompt.find("has occurred in Readfile") != std::string::npos);
        QCOMPARE(store().Link1_Length, 2.5f);
        QVERIFY(!store().Disk_File);

        // A missing file: the open command reports the file-not-found advice.
        user.Choose_File(Path("missing.vsr")).Answer(Msg::Ans_Ok);
        home().mnu_Open->trigger();
        QVERIFY(user.boxes.back().prompt.rfind("Error 53", 0) == 0);
        QVERIFY(user.boxes.back().prompt.find("frm_Homescreen.Open") != std::string::npos);
        QVERIFY(user.boxes.back().prompt.find("There are no files with your chosen name") != std::string::npos);
        QVERIFY(user.All_Used());
        QVERIFY(home().isVisible());
        QVERIFY(home().cmd_Input->isEnabled());
    }

    void failed_save_keeps_the_old_file_and_the_unsaved_state()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(true);
        // Into a folder that does not exist.
        user.Choose_File(Path("nowhere/x.vsr")).Answer(Msg::Ans_Ok);
        home().mnu_Saveas->trigger();
        QVERIFY(user.boxes.back().prompt.rfind("Error 76", 0) == 0);
        QVERIFY(user.boxes.back().prompt.find("frm_Homescreen.SaveAs") != std::string::npos);
        QVERIFY(!store().Model_Saved);
        QCOMPARE(store().File_Path, std::string(""));

        // Over an existing file on a disk that fills up half-way: the old file survives.
        const std::string old_path = Path("old.vsr");
        Replace_File_Contents(old_path, "precious");
        struct rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = previous;
        small.rlim_cur = 300;
        setrlimit(RLIMIT_FSIZE, &small);
        user.Choose_File(old_path).Answer(Msg::Ans_Yes).Answer(Msg::Ans_Ok);  // replace it? yes
        home().mnu_Saveas->trigger();
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(user.boxes.back().prompt.rfind("Error 61", 0) == 0);
        QVERIFY(!store().Model_Saved);
        QVERIFY(!Shown(4));
        QFile f(QString::fromStdString(old_path));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precious"));
        QCOMPARE(QDir(dir.path()).entryList({"old.vsr*"}, QDir::Files).size(), 1);  // no temporary left
        QVERIFY(user.All_Used());
    }

    void quit_saves_unsaved_results_then_asks()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(true);
        // The save dialog comes first without a question; cancelled, the quit screen still follows.
        user.Cancel_Dialog();
        bool asked = false;
        Later([&] {
            asked = Form<frm_Quit>().isVisible();
            QTest::mouseClick(Form<frm_Quit>().cmd_NoQuit, Qt::LeftButton);
        });
        home().cmd_Quit->click();
        QVERIFY(asked);
        QCOMPARE(exits, 0);
        QVERIFY(home().isVisible());
        QVERIFY(user.boxes.empty());

        // The close box takes the same path and is cancelled; Yes ends the program.
        user.Choose_File(Path("last.vsr")).Answer(Msg::Ans_Ok);
        Later([] { QTest::mouseClick(Form<frm_Quit>().cmd_YesQuit, Qt::LeftButton); });
        home().close();
        QVERIFY(store().Model_Saved);
        QCOMPARE(exits, 1);
        QVERIFY(home().isVisible());

        // Saved results: no dialog at all; Enter on the quit screen answers No.
        Later([] { QTest::keyClick(Form<frm_Quit>().focusWidget(), Qt::Key_Return); });
        home().mnu_Quit->trigger();
        QCOMPARE(exits, 1);
        QVERIFY(user.All_Used());
    }

    void units_menu_converts_the_model()
    {
        Scripted_User user;
        Start_To_Home();
        Load_Example(true);
        home().mnu_pick[3]->trigger();
        const Model_Store& s = store();
        QCOMPARE(s.Unit_System, int16_t(3));
        QCOMPARE(s.Link1_Length, 0.0635f);
        QCOMPARE(s.Link_Mass(3), 1.7508667f);  // masses are not rounded to the system's decimals
        QVERIFY(!s.Calc_Done);
        QVERIFY(home().mnu_pick[3]->isChecked());
        for (int i : {1, 2, 4, 5}) QVERIFY(!home().mnu_pick[i]->isChecked());
        QCOMPARE(Status(10), QString("m-kg-N-s"));
        QVERIFY(!Shown(0));
        QVERIFY(Form<frm_Inputnew>().isVisible());  // modeless, for the recalculation
        QVERIFY(home().isVisible());
        Form<frm_Inputnew>().Hide();

        // The same system again only moves the check mark back.
        home().mnu_pick[3]->trigger();
        QVERIFY(home().mnu_pick[3]->isChecked());
        QVERIFY(!Form<frm_Inputnew>().isVisible());
        QCOMPARE(s.Link1_Length, 0.0635f);
        QVERIFY(user.boxes.empty());
    }

    void command_line_model_keeps_its_units()
    {
        {
            Scripted_User writer;
            reset_store();
            Initialize();
            store().Program_Code = "VASTREL";
            store().Program_Version = "9.0";
            store().Unit_System = 3;
            store().Link1_Length = 0.25f;
            Write_Store_To(Path("metric model.vsr"), [&] { writer.Answer(Msg::Ans_Ok); });
        }
        Fresh_Program(exits);
        Set_Command_Line(Path("metric model.vsr"));
        bool disk_file_at_activation = true;
        Later([&] { QTest::mouseClick(Form<frm_Title>().cmd_Start, Qt::LeftButton); });
        Later([&] {
            disk_file_at_activation = store().Disk_File;
            QTest::mouseClick(Form<frm_Disclaimer>().cmd_Done, Qt::LeftButton);
        });
        Scripted_User user;  // no success box, no input screen during start-up
        Main();
        const Model_Store& s = store();
        QVERIFY(!disk_file_at_activation);
        QVERIFY(!s.Disk_File);
        QCOMPARE(s.Unit_System, int16_t(3));
        QCOMPARE(s.Link1_Length, 0.25f);
        QCOMPARE(s.Model_Name, std::string("metric model"));
        QVERIFY(home().mnu_pick[3]->isChecked() && !home().mnu_pick[1]->isChecked());
        QCOMPARE(Status(10), QString("m-kg-N-s"));
        QVERIFY(!Form<frm_Inputnew>().isVisible());
        QVERIFY(user.boxes.empty());
    }

    void unreadable_command_line_leaves_the_defaults()
    {
        Set_Command_Line(Path("gone.vsr"));
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Start_To_Home();
        QCOMPARE(user.boxes.size(), size_t(1));
        QVERIFY(user.boxes[0].prompt.rfind("Error 53", 0) == 0);
        QVERIFY(user.boxes[0].prompt.find("Open_Clicked_File") != std::string::npos);
        QCOMPARE(store().Link1_Length, 2.5f);
        QCOMPARE(store().File_Path, std::string(""));
        Expect_Start_State();
    }
};

QTEST_MAIN(Home_Screen_Test)
#include "test_home_screen.moc"
