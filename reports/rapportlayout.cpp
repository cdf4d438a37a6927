#include "reports/rapportlayout.h"

namespace {
constexpr double kRubrikband = 18.785;
constexpr double kRad = 3.969;
constexpr double kFotband = 51.065;
} // namespace

bool TolkaStapelrad(const QString& rad, Stapeldelar& ut) {
    if (!rad.startsWith(u'!')) return false;
    const QString t = rad.mid(1);
    const qsizetype i = t.indexOf(u'?');
    const qsizetype j = t.indexOf(u'&');
    const qsizetype k = t.indexOf(u'@');
    if (i < 0 || j < i || k < j) return false;
    ut.etikett = t.left(i);
    QString procent = t.mid(i + 1, j - i - 1);
    if (procent == QLatin1String(" ")) procent = QStringLiteral("0");
    bool ok = false;
    ut.procenttal = procent.trimmed().toInt(&ok);
    if (!ok) ut.procenttal = 0;
    ut.krav = t.mid(j + 1, k - j - 1);
    ut.procent =
        ut.procenttal > 0 ? QStringLiteral("   ") + procent + u'%' : QStringLiteral("       -");
    ut.stapelPx = 2.0 * ut.procenttal;
    ut.avkortad = false;
    if (ut.stapelPx > 370) {
        ut.stapelPx = 370;
        ut.avkortad = true;
        ut.procent = QStringLiteral("-> ") + procent + u'%';
    }
    if (ut.stapelPx < 0) ut.stapelPx = 0; // a negative percent draws no bar
    return true;
}

Rapportlayout LaggUtRapport(const Rapport& r, const Layoutval& val) {
    Rapportlayout L;
    const double nedre = Rapportlayout::kHojd - Rapportlayout::kBotten;
    double y = 0;
    Layoutsida* sida = nullptr;
    auto nySida = [&](int grupp) {
        L.sidor.push_back({grupp, {}});
        sida = &L.sidor.back();
        y = Rapportlayout::kTopp;
    };
    auto text = [&](double x, double yy, const QString& t, Layoutfont f, bool hoger = false,
                    double b = 0) {
        Layoutdel d;
        d.slag = Layoutdel::Slag::Text;
        d.x = Rapportlayout::kVanster + x;
        d.y = yy;
        d.b = b;
        d.h = f.punkter * 25.4 / 72.0;
        d.text = t;
        d.font = f;
        d.hogerjusterad = hoger;
        sida->delar.push_back(d);
    };
    auto rekt = [&](double x, double yy, double b, double h, unsigned farg) {
        Layoutdel d;
        d.slag = Layoutdel::Slag::Rektangel;
        d.x = Rapportlayout::kVanster + x;
        d.y = yy;
        d.b = b;
        d.h = h;
        d.farg = farg;
        sida->delar.push_back(d);
    };
    const Layoutfont fet{QStringLiteral("Courier New"), 16, true};
    const Layoutfont vanlig{};

    std::size_t cirkel = 0;
    auto fot = [&](const QString& titel) {
        if (!val.tartor) return;
        if (y + kFotband > nedre) nySida(static_cast<int>(L.grupper.size()) - 1);
        // Each group gets the entry its own block wrote; none gives an empty pie.
        std::vector<std::pair<QString, float>> verklig;
        std::vector<unsigned> vf;
        for (std::size_t c = cirkel; c < r.Cirkeldata.size(); ++c) {
            if (r.Cirkeldata[c].grupp != titel) continue;
            const float* a = r.Cirkeldata[c].andel;
            if (a[0] + a[1] + a[2] + a[3] > 10) {
                verklig = {{QStringLiteral("Prot"), a[0]},
                           {QStringLiteral("Fett"), a[1]},
                           {QStringLiteral("Kolh"), a[2]}};
                vf = {0x008000, 0xFF0000, 0x0000FF};
                if (a[3] > 1) {
                    verklig.push_back({QStringLiteral("Alko"), a[3]});
                    vf.push_back(0xFFFF00);
                }
            }
            cirkel = c + 1;
            break;
        }
        Layoutdel v;
        v.slag = Layoutdel::Slag::Tarta;
        v.x = Rapportlayout::kVanster + 1.058;
        v.y = y + 5.292;
        v.b = 77.523;
        v.h = 45.244;
        v.rubrik = QStringLiteral("Energifördelning, VERKLIG");
        v.bitar = verklig;
        v.bitfarger = vf;
        sida->delar.push_back(v);
        Layoutdel id = v;
        id.x = Rapportlayout::kVanster + 88.371;
        id.rubrik = QStringLiteral("Energifördelning, IDEAL");
        id.bitar = {{QStringLiteral("Prot"), val.ideal[0]},
                    {QStringLiteral("Fett"), val.ideal[1]},
                    {QStringLiteral("Kolh"), val.ideal[2]}};
        id.bitfarger = {0x008000, 0xFF0000, 0x0000FF};
        sida->delar.push_back(id);
        y += kFotband;
    };

    QString aktuell;
    bool forsta = true;
    for (std::size_t i = 0; i < r.Rapportrader.size(); ++i) {
        const QString linje = i == 0 ? QString() : r.Rapportrader[i].del1;
        QString titel = i == 0 ? QString() : r.Rapportrader[i].del2;
        if (titel.isEmpty()) titel = r.ForstaRubrik; // record 0 joins the first group
        if (forsta || titel != aktuell) {
            if (!forsta) fot(aktuell);
            forsta = false;
            aktuell = titel;
            L.grupper.push_back({titel, static_cast<int>(L.sidor.size()), 0});
            nySida(static_cast<int>(L.grupper.size()) - 1);
            text(2.381, y + 8.996, titel, fet);
            if (!val.rubrik.isEmpty()) text(141.817, y + 2.381, val.rubrik, vanlig, true, 11.377);
            text(160.338, y + 2.381, val.datum, vanlig);
            y += kRubrikband;
        }
        if (y + kRad > nedre) nySida(static_cast<int>(L.grupper.size()) - 1);
        ++L.grupper.back().rader;
        L.rader.emplace_back(linje, static_cast<int>(L.sidor.size()) - 1);
        Stapeldelar s;
        if (TolkaStapelrad(linje, s)) {
            text(PxTillMm(8), y, s.etikett, vanlig);
            text(PxTillMm(510), y, s.procent, vanlig);
            text(PxTillMm(600), y, s.krav, vanlig);
            if (s.stapelPx > 0)
                rekt(PxTillMm(140), y + 1.323, PxTillMm(s.stapelPx), 1.588, 0x0000FF);
            rekt(PxTillMm(240), y, 0.4, 4.233, 0x000000);
            rekt(PxTillMm(340), y, 0.4, 4.763, 0x000000);
            rekt(PxTillMm(440), y, 0.4, 3.969, 0x000000);
        } else if (!linje.isEmpty()) {
            text(2.117, y, linje, vanlig);
        }
        y += kRad;
    }
    if (!forsta) fot(aktuell);
    return L;
}
