#pragma once
// What the meal grid shows for a row and in which colour.
#include <QString>

struct Maltidsrad;

// The text of column 0..4 of a row holding a food: name, number of units,
// unit, grams, price per kg; "-" for amounts of 0.01 or less.
QString MaltidsCell(const Maltidsrad& rad, int kolumn);

// The text colour (0xRRGGBB) of grid row r in the "Måltid" scope.
unsigned RadFarg(int rad);
