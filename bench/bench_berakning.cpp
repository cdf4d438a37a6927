#include "app/tillstand.h"
#include "meal/berakning.h"
#include "results/omrakna.h"

#include <benchmark/benchmark.h>

namespace {

// The arithmetic of a full week: 7 days x 4 meals x 29 rows, no displays.
void BM_Omrakna_FullWeek(benchmark::State& state) {
    G.aterstall();
    unsigned x = 7;
    for (auto& dag : G.Berakning)
        for (auto& maltid : dag)
            for (int r = 1; r < kRader; ++r) {
                Maltidsrad& rad = maltid[r];
                rad.kod.satt(QString::number(r));
                rad.gram = static_cast<float>(50 + r);
                rad.kgpris = 25.5f;
                for (float& v : rad.naring) v = static_cast<float>((x = x * 1664525u + 1013904223u) % 1000) / 10.0f;
            }
    for (auto _ : state) {
        BeraknaResultat(G);
        benchmark::DoNotOptimize(G.R.PeriodMedel[0]);
    }
    G.aterstall();
}
BENCHMARK(BM_Omrakna_FullWeek)->Unit(benchmark::kMicrosecond);

} // namespace
