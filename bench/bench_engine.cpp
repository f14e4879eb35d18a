#include "engine/angletext.h"
#include "engine/timebase.h"

#include <benchmark/benchmark.h>

namespace {

void BM_JDToDateText(benchmark::State& state) {
    double jd = 2460385.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(selvane::JDToDateText(jd, selvane::EnglishMonthNames()));
        jd += 0.37;
    }
}
BENCHMARK(BM_JDToDateText);

} // namespace
