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
#include "platform/Mouse_Pointer.h"
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
        first = new QLineEdit(this);
        second = new QLineEdit(this);
        button = new QPushButton("Go", this);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(button);
    }
    QLineEdit* first;
    QLineEdit* second;
    QPushButton* button;

protected:
    void Form_Load() override { events.push_back(Name() + ".load"); }
    void Form_Activate() override { events.push_back(Name() + ".activate"); }
};

// Runs f once the current modal loop (or the test's own processing) is under way.
void Later(std::function<void()> f) { QTimer::singleShot(0, qApp, std::move(f)); }

// Closes the box or dialog that is up with the given action, from inside its own loop.
void Close_Modal_Later(std::function<void(QWidget*)> close)
{
    Later([close] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) close(w);
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
    void cleanup()
    {
        Unload_All_Screens();
        Set_Mouse_Pointer(Pointer::Default);
    }

    void load_runs_once_at_the_design_size()
    {
        auto& a = Form<Probe<1>>();
        auto& again = Form<Probe<1>>();
        QCOMPARE(&a, &again);
        QCOMPARE(events, std::vector<std::string>{"s1.load"});
        QCOMPARE(a.width(), 400);  // 6000 twips at 15 twips per pixel
        QCOMPARE(a.height(), 300);
        QVERIFY(!a.isVisible());
        QVERIFY(Loaded<Probe<1>>());
        QVERIFY(!Loaded<Probe<2>>());
    }

    void nested_modal_shows_return_in_order_and_activation_follows()
    {
        auto& home = Form<Probe<0>>();
        auto& a = Form<Probe<1>>();
        auto& b = Form<Probe<2>>();
        events.clear();
        home.Show_Modeless();
        Later([&] {
            events.push_back("in a");
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
        std::vector<std::string> expected{"s0.activate", "s1.activate", "in a",       "s2.activate", "in b",
                                          "s1.activate", "b returned",  "s0.activate", "a returned"};
        QCOMPARE(events, expected);
        QCOMPARE(Screen::Active(), &home);
    }

    void a_modal_screen_hidden_and_shown_modeless_stays_up_after_its_loop_ends()
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
        QCOMPARE(a.windowModality(), Qt::NonModal);
        std::vector<std::string> expected{"s1.activate", "s0.activate", "s1.activate", "handler done", "modal returned"};
        QCOMPARE(events, expected);
        // Now modeless: the home screen is not blocked, and a click on it activates it.
        QVERIFY(!QApplication::activeModalWidget());
        QTest::mouseClick(home.button, Qt::LeftButton);
        QCOMPARE(events.back(), std::string("s0.activate"));
        QCOMPARE(Screen::Active(), &home);
    }

    void showing_the_active_screen_again_does_not_activate_it_twice()
    {
        auto& a = Form<Probe<1>>();
        a.Show_Modeless();
        a.Show_Modeless();
        QCOMPARE(std::count(events.begin(), events.end(), "s1.activate"), 1);
    }

    void no_activation_after_a_message_box_or_a_dialog()
    {
        auto& home = Form<Probe<0>>();
        home.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&home));
        events.clear();

        bool box_was_up = false;
        Close_Modal_Later([&](QWidget* w) {
            box_was_up = qobject_cast<QMessageBox*>(w) != nullptr;
            static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(MsgBox("Hello", Msg::Ok_Only), Msg::Ans_Ok);
        QVERIFY(box_was_up);

        Common_Dialog dialog;
        dialog.DialogTitle = "Open a model";
        Close_Modal_Later([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        dialog.ShowOpen();
        QCoreApplication::processEvents();
        QVERIFY(events.empty());
        QCOMPARE(Screen::Active(), &home);
    }

    void the_close_box_hides_a_screen()
    {
        auto& a = Form<Probe<1>>();
        a.Show_Modeless();
        QVERIFY(!a.close());
        QVERIFY(!a.isVisible());
        QVERIFY(Loaded<Probe<1>>());
    }

    void change_runs_only_when_the_text_really_changes()
    {
        auto& s = Form<Probe<1>>();
        int changes = 0;
        On_Change(s, s.first, [&] { ++changes; });
        s.first->setText("12");
        s.first->setText("12");
        QCOMPARE(changes, 1);
        s.first->setText("13");
        QCOMPARE(changes, 2);
        {
            auto quiet = s.Suspend_Events();
            s.first->setText("14");
        }
        QCOMPARE(changes, 2);
        s.first->setText("15");
        QCOMPARE(changes, 3);
    }

    void clicks_follow_value_changes_made_by_code()
    {
        auto& s = Form<Probe<1>>();
        auto* check = new QCheckBox(&s);
        auto* open = new QRadioButton(&s);
        auto* crossed = new QRadioButton(&s);
        auto* bar = new QScrollBar(Qt::Horizontal, &s);
        bar->setRange(0, 36);
        std::vector<std::string> got;
        On_Click(s, check, [&](bool v) { got.push_back(v ? "check on" : "check off"); });
        On_Click(s, open, [&] { got.push_back("open"); });
        On_Click(s, crossed, [&] { got.push_back("crossed"); });
        On_Change(s, bar, [&] { got.push_back("bar " + std::to_string(bar->value())); });
        check->setChecked(true);
        check->setChecked(true);
        open->setChecked(true);
        open->setChecked(true);  // already selected: no click
        crossed->setChecked(true);
        bar->setValue(5);
        bar->setValue(5);
        bar->setMaximum(3);  // clamps the value: a change
        std::vector<std::string> expected{"check on", "open", "crossed", "bar 5", "bar 3"};
        QCOMPARE(got, expected);
        QVERIFY(!bar->hasTracking());
    }

    void combo_events_and_typed_text_never_inserted()
    {
        auto& s = Form<Probe<1>>();
        auto* combo = new Combo_Box(true, &s);
        s.layout()->addWidget(combo);
        for (const char* item : {"X", "Y", "Mag", "Ang"}) combo->Add_Item(item);
        combo->Set_List_Index(-1);
        int clicks = 0, changes = 0;
        On_Click(s, combo, [&] { ++clicks; });
        On_Change(s, combo, [&] { ++changes; });
        combo->Set_List_Index(2);
        QCOMPARE(combo->Text(), std::string("Mag"));
        QCOMPARE(clicks, 1);
        QCOMPARE(changes, 0);  // a list choice is a Click, not a Change
        combo->Set_List_Index(2);
        QCOMPARE(clicks, 1);
        combo->Set_Text("Mag");
        QCOMPARE(changes, 0);
        combo->Set_Text("Theta2");
        QCOMPARE(changes, 1);

        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        combo->setFocus();
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, "Omega");
        QVERIFY(changes >= 2);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->List_Count(), 4);

        bool raised = false;
        try {
            combo->Set_List_Index(4);
        } catch (const Runtime_Error& e) {
            raised = e.number == 380;
        }
        QVERIFY(raised);
        combo->Clear();
        QCOMPARE(combo->Text(), std::string());
        QCOMPARE(combo->List_Count(), 0);
    }

    void leaving_a_box_commits_on_tab_but_not_when_a_message_box_opens()
    {
        auto& s = Form<Probe<1>>();
        int commits = 0;
        On_Lost_Focus(s, s.first, [&] { ++commits; });
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.first->setFocus();
        QVERIFY(s.first->hasFocus());
        QTest::keyClick(s.first, Qt::Key_Tab);
        QCOMPARE(commits, 1);
        QVERIFY(s.second->hasFocus());

        Set_Focus(s.first);  // a move by code commits nothing for the box it reaches
        QCOMPARE(commits, 1);
        bool box_took_focus = false;
        Close_Modal_Later([&](QWidget* w) {
            box_took_focus = QTest::qWaitForWindowActive(w) && !s.first->hasFocus();
            static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        MsgBox("Cannot have a zero step size - Please check your data.", Msg::Exclamation);
        QVERIFY(box_took_focus);
        QCOMPARE(commits, 1);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(commits, 1);  // the focus coming back is no leave either
        Set_Focus(s.second);
        QCOMPARE(commits, 2);
    }

    void enter_runs_the_box_handler_and_presses_a_focused_button()
    {
        auto& s = Form<Probe<1>>();
        int enters = 0, presses = 0;
        On_Enter(s, s.first, [&] { ++enters; });
        On_Click(s, s.button, [&] { ++presses; });
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.first->setFocus();
        QTest::keyClick(s.first, Qt::Key_Return);
        QCOMPARE(enters, 1);
        QCOMPARE(presses, 0);  // no default button
        QVERIFY(s.first->hasFocus());
        s.button->setFocus();
        QTest::keyClick(s.button, Qt::Key_Return);
        QCOMPARE(presses, 1);
    }

    void hidden_or_disabled_targets_ignore_set_focus()
    {
        auto& s = Form<Probe<1>>();
        s.Show_Modeless();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.second->setFocus();
        s.first->setEnabled(false);
        Set_Focus(s.first);
        QVERIFY(s.second->hasFocus());
    }

    void an_untrapped_handler_error_is_reported_not_fatal()
    {
        Scripted_User user;
        user.Answer(Msg::Ans_Ok);
        auto& s = Form<Probe<1>>();
        On_Click(s, s.button, [] { Raise(13); });
        s.button->click();
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(user.boxes[0].prompt),
                 QString("Error 13   (Type mismatch)  has occurred in s1\r\n\r\n"));
    }

    void the_mouse_pointer_is_a_property_not_a_stack()
    {
        Set_Mouse_Pointer(Pointer::Hourglass);
        Set_Mouse_Pointer(Pointer::Hourglass);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Set_Mouse_Pointer(Pointer::Default);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(Mouse_Pointer(), Pointer::Default);
    }
};

QTEST_MAIN(Test_Screen)
#include "test_screen.moc"
