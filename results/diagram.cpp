#include "results/diagram.h"

#include "app/text.h"
#include "app/tillstand.h"

namespace {
float andelsdelning(float v, float andel) {
    // A meal share of 0 shows 0 rather than a division by zero.
    return andel > 0.0f ? static_cast<float>(static_cast<double>(v) / andel) : 0.0f;
}
} // namespace

QString StapelEtikett(const Tillstand& t, int position, float mangd) {
    const NvPost& n = t.NvKatalog[static_cast<std::size_t>(position + kForstaSlot)];
    return n.nvEtikett + u' ' + Tal(mangd, 6, n.nvDecimaler);
}

Stapeldata BeraknaStaplar(const Tillstand& t) {
    Stapeldata s;
    const int d = t.AktuellDag, m = t.AktuellMaltid;
    for (int p = 0; p < kNaring; ++p) {
        if (!t.NvVal[static_cast<std::size_t>(p + kForstaSlot)]) continue;
        std::array<float, kSerier> v{};
        float mangd = 0;
        switch (t.AktuellNiva) {
        case 0:
            mangd = t.R.MaltidSumma[d][m][p];
            for (int r = 1; r < kRader; ++r)
                if (t.Berakning[d][m][r].harLivsmedel())
                    v[static_cast<std::size_t>(r - 1)] =
                        andelsdelning(t.R.RadProcent[d][m][r][p], t.Maltidsandel[m]);
            break;
        case 1:
            mangd = t.R.DagSumma[d][p];
            for (int mm = 0; mm < kMaltider; ++mm)
                v[static_cast<std::size_t>(mm)] =
                    t.AktuellNorm[p] > 0.001f
                        ? static_cast<float>(100.0 * t.R.MaltidSumma[d][mm][p] / t.AktuellNorm[p])
                        : 0.0f;
            break;
        default:
            mangd = t.R.PeriodMedel[p];
            v[0] = t.R.PeriodProcent[p];
            break;
        }
        s.etiketter << StapelEtikett(t, p, mangd);
        s.varden.push_back(v);
    }
    return s;
}

QString DiagramRubrikText(int niva, const QString& maltidsnamn, const QString& dagtext) {
    switch (niva) {
    case 0:
        return QStringLiteral("Näring i % av behovet för ") + maltidsnamn + u' ' + dagtext;
    case 1:
        return QStringLiteral("Näring i % av behovet för hela ") + dagtext;
    default:
        return QStringLiteral("Näring i % av dagsbehovet för perioden");
    }
}

unsigned SerieFarg(int serie) {
    static constexpr unsigned nio[9] = {0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x800080,
                                        0x80FF80, 0xC0C0C0, 0x00FFFF, 0x400040};
    if (serie < 1) serie = 1;
    return nio[(serie - 1) % 9];
}

std::vector<Tartbit> VerkligTart(const Tillstand& t) {
    float a[4];
    for (int k = 0; k < 4; ++k) {
        switch (t.AktuellNiva) {
        case 0:
            a[k] = t.R.MaltidEnergiandel[k][t.AktuellDag][t.AktuellMaltid];
            break;
        case 1:
            a[k] = t.R.DagEnergiandel[k][t.AktuellDag];
            break;
        default:
            a[k] = t.R.PeriodEnergiandel[k];
            break;
        }
    }
    std::vector<Tartbit> ut;
    if (a[0] + a[1] + a[2] + a[3] > 10.0f) {
        ut.push_back({QStringLiteral("Prot"), a[0], 0xFF0000});
        ut.push_back({QStringLiteral("Fett"), a[1], 0x0000FF});
        ut.push_back({QStringLiteral("Kolh"), a[2], 0x008000});
        if (a[3] > 1.0f) ut.push_back({QStringLiteral("Alko"), a[3], 0xFFFF00});
    }
    return ut;
}

std::vector<Tartbit> IdealTart(const Tillstand& t) {
    std::vector<Tartbit> ut{{QStringLiteral("Prot"), t.IdealEnergi[0], 0xFF0000},
                            {QStringLiteral("Fett"), t.IdealEnergi[1], 0x0000FF},
                            {QStringLiteral("Kolh"), t.IdealEnergi[2], 0x008000}};
    float alko;
    switch (t.AktuellNiva) {
    case 0:
        alko = t.R.MaltidEnergiandel[3][t.AktuellDag][t.AktuellMaltid];
        break;
    case 1:
        alko = t.R.DagEnergiandel[3][t.AktuellDag];
        break;
    default:
        alko = t.R.PeriodEnergiandel[3];
        break;
    }
    if (alko > 1.0f) ut.push_back({QStringLiteral("Alko max"), 5.0f, 0xFFFF00});
    return ut;
}

QString PrisText(const Tillstand& t, const QString& dagtext) {
    QString s;
    float kr;
    switch (t.AktuellNiva) {
    case 0:
        s = QStringLiteral(" Pris ") + t.AktuellMaltidNamn + QStringLiteral(": ");
        kr = t.R.MaltidKostnad[t.AktuellDag][t.AktuellMaltid];
        break;
    case 1:
        s = QStringLiteral(" Pris ") + dagtext + QStringLiteral(": ");
        kr = t.R.DagKostnad[t.AktuellDag];
        break;
    default:
        s = QStringLiteral(" Pris alla dagar: ");
        kr = t.R.PeriodKostnad;
        break;
    }
    return s + SystemFast(kr, 7, 2) + QStringLiteral(" kr");
}

int StaplarPerSida(int hojd, int antal) {
    int n = static_cast<int>(AvrundaJamnt(hojd / 28.0));
    if (antal < n) n = antal;
    if (n + 1 == antal) --n;
    for (int k = 2; k <= 4; ++k)
        if (k * n + 1 == antal) --n;
    return n < 0 ? 0 : n;
}

Saltvisning BeraknaSalt(const Tillstand& t) {
    Saltvisning s;
    const bool period = t.AktuellNiva == 2;
    const float natrium = period ? t.R.PeriodMedel[23] : t.R.DagSumma[t.AktuellDag][23];
    s.gram = 0.0025 * static_cast<double>(natrium);
    s.stapel = static_cast<int>(AvrundaJamnt(s.gram));
    s.rad = (period ? QStringLiteral("Dagsmedelvärdet salt är: ")
                    : QStringLiteral("Saltmängden denna dag är: ")) +
            Tal(s.gram, 0, 1) + QStringLiteral(" gram.");
    return s;
}
