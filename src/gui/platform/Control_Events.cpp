#include "platform/Control_Events.h"

#include <QAction>
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
#include "platform/Screen.h"
#include "platform/Simple_Combo.h"

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
                Run(lost_focus);
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

private:
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
