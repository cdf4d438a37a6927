#pragma once
// Writes a whole table into its own database file: built in a temporary file
// and renamed over the old one only when complete.
#include "food/schema.h"

#include <QString>
#include <QVariant>

#include <vector>

// Each row holds the fields by position (missing trailing fields stay NULL).
// Returns an empty text on success, otherwise a Swedish sentence.
QString SkrivTabell(const QString& sokvag, const QString& tabell, const std::vector<Faltdef>& falt,
                    bool namnindex, const std::vector<std::vector<QVariant>>& rader);
