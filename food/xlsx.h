#pragma once
// Reads the first worksheet of an .xlsx file as rows of cell texts: shared
// strings, inline strings and numbers (numbers as written in the file, "."
// as decimal point).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct XlsxBlad {
    QString namn;
    std::vector<QStringList> rader; // row 1 at index 0; missing cells are empty
};

// Returns an empty text on success, otherwise a Swedish sentence.
QString LasXlsx(const QString& fil, XlsxBlad& blad);
QString LasXlsxData(const QByteArray& data, XlsxBlad& blad);
