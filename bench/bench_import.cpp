#include "food/import.h"
#include "tests/fixtur.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The agency's current edition written as fodbas100 into the directory;
// false, with the benchmark marked as skipped, when that cannot be done.
bool importeraAktuellUtgava(benchmark::State& state, const QString& katalog) {
    const QString ref = ReferensdataKatalog();
    if (ref.isEmpty()) {
        state.SkipWithError("reference data not present");
        return false;
    }
    Importregler regler;
    LasImportregler(DataKatalog(), regler);
    const ImportResultat r = ImporteraLivsmedelsdatabas(
        ref + QStringLiteral("/livsmedelsverket/LivsmedelsDB_202511142228.xlsx"), katalog,
        QStringLiteral("fodbas100"), regler);
    if (!r.fel.isEmpty()) {
        state.SkipWithError("import failed");
        return false;
    }
    return true;
}

// The agency's current edition, read and written as fodbas100.
void BM_ImporteraLivsmedelsdatabas(benchmark::State& state) {
    QTemporaryDir d;
    for (auto _ : state)
        if (!importeraAktuellUtgava(state, d.path())) break;
}
BENCHMARK(BM_ImporteraLivsmedelsdatabas)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#include "analysis/topplista.h"
#include "food/nvkatalog.h"
#include "food/tabellfil.h"

namespace {

// The top list of one nutrient over the agency's real table, per portion.
void BM_Topplista(benchmark::State& state) {
    QTemporaryDir d;
    if (!importeraAktuellUtgava(state, d.path())) return;
    Tabellfil t;
    t.oppna(d.path(), QStringLiteral("fodbas100"));
    const NvPost c{QStringLiteral("Vit-C"), QStringLiteral("Vit-C mg"), QStringLiteral("mg"), 0};
    qsizetype rader = 0;
    for (auto _ : state) rader = Topplista(t, 28, false, c).size();
    state.counters["rader"] = static_cast<double>(rader);
}
BENCHMARK(BM_Topplista)->Unit(benchmark::kMillisecond);

} // namespace
