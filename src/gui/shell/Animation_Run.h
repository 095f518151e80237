// What keeps the program alive while the animation screen animates inside its Run handler: each
// frame is painted, expose events are served while a frame is held (by the clock, not by
// counting), user input is refused, and Esc or the screen's close box ends the run after the
// frame on show.
#pragma once
#include <QEventLoop>
#include <QObject>
#include <chrono>

class QWidget;

// Thrown out of a frame's wait to end the animation; nothing else catches it.
struct Animation_Stopped {};

class Animation_Run : public QObject {
public:
    // Refuses input to the whole program until it is destroyed; of the windows' close boxes only
    // the animating screen's is served (it asks for the stop).
    explicit Animation_Run(QWidget& screen);
    ~Animation_Run() override;

    // Holds the frame on show for `hold`, serving paints and timers; throws Animation_Stopped
    // once a stop was asked for.
    void Hold_Frame(std::chrono::microseconds hold);
    void Request_Stop();
    bool Stop_Requested() const { return stop_; }

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    QWidget& screen_;
    bool stop_ = false;
    QEventLoop* holding_ = nullptr;
};
