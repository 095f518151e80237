#include "platform/Redraw_Timer.h"

#include "model/Mod_Main.h"
#include "runtime/Report_Error.h"

Redraw_Timer::Redraw_Timer()
{
    connect(&timer_, &QTimer::timeout, this, &Redraw_Timer::Tick);
}

void Redraw_Timer::Set_Enabled(bool on)
{
    if (on) timer_.start();
    else timer_.stop();
}

long long Seconds_Boundaries(const QDateTime& from, const QDateTime& to)
{
    return to.toSecsSinceEpoch() - from.toSecsSinceEpoch();
}

void Redraw_Timer::Tick()
{
    if (!Enabled()) return;
    if (Seconds_Boundaries(Tag, QDateTime::currentDateTime()) < store().Redraw_Delay) return;
    Set_Enabled(false);
    if (redraw_) Trap_Errors("Timer1_Timer", redraw_);
}
