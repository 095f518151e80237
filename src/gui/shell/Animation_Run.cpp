#include "shell/Animation_Run.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "platform/Mouse_Pointer.h"


namespace {
bool Is_User_Input(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}
}  // namespace

Animation_Run::Animation_Run(QWidget& screen) : screen_(screen) { QCoreApplication::instance()->installEventFilter(this); }

Animation_Run::~Animation_Run() { QCoreApplication::instance()->removeEventFilter(this); }

bool Animation_Run::eventFilter(QObject* target, QEvent* event)
{
    if (event->type() == QEvent::Close && event->spontaneous()) return target != static_cast<QObject*>(&screen_);
    // A box raised meanwhile (an error report) must stay answerable.
    if (!Is_User_Input(event->type()) || Box_Open()) return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) Request_Stop();
    return true;
}

void Animation_Run::Request_Stop()
{
    stop_ = true;
    if (holding_) holding_->quit();
}

void Animation_Run::Hold_Frame(std::chrono::microseconds hold)
{
    if (stop_) throw Animation_Stopped{};
    // Paints, timers and window-system events are served; the filter keeps user input out.
    const int ms = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(hold).count());
    if (ms <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        holding_ = &loop;
        loop.exec();
        holding_ = nullptr;
    }
    if (stop_) throw Animation_Stopped{};
}
