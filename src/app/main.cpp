#include <QApplication>
#include <QWidget>

#include "model/Mod_Main.h"
#include "platform/Message_Box.h"
#include "shell/Screen_Catalogue.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Install_Qt_Port();
    Register_Screens();
    Initialize();
    QWidget home;
    home.setWindowTitle("VASTREL");
    home.resize(790, 632);
    home.show();
    // Until the home screen and its quit path exist, closing the placeholder ends the program.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    return app.exec();
}
