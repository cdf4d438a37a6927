#include "person/aktivitet.h"

#include "app/text.h"

namespace {
bool giltig(int rad) {
    return rad >= 1 && rad < kAktivitetsrader;
}
} // namespace

void TolkaAktivtxt(const QByteArray& innehall, Aktivitetstabell& tabell) {
    tabell = {};
    const QList<QByteArray> r = DelaRader(innehall);
    for (qsizetype i = 0; i < r.size() && i < 2 * kTabellrader; ++i) {
        auto& cell = tabell[static_cast<std::size_t>(i / 2)];
        (i % 2 == 0 ? cell.first : cell.second) = FranAnsi(r[i]);
    }
}

QByteArray SkrivAktivtxt(const Aktivitetstabell& tabell) {
    QByteArray ut;
    for (const auto& [namn, faktor] : tabell) {
        if (namn.size() < 3) {
            ut += "\r\n\r\n";
        } else {
            ut += TillAnsi(namn) + "\r\n" + TillAnsi(faktor) + "\r\n";
        }
    }
    return ut;
}

QStringList Aktivitetsnamn(const Aktivitetstabell& tabell) {
    QStringList ut;
    for (std::size_t i = 1; i < tabell.size(); ++i)
        if (tabell[i].first.size() >= 3) ut << tabell[i].first;
    return ut;
}

int AlderAv(const QString& text) {
    return static_cast<int>(AvrundaJamnt(TextTillTal(text)));
}

bool BeraknaGrundforbrukning(int a, float vikt, int kon, float& kcal) {
    if (a < 0 || a > 110) return false;
    const double W = vikt;
    const bool man = kon == 1;
    double v;
    if (a <= 3)
        v = man ? 60.9 * W - 54 : 61.0 * W - 51;
    else if (a <= 10)
        v = man ? 22.7 * W + 495 : 22.5 * W + 499;
    else if (a <= 18)
        v = man ? 17.5 * W + 651 : 12.2 * W + 746;
    else if (a <= 30)
        v = man ? 15.3 * W + 679 : 14.7 * W + 496;
    else if (a <= 60)
        v = man ? 11.6 * W + 879 : 8.7 * W + 829;
    else
        v = man ? 13.5 * W + 487 : 10.5 * W + 596;
    kcal = static_cast<float>(v);
    return true;
}

int NormradFor(int kon, int a) {
    int band;
    if (a >= 11 && a <= 14)
        band = 1;
    else if (a >= 15 && a <= 18)
        band = 2;
    else if (a >= 19 && a <= 30)
        band = 3;
    else if (a >= 31 && a <= 60)
        band = 4;
    else if (a >= 61 && a <= 75)
        band = 5;
    else if (a >= 76 && a <= 110)
        band = 6;
    else
        return 0;
    return kon == 1 ? band : 10 + band;
}

void TomAktivitetslista(Aktivitetslista& l) {
    for (int r = 1; r < kAktivitetsrader; ++r) l.rader[static_cast<std::size_t>(r)] = {};
}

QByteArray SkrivAkt(const Aktivitetslista& l) {
    QByteArray ut =
        TillAnsi(l.alder) + "\r\n" + TillAnsi(l.vikt) + "\r\n" + QByteArray::number(l.kon) + "\r\n";
    for (int r = 1; r < kAktivitetsrader; ++r) {
        const Aktivitetsrad& a = l.rader[static_cast<std::size_t>(r)];
        if (a.tom())
            ut += "\r\n\r\n\r\n";
        else
            ut += TillAnsi(a.namn) + "\r\n" + TillAnsi(a.minuter) + "\r\n" + TillAnsi(a.faktor) +
                  "\r\n";
    }
    return ut;
}

bool LasAkt(const QByteArray& innehall, Aktivitetslista& l) {
    const QList<QByteArray> r = DelaRader(innehall);
    if (r.size() > 0) l.alder = FranAnsi(r[0]);
    if (r.size() > 1) l.vikt = FranAnsi(r[1]);
    bool ok = false;
    const int kon = r.size() > 2 ? r[2].trimmed().toInt(&ok) : 0;
    if (!ok || (kon != 0 && kon != 1)) return false;
    l.kon = kon;
    for (qsizetype i = 3, rad = 1; i < r.size() && rad < kAktivitetsrader; i += 3, ++rad) {
        Aktivitetsrad& a = l.rader[static_cast<std::size_t>(rad)];
        a = {};
        a.namn = FranAnsi(r[i]);
        if (i + 1 < r.size()) a.minuter = FranAnsi(r[i + 1]);
        if (i + 2 < r.size()) a.faktor = FranAnsi(r[i + 2]);
    }
    return true;
}

namespace {
QString kcalPerMinText(const QString& faktor, float perMinut) {
    return Tal((static_cast<double>(TextTillTal(faktor)) - 1.0) * perMinut, 0, 2);
}
} // namespace

QString RaknaAktiviteterKarna(Aktivitetslista& l, Aktivitetsvarden& v, float norm[51],
                              const float ideal[6], const NormradLasare& lasNorm) {
    // 1
    const int alder = AlderAv(l.alder);
    float bmr;
    if (BeraknaGrundforbrukning(alder, TextTillTal(l.vikt), l.kon, bmr)) v.Grundforbrukning = bmr;
    v.perMinut = v.Grundforbrukning / 1440.0f;
    // 2, 3
    double energi = 0;
    double minuter = 0;
    for (int r = 1; r < kAktivitetsrader; ++r) {
        Aktivitetsrad& a = l.rader[static_cast<std::size_t>(r)];
        if (a.tom()) continue;
        a.kcalPerMin = kcalPerMinText(a.faktor, v.perMinut);
        const double produkt =
            static_cast<double>(TextTillTal(a.kcalPerMin)) * TextTillTal(a.minuter);
        a.kcal = Tal(produkt, 0, 0);
        energi += produkt;
        minuter += TextTillTal(a.minuter);
    }
    v.Aktivitetsenergi = static_cast<float>(energi);
    v.minuterKvar = static_cast<float>(1440.0 - minuter);
    // 4
    v.Dygnsforbrukning = v.Grundforbrukning + v.Aktivitetsenergi;
    v.beraknad = true;
    // 6
    const int nr = NormradFor(l.kon, alder);
    if (nr > 0 && lasNorm) lasNorm(nr, norm);
    const double K = v.Dygnsforbrukning;
    const double J = 4.184 * K;
    norm[1] = static_cast<float>(K);
    norm[0] = static_cast<float>(J);
    norm[4] = static_cast<float>(ideal[0] * J / 1700);
    norm[5] = static_cast<float>(ideal[1] * J / 3700);
    norm[6] = static_cast<float>(ideal[2] * J / 1700);
    norm[26] = static_cast<float>(ideal[5] * J / 3700);
    norm[27] = static_cast<float>(ideal[3] * J / 3700);
    norm[28] = static_cast<float>(ideal[4] * J / 3700);
    return (l.kon == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ")) + l.alder +
           QStringLiteral(" år, ") + l.vikt + QStringLiteral(" kg.  ") +
           QString::number(AvrundaHeltal(J)) + QStringLiteral(" kJ/dag (") +
           QString::number(AvrundaHeltal(K)) + QStringLiteral(" kcal/dag)");
}

QString KjPerMin(const Aktivitetsrad& r) {
    return r.tom() ? QString() : Tal(4.184 * TextTillTal(r.kcalPerMin), 0, 0);
}

QString KjTotalt(const Aktivitetsrad& r) {
    return r.tom() ? QString() : Tal(4.184 * TextTillTal(r.kcal), 0, 0);
}

int LaggTillAktivitet(Aktivitetslista& l, Aktivitetsvarden& v, const QString& namn,
                      const QString& faktor) {
    float bmr;
    if (BeraknaGrundforbrukning(AlderAv(l.alder), TextTillTal(l.vikt), l.kon, bmr))
        v.Grundforbrukning = bmr;
    v.perMinut = v.Grundforbrukning / 1440.0f;
    for (int r = 1; r < kAktivitetsrader; ++r) {
        Aktivitetsrad& a = l.rader[static_cast<std::size_t>(r)];
        if (!a.tom()) continue;
        a = {};
        a.namn = namn;
        a.faktor = faktor;
        a.kcalPerMin = kcalPerMinText(faktor, v.perMinut);
        a.minuter = QStringLiteral("30");
        return r;
    }
    return 0;
}

void OkaMinuter(Aktivitetslista& l, int rad) {
    if (!giltig(rad)) return;
    Aktivitetsrad& a = l.rader[static_cast<std::size_t>(rad)];
    if (a.tom()) return;
    a.minuter = Tal(static_cast<double>(TextTillTal(a.minuter)) + 10, 0, 0);
}

bool MinskaMinuter(Aktivitetslista& l, int rad) {
    if (!giltig(rad)) return true;
    Aktivitetsrad& a = l.rader[static_cast<std::size_t>(rad)];
    if (a.tom()) return true;
    const double m = TextTillTal(a.minuter);
    if (m >= 15)
        a.minuter = Tal(m - 10, 0, 0);
    else if (m >= 1.5)
        a.minuter = Tal(m - 1, 0, 0);
    else
        return false;
    return true;
}

void TaBortAktivitet(Aktivitetslista& l, int rad) {
    if (!giltig(rad)) return;
    for (int r = rad; r < kAktivitetsrader - 1; ++r)
        l.rader[static_cast<std::size_t>(r)] = l.rader[static_cast<std::size_t>(r + 1)];
    l.rader[kAktivitetsrader - 1] = {};
}

QStringList AktivitetsUtskrift(const Aktivitetslista& l, const QString& rubrik,
                               const QString& datum, const QString& bmrEtikett,
                               const QString& bmrText, const QString& totEtikett,
                               const QString& totText) {
    auto rad = [](const QString& a, const QString& b, const QString& c, const QString& d) {
        return a.leftJustified(41) + u' ' + b.rightJustified(10) + u' ' + c.rightJustified(8) +
               u' ' + d.rightJustified(10);
    };
    QStringList ut;
    ut << rubrik + QStringLiteral("   ") + datum << QString();
    ut << QStringLiteral("AKTIVITETSLISTA för ") +
              (l.kon == 1 ? QStringLiteral("Man") : QStringLiteral("Kvinna")) + u' ' + l.alder +
              QStringLiteral(" år  ") + l.vikt + QStringLiteral(" kg");
    ut << QString();
    ut << rad(QStringLiteral("Aktivitet"), QStringLiteral("+kcal/min"), QStringLiteral("Minuter"),
              QStringLiteral("+kcal"));
    ut << QString();
    for (int r = 1; r < kAktivitetsrader; ++r) {
        const Aktivitetsrad& a = l.rader[static_cast<std::size_t>(r)];
        if (!a.tom()) ut << rad(a.namn, a.kcalPerMin, a.minuter, a.kcal);
    }
    ut << QString();
    ut << bmrEtikett + QStringLiteral("   ") + bmrText;
    ut << totEtikett + QStringLiteral("  ") + totText;
    return ut;
}

#include "app/tillstand.h"
#include "app/uppstart.h"

bool SparaAktivitetslista(const QString& fil) {
    return SkrivFilSakert(fil, SkrivAkt(G.Aktivitetslistan));
}

bool LasAktivitetslista(const QString& fil) {
    TomAktivitetslista(G.Aktivitetslistan);
    QByteArray innehall;
    if (!LasHelaFilen(fil, innehall)) return false;
    return LasAkt(innehall, G.Aktivitetslistan);
}
