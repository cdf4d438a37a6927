#include "app/uppstart.h"

#include "app/text.h"
#include "app/tillstand.h"

#include <QFile>
#include <QSaveFile>

bool LasHelaFilen(const QString& fil, QByteArray& innehall) {
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return false;
    innehall = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool SkrivFilSakert(const QString& fil, const QByteArray& innehall) {
    QSaveFile f(fil);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(innehall) != innehall.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

void LasInitdir(const QString& fil, QString& dialogkatalog, QString& databaskatalog) {
    QByteArray innehall;
    if (!LasHelaFilen(fil, innehall)) return;
    const QList<QByteArray> r = DelaRader(innehall);
    if (r.isEmpty()) {
        // Reading past the end of an empty file gives empty text for both.
        dialogkatalog.clear();
        databaskatalog.clear();
        return;
    }
    dialogkatalog = FranAnsi(r.at(0));
    databaskatalog = r.size() > 1 ? FranAnsi(r.at(1)) : QString();
}

QString VersalerAZ(const QString& s) {
    QString ut = s;
    for (QChar& c : ut) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return ut;
}

QString TolkaLosenord(const QByteArray& innehall) {
    QByteArray forsta = innehall;
    const qsizetype nl = forsta.indexOf('\n');
    if (nl >= 0) forsta.truncate(nl);
    if (forsta.endsWith('\r')) forsta.chop(1);
    const QString rad = FranAnsi(forsta);
    if (rad.size() < 2) return QString::fromLatin1(kStandardLosenord);
    return VersalerAZ(rad);
}
