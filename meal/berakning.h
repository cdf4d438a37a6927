#pragma once
// Operations on the whole calculation: emptying it, copying and pasting a meal.
#include <QString>

struct Tillstand;
struct Maltidsrad;
struct Livsmedelspost;

extern const char* const kMaltidsnamn[4];

// Empties every row and resets the selection to Frukost of Dag1 and the
// modified flag. Alternative units and tags of the rows are left as they are.
void TomBerakning(Tillstand& t);

// Copies the 30 rows of the current meal into the meal clipboard.
void KopieraMaltid(Tillstand& t);

// Copies the meal clipboard over the 30 rows of the current meal.
void KlistraInMaltid(Tillstand& t);

// Selects a day (0..6) or a meal (0..3); values outside are ignored.
void ValjDag(Tillstand& t, int dag);
void ValjMaltid(Tillstand& t, int maltid);

// Fills a row from a food of the food table with one unit as the amount:
// name, unit, grams per unit, price, the alternative units and the 51
// nutrients per 100 g. The tag is left as it is.
void FyllRadFranLivsmedel(Maltidsrad& rad, const QString& kod, const Livsmedelspost& post);
