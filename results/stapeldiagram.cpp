#include "results/stapeldiagram.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetricsF>
#include <QHorizontalStackedBarSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

Stapeldiagram::Stapeldiagram(QWidget* parent) : QChartView(parent) {
    auto* c = new QChart;
    c->setTitle(QStringLiteral("Näring i % av behovet"));
    c->legend()->hide();
    c->setLocalizeNumbers(true);
    c->setMargins(QMargins(2, 2, 6, 2));
    c->setBackgroundRoundness(0);
    m_serie = new QHorizontalStackedBarSeries;
    for (int i = 0; i < kSerier; ++i) {
        m_set[i] = new QBarSet(QString::number(i + 1));
        m_set[i]->setColor(QColor(QRgb(SerieFarg(i + 1))));
        m_set[i]->setBorderColor(QColor(QRgb(SerieFarg(i + 1))).darker(130));
        m_serie->append(m_set[i]);
    }
    m_serie->setLabelsVisible(false);
    m_serie->setBarWidth(0.7);
    c->addSeries(m_serie);
    m_varden = new QValueAxis;
    m_varden->setRange(0, 200);
    m_varden->setTickCount(5);
    m_varden->setLabelFormat(QStringLiteral("%.0f"));
    m_varden->setLabelsVisible(true);
    m_varden->setGridLineVisible(true);
    m_kategorier = new QBarCategoryAxis;
    m_kategorier->setGridLineVisible(false);
    QFont f = m_kategorier->labelsFont();
    f.setFamily(QStringLiteral("Liberation Mono"));
    f.setPixelSize(10);
    m_kategorier->setLabelsFont(f);
    // The axis cuts a label to "..." as soon as a bar is lower than the text
    // and its padding, which the page size of a small window always gives.
    // Its labels therefore only reserve the width; drawForeground writes them.
    m_kategorier->setLabelsBrush(QBrush(Qt::transparent));
    c->addAxis(m_varden, Qt::AlignBottom);
    c->addAxis(m_kategorier, Qt::AlignLeft);
    m_serie->attachAxis(m_varden);
    m_serie->attachAxis(m_kategorier);
    setChart(c);
    setRenderHint(QPainter::Antialiasing, false);
}

void Stapeldiagram::setRubrik(const QString& rubrik) {
    if (chart()->title() != rubrik) chart()->setTitle(rubrik);
}

int Stapeldiagram::sidor() const {
    const int n = static_cast<int>(m_data.etiketter.size());
    if (m_perSida <= 0 || n == 0) return 1;
    return (n + m_perSida - 1) / m_perSida;
}

void Stapeldiagram::visa(const Stapeldata& data) {
    m_data = data;
    if (m_sida >= sidor()) m_sida = sidor() - 1;
    if (m_sida < 0) m_sida = 0;
    ritaSida();
}

void Stapeldiagram::setPerSida(int n) {
    m_perSida = n < 0 ? 0 : n;
    if (m_sida >= sidor()) m_sida = sidor() - 1;
    ritaSida();
}

void Stapeldiagram::forraSida() {
    if (m_perSida <= 0 || m_sida == 0) return;
    --m_sida;
    ritaSida();
}

void Stapeldiagram::nastaSida() {
    if (m_perSida <= 0 || m_sida + 1 >= sidor()) return;
    ++m_sida;
    ritaSida();
}

void Stapeldiagram::ritaSida() {
    const int n = static_cast<int>(m_data.etiketter.size());
    const int forsta = m_perSida > 0 ? m_sida * m_perSida : 0;
    const int antal = m_perSida > 0 ? m_perSida : n;
    // A short last page keeps its bars' size: empty places fill the page.
    // Categories count from the bottom, so the page is laid out backwards to
    // put the first bar at the top. Labels keep their padding with
    // non-breaking blanks, which the axis does not collapse.
    QStringList etiketter;
    for (int i = antal - 1; i >= 0; --i) {
        const int k = forsta + i;
        QString e = k < n ? m_data.etiketter[k] : QString(i + 1, QChar(0x2007));
        e.replace(u' ', QChar(0x00A0));
        etiketter << e;
    }
    if (n == 0) etiketter.clear();
    if (m_kategorier->categories() != etiketter) {
        m_kategorier->clear();
        m_kategorier->append(etiketter);
    }
    for (int s = 0; s < kSerier; ++s) {
        QBarSet* set = m_set[s];
        const int sizeNu = static_cast<int>(etiketter.size());
        if (set->count() != sizeNu) {
            QList<qreal> v;
            v.reserve(sizeNu);
            for (int i = 0; i < sizeNu; ++i) {
                const int k = forsta + (sizeNu - 1 - i);
                v << (k < n
                          ? m_data.varden[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)]
                          : 0.0);
            }
            set->remove(0, set->count());
            set->append(v);
        } else {
            for (int i = 0; i < sizeNu; ++i) {
                const int k = forsta + (sizeNu - 1 - i);
                const qreal v =
                    k < n ? m_data.varden[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)]
                          : 0.0;
                if (set->at(i) != v) set->replace(i, v);
            }
        }
    }
    viewport()->update();
}

QStringList Stapeldiagram::visadeEtiketter() const {
    QStringList ut;
    for (const Etikettplats& e : etikettplatser()) ut << e.text;
    return ut;
}

float Stapeldiagram::visatVarde(int serie, int stapel) const {
    if (serie < 1 || serie > kSerier) return 0;
    QBarSet* set = m_set[serie - 1];
    const int i = set->count() - 1 - stapel; // stapel counts from the top
    return i >= 0 && i < set->count() ? static_cast<float>(set->at(i)) : 0.0f;
}

QRectF Stapeldiagram::referenslinje() const {
    const QRectF p = chart()->plotArea();
    const qreal x = std::trunc(p.left() + p.width() * 50 / 100);
    return QRectF(x, p.top(), 0, p.height());
}

QFont Stapeldiagram::etikettFont() const {
    return m_kategorier->labelsFont();
}

std::vector<Stapeldiagram::Etikettplats> Stapeldiagram::etikettplatser() const {
    std::vector<Etikettplats> ut;
    const QStringList k = m_kategorier->categories();
    if (k.isEmpty()) return ut;
    const QRectF p = chart()->plotArea();
    const QFontMetricsF fm(m_kategorier->labelsFont());
    const qreal hojd = p.height() / static_cast<qreal>(k.size());
    const qreal hoger = p.left() - 6;
    const qreal vanster = chart()->pos().x() + 2;
    // Categories count from the bottom; the list goes from the top, with
    // ordinary blanks as the labels are composed. The fillers of a short
    // last page are left out.
    for (qsizetype i = k.size() - 1; i >= 0; --i) {
        QString text = k[i];
        text.replace(QChar(0x00A0), u' ');
        if (text.trimmed().isEmpty() || text.startsWith(QChar(0x2007))) continue;
        const qreal mitt = p.bottom() - (static_cast<qreal>(i) + 0.5) * hojd;
        const qreal bredd = qMax<qreal>(0, qMin(fm.horizontalAdvance(text), hoger - vanster));
        ut.push_back({QRectF(hoger - bredd, mitt - fm.height() / 2, bredd, fm.height()), text});
    }
    return ut;
}

void Stapeldiagram::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    painter->save();
    painter->setFont(m_kategorier->labelsFont());
    painter->setPen(m_varden->labelsBrush().color()); // the theme's label colour
    const QFontMetricsF fm(m_kategorier->labelsFont());
    for (const Etikettplats& e : etikettplatser())
        painter->drawText(e.ruta, Qt::AlignRight | Qt::AlignVCenter,
                          fm.elidedText(e.text, Qt::ElideRight, e.ruta.width()));
    painter->restore();
    // The line at 100 %: full coverage of the requirement.
    const QRectF l = referenslinje();
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->drawLine(QPointF(l.left(), l.top()), QPointF(l.left(), l.bottom()));
    painter->restore();
}

Tartdiagram::Tartdiagram(const QString& rubrik, QWidget* parent) : QChartView(parent) {
    auto* c = new QChart;
    c->setTitle(rubrik);
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(2, 2, 2, 2));
    m_serie = new QPieSeries;
    m_serie->setPieSize(0.6);
    c->addSeries(m_serie);
    setChart(c);
    setRenderHint(QPainter::Antialiasing);
}

void Tartdiagram::visa(const std::vector<Tartbit>& bitar) {
    bool samma = bitar.size() == m_visat.size();
    for (std::size_t i = 0; samma && i < bitar.size(); ++i)
        samma = bitar[i].namn == m_visat[i].namn && bitar[i].varde == m_visat[i].varde;
    if (samma) return;
    m_visat = bitar;
    m_serie->clear();
    for (const Tartbit& b : bitar) {
        QPieSlice* s = m_serie->append(b.namn, b.varde);
        s->setColor(QColor(QRgb(b.farg)));
        s->setBorderColor(Qt::black);
    }
    // Label and percent, the percent as "##0%".
    for (QPieSlice* s : m_serie->slices()) {
        const QString namn = s->label();
        s->setLabel(QStringLiteral("%1 %2%").arg(namn).arg(std::lround(s->percentage() * 100)));
        s->setLabelVisible(true);
    }
}

Sidknapp::Sidknapp(QWidget* parent) : QWidget(parent) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    auto* u = new QToolButton(this);
    u->setObjectName(QStringLiteral("upp"));
    u->setArrowType(Qt::UpArrow);
    auto* n = new QToolButton(this);
    n->setObjectName(QStringLiteral("ner"));
    n->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {u, n}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setAutoRepeat(true);
        l->addWidget(b);
    }
    connect(u, &QToolButton::clicked, this, &Sidknapp::upp);
    connect(n, &QToolButton::clicked, this, &Sidknapp::ner);
}
