#pragma once
// The report as fixed-width text lines, each tagged with the title of the
// block (page group) it belongs to. The output step draws the bar lines and
// the pies from it.
#include <QString>

#include <vector>

struct Tillstand;

struct Rapportrad {
    QString del1; // the printed line
    QString del2; // the block's title
};

struct Cirkelpost {
    float andel[4]; // protein, fat, carbohydrate, alcohol, percent of energy
    QString grupp;  // the title of the block that wrote it
};

struct Rapport {
    // Row 0 holds the field names; report lines start at row 1.
    std::vector<Rapportrad> Rapportrader;
    int NastaRapportrad = 1;
    QString ForstaRubrik;
    std::vector<Cirkelpost> Cirkeldata;
};

struct Rapportval {
    int vad = 0;    // 0 current meal, 1 current day, 2 all days
    int detalj = 0; // 0 every food, 1 meal sums, 2 day sums, 3 period sum
    bool komprimerad = false;
    bool pris = false;
    bool stapel = false;
    bool energi = false;
};

Rapport KomponeraRapport(const Tillstand& t, const Rapportval& val);

// The two number styles of the report: "." and padding, or the system's
// decimal separator with two decimals.
QString Kronor(double x);

extern const char* const kDagnamn[7];
extern const char* const kRapportMaltidsnamn[4];
