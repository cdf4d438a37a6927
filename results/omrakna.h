#pragma once
// The arithmetic core: every result array rebuilt from the rows and the
// requirement, then the displays refreshed in a fixed order.
#include <functional>

struct Tillstand;
struct Resultat;

// Fills every result array from the calculation and the requirement of the
// given state. Pure arithmetic, no display.
void BeraknaResultat(Tillstand& t);

// The displays refreshed after the arithmetic, in this order. A display
// whose window does not exist yet is left empty and skipped.
struct Visningar {
    std::function<void()> VisaMaltid;
    std::function<void()> DiagramRubrik;
    std::function<void()> RitaDiagram;
    std::function<void()> AktivDiagram;
    std::function<void()> Salt;
    std::function<void()> Markorer;
};
Visningar& OmraknaVisningar();

// Recomputes everything from scratch and refreshes every display.
void Omrakna();

// The energy split of a nutrient vector: protein, fat, carbohydrate, alcohol
// in percent; all 0 when the factor-based energy is 5 or less.
void Energiandel(const float* v, int alkoholfaktor, float ut[4]);
