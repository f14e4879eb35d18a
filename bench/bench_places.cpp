// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the place search: one keystroke's search over the whole built-in list with its
// other names, for texts that stop early, scan everything, find a place by another name, by
// a typo or find nothing; and reading the list at the first search, with the heap it keeps
// afterwards.

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
// "sa": two letters, held by some ten thousand names; every key is looked at. "tromso": one
// place starts with it. "xqzvwk": none, so every key is also looked at for a typo.
// "cologne": found by another name. "reykjavic", "sao paolx": found by a typo, whole and at
// the start of a name. "ka v": among the slowest of some 14 000 texts tried (two letters, two
// and three letters with a space, three and four letters with a fifth; the slowest took about
// 3 ms), with many names starting as it does to weigh for a typo.
BENCHMARK_CAPTURE(BM_place_search, two_letters, u"sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, tromso, u"tromso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, accented, u"São Paulo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, no_match, u"xqzvwk")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, other_name, u"cologne")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, typo, u"reykjavic")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, typo_start, u"sao paolx")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_place_search, worst, u"ka v")->Unit(benchmark::kMicrosecond);

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
