#include "food/importregler.h"

#include <QDir>
#include <QFile>

namespace {

QStringList ordI(const QString& namn) {
    QStringList ord;
    QString aktuellt;
    for (QChar c : namn) {
        if (c.isLetterOrNumber()) {
            aktuellt += c;
        } else if (!aktuellt.isEmpty()) {
            ord << aktuellt;
            aktuellt.clear();
        }
    }
    if (!aktuellt.isEmpty()) ord << aktuellt;
    return ord;
}

bool alternativPassar(const QString& alt, const QString& namn, const QStringList& ord) {
    if (alt.startsWith(u'^')) return namn.startsWith(alt.mid(1), Qt::CaseInsensitive);
    if (alt.startsWith(u'=')) {
        const QString w = alt.mid(1);
        for (const QString& o : ord)
            if (o.compare(w, Qt::CaseInsensitive) == 0) return true;
        return false;
    }
    return namn.contains(alt, Qt::CaseInsensitive);
}

} // namespace

bool Namnvillkor::passar(const QString& namn) const {
    const QStringList ord = ordI(namn);
    for (const Villkor& v : villkor) {
        bool nagon = false;
        for (const QString& a : v.alternativ) {
            if (alternativPassar(a, namn, ord)) {
                nagon = true;
                break;
            }
        }
        if (nagon == v.negerad) return false;
    }
    return true;
}

const Regel* Regelfil::hitta(const QString& gruppering, const QString& namn) const {
    for (const Regel& r : regler) {
        if (r.gruppering != QLatin1String("*") && r.gruppering != gruppering) continue;
        if (r.namn.passar(namn)) return &r;
    }
    return nullptr;
}

QString TolkaRegler(const QString& text, Regelfil& ut) {
    ut.regler.clear();
    const QStringList rader = text.split(u'\n');
    for (int i = 0; i < rader.size(); ++i) {
        QString rad = rader[i];
        if (rad.endsWith(u'\r')) rad.chop(1);
        if (rad.trimmed().isEmpty() || rad.trimmed().startsWith(u'#')) continue;
        const QStringList delar = rad.split(u';');
        if (delar.size() < 3)
            return QStringLiteral("Rad %1: Gruppering ; namnvillkor ; värde väntades.").arg(i + 1);
        Regel r;
        r.rad = i + 1;
        r.gruppering = delar[0].trimmed();
        const QString villkor = delar[1].trimmed();
        if (villkor != QLatin1String("*")) {
            for (QString v : villkor.split(u'&')) {
                v = v.trimmed();
                Namnvillkor::Villkor nv;
                if (v.startsWith(u'!')) {
                    nv.negerad = true;
                    v = v.mid(1);
                }
                for (const QString& a : v.split(u'|')) {
                    // Leading blanks are layout; a trailing blank can be meant
                    // ("^te " is tea, not "tetra").
                    QString alt = a;
                    while (alt.startsWith(u' ')) alt.remove(0, 1);
                    if (alt.trimmed().isEmpty())
                        return QStringLiteral("Rad %1: tomt namnvillkor.").arg(i + 1);
                    nv.alternativ << alt;
                }
                r.namn.villkor.push_back(nv);
            }
        }
        for (int k = 2; k < delar.size(); ++k) r.varden << delar[k].trimmed();
        ut.regler.push_back(r);
    }
    return {};
}

QString LasImportregler(const QString& katalog, Importregler& ut) {
    const struct {
        const char* fil;
        Regelfil* mal;
    } filer[] = {{"bildgrupper.txt", &ut.bildgrupper},
                 {"enheter.txt", &ut.enheter},
                 {"priser.txt", &ut.priser}};
    for (const auto& f : filer) {
        const QString sokvag = QDir(katalog).filePath(QString::fromLatin1(f.fil));
        QFile q(sokvag);
        if (!q.open(QIODevice::ReadOnly)) return QStringLiteral("Kan ej öppna %1.").arg(sokvag);
        const QString fel = TolkaRegler(QString::fromUtf8(q.readAll()), *f.mal);
        if (!fel.isEmpty()) return sokvag + QStringLiteral(": ") + fel;
    }
    return {};
}
