// Speed of the place search: one keystroke's search over the whole built-in list, for texts
// that stop early, scan everything or find nothing; and reading the list at the first search,
// with the heap it keeps afterwards.

#include "core/places.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

using namespace selvane;

void BM_place_search(benchmark::State& state, const char16_t* typed) {
    static PlaceList places; // read once, outside the timing
    places.Size();
    for (auto _ : state)
        benchmark::DoNotOptimize(places.Search(typed));
}
// "sa": a dozen places start with it, the scan stops early. "tromso": one starts with it,
// every place is looked at. "xqzvwk": none, every place is looked at twice.
BENCHMARK_CAPTURE(BM_place_search, two_letters, u"sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, tromso, u"tromso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, accented, u"São Paulo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, no_match, u"xqzvwk")->Unit(benchmark::kMicrosecond);

// The first search: the list read from the program's resources and indexed. The counter
// "heap_bytes" is what the read list keeps on the heap (glibc's count of bytes in use, before
// and after reading).
void BM_place_list_load(benchmark::State& state) {
    double kept = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        PlaceList places;
        benchmark::DoNotOptimize(places.Search(u"tromso"));
        kept = static_cast<double>(mallinfo2().uordblks - before);
    }
    state.counters["heap_bytes"] = kept;
}
BENCHMARK(BM_place_list_load)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
