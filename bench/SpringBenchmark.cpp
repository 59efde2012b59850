// The cost of one spring evaluation, the work every animated value does once per frame.
#include "BenchFigures.h"
#include "platform/time/Spring.h"

#include <benchmark/benchmark.h>

namespace {

void springStepBenchmark(benchmark::State& state) {
    Spring spring(0.0);
    spring.setTolerance(1e-12); // stays in motion for the whole run
    spring.retarget(440.0, 0.0, {0.4, 0.7});
    double t = 0.0;
    for (auto _ : state) {
        t += 1e-9;
        benchmark::DoNotOptimize(spring.value(t));
    }
}

} // namespace

BENCHMARK(springStepBenchmark)->Name(springStepBenchmarkName)->Unit(benchmark::kNanosecond);
