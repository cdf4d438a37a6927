#include "person/installningar.h"

#include "app/text.h"

QStringList StandardInstallningar() {
    return {QStringLiteral("25"), QStringLiteral("30"),   QStringLiteral("30"),
            QStringLiteral("15"), QStringLiteral("15"),   QStringLiteral("30"),
            QStringLiteral("55"), QStringLiteral("12.5"), QStringLiteral("7.5"),
            QStringLiteral("10")};
}

QStringList TolkaParafil(const QByteArray& innehall) {
    QList<QByteArray> rader = innehall.split('\n');
    if (!rader.isEmpty() && rader.last().isEmpty()) rader.removeLast();
    QStringList ut;
    for (int i = 0; i < 10; ++i) {
        QByteArray r = i < rader.size() ? rader[i] : QByteArray();
        if (r.endsWith('\r')) r.chop(1);
        ut << FranAnsi(r);
    }
    return ut;
}

QByteArray SkrivParafil(const QStringList& celler) {
    QByteArray ut;
    for (int i = 0; i < 10; ++i) ut += TillAnsi(celler.value(i)) + "\r\n";
    return ut;
}

void TillampaInstallningar(const QStringList& celler, float maltidsandel[4], float ideal[6]) {
    for (int i = 0; i < 4; ++i)
        maltidsandel[i] =
            static_cast<float>(static_cast<double>(TextTillTal(celler.value(i))) / 100.0);
    for (int i = 0; i < 6; ++i) ideal[i] = TextTillTal(celler.value(4 + i));
}

bool PrisLasFranFil(const QByteArray& innehall) {
    QByteArray forsta = innehall;
    const qsizetype nl = forsta.indexOf('\n');
    if (nl >= 0) forsta.truncate(nl);
    if (forsta.endsWith('\r')) forsta.chop(1);
    return forsta == "password=ja";
}
