#include "person/normtabell.h"

#include "food/schema.h"
#include "food/tabellfil.h"
#include "food/tabellskrivare.h"

#include <QStringList>

QString TolkaNormCsv(const QString& text, std::vector<std::vector<QVariant>>& rader) {
    rader.clear();
    const auto& falt = NormFalt();
    QStringList linjer = text.split(u'\n');
    if (linjer.isEmpty()) return QStringLiteral("Tom fil.");
    std::vector<int> position; // column -> field position
    const QStringList rubriker = linjer.takeFirst().trimmed().split(u';');
    for (const QString& r : rubriker) {
        int p = -1;
        for (std::size_t i = 0; i < falt.size(); ++i)
            if (r.trimmed().compare(QString::fromUtf8(falt[i].namn), Qt::CaseInsensitive) == 0)
                p = static_cast<int>(i);
        if (p < 0) return QStringLiteral("Okänd kolumn: %1").arg(r);
        position.push_back(p);
    }
    int radnr = 1;
    for (QString l : linjer) {
        ++radnr;
        l = l.trimmed();
        if (l.isEmpty()) continue;
        const QStringList celler = l.split(u';');
        if (celler.size() != rubriker.size())
            return QStringLiteral("Rad %1: %2 kolumner väntades.").arg(radnr).arg(rubriker.size());
        std::vector<QVariant> rad(falt.size());
        for (int k = 0; k < celler.size(); ++k) {
            const Faltdef& f =
                falt[static_cast<std::size_t>(position[static_cast<std::size_t>(k)])];
            const QString c = celler[k].trimmed();
            QVariant v;
            bool ok = true;
            if (f.typ == Falttyp::Text)
                v = c.left(f.storlek);
            else if (f.typ == Falttyp::Heltal)
                v = c.toInt(&ok);
            else if (!c.isEmpty())
                v = c.toDouble(&ok);
            if (!ok) return QStringLiteral("Rad %1: %2 är inget tal.").arg(radnr).arg(c);
            rad[static_cast<std::size_t>(position[static_cast<std::size_t>(k)])] = v;
        }
        rader.push_back(std::move(rad));
    }
    return {};
}

QString SkrivNormtabell(const QString& katalog, const std::vector<std::vector<QVariant>>& rader) {
    return SkrivTabell(Tabellfil::filnamn(katalog, QStringLiteral("normer")),
                       QStringLiteral("normer"), NormFalt(), false, rader);
}
