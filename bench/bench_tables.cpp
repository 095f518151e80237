// The tables of a 1024-step run, every step, four columns: the output grid on its shown screen
// (listed and painted) and the data file written to disk.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <filesystem>
#include <unistd.h>

#include "Gui_Bench.h"
#include "model/Mod_Plotsubs.h"
#include "output/Report_Output.h"
#include "output/frm_PrintData.h"
#include "selection/Selection_Record.h"

namespace {
// The four columns: crank angle and the coupler point's X, Y and Ang.
Accepted_Functions Long_Run()
{
    Start_Gui_Bench();
    Model_Store& s = store();
    s.Num_Steps = Max_Steps;
    s.Print_Step = 1;
    s.Print_Decimals = 3;
    for (int i = 0; i <= Max_Steps; ++i) {
        const double t = 2 * 3.141592653589793 * i / Max_Steps;
        s.Theta_Data(i, 0) = static_cast<float>(t * 57.29578);
        s.Position_Data(i, 3, 0) = static_cast<float>(1234.5 * std::cos(t));
        s.Position_Data(i, 3, 1) = static_cast<float>(2.5 * std::sin(3 * t));
    }
    Accepted_Functions a{{"Theta2", "Coupler Pt", "Coupler Pt", "Coupler Pt"}, {"Mag", "X", "Y", "Ang"}};
    for (int16_t c = 1; c <= 4; ++c) {
        Set_Variable(a.Function[c - 1], c);
        Set_Component(a.Component[c - 1], c);
    }
    s.Num_Columns = 4;
    Set_Report_Titles("");
    return a;
}
}  // namespace

static void BM_Grid_Listing_1024_Steps_Shown(benchmark::State& state)
{
    const Accepted_Functions a = Long_Run();
    frm_PrintData& screen = Form<frm_PrintData>();
    Model_Store& s = store();
    for (auto _ : state) {
        // After a short listing, so the long one builds its rows afresh.
        state.PauseTiming();
        s.Print_Step = 10;
        Multiprint(screen, a);
        QApplication::processEvents();
        s.Print_Step = 1;
        state.ResumeTiming();
        Multiprint(screen, a);
        QApplication::processEvents();  // the listing painted
    }
    benchmark::DoNotOptimize(screen.grd_Data->Rows());
    screen.Hide();
}
BENCHMARK(BM_Grid_Listing_1024_Steps_Shown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_Data_File_1024_Steps(benchmark::State& state)
{
    const Accepted_Functions a = Long_Run();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vastrel_bench_" + std::to_string(::getpid()) + ".dat");
    for (auto _ : state) Print_to_File(path.string(), "bench", a);
    std::filesystem::remove(path);
}
BENCHMARK(BM_Data_File_1024_Steps)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
