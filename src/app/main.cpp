#include <QApplication>
#include <QWidget>

#include "model/Mod_Main.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Initialize();
    QWidget home;
    home.setWindowTitle("VASTREL");
    home.resize(790, 632);
    home.show();
    return app.exec();
}
