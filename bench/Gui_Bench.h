// Screen benchmarks start the way the program does: one offscreen application, boxes answered
// silently, the program's port, the default model in inches and the home screen loaded.
#pragma once
#include <QApplication>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "platform/Message_Box.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_HomeScreen.h"
#include "shell/mod_Common.h"

inline void Start_Gui_Bench()
{
    struct Silent_Boxes : Message_Presenter {
        int Show(const std::string&, int style) override { return Default_Answer(style); }
    };
    if (!qApp) {  // another benchmark may have made it already
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    static Silent_Boxes silent;
    Install_Message_Presenter(&silent);
    Install_Shell_Port();
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Unit_System = 1;
    int16_t n = static_cast<int16_t>(s.Num_Units + 1);
    Set_Unit_Labels(1, s.Unit_Label, n);
    Set_Decimals(s.Unit_System);
    Set_Colors();
    Form<frm_HomeScreen>();  // loaded at start-up in the program, before any calculation
}
