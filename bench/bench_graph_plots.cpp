// A replot of the four-chart graph plot screen, as every option click runs it: set-up, the four
// functions fetched point by point, and the charts painted.
#include <benchmark/benchmark.h>

#include <QPixmap>

#include "Gui_Bench.h"
#include "model/Mod_Plotsubs.h"
#include "model/Mod_VastrelW.h"
#include "output/frm_Plot3.h"

static void BM_Replot_Four_Charts_1025(benchmark::State& state)
{
    Start_Gui_Bench();
    Model_Store& s = store();
    s.Delta_Theta_Text = "0.3515625";  // 360 / 1024
    s.Delta_Theta = 0.3515625f;
    s.Delta_Theta_Rad = static_cast<float>(s.Delta_Theta * 3.14159265358979 / 180);
    s.Num_Steps = 1024;
    int16_t choice = 0;
    Calculate_Motion(3, choice);

    const char* const names[] = {"Coupler Pt", "Veloc CP", "Accel CP", "Theta3"};
    Accepted_Functions a;
    for (int16_t slot = 1; slot <= 4; ++slot) {
        Set_Variable(names[slot - 1], slot);
        Set_Component("Mag", slot);
        a.Function[static_cast<size_t>(slot - 1)] = names[slot - 1];
        a.Component[static_cast<size_t>(slot - 1)] = "Mag";
    }
    s.Num_Functions = 4;
    frm_Plot3& plot = Form<frm_Plot3>();
    plot.resize(790, 597);
    plot.show();
    QApplication::processEvents();
    plot.chk_HGrid->setChecked(true);
    int16_t graphs = 4;
    Plot(plot, a, graphs);
    for (auto _ : state) {
        Plot_Setup(plot, graphs);
        Plot(plot, a, graphs);
        QPixmap charts = plot.pct_Frame->grab();
        benchmark::DoNotOptimize(charts.cacheKey());
    }
    state.counters["points"] = plot.grf_Plot[0]->NumPoints();
    state.counters["chart_height"] = plot.grf_Plot[0]->height();
    plot.hide();
}
BENCHMARK(BM_Replot_Four_Charts_1025)->Unit(benchmark::kMillisecond);
