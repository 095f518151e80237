#include "platform/Control_Events.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QPointer>
#include <QTimer>
#include <map>

#include "platform/Combo_Box.h"
#include "platform/Mouse_Pointer.h"
#include "platform/Screen.h"
#include "platform/Simple_Combo.h"
#include "runtime/Number_Text.h"

namespace {
// Focus and key events of one control, turned into the classic events.
class Control_Filter : public QObject {
public:
    explicit Control_Filter(QWidget* control) : QObject(control), control_(control) { control->installEventFilter(this); }
    static Control_Filter* Of(QWidget* control)
    {
        for (QObject* child : control->children())
            if (auto* f = dynamic_cast<Control_Filter*>(child)) return f;
        return new Control_Filter(control);
    }

    std::vector<Handler> lost_focus, got_focus, enter;

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusOut: {
            // A window losing activation (message box, dialog, other application) or a popup
            // is not a move inside the program.
            if (Within_Program(event)) {
                Logical_Focus(control_) = nullptr;
                // The focus is already on the button being pressed, if a press moved it.
                QPointer<QAbstractButton> pressed;
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                    pressed = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
                const int boxes = Boxes_Shown();
                Run(lost_focus);
                if (pressed && Boxes_Shown() != boxes) Complete_Click(pressed);
            }
            break;
        }
        case QEvent::FocusIn: {
            // A window coming back gives the focus back to the box that had it: no new arrival.
            // But a box focused while its window was not yet active arrives when the window does.
            QPointer<QWidget>& logical = Logical_Focus(control_);
            if (!Within_Program(event) && logical == control_) break;
            logical = control_;
            Run(got_focus);
            break;
        }
        case QEvent::KeyPress: {
            int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !enter.empty()) {
                Run(enter);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

    // The text the box held when the program last wrote it or it was last committed.
    bool tracks_commits = false;
    QString committed;

private:
    // A box that came up while the focus left for a button took the release of the press that
    // moved it: the button, pressed now, would stay down and its click be lost. It completes the
    // click once the press has reached it (not when the release did reach it after all).
    static void Complete_Click(QPointer<QAbstractButton> button)
    {
        QMetaObject::invokeMethod(
            button,
            [button] {
                if (!button || !button->isDown()) return;
                button->setDown(false);
                if (button->isVisible()) button->click();
            },
            Qt::QueuedConnection);
    }
    static void Run(const std::vector<Handler>& handlers)
    {
        for (const Handler& h : handlers) h();
    }
    static bool Within_Program(QEvent* event)
    {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }
    // The control of a window that last received the focus by the program's rules.
    static QPointer<QWidget>& Logical_Focus(QWidget* control)
    {
        static std::map<const QWidget*, QPointer<QWidget>> by_window;
        return by_window[control->window()];
    }

    QWidget* control_;
};

// The handler as the screen runs it: skipped while the screen's events are suspended.
Handler Guarded(Screen& s, Handler h)
{
    return [&s, h = std::move(h)] { s.Run_Handler(h); };
}
}  // namespace

void On_Click(Screen& s, QPushButton* button, Handler h)
{
    button->setAutoDefault(true);  // outside a dialog this only makes Enter press a focused button
    button->setDefault(false);
    QObject::connect(button, &QPushButton::clicked, &s, Guarded(s, std::move(h)));
}

void On_Click(Screen& s, QCheckBox* box, std::function<void(bool)> h)
{
    QObject::connect(box, &QCheckBox::toggled, &s, [&s, h = std::move(h)](bool value) {
        s.Run_Handler([&] { h(value); });
    });
}

void On_Click(Screen& s, QRadioButton* option, Handler h)
{
    QObject::connect(option, &QRadioButton::toggled, &s, [&s, h = std::move(h)](bool on) {
        if (on) s.Run_Handler(h);
    });
}

void On_Click(Screen& s, Combo_Box* combo, Handler h)
{
    QObject::connect(combo, &Combo_Box::Click, &s, Guarded(s, std::move(h)));
}

void On_Click(Screen& s, Simple_Combo* combo, Handler h)
{
    QObject::connect(combo, &Simple_Combo::Click, &s, Guarded(s, std::move(h)));
}

void On_Double_Click(Screen& s, Simple_Combo* combo, Handler h)
{
    QObject::connect(combo, &Simple_Combo::Double_Click, &s, Guarded(s, std::move(h)));
}

void On_Click(Screen& s, QAction* menu_item, Handler h)
{
    QObject::connect(menu_item, &QAction::triggered, &s, Guarded(s, std::move(h)));
}

void On_Change(Screen& s, QLineEdit* box, Handler h)
{
    QObject::connect(box, &QLineEdit::textChanged, &s, Guarded(s, std::move(h)));
}

void On_Change(Screen& s, Combo_Box* combo, Handler h)
{
    QObject::connect(combo, &Combo_Box::Change, &s, Guarded(s, std::move(h)));
}

void On_Change(Screen& s, Simple_Combo* combo, Handler h)
{
    QObject::connect(combo, &Simple_Combo::Change, &s, Guarded(s, std::move(h)));
}

void On_Change(Screen& s, QScrollBar* bar, Handler h)
{
    bar->setTracking(false);
    QObject::connect(bar, &QScrollBar::valueChanged, &s, Guarded(s, std::move(h)));
}

void On_Scroll(Screen& s, QScrollBar* bar, Handler h)
{
    QObject::connect(bar, &QScrollBar::sliderMoved, &s, Guarded(s, std::move(h)));
}

void On_Lost_Focus(Screen& s, QWidget* control, Handler h)
{
    Control_Filter::Of(control)->lost_focus.push_back(Guarded(s, std::move(h)));
}

void On_Got_Focus(Screen& s, QWidget* control, Handler h)
{
    Control_Filter::Of(control)->got_focus.push_back(Guarded(s, std::move(h)));
}

void On_Enter(Screen& s, QWidget* control, Handler h)
{
    Handler guarded = Guarded(s, std::move(h));
    // A combo box that holds the focus itself hands its keys straight to its edit part, past any
    // filter on the combo: Enter is caught on both (the first to see it consumes it).
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        Control_Filter::Of(combo->lineEdit())->enter.push_back(guarded);
    Control_Filter::Of(control)->enter.push_back(guarded);
}

void On_Commit(Screen& s, QLineEdit* box, std::function<void(bool)> h)
{
    Control_Filter* filter = Control_Filter::Of(box);
    if (!filter->tracks_commits) {
        filter->tracks_commits = true;
        filter->committed = box->text();
        // Whatever the program writes is the box's value as the program knows it.
        QObject::connect(box, &QLineEdit::textChanged, filter, [filter, box](const QString& text) {
            if (!box->isModified()) filter->committed = text;
        });
    }
    Handler commit = Guarded(s, [filter, box, h = std::move(h)] {
        const QString text = box->text();
        const bool changed = Val(text.toStdString()) != Val(filter->committed.toStdString());
        filter->committed = text;
        box->setModified(false);
        h(changed);
    });
    filter->enter.push_back(commit);
    filter->lost_focus.push_back(commit);
}

void Select_All_On_Focus(QWidget* control)
{
    auto* box = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) box = combo->lineEdit();
    if (auto* simple = qobject_cast<Simple_Combo*>(control)) {
        box = simple->Edit();
        control = box;
    }
    if (!box) return;
    // Deferred: the mouse press that gave the focus would otherwise undo the selection.
    Control_Filter::Of(control)->got_focus.push_back([box] {
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    });
}

void Set_Focus(QWidget* control)
{
    if (control && control->isVisible() && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
}
