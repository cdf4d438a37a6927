#include "meal/maltidsredigering.h"

#include "app/text.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"

#include <cmath>
#include <cstring>

namespace {
bool giltigRad(int rad) {
    return rad >= 1 && rad < kRader;
}
Maltidsrad* maltid(Tillstand& t) {
    return t.Berakning[t.AktuellDag][t.AktuellMaltid];
}
} // namespace

int ForstaTommaRad(const Tillstand& t) {
    const Maltidsrad* m = t.Berakning[t.AktuellDag][t.AktuellMaltid];
    for (int r = 1; r < kRader; ++r)
        if (m[r].tom()) return r;
    return kRader - 1;
}

int LaggTillRad(Tillstand& t, const Tabellfil& tabell, const QString& kod, int rad, bool infoga) {
    const int mal = rad == 0 ? ForstaTommaRad(t) : rad;
    if (!giltigRad(mal)) return 0;
    const auto post = HittaLivsmedel(tabell, kod);
    // A food that is no longer in the table leaves the meal as it was.
    if (!post) return 0;
    Maltidsrad* m = maltid(t);
    if (infoga && mal < kRader - 1)
        std::memmove(&m[mal + 1], &m[mal],
                     sizeof(Maltidsrad) * static_cast<std::size_t>(kRader - 1 - mal));
    FyllRadFranLivsmedel(m[mal], kod.left(22), *post);
    return mal;
}

void SattAntal(Tillstand& t, int rad, const QString& text) {
    if (!giltigRad(rad)) return;
    Maltidsrad& r = maltid(t)[rad];
    const float n = TextTillTal(text);
    r.gram = r.portionsstorlek > 0.01f ? static_cast<float>(double(n) * r.portionsstorlek) : 0.0f;
    t.Andrad = true;
}

void SattGram(Tillstand& t, int rad, const QString& text) {
    if (!giltigRad(rad)) return;
    maltid(t)[rad].gram = TextTillTal(text);
    t.Andrad = true;
}

void Oka(Tillstand& t, int rad) {
    if (!giltigRad(rad)) return;
    Maltidsrad& r = maltid(t)[rad];
    if (r.kod.antal() == 0) return;
    r.gram = static_cast<float>(r.gram + 0.1 * r.portionsstorlek);
    t.Andrad = true;
}

bool Minska(Tillstand& t, int rad) {
    if (!giltigRad(rad)) return true;
    Maltidsrad& r = maltid(t)[rad];
    if (r.kod.antal() == 0) return true;
    const float tiondel = static_cast<float>(0.1 * r.portionsstorlek);
    if (tiondel >= r.gram) return false;
    r.gram = static_cast<float>(r.gram - 0.1 * r.portionsstorlek);
    t.Andrad = true;
    return true;
}

void TaBortRad(Tillstand& t, int rad) {
    if (!giltigRad(rad)) return;
    Maltidsrad* m = maltid(t);
    if (rad < kRader - 1)
        std::memmove(&m[rad], &m[rad + 1],
                     sizeof(Maltidsrad) * static_cast<std::size_t>(kRader - 1 - rad));
    m[kRader - 1].tomma();
    t.Andrad = true;
}

namespace {
QString enhetsrad(double gram, const QString& enhet) {
    const long long g = AvrundaHeltal(gram);
    const QString tal = QString::number(g);
    const qsizetype blanka = tal.size() >= 3 ? 0 : 3 - tal.size();
    return tal + QString(blanka, u' ') + QStringLiteral(" g/") + enhet;
}
} // namespace

QStringList Enhetslista(const Maltidsrad& rad) {
    QStringList ut{rad.livsmedel.text()};
    const KortText<16>* enheter[4] = {&rad.Enhet1, &rad.Enhet2, &rad.Enhet3, &rad.Enhet4};
    const float portar[4] = {rad.port1, rad.port2, rad.port3, rad.port4};
    for (int k = 0; k < 4; ++k) {
        if (!(portar[k] > 0.001f)) continue;
        const QString e = enheter[k]->text();
        ut << enhetsrad(portar[k], e);
        if (e == QLatin1String("dl")) {
            ut << enhetsrad(portar[k] / 6.6, QStringLiteral("msk"));
            ut << enhetsrad(portar[k] / 20.0, QStringLiteral("tsk"));
        }
    }
    return ut;
}

void ValjEnhet(Maltidsrad& rad, const QString& linje) {
    const qsizetype blank = linje.indexOf(u' ');
    const QString tal = blank >= 0 ? linje.left(blank) : linje;
    const qsizetype snedstreck = linje.indexOf(u'/');
    const QString enhet = snedstreck >= 0 ? linje.mid(snedstreck + 1) : QString();
    rad.enhet.satt(enhet);
    const float g = TextTillTal(tal);
    rad.portionsstorlek = g;
    rad.gram = g;
}
