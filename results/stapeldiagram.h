#pragma once
// The result charts: horizontal stacked bars in percent of the requirement
// with paging and a line at 100 %, and the energy pies.
#include "results/diagram.h"

#include <QChartView>

#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QHorizontalStackedBarSeries;
class QPieSeries;
class QValueAxis;

class Stapeldiagram : public QChartView {
    Q_OBJECT
public:
    explicit Stapeldiagram(QWidget* parent = nullptr);

    void setRubrik(const QString& rubrik);
    // Shows the bars; the current page is kept.
    void visa(const Stapeldata& data);
    // Bars per page, 0 for all on one page.
    void setPerSida(int n);
    int perSida() const { return m_perSida; }
    int sida() const { return m_sida; }
    int sidor() const;
    void forraSida();
    void nastaSida();

    // What is drawn now, for tests.
    QStringList visadeEtiketter() const;
    float visatVarde(int serie, int stapel) const;
    QRectF referenslinje() const;
    struct Etikettplats {
        QRectF ruta;
        QString text;
    };
    // Where each label of the page is drawn, from the top.
    std::vector<Etikettplats> etikettplatser() const;
    QFont etikettFont() const;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void ritaSida();

    QHorizontalStackedBarSeries* m_serie = nullptr;
    QBarSet* m_set[kSerier] = {};
    QBarCategoryAxis* m_kategorier = nullptr;
    QValueAxis* m_varden = nullptr;
    Stapeldata m_data;
    int m_perSida = 8;
    int m_sida = 0;
};

class Tartdiagram : public QChartView {
    Q_OBJECT
public:
    Tartdiagram(const QString& rubrik, QWidget* parent = nullptr);
    void visa(const std::vector<Tartbit>& bitar);
    QPieSeries* serie() const { return m_serie; }

private:
    QPieSeries* m_serie = nullptr;
    std::vector<Tartbit> m_visat;
};

// The up and down arrows that page the bar chart.
class Sidknapp : public QWidget {
    Q_OBJECT
public:
    explicit Sidknapp(QWidget* parent = nullptr);
Q_SIGNALS:
    void upp();
    void ner();
};
