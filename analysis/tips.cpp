#include "analysis/tips.h"

#include "app/text.h"
#include "app/tillstand.h"

const char* const kTipsRubriker[32] = {
    "Energi mkt låg", "Energi låg",     "Energi bra",    "Energi hög",    "Protein mkt lågt",
    "Protein lågt",   "Protein bra",    "Protein högt",  "Fett mkt lågt", "Fett lågt",
    "Fett bra",       "Fett högt",      "Kolh mkt lågt", "Kolh lågt",     "Kolh bra",
    "Kolh högt",      "Fiber mkt lågt", "Fiber lågt",    "Fiber bra",     "Fiber högt",
    "C mkt lågt",     "C lågt",         "C bra",         "C högt",        "Järn mkt lågt",
    "Järn lågt",      "Järn bra",       "Järn högt",     "Kalc mkt lågt", "Kalc lågt",
    "Kalc bra",       "Kalc högt"};

QString Tipsnyckel(int k) {
    return QStringLiteral("M%1 ").arg(k);
}

QStringList TolkaTipsTexter(const QByteArray& innehall) {
    QList<QByteArray> r = innehall.split('\n');
    if (!r.isEmpty() && r.last().isEmpty()) r.removeLast();
    QStringList ut;
    for (QByteArray& rad : r) {
        if (rad.endsWith('\r')) rad.chop(1);
        ut << FranAnsi(rad);
    }
    return ut;
}

QByteArray SkrivTipsTexter(const QStringList& tips) {
    QByteArray ut;
    for (const QString& r : tips) ut += TillAnsi(r) + "\r\n";
    return ut;
}

QStringList TipsText(const QStringList& tips, int k) {
    const QString nyckel = Tipsnyckel(k);
    QStringList ut;
    for (const QString& r : tips)
        if (r.startsWith(nyckel)) ut << r.mid(nyckel.size());
    return ut;
}

QStringList TipsFranMemon(const std::array<QStringList, 32>& memon) {
    QStringList ut;
    for (int k = 1; k <= 32; ++k)
        for (const QString& r : memon[static_cast<std::size_t>(k - 1)]) {
            if (r.isEmpty()) break;
            ut << Tipsnyckel(k) + r;
        }
    return ut;
}

int TipsNiva(double q) {
    if (q < 25) return 0;
    if (q < 85) return 1;
    if (q < 115) return 2;
    return 3;
}

QStringList GodaRad(const Tillstand& t, const QStringList& tips) {
    QStringList ut{
        QStringLiteral("OBS! TIPSEN FÖRUTSÄTTER ATT DU ANGETT ALLT DU ÄTIT UNDER DAGEN."),
        QString()};
    const int d = t.AktuellDag;
    const struct {
        int slot;
        const char* oppning;
        const char* enhet;
    } naring[8] = {{16, "kcal (", "kcal"},   {19, "Protein (", "g"}, {20, "Fett (", "g"},
                   {21, "Kolhydrat (", "g"}, {48, "Fiber (", "g"},   {28, "C-vitamin (", "mg"},
                   {36, "Järn (", "mg"},     {34, "Kalcium (", "mg"}};
    for (int i = 0; i < 8; ++i) {
        const int p = naring[i].slot - 15;
        const double a = t.R.DagSumma[d][p];
        const double q = t.R.DagProcent[d][p];
        const QString rad =
            i == 0 ? QStringLiteral("kcal (") + Tal(a, 0, 0) + QStringLiteral(" kcal = ") +
                         Tal(q, 0, 0) + QStringLiteral("% av dagsbehovet)")
                   : QString::fromUtf8(naring[i].oppning) + Tal(a, 0, 0) + u' ' +
                         QString::fromUtf8(naring[i].enhet) + QStringLiteral(" = ") + Tal(q, 0, 0) +
                         QStringLiteral("% av dagsbehovet)");
        // Energy is judged by kJ although it is shown in kcal.
        const double bedomd = i == 0 ? t.R.DagProcent[d][0] : q;
        const int k = i * 4 + TipsNiva(bedomd) + 1;
        ut << rad;
        ut << TipsText(tips, k);
        ut << QString();
    }
    return ut;
}
