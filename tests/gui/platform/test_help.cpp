// The help window: document addresses, a missing document shown as a message, Enlarge and
// Shrink sizes with the document filling the window, and a window closed by its frame created
// afresh.
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "model/Mod_Main.h"
#include "platform/Message_Box.h"
#include "platform/Screen_Metrics.h"
#include "shell/frm_Help.h"
#include "support/Scripted_User.h"

class Test_Help : public QObject {
    Q_OBJECT
    QTemporaryDir base;

private slots:
    void initTestCase() { qputenv("VASTREL_HELP_BASE", base.path().toUtf8()); }
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

    void documents_show_and_a_missing_one_is_a_message_not_a_box()
    {
        QString root = QDir(base.path()).filePath("helpfiles/");
        QCOMPARE(QString::fromStdString(Help_Address("vastrel/vsr_input_help.pdf")), root + "vastrel/vsr_input_help.pdf");
        QDir(base.path()).mkpath("helpfiles/general");
        {
            QPdfWriter writer(root + "general/PrintHelp.pdf");
            QPainter(&writer).drawText(100, 100, "Printing");
        }
        Scripted_User user;  // any box fails the test
        store().Title_String = "VASTREL   ";
        Show_Help_Document("helpfiles/general/PrintHelp.pdf");
        frm_Help& help = Form<frm_Help>();
        QVERIFY(help.isVisible() && help.WebBrowser1->Showing_Document());
        QCOMPARE(QString::fromStdString(help.WebBrowser1->Location()), root + "general/PrintHelp.pdf");
        QCOMPARE(QString::fromStdString(help.Caption()), QString("Help for VASTREL   Help Screen"));

        Show_Help_Document("linkages/linkage_plot_help.pdf");
        QVERIFY(!help.WebBrowser1->Showing_Document());
        QVERIFY(QString::fromStdString(help.WebBrowser1->Message()).contains("linkage_plot_help.pdf"));
    }

    // The document fills the window below its menu at every size.
    void enlarge_follows_the_display_and_shrink_restores_the_design()
    {
        Show_Help_Document("x.pdf");
        frm_Help& help = Form<frm_Help>();
        auto fills = [&help] {
            QCoreApplication::processEvents();
            return help.WebBrowser1->geometry() ==
                   QRect(0, help.menu_bar->height(), help.width(), help.height() - help.menu_bar->height());
        };
        QVERIFY(fills());
        help.mnu_Full->trigger();
        double H = std::nearbyint(16200 * 0.97 * 0.97), W = std::nearbyint(28800 * 0.97);
        QVERIFY(std::abs(help.Height() - H) <= 8 && std::abs(help.Width() - W) <= 8);
        QVERIFY(fills());
        help.mnu_Shrink->trigger();
        QVERIFY(std::abs(help.Width() - 12015) <= 8 && std::abs(help.Height() - 9900) <= 8);
        QVERIFY(fills());
    }

    void close_form_hides_but_the_frame_close_destroys()
    {
        Show_Help_Document("x.pdf");
        QPointer<frm_Help> first(&Form<frm_Help>());
        first->mnu_Close->trigger();
        QVERIFY(!first->isVisible() && Loaded<frm_Help>());
        Show_Help_Document("x.pdf");
        QCOMPARE(&Form<frm_Help>(), first.data());
        first->close();
        QVERIFY(!Loaded<frm_Help>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        Show_Help_Document("y.pdf");
        QVERIFY(Form<frm_Help>().isVisible());
    }
};

QTEST_MAIN(Test_Help)
#include "test_help.moc"
