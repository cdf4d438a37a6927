#pragma once
// The nutrient catalogue (nvnamn.txt) and the selection of shown nutrients
// (nvval.txt).
#include <QByteArray>
#include <QString>

#include <array>

constexpr int kKatalogStorlek = 66; // indexes 0..65; 15..65 are nutrients
constexpr int kForstaSlot = 15;
constexpr int kSistaSlot = 65;

struct NvPost {
    QString nvNamn;    // at most 12 characters
    QString nvEtikett; // at most 12 characters
    QString nvEnhet;   // at most 2 characters
    int nvDecimaler = 0;
};

using NvKatalogTabell = std::array<NvPost, kKatalogStorlek>;
using NvValTabell = std::array<bool, kKatalogStorlek>;

struct NvKatalogResultat {
    enum class Status { Ok, FelIndex, FelDecimaler };
    Status status = Status::Ok;
    int rad = 0;     // line number (from 1) of the fault
    QString felText; // the offending text, for the message
};

// Parses the whole content of nvnamn.txt into the catalogue. Stops at the
// first fault; entries read before it stay. Indexes outside 0..65 are skipped.
NvKatalogResultat TolkaNvKatalog(const QByteArray& innehall, NvKatalogTabell& katalog);

struct NvValResultat {
    bool ok = true;
    int rad = 0;
    QString felText;
};

// Parses nvval.txt: one slot number per line; order and repeats do not
// matter; numbers outside 0..65 are skipped. Stops at a line that is not an
// integer, keeping the flags set before it.
NvValResultat TolkaNvVal(const QByteArray& innehall, NvValTabell& val);

// The text of nvval.txt for a selection: the selected slots ascending, CR LF.
QByteArray SkrivNvVal(const NvValTabell& val, bool medSlot18);

int RaknaNvVal(const NvValTabell& val);

// Slots that have a check box in the selection window (all but 18), with
// their captions.
struct NvRuta {
    int slot;
    const char* rubrik;
    bool iTopplistan;
};
const std::array<NvRuta, 50>& NvRutor();
