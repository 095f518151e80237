#include <benchmark/benchmark.h>

#include <cmath>

#include "dynamics/Force_Analysis.h"
#include "dynamics/mod_DFT.h"
#include "model/Mod_Main.h"

namespace {
// The default model over 1025 steps with a smooth made-up motion (the solution does not check it).
void Fill_Run()
{
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Num_Steps = Max_Steps;
    for (int i = 0; i <= Max_Steps; ++i) {
        double t = 2 * 3.141592653589793 * i / Max_Steps;
        s.Step_Valid(i) = -1;
        float th[4] = {static_cast<float>(t * 57.29578), static_cast<float>(40 + 10 * std::sin(t)),
                       static_cast<float>(120 + 15 * std::cos(t)), static_cast<float>(-t * 57.29578)};
        for (int k = 0; k < 4; ++k) {
            s.Theta_Data(i, k) = th[k];
            s.Omega_Data(i, k) = static_cast<float>(10 * std::cos(t + k));
            s.Alpha_Data(i, k) = static_cast<float>(100 * std::sin(t + k));
        }
        for (int r = 0; r <= 3; ++r)
            for (int xy = 0; xy <= 1; ++xy) {
                s.Veloc_Data(i, r, xy) = static_cast<float>(std::sin(t * (r + 1) + xy));
                s.Accel_Data(i, r, xy) = static_cast<float>(std::cos(t * (r + 2) + xy));
            }
    }
    s.Ext_Force3_X = 1, s.Force_Point3_Dist = 0.2f, s.Friction_3 = 0.1f;
}
}  // namespace

static void BM_Force_Analysis_1024_Steps(benchmark::State& state)
{
    Fill_Run();
    Model_Store& s = store();
    for (auto _ : state) {
        Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
        benchmark::DoNotOptimize(s.Torque_Data(Max_Steps, 0));
    }
}
BENCHMARK(BM_Force_Analysis_1024_Steps)->Unit(benchmark::kMicrosecond);

static void BM_DFT_1024_Samples(benchmark::State& state)
{
    reset_store();
    auto sample = [](int16_t j) { return static_cast<float>(std::sin(0.37 * j) + 0.5 * std::cos(0.011 * j * j)); };
    for (auto _ : state) {
        int16_t n = Max_Steps;
        Compute(n, sample);
        benchmark::DoNotOptimize(store().Current_FFT(1, 0));
    }
}
BENCHMARK(BM_DFT_1024_Samples)->Unit(benchmark::kMillisecond);
