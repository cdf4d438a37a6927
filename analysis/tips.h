#pragma once
// Advice texts: 32 texts keyed "M1 ".."M32 " (info.txt), and the advice on a
// day built from them.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

struct Tillstand;

QString Tipsnyckel(int k); // "M7 "

// The lines of info.txt as they stand (Windows-1252, CR LF).
QStringList TolkaTipsTexter(const QByteArray& innehall);
QByteArray SkrivTipsTexter(const QStringList& tips);

// The lines of text k (1..32), without the key.
QStringList TipsText(const QStringList& tips, int k);

// The texts rebuilt from the editor's 32 memos: each memo up to its first
// empty line.
QStringList TipsFranMemon(const std::array<QStringList, 32>& memon);

// Which of a nutrient's four texts a percentage chooses (0..3).
int TipsNiva(double procent);

// The advice for the selected day.
QStringList GodaRad(const Tillstand& t, const QStringList& tips);

extern const char* const kTipsRubriker[32];
