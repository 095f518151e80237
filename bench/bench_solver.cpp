#include <benchmark/benchmark.h>

#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"

// The default linkage swept over a full turn in 1024 steps; it assembles everywhere, so no box is shown.
static void BM_Calculate_Angle_Steps_1024(benchmark::State& state)
{
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Num_Steps = 1024;
    s.Delta_Theta_Rad = (s.Max_Theta_Rad - s.Min_Theta_Rad) / 1024;
    for (auto _ : state) {
        int16_t choice = 0;
        Calculate_Angle_Steps(choice);
        benchmark::DoNotOptimize(s.Theta_Data(1024, 0));
    }
    if (s.Cannot_Connect || s.Step_Valid(1024) != -1) state.SkipWithError("the sweep did not assemble everywhere");
}
BENCHMARK(BM_Calculate_Angle_Steps_1024)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
