#pragma once
// Activities and the day's energy expenditure: the activity table
// (aktiv.txt), the person's activity list (".akt" files) and the
// requirement built from them.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

constexpr int kAktivitetsrader = 40; // row 0 holds the titles
constexpr int kTabellrader = 300;    // aktiv.txt: row 0 the titles

struct Aktivitetsrad {
    QString namn;
    QString faktor;     // BMR factor, as in the activity table
    QString minuter;    // as shown
    QString kcalPerMin; // computed, two decimals
    QString kcal;       // computed, whole number
    bool tom() const { return namn.isEmpty(); }
};

struct Aktivitetslista {
    QString alder = QStringLiteral("15");
    QString vikt = QStringLiteral("55");
    int kon = 0;   // 0 Kvinna, 1 Man
    int enhet = 0; // 0 kcal, 1 kJ
    std::array<Aktivitetsrad, kAktivitetsrader> rader;
};

struct Aktivitetsvarden {
    float Grundforbrukning = 0;
    float perMinut = 0;
    float Aktivitetsenergi = 0;
    float Dygnsforbrukning = 0;
    float minuterKvar = 0;
    bool beraknad = false; // the first recomputation has run
};

using Aktivitetstabell = std::array<std::pair<QString, QString>, kTabellrader>;

// aktiv.txt: two lines per row (name, factor), 600 lines; a shorter file
// leaves the remaining cells empty.
void TolkaAktivtxt(const QByteArray& innehall, Aktivitetstabell& tabell);
QByteArray SkrivAktivtxt(const Aktivitetstabell& tabell);
// The names of rows 1..299 with at least 3 characters.
QStringList Aktivitetsnamn(const Aktivitetstabell& tabell);

// Basal metabolic rate, kcal per day; false for an age outside 0..110.
bool BeraknaGrundforbrukning(int alder, float vikt, int kon, float& kcal);
// The age as the list reads it: TextTillTal, rounded halves to even.
int AlderAv(const QString& text);
// The norm-table row of a sex and age, 0 when there is none.
int NormradFor(int kon, int alder);

// Empties rows 1..39.
void TomAktivitetslista(Aktivitetslista& l);

// The ".akt" format: age, weight, sex, then 39 blocks of name, minutes, factor.
QByteArray SkrivAkt(const Aktivitetslista& l);
// Reads until the end; blocks after the 39th are ignored. Returns false
// (keeping what was read) when the sex line is not 0 or 1.
bool LasAkt(const QByteArray& innehall, Aktivitetslista& l);

// The recomputation without the displays: basal rate, the rows' computed
// texts, the energies and, when a norm row is found for the age and sex,
// the requirement read from it; then energy, macronutrients and fat types
// from the expenditure and the ideal split. Returns the requirement text.
using NormradLasare = std::function<bool(int nr, float norm[51])>;
QString RaknaAktiviteterKarna(Aktivitetslista& l, Aktivitetsvarden& v, float norm[51],
                              const float ideal[6], const NormradLasare& lasNorm);

// "+kJ/min" and "+kJ" of a row for the kJ view.
QString KjPerMin(const Aktivitetsrad& r);
QString KjTotalt(const Aktivitetsrad& r);

// Adds an activity in the first empty row; the row index, or 0 when full.
int LaggTillAktivitet(Aktivitetslista& l, Aktivitetsvarden& v, const QString& namn,
                      const QString& faktor);
// "Öka" and "Minska"; Minska returns false when the row should be removed.
void OkaMinuter(Aktivitetslista& l, int rad);
bool MinskaMinuter(Aktivitetslista& l, int rad);
void TaBortAktivitet(Aktivitetslista& l, int rad);

// The lines the text preview gets for "Utskrift".
QStringList AktivitetsUtskrift(const Aktivitetslista& l, const QString& rubrik,
                               const QString& datum, const QString& bmrEtikett,
                               const QString& bmrText, const QString& totEtikett,
                               const QString& totText);

// The ".akt" file of the shared activity list. Saving goes through a
// temporary file; reading empties the list first and keeps what was read
// when it fails.
bool SparaAktivitetslista(const QString& fil);
bool LasAktivitetslista(const QString& fil);
