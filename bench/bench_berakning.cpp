#include "app/tillstand.h"
#include "app/uppstart.h"
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
                for (float& v : rad.naring)
                    v = static_cast<float>((x = x * 1664525u + 1013904223u) % 1000) / 10.0f;
            }
    for (auto _ : state) {
        BeraknaResultat(G);
        benchmark::DoNotOptimize(G.R.PeriodMedel[0]);
    }
    G.aterstall();
}
BENCHMARK(BM_Omrakna_FullWeek)->Unit(benchmark::kMicrosecond);

} // namespace

#include "files/berakningsfil.h"
#include "food/tabellfil.h"
#include "tests/fixtur.h"

#include <QTemporaryDir>

namespace {

// A full week of rows from a 2,600-food table.
struct Vecka {
    QTemporaryDir dir;
    Tabellfil tabell;
    Vecka() {
        SkrivFixturTabell(dir.path(), QStringLiteral("fodbas100"), GenereradeLivsmedel(2600));
        tabell.oppna(dir.path(), QStringLiteral("fodbas100"));
        G.aterstall();
        int kod = 1;
        for (auto& dag : G.Berakning)
            for (auto& maltid : dag)
                for (int r = 1; r < kRader; ++r) {
                    const auto post = HittaLivsmedel(tabell, QString::number(kod));
                    FyllRadFranLivsmedel(maltid[r], QString::number(kod), *post);
                    maltid[r].gram = 87.5f;
                    kod = kod % 2600 + 7;
                }
    }
    ~Vecka() { G.aterstall(); }
};

void BM_SparaBerakning_FullWeek(benchmark::State& state) {
    Vecka v;
    const QString fil = v.dir.filePath(QStringLiteral("vecka.vaxo"));
    for (auto _ : state) {
        SkrivFilSakert(fil, SkrivVaxo(G, QStringLiteral("2026-12-11")));
        SkrivFilSakert(BytFiltillagg(fil, QStringLiteral(".norm")),
                       SkrivNormfil(G.NormTyp, G.AktuellNormText, G.AktuellNorm));
        SparaAktivitetslista(BytFiltillagg(fil, QStringLiteral(".akt")));
    }
}
BENCHMARK(BM_SparaBerakning_FullWeek)->Unit(benchmark::kMillisecond);

void BM_HamtaBerakning_FullWeek(benchmark::State& state) {
    Vecka v;
    const QString fil = v.dir.filePath(QStringLiteral("vecka.vaxo"));
    SkrivFilSakert(fil, SkrivVaxo(G, QStringLiteral("2026-12-11")));
    for (auto _ : state) {
        TomBerakning(G);
        QByteArray innehall;
        LasHelaFilen(fil, innehall);
        const VaxoFil f = TolkaVaxo(innehall);
        FyllFranVaxo(G, f,
                     [&v](const QString& kod, bool) { return HittaLivsmedel(v.tabell, kod); });
        BeraknaResultat(G);
    }
}
BENCHMARK(BM_HamtaBerakning_FullWeek)->Unit(benchmark::kMillisecond);

} // namespace

#include "reports/rapport.h"

namespace {

// All days in full detail, every nutrient, bars and energy lines.
void BM_KomponeraRapport_AllaDagar(benchmark::State& state) {
    Vecka v;
    for (int s = 15; s <= 65; ++s) {
        G.NvVal[static_cast<std::size_t>(s)] = true;
        G.NvKatalog[static_cast<std::size_t>(s)] = {
            QStringLiteral("N%1").arg(s), QStringLiteral("N%1 g").arg(s), QStringLiteral("g"), 1};
    }
    BeraknaResultat(G);
    std::size_t rader = 0;
    for (auto _ : state) {
        const Rapport r = KomponeraRapport(G, {2, 0, false, true, true, true});
        rader = r.Rapportrader.size();
        benchmark::DoNotOptimize(rader);
    }
    state.counters["rader"] = static_cast<double>(rader);
}
BENCHMARK(BM_KomponeraRapport_AllaDagar)->Unit(benchmark::kMillisecond);

} // namespace

#include "reports/rapportlayout.h"
#include "reports/rapportutdata.h"

namespace {

Rapport veckansRapport(Vecka&) {
    G.NvVal = {};
    for (int s = 15; s < 35; ++s) {
        G.NvVal[static_cast<std::size_t>(s)] = true;
        G.NvKatalog[static_cast<std::size_t>(s)] = {
            QStringLiteral("N%1").arg(s), QStringLiteral("N%1 g").arg(s), QStringLiteral("g"), 1};
    }
    BeraknaResultat(G);
    return KomponeraRapport(G, {2, 0, false, false, true, true});
}

// A full week in full detail, 20 nutrients, bars and pies: the layout alone.
void BM_RapportLayout_AllaDagar(benchmark::State& state) {
    Vecka v;
    const Rapport r = veckansRapport(v);
    Layoutval val;
    val.tartor = true;
    std::size_t sidor = 0;
    for (auto _ : state) sidor = LaggUtRapport(r, val).sidor.size();
    state.counters["sidor"] = static_cast<double>(sidor);
}
BENCHMARK(BM_RapportLayout_AllaDagar)->Unit(benchmark::kMillisecond);

// ... and written to PDF.
void BM_RapportPdf_AllaDagar(benchmark::State& state) {
    Vecka v;
    const Rapport r = veckansRapport(v);
    Layoutval val;
    val.tartor = true;
    const QString fil = v.dir.filePath(QStringLiteral("rapport.pdf"));
    for (auto _ : state) SkrivRapportPdf(LaggUtRapport(r, val), fil);
}
BENCHMARK(BM_RapportPdf_AllaDagar)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
