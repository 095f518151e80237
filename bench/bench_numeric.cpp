#include <benchmark/benchmark.h>

#include "model/Mod_Numeric.h"

static void BM_SimQ_12x12(benchmark::State& state)
{
    SimQ_Matrix A0;
    SimQ_Vector B0;
    for (int i = 1; i <= 12; ++i) {
        B0(i) = i;
        for (int j = 1; j <= 12; ++j) A0(i, j) = (i == j ? 20.0 : 1.0 / (i + j));
    }
    for (auto _ : state) {
        SimQ_Matrix A = A0;
        SimQ_Vector B = B0;
        int16_t flag = 0;
        SimQ(12, A, B, flag);
        benchmark::DoNotOptimize(B);
    }
}
BENCHMARK(BM_SimQ_12x12);
