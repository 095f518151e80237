// The input screen's Calculate with its drawing, for a crank sweep of 1024 steps.
#include <benchmark/benchmark.h>

#include "Gui_Bench.h"
#include "shell/frm_Inputnew.h"

namespace {
frm_Inputnew& Sweep_Screen()
{
    Start_Gui_Bench();
    frm_Inputnew& f = Form<frm_Inputnew>();
    f.Show_Modeless();
    f.txt_Initial[0]->setText("0");
    f.txt_Initial[1]->setText("360");
    f.txt_Initial[2]->setText("0.3515625");  // 1024 steps
    return f;
}
}  // namespace

static void BM_Input_Calculate_1024_Steps(benchmark::State& state)
{
    frm_Inputnew& f = Sweep_Screen();
    for (auto _ : state) {
        f.cmd_Calc->click();
        benchmark::DoNotOptimize(store().Num_Steps);
    }
    if (store().Num_Steps != 1024 || !store().Calc_Done) state.SkipWithError("the sweep was not calculated");
}
BENCHMARK(BM_Input_Calculate_1024_Steps)->Unit(benchmark::kMillisecond);
