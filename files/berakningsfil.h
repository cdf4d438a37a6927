#pragma once
// The calculation files (".vaxo" with its ".norm" companion) and recipe
// files (".recept"): formats, reading and writing.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct Tillstand;
struct Maltidsrad;
class Tabellfil;
struct Livsmedelspost;

// The name with its last extension replaced (appended when there is none).
QString BytFiltillagg(const QString& fil, const QString& tillagg);

// ".vaxo", current format "100".
QByteArray SkrivVaxo(const Tillstand& t, const QString& datum);

struct VaxoRad {
    QString kod;
    QString gram;
    QString portion;
    QString enhet;
    QString tagg;
};
// Splits a row's second line "G/P@E&T".
VaxoRad DelaMangdrad(const QString& kod, const QString& rad);

struct VaxoFil {
    bool aktuelltFormat = false;
    QString datum;
    // Current format: up to 29 rows per meal. Fixed blocks: 30 rows, row 0 included.
    std::vector<VaxoRad> maltider[7][4];
    bool helt = true; // false when the file ended before its last end line
};
VaxoFil TolkaVaxo(const QByteArray& innehall);

// A food looked up by code in the current table, then (when given) the older.
using Uppslag = std::function<std::optional<Livsmedelspost>(const QString& kod, bool aldreOcksa)>;

// Fills the calculation's rows from a read file. For the fixed-block format
// the messages for foods that are missing come back, one per food.
QStringList FyllFranVaxo(Tillstand& t, const VaxoFil& fil, const Uppslag& uppslag);

// ".norm"
QByteArray SkrivNormfil(const QString& normTyp, const QString& normText, const float norm[51]);
struct NormfilData {
    std::optional<QString> typ;
    std::optional<QString> text; // at most 80 characters
    int antal = 0;               // values read
    float norm[51] = {};
};
NormfilData TolkaNormfil(const QByteArray& innehall);

// ".recept": the leading record (row 0) and the meal's rows with food.
QByteArray SkrivRecept(const Maltidsrad* maltid);
// Fetches a recipe into the meal from its first empty row of 1..28 (else 29).
// Returns false, after having placed the whole records read, when the length
// is not a multiple of 532.
bool HamtaRecept(Maltidsrad* maltid, const QByteArray& innehall);
