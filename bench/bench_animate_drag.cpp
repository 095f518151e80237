// One Shift-drag move on the animation screen: the coupler point taken from the mouse, a crank
// sweep of 1024 steps recalculated and the position shown redrawn with its coupler path.
#include <benchmark/benchmark.h>

#include <QMouseEvent>

#include "Gui_Bench.h"

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_VastrelW.h"
#include "shell/Animate_Rules.h"
#include "shell/frm_Animate.h"

namespace {
frm_Animate& Drag_Screen()
{
    Start_Gui_Bench();
    Model_Store& s = store();
    s.Delta_Theta = 0.3515625f;  // 0 to 360: 1024 steps
    s.Delta_Theta_Rad = static_cast<float>(s.Delta_Theta * Deg_To_Rad);
    s.Delta_Theta_Text = " 0.3515625";
    s.Num_Steps = 1024;
    int16_t choice = 0;
    Calculate_Motion(3, choice);
    s.Calc_Done = true;
    frm_Animate& f = Form<frm_Animate>();
    f.Hide();  // shown afresh at every run, so that it draws this run's model before the drag
    f.Show_Modeless();
    f.Timer1.Tick();
    return f;
}

void Shift_Drag(frm_Animate& f, double dx, double dy)
{
    const int16_t step = Drag_Reference_Step(f.Step_Shown);
    const Model_Store& s = store();
    QPointF at = f.Picture1->To_Pixels(s.Position_Data(step, 0, 0) + dx, s.Y_Flip - (s.Position_Data(step, 0, 1) + dy));
    QMouseEvent move(QEvent::MouseMove, at, f.Picture1->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::ShiftModifier);
    QApplication::sendEvent(f.Picture1, &move);
}
}  // namespace

static void BM_Animate_Shift_Drag_Move_1024_Steps(benchmark::State& state)
{
    frm_Animate& f = Drag_Screen();
    bool flip = false;
    for (auto _ : state) {
        Shift_Drag(f, flip ? 0.6 : 0.5, flip ? 0.8 : 0.9);
        flip = !flip;
        benchmark::DoNotOptimize(store().Coupler_Dist);
    }
    // Position 0 stays on show, the counter one past it.
    if (store().Num_Steps != 1024 || !store().Calc_Done || store().Step_Number != 1 || f.Step_Shown != 0)
        state.SkipWithError("the drag did not recalculate the sweep");
}
BENCHMARK(BM_Animate_Shift_Drag_Move_1024_Steps)->Unit(benchmark::kMillisecond);
