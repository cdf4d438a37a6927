#pragma once
// Editing the rows of the current meal: adding a food, amounts, units,
// prices, removing rows. The windows call these and then recompute.
#include <QString>
#include <QStringList>

struct Tillstand;
struct Maltidsrad;
class Tabellfil;

// Puts the food with the given code into the current meal: into `rad`, or the
// first empty row when `rad` is 0 (row 29 when none is empty). With `infoga`
// the rows from the target down move one step first. Returns the target row,
// or 0 when the code is not in the table (then nothing moves).
int LaggTillRad(Tillstand& t, const Tabellfil& tabell, const QString& kod, int rad, bool infoga);

// The target row LaggTillRad would use for `rad` 0: first empty of 1..29, else 29.
int ForstaTommaRad(const Tillstand& t);

// Enter in the "Antal" and "Gram" columns of row `rad` of the current meal.
void SattAntal(Tillstand& t, int rad, const QString& text);
void SattGram(Tillstand& t, int rad, const QString& text);

// "Öka": one tenth of a unit more. "Minska": one tenth less; returns false
// (and changes nothing) when that would take the amount to 0 or below, so
// that the caller asks whether to remove the row.
void Oka(Tillstand& t, int rad);
bool Minska(Tillstand& t, int rad);

// Removes a row of the current meal; the rows below move up.
void TaBortRad(Tillstand& t, int rad);

// The unit list of a row: its name, then "120 g/port" lines, with msk and
// tsk lines after a "dl" unit.
QStringList Enhetslista(const Maltidsrad& rad);

// Makes the amount exactly one unit of the chosen line ("66 g/dl").
void ValjEnhet(Maltidsrad& rad, const QString& linje);
