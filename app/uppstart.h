#pragma once
// Working files read while the main window is created.
#include <QByteArray>
#include <QString>

struct Initdir {
    QString dialogkatalog;
    QString databaskatalog;
};

// Reads initdir.txt: line 1 the dialog directory, line 2 the database
// directory. Whatever could not be read keeps the given start values; a file
// with one line gives an empty database directory.
void LasInitdir(const QString& fil, QString& dialogkatalog, QString& databaskatalog);

// The edit password from the content of losenord.txt: its first line, a-z
// folded to capitals, the built-in default when shorter than 2 characters.
QString TolkaLosenord(const QByteArray& innehall);

// Upper-cases a-z only; every other character, å, ä and ö included, stays.
QString VersalerAZ(const QString& s);

// Reads the whole file, or returns false.
bool LasHelaFilen(const QString& fil, QByteArray& innehall);

// Writes a file through a temporary file and an atomic rename, so a failed
// write leaves the old file as it was.
bool SkrivFilSakert(const QString& fil, const QByteArray& innehall);
