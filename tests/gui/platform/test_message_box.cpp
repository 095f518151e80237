// Message boxes through the Qt port: every style's buttons, icon, default and escape; the
// scripted presenter's answers and records; the common error report's texts.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/Message_Box.h"
#include "platform/Mouse_Pointer.h"
#include "runtime/Report_Error.h"
#include "support/Scripted_User.h"

using M = QMessageBox;
using Buttons = QList<M::StandardButton>;

class Test_Message_Box : public QObject {
    Q_OBJECT
private slots:
    void init() { Install_Qt_Port(); }
    void cleanup() { Set_Mouse_Pointer(Pointer::Default); }

    void each_style_builds_its_box_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("default_button");
        QTest::addColumn<int>("escape");  // NoButton: neither Esc nor the close box dismisses it
        QTest::newRow("0") << 0 << Buttons{M::Ok} << int(M::NoIcon) << int(M::Ok) << int(M::Ok);
        QTest::newRow("1") << 1 << Buttons{M::Ok, M::Cancel} << int(M::NoIcon) << int(M::Ok) << int(M::Cancel);
        QTest::newRow("3") << 3 << Buttons{M::Yes, M::No, M::Cancel} << int(M::NoIcon) << int(M::Yes) << int(M::Cancel);
        QTest::newRow("32") << 32 << Buttons{M::Ok} << int(M::Question) << int(M::Ok) << int(M::Ok);
        QTest::newRow("48") << 48 << Buttons{M::Ok} << int(M::Warning) << int(M::Ok) << int(M::Ok);
        QTest::newRow("64") << 64 << Buttons{M::Ok} << int(M::Information) << int(M::Ok) << int(M::Ok);
        QTest::newRow("68") << 68 << Buttons{M::Yes, M::No} << int(M::Information) << int(M::Yes) << int(M::NoButton);
        QTest::newRow("260") << 260 << Buttons{M::Yes, M::No} << int(M::NoIcon) << int(M::No) << int(M::NoButton);
        QTest::newRow("562") << 562 << Buttons{M::Abort, M::Retry, M::Ignore} << int(M::Warning) << int(M::Ignore)
                             << int(M::NoButton);
    }
    void each_style_builds_its_box()
    {
        QFETCH(int, style);
        QFETCH(Buttons, buttons);
        QFETCH(int, icon);
        QFETCH(int, default_button);
        QFETCH(int, escape);
        auto box = Build_Message_Box("one\rtwo\r\nthree\r\r", style);
        Buttons got;
        for (QAbstractButton* b : box->buttons()) got << box->standardButton(b);
        std::sort(got.begin(), got.end());
        QCOMPARE(got, buttons);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(int(box->standardButton(box->defaultButton())), default_button);
        QCOMPARE(box->windowTitle(), QString("VASTREL"));
        QCOMPARE(box->text(), QString("one\ntwo\nthree\n\n"));  // CR and CR LF: one break each
        box->show();
        QTest::keyClick(box.get(), Qt::Key_Escape);
        if (escape == M::NoButton) {
            QVERIFY(box->isVisible() && !box->clickedButton());
            QVERIFY(!box->close());
        } else {
            QVERIFY(!box->isVisible());
            QCOMPARE(int(box->standardButton(box->clickedButton())), escape);
        }
    }

    // The save message with a path longer than the display is wide: the path wraps inside the box,
    // which stays within the display, and every character of it is still in the text.
    void a_long_path_wraps_within_the_display()
    {
        std::string path = "/home/designer";
        while (path.size() < 600) path += "/a_rather_long_folder_name_without_any_blank_" + std::to_string(path.size());
        path += "/Model_1.vsr";
        for (const std::string& p : {path, "/" + std::string(600, 'x') + ".vsr"}) {
            auto box = Build_Message_Box("File was successfully written to \r" + p, 64);
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box.get()));
            const QRect display = box->screen()->availableGeometry();
            QVERIFY2(box->frameGeometry().width() <= display.width(),
                     qPrintable(QString("%1 > %2").arg(box->frameGeometry().width()).arg(display.width())));
            QVERIFY(box->height() <= display.height());
            // Where it may break, the path carries zero-width spaces; no character of it is lost.
            QCOMPARE(box->text().remove(QChar(0x200B)), QString::fromStdString("File was successfully written to \n" + p));
            // The text is laid out within the box: its label is no wider than the box.
            for (QLabel* label : box->findChildren<QLabel*>())
                QVERIFY(label->minimumSizeHint().width() <= box->width());
            box->close();
        }
    }

    void a_real_box_returns_the_button_pressed()
    {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<M*>(QApplication::activeModalWidget())) box->button(M::Retry)->click();
        });
        QCOMPARE(MsgBox("The linkage cannot be assembled", 562), Msg::Ans_Retry);
    }

    void scripted_boxes_answer_and_record_with_the_arrow_over_the_hourglass()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Cancel).Answer(Msg::Ans_Ignore);
        Qt::CursorShape during = Qt::WaitCursor;
        user.while_box_up = [&] {
            during = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        };
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        QCOMPARE(MsgBox("Please confirm your order to reset all variables to their default values", 1),
                 Msg::Ans_Cancel);
        QCOMPARE(during, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(MsgBox(" Must set\r", 562), Msg::Ans_Ignore);
        QCOMPARE(QString::fromStdString(user.boxes[1].prompt), QString(" Must set\r"));
        QCOMPARE(user.boxes[1].style, 562);
        ui().Set_Mouse_Pointer(Pointer::Default);  // a property: one reset clears it
        QVERIFY(!QApplication::overrideCursor());
    }

    void report_error_through_the_qt_port_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("home_shown");
        const QString crlf = "\r\n", in = ")  has occurred in frm_Homescreen.Open" + crlf + crlf;
        auto memory = [&](const char* second) {
            return "You should try to save your model from the Home Screen's 'File' pulldown menu, " + crlf + second +
                   crlf + "It may help to close other programs that are running at the same time." + crlf +
                   "Good luck! ";
        };
        const QString none_found = "There are no files with your chosen name in the selected directory";
        QTest::newRow("7") << 7
                           << "Error 7   (Out of memory" + in +
                                  memory("then Quit this program and restart it to clear the memory.")
                           << 0 << 1;
        QTest::newRow("28") << 28
                            << "Error 28   (Out of stack space" + in +
                                   memory("then Quit this program and restart it to clear the stacks.")
                            << 64 << 0;
        QTest::newRow("53") << 53 << "Error 53   (File not found" + in + none_found << 64 << 0;
        QTest::newRow("64") << 64 << "Error 64   (Bad file name" + in + none_found << 64 << 0;
        QTest::newRow("9") << 9 << "Error 9   (Subscript out of range" + in << 64 << 0;
    }
    void report_error_through_the_qt_port()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(int, style);
        QFETCH(int, home_shown);
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        int home = 0;
        qt_port().Set_Home_Screen_Hook([&] { ++home; });
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        Report_Error(number, "frm_Homescreen.Open");
        qt_port().Set_Home_Screen_Hook(nullptr);
        QCOMPARE(QString::fromStdString(user.boxes.at(0).prompt), text);
        QCOMPARE(user.boxes[0].style, style);
        QCOMPARE(home, home_shown);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(Test_Message_Box)
#include "test_message_box.moc"
