#pragma once
// The banded report laid out once into A4 pages: text, bars and pies in
// millimetres. Every output (preview, printer, PDF, RTF, Excel, HTML) draws
// from the same layout.
#include "reports/rapport.h"

#include <QString>
#include <QStringList>

#include <vector>

struct Layoutfont {
    QString familj = QStringLiteral("Courier New");
    double punkter = 9;
    bool fet = false;
};

struct Layoutdel {
    enum class Slag { Text, Rektangel, Tarta } slag = Slag::Text;
    double x = 0, y = 0, b = 0, h = 0; // millimetres from the page's top left corner
    QString text;
    Layoutfont font;
    bool hogerjusterad = false; // text right-aligned in [x, x + b]
    unsigned farg = 0x000000;
    // Pies
    QString rubrik;
    std::vector<std::pair<QString, float>> bitar;
    std::vector<unsigned> bitfarger;
};

// One bar line of the report, split into its parts.
struct Stapeldelar {
    QString etikett; // name, amount and unit
    QString procent; // the percent label as printed
    QString krav;    // the requirement
    int procenttal = 0;
    double stapelPx = 0; // bar width in report pixels
    bool avkortad = false;
};
bool TolkaStapelrad(const QString& rad, Stapeldelar& ut);

struct Layoutsida {
    int grupp = 0; // index into the groups
    std::vector<Layoutdel> delar;
};

struct Layoutgrupp {
    QString titel;
    int forstaSida = 0;
    int rader = 0;
};

struct Rapportlayout {
    static constexpr double kBredd = 210.08, kHojd = 296.863;
    static constexpr double kTopp = 6.35, kBotten = 6.35, kVanster = 12.7, kHoger = 6.35;
    std::vector<Layoutsida> sidor;
    std::vector<Layoutgrupp> grupper;
    // Every report line with the page it landed on, for text search.
    std::vector<std::pair<QString, int>> rader;
};

// Report pixels (96 to the inch) in millimetres.
constexpr double PxTillMm(double px) {
    return px * 25.4 / 96.0;
}

struct Layoutval {
    QString rubrik; // "Utskriftsrubrik", top right of every group
    QString datum;  // the date at the top right
    bool tartor = false;
    float ideal[3] = {15, 30, 55};
};

Rapportlayout LaggUtRapport(const Rapport& r, const Layoutval& val);
