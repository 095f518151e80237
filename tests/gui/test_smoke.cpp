#include <QtTest>
#include <QWidget>

#include "platform/Registry.h"

class Smoke : public QObject {
    Q_OBJECT
private slots:
    void shows_a_window()
    {
        QWidget w;
        w.show();
        QVERIFY(w.isVisible());
    }

    // Registering the model type writes the desktop's handler files: a test run must keep them
    // out of the real user's folders.
    void the_desktop_folders_are_the_test_runs_own()
    {
        for (const std::string& dir : {Desktop_Config_Dir(), Desktop_Data_Dir(), QDir::homePath().toStdString()})
            QVERIFY2(dir.find("/test-home/") != std::string::npos, dir.c_str());
    }
};

QTEST_MAIN(Smoke)
#include "test_smoke.moc"
