#include "person/norm.h"

#include "app/text.h"

#include <QSqlRecord>
#include <QVariant>

void LasNormRad(const QSqlRecord& post, float norm[51]) {
    for (int p = 0; p < 51; ++p) {
        const QVariant v = post.value(14 + p);
        bool ok = false;
        const double d = v.isNull() ? 0.0 : v.toDouble(&ok);
        norm[p] = ok ? static_cast<float>(d) : 0.0f;
    }
}

QString NormTextStart(const QString& namn) {
    return QStringLiteral("Norm: ") + namn.left(80);
}

QString NormTextRad(const QString& namn, float kJ, float kcal) {
    return QStringLiteral("Norm: %1  %2 kJ/dag (%3 kcal/dag)")
        .arg(namn.left(80))
        .arg(AvrundaHeltal(kJ))
        .arg(AvrundaHeltal(kcal));
}

#include "food/tabellfil.h"

#include <QSqlQuery>
#include <QSqlRecord>

bool LasNormradNr(const Tabellfil& tabell, int nr, float norm[51]) {
    if (!tabell.arOppen()) return false;
    QSqlQuery q(tabell.db());
    q.prepare(QStringLiteral("SELECT * FROM normer WHERE \"Nr\" = ?"));
    q.addBindValue(nr);
    if (!q.exec() || !q.next()) return false;
    LasNormRad(q.record(), norm);
    return true;
}
