#pragma once
// The norm table "normer": one row per group of persons with the daily
// requirement of the 51 nutrients in fields 15..65.
#include <QString>
#include <QVariant>

#include <vector>

// Reads the delivered requirement rows (semicolon-separated, a title row of
// field names first, "." decimals) into table rows of the norm layout.
QString TolkaNormCsv(const QString& text, std::vector<std::vector<QVariant>>& rader);

// Writes normer.db in the directory from the delivered rows.
QString SkrivNormtabell(const QString& katalog, const std::vector<std::vector<QVariant>>& rader);
