// The own-drawn plots on their screens at design size: the four charts of 1025 points each drawn
// and painted, and one step of the polar plot in step mode.
#include <benchmark/benchmark.h>

#include "Gui_Bench.h"

#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "model/Mod_VastrelW.h"
#include "output/frm_MyPlot3.h"
#include "output/frm_MyPlot4.h"

namespace {
// The default model swept 0 to 360 in 1024 steps.
void Sweep_1024_Steps()
{
    Start_Gui_Bench();
    Model_Store& s = store();
    s.Delta_Theta = 0.3515625f;
    s.Delta_Theta_Rad = static_cast<float>(s.Delta_Theta * Deg_To_Rad);
    s.Delta_Theta_Text = " 0.3515625";
    s.Num_Steps = 1024;
    int16_t choice = 0;
    Calculate_Motion(3, choice);
    s.Calc_Done = true;
}

void Accept(Accepted_Functions& accepted, int16_t slot, const char* function, const char* component)
{
    Set_Variable(function, slot);
    Set_Component(component, slot);
    accepted.Function[static_cast<size_t>(slot - 1)] = function;
    accepted.Component[static_cast<size_t>(slot - 1)] = component;
}
}  // namespace

static void BM_MyPlot_Four_Charts_1025_Points(benchmark::State& state)
{
    Sweep_1024_Steps();
    Accepted_Functions accepted;
    Accept(accepted, 1, "Theta3", "Mag");
    Accept(accepted, 2, "Coupler Pt", "X");
    Accept(accepted, 3, "Veloc CP", "Mag");
    Accept(accepted, 4, "Accel CP", "Y");
    frm_MyPlot3& plot = Form<frm_MyPlot3>();
    int16_t n = 4;
    MyPlotSetup(plot, n);
    plot.Show_Modeless();
    for (auto _ : state) {
        MyPlot(plot, accepted, n);
        benchmark::DoNotOptimize(store().Plot_Scale_Y);
    }
    if (store().Plot_Failed || plot.Chart[3]->lbl_Max->text().isEmpty()) state.SkipWithError("the charts were not drawn");
    plot.Hide();
}
BENCHMARK(BM_MyPlot_Four_Charts_1025_Points)->Unit(benchmark::kMillisecond);

static void BM_MyPolarStep(benchmark::State& state)
{
    Sweep_1024_Steps();
    Accepted_Functions accepted;
    Accept(accepted, 1, "Coupler Pt", "Mag");
    frm_MyPlot4& plot = Form<frm_MyPlot4>();
    MyPolarPlotSetup(plot);
    plot.Show_Modeless();
    MyPolarPlot(plot, accepted);
    plot.chk_Pause->setChecked(true);
    int16_t k = 0;
    for (auto _ : state) {
        k = static_cast<int16_t>((k + 1) % 1025);
        MyPolarStep(plot, k);
    }
    if (!plot.Step_Mode || store().Plot_Failed) state.SkipWithError("no step mode");
    plot.Hide();
}
BENCHMARK(BM_MyPolarStep)->Unit(benchmark::kMicrosecond);
