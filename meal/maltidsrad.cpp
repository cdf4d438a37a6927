#include "meal/maltidsrad.h"

#include "app/text.h"

QString kortTextTillQString(const char* data, int n) {
    return FranAnsi(QByteArray(data, n));
}

int qstringTillKortText(const QString& s, char* data, int max) {
    const QByteArray b = TillAnsi(s.left(max));
    const int n = static_cast<int>(b.size() > max ? max : b.size());
    if (n) std::memcpy(data, b.constData(), static_cast<std::size_t>(n));
    return n;
}

void Maltidsrad::tomma() {
    kod.satt(QStringLiteral("0"));
    livsmedel.langd = 0;
    enhet.langd = 0;
    portionsstorlek = 0;
    gram = 0;
    kgpris = 0;
    for (float& v : naring) v = 0;
}

void Maltidsrad::normalisera() {
    kod.klipp();
    livsmedel.klipp();
    enhet.klipp();
    Enhet1.klipp();
    Enhet2.klipp();
    Enhet3.klipp();
    Enhet4.klipp();
    tagg.klipp();
}
