#include "food/xlsx.h"

#include <QBuffer>
#include <QFile>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

// Limits that keep a damaged or hostile file from exhausting memory.
constexpr qint64 kMaxDel = 256LL * 1024 * 1024;
constexpr int kMaxKolumner = 1024;
constexpr int kMaxRader = 200000;

bool lasDel(QuaZip& zip, const QString& namn, QByteArray& ut) {
    if (!zip.setCurrentFile(namn, QuaZip::csInsensitive)) return false;
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) return false;
    ut.clear();
    char buf[65536];
    for (;;) {
        const qint64 n = f.read(buf, sizeof buf);
        if (n < 0) return false;
        if (n == 0) break;
        if (ut.size() + n > kMaxDel) return false;
        ut.append(buf, n);
    }
    f.close();
    return f.getZipError() == 0;
}

// Text of a string item (<si> or <is>): plain <t> or rich-text runs, without
// phonetic hints.
QString lasStrangpost(QXmlStreamReader& x) {
    const QString slut = x.name().toString();
    QString text;
    int fonetik = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("rPh"))
                ++fonetik;
            else if (x.name() == QLatin1String("t") && fonetik == 0)
                text += x.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (x.isEndElement()) {
            if (x.name() == QLatin1String("rPh"))
                --fonetik;
            else if (x.name() == slut)
                break;
        }
    }
    return text;
}

// "AB12" -> column 27 (0-based); -1 when there are no letters.
int kolumnAvRef(QStringView ref) {
    int k = 0;
    int antal = 0;
    for (QChar c : ref) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z') break;
        k = k * 26 + (u - u'A' + 1);
        if (++antal > 3) return -1;
    }
    return antal ? k - 1 : -1;
}

int radAvRef(QStringView ref) {
    qsizetype i = 0;
    while (i < ref.size() && ref[i].isLetter()) ++i;
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    return ok ? r : -1;
}

QString malAvRelation(const QByteArray& rels, const QString& id) {
    QXmlStreamReader x(rels);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("Relationship") &&
            x.attributes().value(QLatin1String("Id")) == id)
            return x.attributes().value(QLatin1String("Target")).toString();
    }
    return {};
}

QString las(QuaZip& zip, XlsxBlad& blad) {
    const QString ejExport = QStringLiteral("Filen är inte en Excel-arbetsbok (.xlsx).");
    if (!zip.open(QuaZip::mdUnzip)) return ejExport;
    QByteArray arbetsbok;
    if (!lasDel(zip, QStringLiteral("xl/workbook.xml"), arbetsbok)) return ejExport;

    // The first sheet of the workbook and where its part lies.
    QString relId;
    {
        QXmlStreamReader x(arbetsbok);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("sheet")) {
                blad.namn = x.attributes().value(QLatin1String("name")).toString();
                for (const auto& a : x.attributes())
                    if (a.name() == QLatin1String("id")) relId = a.value().toString();
                break;
            }
        }
    }
    QString bladDel = QStringLiteral("xl/worksheets/sheet1.xml");
    QByteArray rels;
    if (!relId.isEmpty() && lasDel(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), rels)) {
        QString mal = malAvRelation(rels, relId);
        if (!mal.isEmpty()) {
            if (mal.startsWith(u'/'))
                bladDel = mal.mid(1);
            else
                bladDel = QStringLiteral("xl/") + mal;
        }
    }

    std::vector<QString> delade;
    QByteArray ss;
    if (lasDel(zip, QStringLiteral("xl/sharedStrings.xml"), ss)) {
        QXmlStreamReader x(ss);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si"))
                delade.push_back(lasStrangpost(x));
        }
    }

    QByteArray xml;
    if (!lasDel(zip, bladDel, xml)) return ejExport;
    QXmlStreamReader x(xml);
    int radIndex = -1;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement()) continue;
        if (x.name() == QLatin1String("row")) {
            const int r = radAvRef(x.attributes().value(QLatin1String("r")));
            radIndex = r >= 1 ? r - 1 : radIndex + 1;
            if (radIndex >= kMaxRader) return QStringLiteral("Kalkylbladet har för många rader.");
            if (static_cast<int>(blad.rader.size()) <= radIndex)
                blad.rader.resize(static_cast<std::size_t>(radIndex) + 1);
            continue;
        }
        if (x.name() != QLatin1String("c")) continue;
        if (radIndex < 0) radIndex = 0;
        if (blad.rader.empty()) blad.rader.resize(1);
        QStringList& rad = blad.rader[static_cast<std::size_t>(radIndex)];
        const auto attr = x.attributes();
        int kol = kolumnAvRef(attr.value(QLatin1String("r")));
        if (kol < 0) kol = static_cast<int>(rad.size());
        const QString typ = attr.value(QLatin1String("t")).toString();
        QString varde;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isEndElement() && x.name() == QLatin1String("c")) break;
            if (!x.isStartElement()) continue;
            if (x.name() == QLatin1String("v")) {
                varde = x.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (x.name() == QLatin1String("is")) {
                varde = lasStrangpost(x);
            }
        }
        if (typ == QLatin1String("s")) {
            bool ok = false;
            const long long i = varde.toLongLong(&ok);
            varde = (ok && i >= 0 && i < static_cast<long long>(delade.size()))
                        ? delade[static_cast<std::size_t>(i)]
                        : QString();
        }
        if (kol >= kMaxKolumner) continue;
        while (rad.size() <= kol) rad.append(QString());
        rad[kol] = varde;
    }
    if (x.hasError() && x.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        return QStringLiteral("Kalkylbladet i filen går inte att läsa (%1).").arg(x.errorString());
    return {};
}

} // namespace

QString LasXlsx(const QString& fil, XlsxBlad& blad) {
    blad = {};
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("Kan ej öppna filen %1.").arg(fil);
    QuaZip zip(&f);
    return las(zip, blad);
}

QString LasXlsxData(const QByteArray& data, XlsxBlad& blad) {
    blad = {};
    QBuffer b;
    b.setData(data);
    b.open(QIODevice::ReadOnly);
    QuaZip zip(&b);
    return las(zip, blad);
}
