// Message boxes through the Qt port: every style's buttons, icon, default and escape; the
// scripted presenter's answers and records; the common error report's texts.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/Message_Box.h"
#include "platform/Mouse_Pointer.h"
#include "runtime/Report_Error.h"
#include "support/Scripted_User.h"

namespace {
const std::string CRLF = "\r\n";

QList<QMessageBox::StandardButton> Buttons(const QMessageBox& box)
{
    QList<QMessageBox::StandardButton> out;
    for (QAbstractButton* b : box.buttons()) out << box.standardButton(b);
    std::sort(out.begin(), out.end());
    return out;
}

std::string Memory_Lines(const std::string& second)
{
    return "You should try to save your model from the Home Screen's 'File' pulldown menu, " + CRLF + second + CRLF +
           "It may help to close other programs that are running at the same time." + CRLF + "Good luck! ";
}
}  // namespace

class Test_Message_Box : public QObject {
    Q_OBJECT
private slots:
    void init() { Install_Qt_Port(); }
    void cleanup() { Set_Mouse_Pointer(Pointer::Default); }

    void each_style_builds_its_buttons_icon_and_default_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<QMessageBox::StandardButton>>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("default_button");
        QTest::addColumn<int>("escape_button");  // NoButton: Esc and the close box do nothing
        using M = QMessageBox;
        QTest::newRow("0 OK") << 0 << QList<M::StandardButton>{M::Ok} << int(M::NoIcon) << int(M::Ok) << int(M::Ok);
        QTest::newRow("1 OK/Cancel") << 1 << QList<M::StandardButton>{M::Ok, M::Cancel} << int(M::NoIcon)
                                     << int(M::Ok) << int(M::Cancel);
        QTest::newRow("4 Yes/No") << 4 << QList<M::StandardButton>{M::Yes, M::No} << int(M::NoIcon) << int(M::Yes)
                                  << int(M::NoButton);
        QTest::newRow("32 question") << 32 << QList<M::StandardButton>{M::Ok} << int(M::Question) << int(M::Ok)
                                     << int(M::Ok);
        QTest::newRow("48 exclamation") << 48 << QList<M::StandardButton>{M::Ok} << int(M::Warning) << int(M::Ok)
                                        << int(M::Ok);
        QTest::newRow("64 information") << 64 << QList<M::StandardButton>{M::Ok} << int(M::Information)
                                        << int(M::Ok) << int(M::Ok);
        QTest::newRow("68 Yes/No information") << 68 << QList<M::StandardButton>{M::Yes, M::No}
                                               << int(M::Information) << int(M::Yes) << int(M::NoButton);
        QTest::newRow("562 Abort/Retry/Ignore, Ignore default")
            << 562 << QList<M::StandardButton>{M::Abort, M::Retry, M::Ignore} << int(M::Warning) << int(M::Ignore)
            << int(M::NoButton);
        QTest::newRow("3 Yes/No/Cancel") << 3 << QList<M::StandardButton>{M::Yes, M::No, M::Cancel} << int(M::NoIcon)
                                         << int(M::Yes) << int(M::Cancel);
        QTest::newRow("260 Yes/No, No default") << 260 << QList<M::StandardButton>{M::Yes, M::No} << int(M::NoIcon)
                                                << int(M::No) << int(M::NoButton);
    }
    void each_style_builds_its_buttons_icon_and_default()
    {
        QFETCH(int, style);
        QFETCH(QList<QMessageBox::StandardButton>, buttons);
        QFETCH(int, icon);
        QFETCH(int, default_button);
        QFETCH(int, escape_button);
        auto box = Build_Message_Box("Text", style);
        QCOMPARE(Buttons(*box), buttons);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(int(box->standardButton(box->defaultButton())), default_button);
        QCOMPARE(box->windowTitle(), QString("VASTREL"));

        // Esc closes with the escape button, or is ignored.
        box->show();
        QTest::keyClick(box.get(), Qt::Key_Escape);
        if (escape_button == QMessageBox::NoButton) {
            QVERIFY(box->isVisible());
            QVERIFY(!box->clickedButton());
            QVERIFY(!box->close());  // nor does the close box dismiss it
        } else {
            QVERIFY(!box->isVisible());
            QCOMPARE(int(box->standardButton(box->clickedButton())), escape_button);
        }
    }

    void line_breaks_cr_and_crlf_each_count_once()
    {
        auto box = Build_Message_Box("one\rtwo\r\nthree\r\rfive\r", 0);
        QCOMPARE(box->text(), QString("one\ntwo\nthree\n\nfive\n"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
    }

    void a_real_box_returns_the_button_pressed()
    {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) box->button(QMessageBox::Retry)->click();
        });
        QCOMPARE(MsgBox("The linkage cannot be assembled", 562), Msg::Ans_Retry);
    }

    void scripted_boxes_return_the_answers_and_record_exact_text()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Ok).Answer(Msg::Ans_Cancel).Answer(Msg::Ans_Ignore).Answer(Msg::Ans_No);
        QCOMPARE(MsgBox(" Must set the number of harmonics to a value > 0", 48), Msg::Ans_Ok);
        QCOMPARE(MsgBox("Please confirm your order to reset all variables to their default values", 1), Msg::Ans_Cancel);
        QCOMPARE(MsgBox("x", 562), Msg::Ans_Ignore);
        QCOMPARE(MsgBox("a\rb", 68), Msg::Ans_No);
        QCOMPARE(user.boxes.size(), size_t(4));
        QCOMPARE(QString::fromStdString(user.boxes[0].prompt),
                 QString(" Must set the number of harmonics to a value > 0"));
        QCOMPARE(user.boxes[0].style, 48);
        QCOMPARE(user.boxes[2].style, 562);
        QCOMPARE(QString::fromStdString(user.boxes[3].prompt), QString("a\rb"));
        QVERIFY(user.All_Used());
    }

    void the_arrow_shows_while_a_box_is_up_during_the_hourglass()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        Qt::CursorShape during = Qt::WaitCursor;
        user.while_box_up = [&] {
            during = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        };
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        MsgBox("Error in Computing Simultaneous Equations at step    4", 32);
        QCOMPARE(during, Qt::ArrowCursor);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void report_error_texts_through_the_qt_port_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("home_shown");
        std::string head7 = "Error 7   (Out of memory)  has occurred in frm_Homescreen.Open" + CRLF + CRLF;
        QTest::newRow("7") << 7
                           << QString::fromStdString(
                                  head7 + Memory_Lines("then Quit this program and restart it to clear the memory."))
                           << 0 << 1;
        std::string head28 = "Error 28   (Out of stack space)  has occurred in frm_Homescreen.Open" + CRLF + CRLF;
        QTest::newRow("28") << 28
                            << QString::fromStdString(
                                   head28 + Memory_Lines("then Quit this program and restart it to clear the stacks."))
                            << 64 << 0;
        QTest::newRow("53") << 53
                            << QString::fromStdString(
                                   "Error 53   (File not found)  has occurred in frm_Homescreen.Open" + CRLF + CRLF +
                                   "There are no files with your chosen name in the selected directory")
                            << 64 << 0;
        QTest::newRow("64") << 64
                            << QString::fromStdString(
                                   "Error 64   (Bad file name)  has occurred in frm_Homescreen.Open" + CRLF + CRLF +
                                   "There are no files with your chosen name in the selected directory")
                            << 64 << 0;
        QTest::newRow("9 unlisted") << 9
                                    << QString::fromStdString(
                                           "Error 9   (Subscript out of range)  has occurred in frm_Homescreen.Open" +
                                           CRLF + CRLF)
                                    << 64 << 0;
    }
    void report_error_texts_through_the_qt_port()
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
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(user.boxes[0].prompt), text);
        QCOMPARE(user.boxes[0].style, style);
        QCOMPARE(home, home_shown);
        QCOMPARE(Mouse_Pointer(), Pointer::Default);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(Test_Message_Box)
#include "test_message_box.moc"
