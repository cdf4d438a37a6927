#include "app/dialoger.h"
#include "app/start.h"
#include "app/tillstand.h"
#include "food/livsmedelsindex.h"
#include "food/tabellfil.h"
#include "tests/fixtur.h"

#include <benchmark/benchmark.h>

namespace {

// Reading the index of a table the size of the agency's.
void BM_LasLivsmedelsindex(benchmark::State& state) {
    QTemporaryDir d;
    SkrivFixturTabell(d.path(), QStringLiteral("fodbas100"), GenereradeLivsmedel(2600));
    Tabellfil t;
    if (!t.oppna(d.path(), QStringLiteral("fodbas100")).isEmpty()) {
        state.SkipWithError("table");
        return;
    }
    LivsmedelsindexTabell idx;
    for (auto _ : state) {
        LasLivsmedelsindex(t, idx);
        benchmark::DoNotOptimize(idx.poster.data());
    }
    state.counters["livsmedel"] = static_cast<double>(idx.poster.size());
}
BENCHMARK(BM_LasLivsmedelsindex)->Unit(benchmark::kMillisecond);

// Creating every window that exists, offscreen, on a 2,600-food table.
void BM_Uppstart(benchmark::State& state) {
    Arbetskatalog ak(GenereradeLivsmedel(2600));
    Dialoger::test().aktiv = true;
    for (auto _ : state) {
        TForm1* f = Starta();
        benchmark::DoNotOptimize(f);
        state.PauseTiming();
        Avsluta();
        state.ResumeTiming();
    }
    Dialoger::test() = {};
}
BENCHMARK(BM_Uppstart)->Unit(benchmark::kMillisecond);

} // namespace
