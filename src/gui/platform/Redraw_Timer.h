// The screens' one-shot redraw timer (Timer1): armed with the current date and time, it ticks
// every Interval milliseconds until Redraw_Delay whole-second boundaries have passed since
// then, switches itself off and runs the screen's redraw.
#pragma once
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

class Redraw_Timer : public QObject {
    Q_OBJECT
public:
    Redraw_Timer();

    QDateTime Tag;
    int Interval() const { return timer_.interval(); }
    void Set_Interval(int ms) { timer_.setInterval(ms); }
    bool Enabled() const { return timer_.isActive(); }
    void Set_Enabled(bool on);

    // The screen's redraw, run at the tick that ends the wait.
    void On_Redraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }
    // One tick (the timer calls it; public so that a screen's test can tick at once).
    void Tick();

private:
    QTimer timer_;
    std::function<void()> redraw_;
};

// Whole-second boundaries passed between two moments (not the elapsed time).
long long Seconds_Boundaries(const QDateTime& from, const QDateTime& to);

// Screens that carry the timer.
struct Has_Timer1 {
    Redraw_Timer Timer1;
};
