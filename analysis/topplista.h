#pragma once
// The foods richest in a nutrient, read from the food table itself.
#include <QStringList>

class Tabellfil;
struct NvPost;

// The slot of entry i of the nutrient list (slots 15..65 without 17 and 18).
int ToppSlot(int post);

// The result lines, largest amount first. Per portion, foods with a portion
// below 0.5 g are left out.
QStringList Topplista(const Tabellfil& tabell, int slot, bool per100, const NvPost& naring);
