#include "meal/matbild.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// The seven groups clockwise from fruit at the top left, each with the centre
// of its click region (in picture coordinates) and a pale sector colour.
struct Sektor {
    QPointF mitt;
    QColor farg;
};
constexpr int kAntal = 7;
const Sektor kSektorer[kAntal] = {
    {{71, 40}, QColor(0xFA, 0xD4, 0xD8)},   // fruit and berries
    {{121, 47}, QColor(0xD5, 0xF0, 0xC8)},  // vegetables
    {{167, 92}, QColor(0xF3, 0xE2, 0xC4)},  // potatoes and roots
    {{158, 147}, QColor(0xF0, 0xDC, 0xB8)}, // bread and cereals
    {{95, 163}, QColor(0xFF, 0xF4, 0xB8)},  // fats
    {{43, 148}, QColor(0xDD, 0xEB, 0xFA)},  // milk and cheese
    {{35, 92}, QColor(0xF5, 0xD0, 0xC0)},   // meat, fish, eggs
};
const QPointF kMitt(101, 99);
constexpr double kRadie = 94;

double vinkel(QPointF p) { // degrees, counter-clockwise from 3 o'clock as QPainter counts
    return std::atan2(-(p.y() - kMitt.y()), p.x() - kMitt.x()) * 180.0 / std::numbers::pi;
}

void apple(QPainter& p, QPointF c) {
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
    p.drawEllipse(c, 11, 10);
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 2));
    p.drawLine(c + QPointF(0, -9), c + QPointF(2, -15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x90, 0x30));
    p.drawEllipse(c + QPointF(6, -14), 5, 3);
    p.setBrush(QColor(0x30, 0x30, 0xA0));
    for (QPointF d : {QPointF(-16, 10), QPointF(-10, 14), QPointF(-18, 3)})
        p.drawEllipse(c + d, 3.5, 3.5);
}

void gronsaker(QPainter& p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x90, 0x30));
    p.drawRect(QRectF(c.x() - 3, c.y() - 2, 6, 14));
    p.setBrush(QColor(0x2E, 0x7D, 0x32));
    for (QPointF d :
         {QPointF(-7, -5), QPointF(0, -9), QPointF(7, -5), QPointF(-3, -1), QPointF(4, -1)})
        p.drawEllipse(c + d, 6, 6);
    p.setBrush(QColor(0xE5, 0x39, 0x35));
    p.drawEllipse(c + QPointF(15, 8), 7, 6);
}

void potatis(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0x8D, 0x6E, 0x3A), 1));
    p.setBrush(QColor(0xC8, 0xA2, 0x5A));
    p.drawEllipse(c + QPointF(-4, 2), 12, 8);
    QPainterPath morot;
    morot.moveTo(c + QPointF(6, -12));
    morot.lineTo(c + QPointF(14, -10));
    morot.lineTo(c + QPointF(24, 10));
    morot.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF5, 0x7C, 0x00));
    p.drawPath(morot);
    p.setBrush(QColor(0x38, 0x8E, 0x3C));
    p.drawEllipse(c + QPointF(9, -15), 4, 3);
}

void brod(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0x79, 0x4A, 0x1C), 1));
    p.setBrush(QColor(0xC6, 0x86, 0x42));
    p.drawRoundedRect(QRectF(c.x() - 15, c.y() - 9, 30, 18), 8, 8);
    p.setPen(QPen(QColor(0x79, 0x4A, 0x1C), 1.5));
    for (int i = -1; i <= 1; ++i) p.drawLine(c + QPointF(i * 8 - 3, -6), c + QPointF(i * 8 + 3, 4));
    p.setPen(QPen(QColor(0xB0, 0x8A, 0x30), 2));
    p.drawLine(c + QPointF(-12, 14), c + QPointF(-4, 22));
}

void matfett(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0xC0, 0xA0, 0x20), 1));
    p.setBrush(QColor(0xFF, 0xE0, 0x60));
    p.drawRect(QRectF(c.x() - 14, c.y() - 6, 20, 12));
    QPainterPath droppe;
    droppe.moveTo(c + QPointF(14, -10));
    droppe.cubicTo(c + QPointF(22, 0), c + QPointF(20, 8), c + QPointF(14, 8));
    droppe.cubicTo(c + QPointF(8, 8), c + QPointF(6, 0), c + QPointF(14, -10));
    p.setBrush(QColor(0xCD, 0xDC, 0x39));
    p.drawPath(droppe);
}

void mjolk(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0x15, 0x65, 0xC0), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 10, c.y() - 8, 12, 20));
    QPainterPath tak;
    tak.moveTo(c + QPointF(-10, -8));
    tak.lineTo(c + QPointF(-4, -15));
    tak.lineTo(c + QPointF(2, -8));
    p.setBrush(QColor(0x42, 0x85, 0xF4));
    p.drawPath(tak);
    QPainterPath ost;
    ost.moveTo(c + QPointF(4, 12));
    ost.lineTo(c + QPointF(20, 12));
    ost.lineTo(c + QPointF(20, 2));
    ost.closeSubpath();
    p.setBrush(QColor(0xFF, 0xC1, 0x07));
    p.setPen(QPen(QColor(0xC0, 0x90, 0x00), 1));
    p.drawPath(ost);
}

void kott(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0x37, 0x47, 0x4F), 1));
    p.setBrush(QColor(0x90, 0xA4, 0xAE));
    p.drawEllipse(c + QPointF(-4, -4), 11, 6);
    QPainterPath stjart;
    stjart.moveTo(c + QPointF(6, -4));
    stjart.lineTo(c + QPointF(14, -10));
    stjart.lineTo(c + QPointF(14, 2));
    stjart.closeSubpath();
    p.drawPath(stjart);
    p.setBrush(QColor(0xFF, 0xF8, 0xE1));
    p.setPen(QPen(QColor(0xA0, 0x90, 0x70), 1));
    p.drawEllipse(c + QPointF(-6, 10), 6, 7);
    p.setBrush(QColor(0xA0, 0x30, 0x30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(8, 10), 6, 5);
}

} // namespace

QPixmap RitaMatbild() {
    QPixmap bild(212, 196);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Sector borders halfway between neighbouring groups' directions.
    double v[kAntal];
    for (int i = 0; i < kAntal; ++i) v[i] = vinkel(kSektorer[i].mitt);
    const QRectF cirkel(kMitt.x() - kRadie, kMitt.y() - kRadie, 2 * kRadie, 2 * kRadie);
    for (int i = 0; i < kAntal; ++i) {
        auto mellan = [&](int a, int b) {
            double d = v[b] - v[a];
            while (d > 0) d -= 360; // clockwise: angles decrease
            while (d <= -360) d += 360;
            return v[a] + d / 2;
        };
        const double start = mellan(i, (i + 1) % kAntal);
        double slut = mellan((i + kAntal - 1) % kAntal, i);
        double span = slut - start;
        while (span <= 0) span += 360;
        while (span > 360) span -= 360;
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(kSektorer[i].farg);
        p.drawPie(cirkel, static_cast<int>(start * 16), static_cast<int>(span * 16));
    }
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(cirkel);
    p.setBrush(Qt::white);
    p.drawEllipse(kMitt, 14, 14);
    apple(p, kSektorer[0].mitt);
    gronsaker(p, kSektorer[1].mitt);
    potatis(p, kSektorer[2].mitt);
    brod(p, kSektorer[3].mitt);
    matfett(p, kSektorer[4].mitt);
    mjolk(p, kSektorer[5].mitt);
    kott(p, kSektorer[6].mitt);
    return bild;
}

Bildruta::Bildruta(const QString& grupptext, QWidget* parent)
    : QLabel(parent), m_grupptext(grupptext) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void Bildruta::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Q_EMIT klick(m_grupptext);
    QLabel::mousePressEvent(e);
}
