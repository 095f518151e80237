#include <QtTest>
#include <QWidget>

class Smoke : public QObject {
    Q_OBJECT
private slots:
    void shows_a_window()
    {
        QWidget w;
        w.show();
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(Smoke)
#include "test_smoke.moc"
