#include "files/berakningsfil.h"

#include "app/text.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"

#include <QFileInfo>

#include <cstring>

QString BytFiltillagg(const QString& fil, const QString& tillagg) {
    const QFileInfo fi(fil);
    const QString suffix = fi.suffix();
    if (suffix.isEmpty() || fi.fileName() == u'.' + suffix) {
        QString bas = fil;
        if (bas.endsWith(u'.')) bas.chop(1);
        return bas + tillagg;
    }
    return fil.left(fil.size() - suffix.size() - 1) + tillagg;
}

QByteArray SkrivVaxo(const Tillstand& t, const QString& datum) {
    QByteArray ut = "100\r\n" + TillAnsi(datum) + "\r\nflera maltider\r\n";
    for (int i = 0; i < 9; ++i) ut += "reserv\r\n";
    for (int d = 0; d < kDagar; ++d)
        for (int m = 0; m < kMaltider; ++m) {
            for (int r = 0; r < kRader; ++r) {
                const Maltidsrad& rad = t.Berakning[d][m][r];
                if (rad.tom() || r == 0) continue;
                QByteArray mangd = QByteArray::number(AvrundaHeltal(rad.gram)) + '/' +
                                   QByteArray::number(AvrundaHeltal(rad.portionsstorlek)) + '@' +
                                   QByteArray(rad.enhet.tecken, rad.enhet.antal());
                if (rad.tagg.antal() > 0)
                    mangd += '&' + QByteArray(rad.tagg.tecken, rad.tagg.antal());
                ut += QByteArray(rad.kod.tecken, rad.kod.antal()) + "\r\n" + mangd + "\r\n";
            }
            ut += '*' + QByteArray::number(d) + '/' + QByteArray::number(m) + "\r\n";
        }
    return ut;
}

VaxoRad DelaMangdrad(const QString& kod, const QString& rad) {
    VaxoRad v;
    v.kod = kod;
    const qsizetype snedstreck = rad.indexOf(u'/');
    if (snedstreck < 0) {
        v.gram = rad;
        return v;
    }
    v.gram = rad.left(snedstreck);
    const qsizetype snabel = rad.indexOf(u'@');
    // Without "@" the rest after "/" is the portion, as the text up to the
    // end of the line stands between the two marks.
    if (snabel < 0) {
        v.portion = rad.mid(snedstreck + 1);
        return v;
    }
    v.portion = snabel > snedstreck ? rad.mid(snedstreck + 1, snabel - snedstreck - 1) : QString();
    const qsizetype och = rad.indexOf(u'&');
    if (och >= 0 && och > snabel) {
        v.enhet = rad.mid(snabel + 1, och - snabel - 1);
        v.tagg = rad.mid(och + 1);
    } else {
        v.enhet = rad.mid(snabel + 1);
    }
    return v;
}

VaxoFil TolkaVaxo(const QByteArray& innehall) {
    VaxoFil f;
    const QList<QByteArray> r = DelaRader(innehall);
    qsizetype i = 0;
    auto nasta = [&r, &i](QString& ut) {
        if (i >= r.size()) return false;
        ut = FranAnsi(r[i++]);
        return true;
    };
    QString forsta;
    nasta(forsta);
    if (forsta == QLatin1String("100")) {
        f.aktuelltFormat = true;
        nasta(f.datum);
        QString skrap;
        for (int k = 0; k < 10; ++k) nasta(skrap);
        for (int d = 0; d < kDagar; ++d)
            for (int m = 0; m < kMaltider; ++m) {
                for (;;) {
                    QString kod;
                    if (!nasta(kod)) {
                        f.helt = false;
                        return f;
                    }
                    if (kod.startsWith(u'*')) break;
                    QString mangd;
                    if (!nasta(mangd)) f.helt = false;
                    // A meal has 29 rows; rows beyond them are dropped.
                    if (f.maltider[d][m].size() < static_cast<std::size_t>(kRader - 1))
                        f.maltider[d][m].push_back(DelaMangdrad(kod, mangd));
                    if (!f.helt) return f;
                }
            }
        return f;
    }
    i = 0;
    for (int d = 0; d < kDagar; ++d)
        for (int m = 0; m < kMaltider; ++m)
            for (int rad = 0; rad < kRader; ++rad) {
                QString kod, gram;
                if (!nasta(kod)) {
                    f.helt = false;
                    return f;
                }
                nasta(gram);
                VaxoRad v;
                v.kod = kod;
                v.gram = gram;
                f.maltider[d][m].push_back(v);
            }
    return f;
}

QStringList FyllFranVaxo(Tillstand& t, const VaxoFil& fil, const Uppslag& uppslag) {
    QStringList saknas;
    for (int d = 0; d < kDagar; ++d)
        for (int m = 0; m < kMaltider; ++m) {
            const auto& rader_ = fil.maltider[d][m];
            for (std::size_t i = 0; i < rader_.size(); ++i) {
                const VaxoRad& v = rader_[i];
                const int r = fil.aktuelltFormat ? static_cast<int>(i) + 1 : static_cast<int>(i);
                // Row 0 stands for the title row and never holds a food.
                if (r < 1 || r >= kRader || v.kod == QLatin1String("0")) continue;
                const auto post = uppslag(v.kod, fil.aktuelltFormat);
                if (!post) {
                    if (!fil.aktuelltFormat)
                        saknas << QStringLiteral(
                                      "dag=%1 maltid=%2 rad=%3 Livsmedel med nr %4 finns ej.")
                                      .arg(d + 1)
                                      .arg(m + 1)
                                      .arg(r + 1)
                                      .arg(v.kod);
                    continue;
                }
                Maltidsrad& rad = t.Berakning[d][m][r];
                if (fil.aktuelltFormat) {
                    FyllRadFranLivsmedel(rad, v.kod, *post);
                    if (!v.enhet.isEmpty()) rad.enhet.satt(v.enhet);
                    if (!v.portion.isEmpty()) rad.portionsstorlek = TextTillTal(v.portion);
                    rad.tagg.satt(v.tagg);
                } else {
                    // The older files carry code and grams only; the
                    // alternative units and the tag are not set from them.
                    Maltidsrad ny = rad;
                    FyllRadFranLivsmedel(ny, v.kod, *post);
                    rad.kod = ny.kod;
                    rad.livsmedel = ny.livsmedel;
                    rad.enhet = ny.enhet;
                    rad.portionsstorlek = ny.portionsstorlek;
                    rad.kgpris = ny.kgpris;
                    std::memcpy(rad.naring, ny.naring, sizeof rad.naring);
                }
                rad.gram = TextTillTal(v.gram);
            }
        }
    return saknas;
}

QByteArray SkrivNormfil(const QString& normTyp, const QString& normText, const float norm[51]) {
    QByteArray ut;
    for (int i = 0; i < 10; ++i) ut += "reserv\r\n";
    ut += TillAnsi(normTyp) + "\r\n" + TillAnsi(normText) + "\r\n";
    for (int p = 0; p < 51; ++p) ut += Tal(norm[p], 0, 3).toLatin1() + "\r\n";
    return ut;
}

NormfilData TolkaNormfil(const QByteArray& innehall) {
    NormfilData n;
    const QList<QByteArray> r = DelaRader(innehall);
    if (r.size() > 10) n.typ = FranAnsi(r[10]);
    if (r.size() > 11) n.text = FranAnsi(r[11]).left(80);
    for (qsizetype i = 12; i < r.size() && n.antal < 51; ++i)
        n.norm[n.antal++] = TextTillTal(FranAnsi(r[i]));
    return n;
}

QByteArray SkrivRecept(const Maltidsrad* maltid) {
    QByteArray ut(reinterpret_cast<const char*>(&maltid[0]), sizeof(Maltidsrad));
    for (int r = 1; r < kRader; ++r)
        if (!maltid[r].tom())
            ut.append(reinterpret_cast<const char*>(&maltid[r]), sizeof(Maltidsrad));
    return ut;
}

bool HamtaRecept(Maltidsrad* maltid, const QByteArray& innehall) {
    int r = kRader - 1;
    for (int k = 1; k < kRader - 1; ++k)
        if (maltid[k].tom()) {
            r = k;
            break;
        }
    const qsizetype storlek = static_cast<qsizetype>(sizeof(Maltidsrad));
    const qsizetype hela = innehall.size() / storlek;
    // Record 0 is the saved meal's title row.
    for (qsizetype i = 1; i < hela && r < kRader; ++i, ++r) {
        Maltidsrad& rad = maltid[r];
        std::memcpy(&rad, innehall.constData() + i * storlek, sizeof(Maltidsrad));
        rad.normalisera();
    }
    return innehall.size() % storlek == 0 && innehall.size() >= storlek;
}
