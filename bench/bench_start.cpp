#include "app/dialoger.h"
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/livsmedelsindex.h"
#include "food/tabellfil.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"

#include <QApplication>
#include <QListView>
#include <QStringListModel>

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

// Creating all thirteen windows, offscreen, on the prepared working
// directory's delivered tables and files; on a generated table of the
// agency's size when no working directory has been prepared.
void BM_Uppstart(benchmark::State& state) {
    Arbetskatalog ak(GenereradeLivsmedel(2600));
    const bool verklig = ak.hamtaFranPrepareradKatalog();
    state.SetLabel(verklig ? "delivered data" : "generated table");
    Dialoger::test().aktiv = true;
    std::size_t livsmedel = 0;
    for (auto _ : state) {
        TForm1* f = Starta();
        benchmark::DoNotOptimize(f);
        state.PauseTiming();
        const bool fel = !f || !Dialoger::test().visade.isEmpty();
        livsmedel = G.Livsmedelsindex.poster.size();
        Avsluta();
        if (fel) {
            state.SkipWithError("the start showed a message");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["livsmedel"] = static_cast<double>(livsmedel);
    Dialoger::test() = {};
}
BENCHMARK(BM_Uppstart)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The program started on 2,600 foods, dialogs answered by the benchmark.
struct Program {
    Arbetskatalog ak{GenereradeLivsmedel(2600)};
    TForm1* f = nullptr;
    Program() {
        Dialoger::test() = {};
        Dialoger::test().aktiv = true;
        f = Starta();
    }
    ~Program() {
        Avsluta();
        Dialoger::test() = {};
    }
    // Every row of every meal of the week: the first vegetable, as added
    // from the list.
    void fyllVeckan() const {
        f->VisaGrupp(QStringLiteral("Grönsaker"));
        f->ListBoxLivs->setCurrentIndex(f->livsModell->index(0));
        for (int d = 0; d < kDagar; ++d)
            for (int m = 0; m < kMaltider; ++m) {
                G.AktuellDag = d;
                G.AktuellMaltid = m;
                for (int r = 1; r < kRader; ++r) f->LaggTillLivsmedel(0, false);
            }
    }
};

// "Sök på namn" over the whole index with the lists filled.
void BM_SokPaNamn(benchmark::State& state) {
    Program p;
    if (!p.f) {
        state.SkipWithError("start");
        return;
    }
    for (auto _ : state) {
        Dialoger::test().inmatningar.push_back(QStringLiteral("ost"));
        p.f->SokPaNamn();
    }
    state.counters["rader"] = static_cast<double>(p.f->livsModell->rowCount());
}
BENCHMARK(BM_SokPaNamn)->Unit(benchmark::kMicrosecond);

// Adding one food to a full week: the look-up, the row and a recomputation
// with every display that exists.
void BM_LaggTillLivsmedel(benchmark::State& state) {
    Program p;
    if (!p.f) {
        state.SkipWithError("start");
        return;
    }
    p.fyllVeckan();
    for (auto _ : state) p.f->LaggTillLivsmedel(0, false);
}
BENCHMARK(BM_LaggTillLivsmedel)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// A recomputation with every display of the main window and the salt window:
// a full week, 20 nutrients selected, the meal scope.
void BM_Omrakna_MedVisning(benchmark::State& state) {
    Program p;
    if (!p.f) {
        state.SkipWithError("start");
        return;
    }
    p.f->show();
    G.NvVal = {};
    for (int s = 15; s < 35; ++s) G.NvVal[static_cast<std::size_t>(s)] = true;
    p.fyllVeckan();
    G.AktuellDag = 0;
    G.AktuellMaltid = 0;
    p.f->AnpassaSidor();
    QApplication::processEvents();
    unsigned i = 0;
    for (auto _ : state) {
        // Something changes every time, as after an edit.
        G.Berakning[0][0][1].gram = static_cast<float>(100 + (++i % 50));
        Omrakna();
        // The charts repaint in the event loop; that is part of the cost.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Omrakna_MedVisning)->Unit(benchmark::kMillisecond);

} // namespace
