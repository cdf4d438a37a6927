#include "analysis/topplista.h"

#include "app/text.h"
#include "food/nvkatalog.h"
#include "food/schema.h"
#include "food/tabellfil.h"

#include <QCollator>
#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

int ToppSlot(int post) {
    return post <= 1 ? 15 + post : post + 17;
}

QStringList Topplista(const Tabellfil& tabell, int slot, bool per100, const NvPost& naring) {
    QStringList rader;
    if (!tabell.arOppen() || slot < 15 || slot > 65) return rader;
    QSqlQuery q(tabell.db());
    q.setForwardOnly(true);
    // Read now, so that edits in the food table window show at once. The
    // nutrient is taken by position: slot s is the table's s-th field.
    if (!q.exec(QStringLiteral("SELECT * FROM %1").arg(SqlNamn(tabell.tabell())))) return rader;
    const QSqlRecord r = q.record();
    const int iNamn = r.indexOf(QStringLiteral("Livsmedel"));
    const int iPortion = r.indexOf(QStringLiteral("Portionsstorlek"));
    if (iNamn < 0 || iPortion < 0 || slot - 1 >= r.count()) return rader;
    while (q.next()) {
        const QString namn = q.value(iNamn).toString();
        if (namn == QLatin1String("RESERV")) continue;
        const QVariant vv = q.value(slot - 1);
        const float v = vv.isNull() ? 0.0f : static_cast<float>(vv.toDouble());
        if (!(v > 0.011f)) continue;
        const QVariant pv = q.value(iPortion);
        float p = pv.isNull() ? 0.0f : static_cast<float>(pv.toDouble());
        if (p < 0.5f) p = 0;
        const double d = static_cast<double>(v) * p / 100;
        if (per100) {
            rader << Tal(v, 10, 2) + u' ' + naring.nvEnhet + u' ' + namn;
        } else if (p > 0.1f) {
            rader << Tal(d, 10, 2) + u' ' + naring.nvEnhet + u' ' + namn + QStringLiteral(" (") +
                         Tal(p, 0, 0) + QStringLiteral(" g)");
        }
    }
    // Sorted as text, case-insensitively in Swedish order, then reversed:
    // the amount stands first, right-aligned, so the largest comes first.
    QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setIgnorePunctuation(false);
    std::vector<std::pair<QCollatorSortKey, qsizetype>> nycklar;
    nycklar.reserve(static_cast<std::size_t>(rader.size()));
    for (qsizetype i = 0; i < rader.size(); ++i) nycklar.emplace_back(c.sortKey(rader[i]), i);
    std::stable_sort(nycklar.begin(), nycklar.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList ut;
    ut.reserve(rader.size());
    for (auto it = nycklar.rbegin(); it != nycklar.rend(); ++it) ut << rader[it->second];
    return ut;
}
