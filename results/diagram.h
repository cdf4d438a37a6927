#pragma once
// What the result charts, the price line and the salt window show, computed
// from the result arrays; the windows only draw it.
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct Tillstand;

constexpr int kSerier = 30;

// The bars: one per selected nutrient, in position order, each with its
// label and the values of the 30 stacked series.
struct Stapeldata {
    QStringList etiketter;
    std::vector<std::array<float, kSerier>> varden;
};
Stapeldata BeraknaStaplar(const Tillstand& t);

// nvEtikett, a blank, the amount in width 6 with the nutrient's decimals.
QString StapelEtikett(const Tillstand& t, int position, float mangd);

// The bar chart's title; `dagtext` is the day selector's text.
QString DiagramRubrikText(int niva, const QString& maltidsnamn, const QString& dagtext);

// The colour (0xRRGGBB) of series 1..30.
unsigned SerieFarg(int serie);

struct Tartbit {
    QString namn;
    float varde;
    unsigned farg;
};
// The actual and the ideal pie of the scope.
std::vector<Tartbit> VerkligTart(const Tillstand& t);
std::vector<Tartbit> IdealTart(const Tillstand& t);

// " Pris Frukost: 12,50 kr" and the like.
QString PrisText(const Tillstand& t, const QString& dagtext);

// Bars per chart page for a chart of the given height: 0 means all on one page.
int StaplarPerSida(int hojd, int antal);

struct Saltvisning {
    QString rad;    // "Saltmängden denna dag är: 6.0 gram."
    int stapel = 0; // whole grams, halves to even
    double gram = 0;
};
Saltvisning BeraknaSalt(const Tillstand& t);
