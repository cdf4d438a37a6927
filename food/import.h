#pragma once
// Turns the Swedish Food Agency's Excel export into a food table of the
// program's own layout, with picture groups, units and prices from the
// project's rules.
#include "food/importregler.h"
#include "food/xlsx.h"

#include <QString>
#include <QVariant>

#include <vector>

struct ImportResultat {
    QString fel;       // empty on success
    QString utgava;    // edition date, "2025-10-29"
    int livsmedel = 0; // foods imported (reserve records not counted)
};

// The slot (15..65) of an export column title, or 0 when the program has no
// place for it; "avfall" for the waste column is reported as -1.
int SlotForKolumn(const QString& rubrik);

// Builds the table rows of a read worksheet (foods, then 50 reserve records).
ImportResultat TolkaExport(const XlsxBlad& blad, const Importregler& regler,
                           std::vector<std::vector<QVariant>>& rader);

// Reads the export and writes the table into dir/<tabell>.db through a
// temporary file; nothing is written when the file is not such an export.
ImportResultat ImporteraLivsmedelsdatabas(const QString& xlsx, const QString& katalog,
                                          const QString& tabell, const Importregler& regler);
