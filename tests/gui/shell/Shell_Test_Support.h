// Shared steps of the shell screen tests: a fresh program, the scripted walk from the title
// screen to the home screen, and model files made for a test.
#pragma once
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <sstream>
#include <string>

#include "model/Main.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/mod_Printsubs.h"
#include "platform/Screen.h"
#include "platform/Screen_Metrics.h"
#include "runtime/Ui_Port.h"
#include "shell/Model_File_Io.h"
#include "shell/Program_End.h"
#include "shell/Screen_Catalogue.h"
#include "shell/Shell_Screens.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_Disclaimer.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_Quit.h"
#include "shell/frm_Title.h"

// Runs f once the modal loop that is about to start is under way.
inline void Later(std::function<void()> f) { QTimer::singleShot(0, qApp, std::move(f)); }

// No screens, a zeroed store, a display of 1920 x 1080, the program's port, no command line, and
// an exit hook that counts and closes the quit screen in place of ending the process.
inline void Fresh_Program(int& exits)
{
    Unload_All_Screens();
    reset_store();
    Screen_Metrics::Use_Fake(1920, 1080);
    Install_Shell_Port();
    static bool registered = false;
    if (!registered) {
        Register_Screens();
        Register_Shell_Screens();
        registered = true;
    }
    Set_Command_Line("");
    Set_Exit_Hook([&exits] {
        ++exits;
        Form<frm_Quit>().Hide();
    });
}

// Start-up through Main with a user who presses Start on the title and Next on the notice.
inline void Start_To_Home()
{
    Later([] { QTest::mouseClick(Form<frm_Title>().cmd_Start, Qt::LeftButton); });
    Later([] { QTest::mouseClick(Form<frm_Disclaimer>().cmd_Done, Qt::LeftButton); });
    Main();
}

// From the home screen: the first example, calculated on the input screen, which is then left.
inline void Calculate_First_Example()
{
    Later([] {
        Form<frm_Inputnew>().cmd_Calc->click();
        Form<frm_Inputnew>().Hide();
    });
    emit Form<frm_HomeScreen>().mnu_Examples->aboutToShow();
    Form<frm_HomeScreen>().mnu_Unity->trigger();
}

// Writes the current store as a model file (the writer's success box is answered by `answer`).
inline void Write_Store_To(const std::string& path, const std::function<void()>& answer)
{
    answer();
    std::ostringstream out;
    QVERIFY(Writefile(out));
    Replace_File_Contents(path, out.str());
}
