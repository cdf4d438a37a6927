#include "results/omrakna.h"

#include "app/tillstand.h"

#include <cstring>

Visningar& OmraknaVisningar() {
    static Visningar v;
    return v;
}

void Energiandel(const float* v, int alkoholfaktor, float ut[4]) {
    const double P = v[4], F = v[5], C = v[6], A = v[34];
    const double af = alkoholfaktor;
    const float E = static_cast<float>(1700.0 * P + 3700.0 * F + 1700.0 * C + af * A);
    if (E > 5.0f) {
        ut[0] = static_cast<float>(100.0 * P * 1700.0 / E);
        ut[1] = static_cast<float>(100.0 * F * 3700.0 / E);
        ut[2] = static_cast<float>(100.0 * C * 1700.0 / E);
        ut[3] = static_cast<float>(100.0 * A * af / E);
    } else {
        ut[0] = ut[1] = ut[2] = ut[3] = 0.0f;
    }
}

namespace {
// Terms are evaluated in double; every stored value, partial sums included,
// is a 32-bit float, as the result arrays hold them.
inline float f(double x) {
    return static_cast<float>(x);
}
} // namespace

void BeraknaResultat(Tillstand& t) {
    Resultat& r = t.R;
    // 1
    t.NvValAntal = RaknaNvVal(t.NvVal);
    // 2: cost. Every partial sum is a float, stored before the next term.
    r.PeriodKostnad = 0.0f;
    int kostnadsdagar = 0;
    for (int d = 0; d < kDagar; ++d) {
        r.DagKostnad[d] = 0.0f;
        for (int m = 0; m < kMaltider; ++m) {
            float k = 0.0f;
            for (int rad = 1; rad < kRader; ++rad) {
                const Maltidsrad& mr = t.Berakning[d][m][rad];
                if (mr.tom()) continue;
                k = f(k + 0.001 * mr.gram * mr.kgpris);
            }
            r.MaltidKostnad[d][m] = k;
            r.DagKostnad[d] = r.DagKostnad[d] + k;
        }
        r.PeriodKostnad = r.PeriodKostnad + r.DagKostnad[d];
        if (r.DagKostnad[d] > 0.01f) ++kostnadsdagar;
    }
    r.MedelKostnad = kostnadsdagar >= 1 ? f(double(r.PeriodKostnad) / kostnadsdagar) : 0.0f;

    // 3, 4, 5
    std::memset(r.MaltidProcent, 0, sizeof r.MaltidProcent);
    // Row shares need a requirement above 0.001. They multiply by the
    // reciprocal in double precision, which differs from dividing by at most
    // one unit in the last place of a double, far below what the float result
    // keeps; the loop then has neither branch nor division.
    double invers[kNaring];
    for (int p = 0; p < kNaring; ++p)
        invers[p] = t.AktuellNorm[p] > 0.001f ? 1.0 / static_cast<double>(t.AktuellNorm[p]) : 0.0;
    for (int d = 0; d < kDagar; ++d) {
        float* dag = r.DagSumma[d];
        for (int p = 0; p < kNaring; ++p) dag[p] = 0.0f;
        for (int m = 0; m < kMaltider; ++m) {
            float* summa = r.MaltidSumma[d][m];
            for (int p = 0; p < kNaring; ++p) summa[p] = 0.0f;
            for (int rad = 1; rad < kRader; ++rad) {
                const Maltidsrad& mr = t.Berakning[d][m][rad];
                if (mr.tom()) continue;
                const double g = mr.gram;
                float* andel = r.RadProcent[d][m][rad];
                for (int p = 0; p < kNaring; ++p) summa[p] = f(summa[p] + 0.01 * g * mr.naring[p]);
                for (int p = 0; p < kNaring; ++p) andel[p] = f(g * mr.naring[p] * invers[p]);
            }
            for (int p = 0; p < kNaring; ++p) dag[p] = dag[p] + summa[p];
        }
    }
    // 6
    int dagar = 0;
    for (int d = 0; d < kDagar; ++d)
        if (r.DagSumma[d][0] > 10.0f) ++dagar;
    for (int p = 0; p < kNaring; ++p) {
        if (dagar >= 1) {
            float s = 0.0f;
            for (int d = 0; d < kDagar; ++d) s = s + r.DagSumma[d][p];
            r.PeriodMedel[p] = f(double(s) / dagar);
        } else {
            r.PeriodMedel[p] = 0.0f;
        }
    }
    // 7
    for (int p = 0; p < kNaring; ++p) {
        const double n = t.AktuellNorm[p];
        const bool har = n > 0.0;
        for (int d = 0; d < kDagar; ++d) {
            for (int m = 0; m < kMaltider; ++m)
                r.MaltidProcent[d][m][p] = har ? f(100.0 * r.MaltidSumma[d][m][p] / n) : 0.0f;
            r.DagProcent[d][p] = har ? f(100.0 * r.DagSumma[d][p] / n) : 0.0f;
        }
        r.PeriodProcent[p] = har ? f(100.0 * r.PeriodMedel[p] / n) : 0.0f;
    }
    // 8
    float ut[4];
    for (int d = 0; d < kDagar; ++d) {
        for (int m = 0; m < kMaltider; ++m) {
            Energiandel(r.MaltidSumma[d][m], t.Alkoholfaktor, ut);
            for (int k = 0; k < 4; ++k) r.MaltidEnergiandel[k][d][m] = ut[k];
        }
        Energiandel(r.DagSumma[d], t.Alkoholfaktor, ut);
        for (int k = 0; k < 4; ++k) r.DagEnergiandel[k][d] = ut[k];
    }
    if (r.PeriodMedel[0] > 5.0f) {
        Energiandel(r.PeriodMedel, t.Alkoholfaktor, ut);
    } else {
        ut[0] = ut[1] = ut[2] = ut[3] = 0.0f;
    }
    for (int k = 0; k < 4; ++k) r.PeriodEnergiandel[k] = ut[k];
}

void Omrakna() {
    BeraknaResultat(G);
    // A copy, so that a display may register or drop displays while it runs.
    const Visningar v = OmraknaVisningar();
    for (const auto* f :
         {&v.VisaMaltid, &v.DiagramRubrik, &v.RitaDiagram, &v.AktivDiagram, &v.Salt, &v.Markorer}) {
        if (*f) (*f)();
    }
}
