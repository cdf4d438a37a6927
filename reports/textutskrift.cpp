#include "reports/textutskrift.h"

#include "app/dialoger.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

QFont FastBreddFont(int pixlar) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (!QFontInfo(f).fixedPitch()) f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(pixlar);
    return f;
}

std::vector<Utskriftsrad> SkrivTextrader(QPrinter& skrivare, const QFont& font,
                                         const QStringList& rader) {
    std::vector<Utskriftsrad> ut;
    QPainter p;
    if (!p.begin(&skrivare)) return ut;
    // A font sized in screen pixels prints at the same size in points, as the
    // preview showed it (96 pixels to the inch).
    QFont f = font;
    if (f.pixelSize() > 0) f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
    p.setFont(f);
    const QFontMetrics fm(f, p.device());
    const int h = fm.height();
    const int H = p.viewport().height();
    int k = 0;
    int sida = 0;
    bool byt = false; // a page break is due before the next drawn line
    for (const QString& rad : rader) {
        if (rad == QLatin1String("\v")) continue;
        if (rad == QLatin1String("\f")) {
            skrivare.newPage();
            ++sida;
            k = 0;
            byt = false;
            continue;
        }
        if (byt) {
            // Only now, so that a full last page is not followed by a blank one.
            skrivare.newPage();
            ++sida;
            k = 0;
            byt = false;
        }
        const int y = k * h;
        p.drawText(200, y + fm.ascent(), rad);
        ut.push_back({sida, y, rad});
        ++k;
        if ((k + 1) * h > H) byt = true;
    }
    p.end();
    return ut;
}

bool SkrivUtText(const QStringList& rader, QWidget* forald) {
    QPrinter skrivare(QPrinter::HighResolution);
    if (!Dialoger::Skrivardialog(skrivare, forald)) return false;
    QFont font = FastBreddFont(13);
    if (!Dialoger::Teckensnittsdialog(font, forald)) return false;
    SkrivTextrader(skrivare, font, rader);
    return true;
}
