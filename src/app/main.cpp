#include <QApplication>
#include <string>
#include <vector>

#include "model/Main.h"
#include "platform/Screen.h"
#include "shell/Screen_Catalogue.h"
#include "shell/Shell_Screens.h"
#include "shell/Shell_Support.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_HomeScreen.h"

int main(int argc, char* argv[])
{
    // The command line as given, before Qt takes its own options out of it.
    std::vector<std::string> args(argv, argv + argc);
    QApplication app(argc, argv);
    // The program ends only through the quit screen.
    app.setQuitOnLastWindowClosed(false);
    Install_Shell_Port();
    Register_Screens();
    Register_Shell_Screens();
    Set_Command_Line(Command_Line_Text(args));
    Main();
    return app.exec();
}
