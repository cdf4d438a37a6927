#include "food/import.h"

#include "food/schema.h"
#include "food/tabellfil.h"
#include "food/tabellskrivare.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace {

// The column title of each slot, without its last bracketed unit; energy keeps
// its unit, which is what tells kJ from kcal.
const QHash<QString, int>& slotkarta() {
    static const QHash<QString, int> k = [] {
        QHash<QString, int> h;
        const struct {
            int slot;
            const char* rubrik;
        } par[] = {
            {15, "Energi (kJ)"},
            {16, "Energi (kcal)"},
            {17, "Vatten"},
            {18, "Aska"},
            {19, "Protein"},
            {20, "Fett, totalt"},
            {21, "Kolhydrater, tillgängliga"},
            {22, "Retinol"},
            {23, "Betakaroten/β-Karoten"},
            {24, "Vitamin A"},
            {25, "Vitamin D"},
            {26, "Vitamin E"},
            {27, "Tiamin"},
            {28, "Vitamin C"},
            {29, "Riboflavin"},
            {30, "Niacin"},
            {31, "Niacinekvivalenter"},
            {32, "Vitamin B6"},
            {33, "Vitamin B12"},
            {34, "Kalcium, Ca"},
            {35, "Fosfor, P"},
            {36, "Järn, Fe"},
            {37, "Magnesium, Mg"},
            {38, "Natrium, Na"},
            {39, "Kalium, K"},
            {40, "Zink, Zn"},
            {41, "Summa mättade fettsyror"},
            {42, "Summa enkelomättade fettsyror"},
            {43, "Summa fleromättade fettsyror"},
            {44, "Kolesterol"},
            {45, "Monosackarider"},
            {46, "Disackarider"},
            {48, "Fibrer"},
            {49, "Alkohol"},
            {50, "Fettsyra 4:0-10:0"},
            {51, "Laurinsyra C12:0"},
            {52, "Myristinsyra C14:0"},
            {53, "Palmitinsyra C16:0"},
            {54, "Stearinsyra C18:0"},
            {55, "Arakidinsyra C20:0"},
            {56, "Palmitoljesyra C16:1"},
            {57, "Oljesyra C18:1"},
            {58, "Linolsyra C18:2"},
            {59, "Linolensyra C18:3"},
            {60, "Arakidonsyra C20:4"},
            {61, "EPA (C20:5)"},
            {62, "DPA (C22:5)"},
            {63, "DHA (C22:6)"},
            {64, "Folat, totalt"},
            {64, "Folat"},
            {65, "Selen, Se"},
            {-1, "Avfall (skal etc.)"},
        };
        for (const auto& p : par) h.insert(QString::fromUtf8(p.rubrik), p.slot);
        return h;
    }();
    return k;
}

QString utanEnhet(const QString& rubrik) {
    static const QRegularExpression sistaParentes(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString s = rubrik.trimmed();
    if (s.startsWith(QLatin1String("Energi ("))) return s;
    s.remove(sistaParentes);
    return s.trimmed();
}

QVariant talEllerNull(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    bool ok = false;
    const double d = t.toDouble(&ok); // the export writes "." decimals
    if (!ok || !std::isfinite(d)) return {};
    return d;
}

QString kgprisText(double kr) {
    return QString::number(kr, 'f', 2).replace(u'.', u',');
}

} // namespace

int SlotForKolumn(const QString& rubrik) {
    return slotkarta().value(utanEnhet(rubrik), 0);
}

ImportResultat TolkaExport(const XlsxBlad& blad, const Importregler& regler,
                           std::vector<std::vector<QVariant>>& rader) {
    ImportResultat res;
    rader.clear();
    const QString ejExport =
        QStringLiteral("Filen är ingen export från Livsmedelsverkets livsmedelsdatabas: ");
    // The title row: the first row within the first twenty that names the
    // food number column.
    int rubrikrad = -1;
    bool harNamn = false;
    for (int r = 0; r < static_cast<int>(blad.rader.size()) && r < 20; ++r) {
        const QStringList& rad = blad.rader[static_cast<std::size_t>(r)];
        for (const QString& c : rad) {
            if (c.trimmed() == QLatin1String("Livsmedelsnummer")) rubrikrad = r;
            if (c.trimmed() == QLatin1String("Livsmedelsnamn")) harNamn = true;
        }
        if (rubrikrad >= 0) break;
    }
    if (rubrikrad < 0) {
        res.fel = ejExport + (harNamn ? QStringLiteral("kolumnen Livsmedelsnummer saknas.")
                                      : QStringLiteral("raden med kolumnrubriker saknas."));
        return res;
    }
    static const QRegularExpression datum(QStringLiteral("(\\d{4}-\\d{2}-\\d{2})"));
    for (int r = 0; r < rubrikrad && res.utgava.isEmpty(); ++r)
        for (const QString& c : blad.rader[static_cast<std::size_t>(r)]) {
            const auto m = datum.match(c);
            if (m.hasMatch()) {
                res.utgava = m.captured(1);
                break;
            }
        }

    const QStringList& rubriker = blad.rader[static_cast<std::size_t>(rubrikrad)];
    int kolKod = -1, kolNamn = -1, kolGrupp = -1, kolAvfall = -1;
    std::vector<std::pair<int, int>> naringKol; // column, slot
    for (int k = 0; k < rubriker.size(); ++k) {
        const QString t = rubriker[k].trimmed();
        if (t == QLatin1String("Livsmedelsnummer"))
            kolKod = k;
        else if (t == QLatin1String("Livsmedelsnamn"))
            kolNamn = k;
        else if (t == QLatin1String("Gruppering"))
            kolGrupp = k;
        else {
            const int s = SlotForKolumn(t);
            if (s == -1)
                kolAvfall = k;
            else if (s >= 15)
                naringKol.emplace_back(k, s);
        }
    }
    if (kolNamn < 0) {
        res.fel = ejExport + QStringLiteral("kolumnen Livsmedelsnamn saknas.");
        return res;
    }

    const std::size_t antalFalt = LivsmedelsFalt().size();
    auto cell = [](const QStringList& rad, int k) {
        return k >= 0 && k < rad.size() ? rad[k] : QString();
    };
    long long hogstaKod = 0;
    QHash<QString, bool> sedda;
    for (std::size_t r = static_cast<std::size_t>(rubrikrad) + 1; r < blad.rader.size(); ++r) {
        const QStringList& rad = blad.rader[r];
        QString kod = cell(rad, kolKod).trimmed();
        if (kod.endsWith(QLatin1String(".0"))) kod.chop(2);
        if (kod.isEmpty() || sedda.contains(kod)) continue; // the primary key must stay unique
        sedda.insert(kod, true);
        bool ok = false;
        const long long n = kod.toLongLong(&ok);
        if (ok && n > hogstaKod) hogstaKod = n;
        const QString namn = cell(rad, kolNamn).trimmed();
        const QString grupp = cell(rad, kolGrupp).trimmed();

        std::vector<QVariant> f(antalFalt);
        f[0] = kod.left(12);
        f[1] = namn.left(100);
        f[4] = grupp.left(30);
        f[7] = res.utgava;
        f[13] = talEllerNull(cell(rad, kolAvfall));
        for (const auto& [k, s] : naringKol)
            f[static_cast<std::size_t>(s - 1)] = talEllerNull(cell(rad, k));

        if (const Regel* b = regler.bildgrupper.hitta(grupp, namn); b && !b->varden.isEmpty())
            f[5] = b->varden.first().left(30);
        else
            f[5] = QStringLiteral("Övrigt");
        f[3] = QStringLiteral("port");
        f[2] = 100.0;
        if (const Regel* e = regler.enheter.hitta(grupp, namn)) {
            for (int i = 0; i < e->varden.size() && i < 5; ++i) {
                const QString& v = e->varden[i];
                const qsizetype lika = v.indexOf(u'=');
                if (lika <= 0) continue;
                const QString enhet = v.left(lika).trimmed();
                const double gram = v.mid(lika + 1).trimmed().toDouble(&ok);
                if (!ok || gram <= 0) continue;
                if (i == 0) {
                    f[3] = enhet.left(10);
                    f[2] = gram;
                } else {
                    f[65 + 2 * static_cast<std::size_t>(i - 1)] = gram;
                    f[66 + 2 * static_cast<std::size_t>(i - 1)] = enhet.left(16);
                }
            }
        }
        if (const Regel* p = regler.priser.hitta(grupp, namn); p && !p->varden.isEmpty()) {
            QString t = p->varden.first();
            const double kr = t.replace(u',', u'.').toDouble(&ok);
            if (ok) f[6] = kgprisText(kr);
        }
        rader.push_back(std::move(f));
    }
    res.livsmedel = static_cast<int>(rader.size());
    // Empty places at the end of the table where the user can type new foods.
    for (int i = 1; i <= 50; ++i) {
        std::vector<QVariant> f(antalFalt);
        f[0] = QString::number(hogstaKod + i);
        f[1] = QStringLiteral("RESERV");
        f[2] = 100.0;
        f[3] = QStringLiteral("port");
        f[7] = res.utgava;
        rader.push_back(std::move(f));
    }
    return res;
}

ImportResultat ImporteraLivsmedelsdatabas(const QString& xlsx, const QString& katalog,
                                          const QString& tabell, const Importregler& regler) {
    ImportResultat res;
    XlsxBlad blad;
    res.fel = LasXlsx(xlsx, blad);
    if (!res.fel.isEmpty()) return res;
    std::vector<std::vector<QVariant>> rader;
    res = TolkaExport(blad, regler, rader);
    if (!res.fel.isEmpty()) return res;
    res.fel =
        SkrivTabell(Tabellfil::filnamn(katalog, tabell), tabell, LivsmedelsFalt(), true, rader);
    return res;
}
