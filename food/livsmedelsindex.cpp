#include "food/livsmedelsindex.h"

#include "app/text.h"
#include "food/schema.h"
#include "food/tabellfil.h"

#include <QCollator>
#include <QLocale>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>

bool LasLivsmedelsindex(const Tabellfil& tabell, LivsmedelsindexTabell& index) {
    index.poster.clear();
    index.grupper.clear();
    index.grupper << QStringLiteral("Bröd");
    QSet<QString> sedda{index.grupper.first()};
    if (!tabell.arOppen()) return false;
    QSqlQuery q(tabell.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT \"Kod\", \"Livsmedel\", \"Grupp1\", \"Grupp2\", "
                               "\"Enhet\", \"Portionsstorlek\" FROM %1 "
                               "ORDER BY \"Livsmedel\" COLLATE SVENSKA")
                    .arg(SqlNamn(tabell.tabell()))))
        return false;
    while (q.next()) {
        IndexPost p;
        p.kod = q.value(0).toString().left(12);
        p.livsmedel = q.value(1).toString().left(80);
        p.grupp1 = q.value(2).toString().left(30);
        p.grupp2 = q.value(3).toString().left(30);
        p.enhet = q.value(4).toString().left(8);
        const QVariant ps = q.value(5);
        p.portionsstorlek = ps.isNull() ? QString() : SystemFlyttal(ps.toDouble()).left(8);
        p.livsmedelVersal = Versaler(p.livsmedel);
        p.grupp1Versal = Versaler(p.grupp1);
        p.grupp2Versal = Versaler(p.grupp2);
        if (!sedda.contains(p.grupp1)) {
            sedda.insert(p.grupp1);
            index.grupper << p.grupp1;
        }
        index.poster.push_back(std::move(p));
    }
    return true;
}

QString Versaler(const QString& s) {
    return QLocale().toUpper(s);
}

QStringList SorteradeGrupper(const QStringList& grupper) {
    QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList ut = grupper;
    std::stable_sort(ut.begin(), ut.end(),
                     [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    return ut;
}
