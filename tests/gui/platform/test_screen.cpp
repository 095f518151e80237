// Screens: load once, modal loops that nest and end on hide, the program's own activation,
// and the control event rules.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "platform/Combo_Box.h"
#include "platform/Common_Dialog.h"
#include "platform/Control_Events.h"
#include "platform/Message_Box.h"
#include "platform/Screen.h"
#include "runtime/Runtime_Error.h"
#include "support/Scripted_User.h"

namespace {
std::vector<std::string> events;

template <int N>
class Probe : public Screen {
public:
    Probe() : Screen("s" + std::to_string(N), 6000, 4500)
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{first, second, button}) layout->addWidget(w);
    }
    QLineEdit* first = new QLineEdit(this);
    QLineEdit* second = new QLineEdit(this);
    QPushButton* button = new QPushButton("Go", this);

protected:
    void Form_Load() override { events.push_back(Name() + ".load"); }
    void Form_Activate() override { events.push_back(Name() + ".activate"); }
};

void Later(std::function<void()> f) { QTimer::singleShot(0, qApp, std::move(f)); }

// Presses a button of the message box that is up, once it has taken the focus.
void Answer_Real_Box_Later(QMessageBox::StandardButton b, bool* took_focus = nullptr)
{
    Later([=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        bool active = QTest::qWaitForWindowActive(box);
        if (took_focus) *took_focus = active;
        box->button(b)->click();
    });
}
}  // namespace

class Test_Screen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Install_Qt_Port();
        events.clear();
    }
    void cleanup() { Unload_All_Screens(); }

    void nested_modal_shows_return_in_order_and_activation_follows()
    {
        auto& home = Form<Probe<0>>();
        auto& a = Form<Probe<1>>();
        auto& b = Form<Probe<2>>();
        QCOMPARE(&Form<Probe<1>>(), &a);
        QCOMPARE(a.width(), 400);  // 6000 twips at 15 twips per pixel
        home.Show_Modeless();
        home.Show_Modeless();  // already the active screen: no second activation
        Later([&] {
            Later([&] {
                events.push_back("in b");
                b.Hide();
            });
            b.Show_Modal();
            events.push_back("b returned");
            a.Hide();
        });
        a.Show_Modal();
        events.push_back("a returned");
        std::vector<std::string> expected{"s0.load",     "s1.load",     "s2.load",    "s0.activate",
                                          "s1.activate", "s2.activate", "in b",       "s1.activate",
                                          "b returned",  "s0.activate", "a returned"};
        QCOMPARE(events, expected);
    }

    void a_modal_screen_hidden_and_reshown_modeless_stays_up_after_its_loop_ends()
    {
        auto& home = Form<Probe<0>>();
        auto& a = Form<Probe<1>>();
        home.Show_Modeless();
        events.clear();
        Later([&] {
            a.Hide();
            a.Show_Modeless();
            events.push_back("handler done");
        });
        a.Show_Modal();
        events.push_back("modal returned");
        QVERIFY(a.isVisible());
        std::vector<std::string> expected{"s1.activate", "s0.activate", "s1.activate", "handler done", "modal returned"};
        QCOMPARE(events, expected);
        // Modeless now: the home screen is usable, and a click on it activates it.
        QTest::mouseClick(home.button, Qt::LeftButton);
        QCOMPARE(events.back(), std::string("s0.activate"));
        QVERIFY(!a.close());  // the close box hides
        QVERIFY(!a.isVisible() && Loaded<Probe<1>>());
    }

    void no_activation_after_a_message_box_or_a_dialog()
    {
        auto& home = Form<Probe<0>>();
        home.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&home));
        events.clear();
        bool box_took_focus = false;
        Answer_Real_Box_Later(QMessageBox::Ok, &box_took_focus);
        QCOMPARE(MsgBox("Hello", Msg::Ok_Only), Msg::Ans_Ok);
        QVERIFY(box_took_focus);
        Common_Dialog dialog;
        Later([] { static_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
        dialog.ShowOpen();
        QVERIFY(QTest::qWaitForWindowActive(&home));
        QVERIFY(events.empty());
    }

    void events_follow_real_value_changes_and_the_guard_silences_them()
    {
        auto& s = Form<Probe<1>>();
        auto* check = new QCheckBox(&s);
        auto* open = new QRadioButton(&s);
        auto* crossed = new QRadioButton(&s);
        auto* bar = new QScrollBar(Qt::Horizontal, &s);
        bar->setRange(0, 36);
        On_Change(s, s.first, [&] { events.push_back("text " + s.first->text().toStdString()); });
        On_Click(s, check, [&](bool v) { events.push_back(v ? "check on" : "check off"); });
        On_Click(s, open, [&] { events.push_back("open"); });
        On_Click(s, crossed, [&] { events.push_back("crossed"); });
        On_Change(s, bar, [&] { events.push_back("bar " + std::to_string(bar->value())); });
        events.clear();
        for (int i = 0; i < 2; ++i) {  // the second round changes nothing
            s.first->setText("12");
            check->setChecked(true);
            open->setChecked(true);
            bar->setValue(5);
        }
        crossed->setChecked(true);
        bar->setMaximum(3);  // clamps the value: a change
        {
            auto quiet = s.Suspend_Events();
            s.first->setText("13");
        }
        std::vector<std::string> expected{"text 12", "check on", "open", "bar 5", "crossed", "bar 3"};
        QCOMPARE(events, expected);
    }

    void combo_clicks_changes_and_typed_text_never_inserted()
    {
        auto& s = Form<Probe<1>>();
        auto* combo = new Combo_Box(true, &s);
        s.layout()->addWidget(combo);
        for (const char* item : {"X", "Y", "Mag", "Ang"}) combo->Add_Item(item);
        int clicks = 0, changes = 0;
        On_Click(s, combo, [&] { ++clicks; });
        On_Change(s, combo, [&] { ++changes; });
        combo->Set_List_Index(2);
        combo->Set_List_Index(2);
        QCOMPARE(combo->Text(), std::string("Mag"));
        QCOMPARE(clicks, 1);
        QCOMPARE(changes, 0);  // a list choice is a Click, not a Change
        combo->Set_Text("Mag");
        combo->Set_Text("Theta2");
        QCOMPARE(changes, 1);

        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        combo->setFocus();
        QTest::keyClicks(combo, "w");
        QCOMPARE(changes, 2);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->List_Count(), 4);
        QVERIFY_THROWS_EXCEPTION(Runtime_Error, combo->Set_List_Index(4));
    }

    void a_filled_list_selects_nothing_and_typing_leaves_the_list()
    {
        auto& s = Form<Probe<1>>();
        auto* combo = new Combo_Box(true, &s);
        auto* fixed = new Combo_Box(false, &s);
        s.layout()->addWidget(combo);
        s.layout()->addWidget(fixed);
        int clicks = 0, changes = 0;
        On_Click(s, combo, [&] { ++clicks; });
        On_Click(s, fixed, [&] { ++clicks; });
        On_Change(s, combo, [&] { ++changes; });
        for (Combo_Box* c : {combo, fixed}) {
            c->Clear();
            for (const char* item : {"X", "Y", "Mag", "Ang"}) c->Add_Item(item);
            QCOMPARE(c->List_Index(), -1);
            QCOMPARE(c->Text(), std::string());
        }
        QCOMPARE(clicks, 0);
        combo->Set_Text("Theta2");
        combo->Add_Item("Omega2");  // adding keeps the text and selects nothing
        QCOMPARE(combo->Text(), std::string("Theta2"));
        QCOMPARE(combo->List_Index(), -1);

        // A text set by code that names no chosen item leaves the list too (a cleared slot has no choice).
        combo->Set_List_Index(2);
        combo->Set_Text("");
        QCOMPARE(combo->List_Index(), -1);
        QCOMPARE(combo->Text(), std::string());
        QCOMPARE(changes, 2);
        clicks = 0;
        changes = 0;
        combo->Set_List_Index(1);
        QCOMPARE(clicks, 1);
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, "m");  // typed text stands as typed, not completed from the list
        QCOMPARE(combo->Text(), std::string("m"));
        QCOMPARE(combo->List_Index(), -1);
        QCOMPARE(clicks, 1);
        QCOMPARE(changes, 1);
        QTest::keyClicks(combo, "a");
        QCOMPARE(combo->Text(), std::string("ma"));
        // Enter does not look the text up in the list, and with a handler runs only that.
        int enters = 0;
        On_Enter(s, combo, [&] { ++enters; });
        QTest::keyClicks(combo, "g");
        QCOMPARE(combo->Text(), std::string("mag"));
        combo->lineEdit()->setText("Mag");
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(enters, 1);
        QCOMPARE(combo->List_Index(), -1);
        // Nor does leaving the box choose the item of that name.
        QTest::keyClick(combo, Qt::Key_Tab);
        QVERIFY(!combo->hasFocus());
        QCOMPARE(combo->List_Index(), -1);
        QCOMPARE(combo->Text(), std::string("Mag"));
        QCOMPARE(clicks, 1);
        combo->setFocus();
        combo->lineEdit()->setText("Ang");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(enters, 2);
        QCOMPARE(combo->List_Index(), -1);
        auto* plain = new Combo_Box(true, &s);  // no Enter handler of its own
        s.layout()->addWidget(plain);
        plain->Add_Item("Ang");
        plain->setFocus();
        QTest::keyClicks(plain, "Ang");
        QTest::keyClick(plain, Qt::Key_Return);
        QCOMPARE(plain->List_Index(), -1);
        delete plain;
        // Clearing the choice of a box holding typed text empties it, and is a Click.
        combo->Set_List_Index(-1);
        QCOMPARE(combo->Text(), std::string());
        QCOMPARE(clicks, 2);
        combo->Set_List_Index(-1);
        QCOMPARE(clicks, 2);
        delete combo;
        delete fixed;
    }

    void leaving_a_box_commits_on_tab_but_not_when_a_message_box_opens()
    {
        auto& s = Form<Probe<1>>();
        int commits = 0;
        On_Lost_Focus(s, s.first, [&] { ++commits; });
        Select_All_On_Focus(s.second);
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.first->setFocus();
        s.second->setText("4.5");
        QTest::keyClick(s.first, Qt::Key_Tab);
        QCOMPARE(commits, 1);
        QVERIFY(s.second->hasFocus());

        Set_Focus(s.first);
        QTest::mouseClick(s.second, Qt::LeftButton);  // a click too selects the whole text
        QCoreApplication::processEvents();
        QCOMPARE(s.second->selectedText(), QString("4.5"));
        QCOMPARE(commits, 2);
        Set_Focus(s.first);
        bool box_took_focus = false;
        Answer_Real_Box_Later(QMessageBox::Ok, &box_took_focus);
        MsgBox("Cannot have a zero step size - Please check your data.", Msg::Exclamation);
        QVERIFY(box_took_focus);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(commits, 2);  // neither the box opening nor the focus coming back
        s.second->setEnabled(false);
        Set_Focus(s.second);  // ignored: disabled
        QVERIFY(s.first->hasFocus());
        s.second->setEnabled(true);
        Set_Focus(s.second);
        QCOMPARE(commits, 3);
    }

    void a_box_focused_as_its_screen_comes_up_gets_the_focus_once()
    {
        auto& s = Form<Probe<3>>();
        int got = 0;
        On_Got_Focus(s, s.second, [&] { ++got; });
        Select_All_On_Focus(s.second);
        s.second->setText("Designer");
        s.second->setCursorPosition(2);
        s.Show_Modeless();
        Set_Focus(s.second);  // as an activation does, before the window manager has activated the window
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCoreApplication::processEvents();
        QCOMPARE(got, 1);
        QCOMPARE(s.second->selectedText(), QString("Designer"));
        // Coming back from a message box is not a new arrival.
        s.second->setCursorPosition(2);
        Answer_Real_Box_Later(QMessageBox::Ok);
        MsgBox("Hello", Msg::Ok_Only);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCoreApplication::processEvents();
        QVERIFY(s.second->hasFocus());
        QCOMPARE(got, 1);
        QCOMPARE(s.second->selectedText(), QString());
        // A move inside the screen and back is.
        QTest::keyClick(s.second, Qt::Key_Backtab);
        QTest::keyClick(s.first, Qt::Key_Tab);
        QCOMPARE(got, 2);
    }

    void enter_runs_the_box_handler_and_presses_only_a_focused_button()
    {
        auto& s = Form<Probe<1>>();
        int enters = 0, presses = 0;
        On_Enter(s, s.first, [&] { ++enters; });
        On_Click(s, s.button, [&] { ++presses; });
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.first->setFocus();
        QTest::keyClick(s.first, Qt::Key_Return);
        QTest::keyClick(s.second, Qt::Key_Return);
        QCOMPARE(enters, 1);
        QCOMPARE(presses, 0);  // no default button
        QVERIFY(s.first->hasFocus());
        s.button->setFocus();
        QTest::keyClick(s.button, Qt::Key_Return);
        QCOMPARE(presses, 1);
    }

    void an_untrapped_handler_error_is_reported_not_fatal()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        auto& s = Form<Probe<1>>();
        On_Click(s, s.button, [] { Raise(13); });
        s.button->click();
        QCOMPARE(QString::fromStdString(user.boxes.at(0).prompt),
                 QString("Error 13   (Type mismatch)  has occurred in s1\r\n\r\n"));
    }
};

QTEST_MAIN(Test_Screen)
#include "test_screen.moc"
