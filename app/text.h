#pragma once
// Small text helpers shared by every subsystem: numbers typed with a decimal
// comma, the DOS letters of nvnamn.txt, Windows-1252 and the two number styles.
#include <QByteArray>
#include <QList>
#include <QString>

// Number from text: leading blanks dropped, the first "," read as the decimal
// point, anything that is not a number in full gives 0. Never shows a message.
float TextTillTal(const QString& text);

// The lines of a text file: split at LF, a CR before it dropped, and a line
// end at the very end adding no empty line.
QList<QByteArray> DelaRader(const QByteArray& innehall);

// Code page 437 to Windows-1252 for the nine letters the program's texts use.
QByteArray DosTillAnsi(QByteArray rad);

// Windows-1252 bytes to text and back; characters outside the code page
// become "?" when encoded.
QString FranAnsi(const QByteArray& bytes);
// The same into a buffer with room for n characters.
void FranAnsiSkriv(char16_t* ut, const char* data, qsizetype n);
QByteArray TillAnsi(const QString& text);

// A number written plainly: the given width (padded with blanks on the left)
// and decimals, "." as decimal point, halves rounded away from zero.
QString Tal(double varde, int bredd, int decimaler);

// The same, appended to a text (the report writes many thousands).
void TalTill(QString& ut, double varde, int bredd, int decimaler);

// The same, written into a buffer with room for kTalSkrivMax characters;
// returns the count written, or -1 for a width or value beyond that room
// (Tal handles those).
inline constexpr int kTalSkrivMax = 64;
int TalSkriv(char16_t* ut, double varde, int bredd, int decimaler);

// A number rounded to a whole number, halves away from zero.
long long AvrundaHeltal(double varde);

// A number rounded to the nearest whole number, halves to even.
long long AvrundaJamnt(double varde);

// A number in the program's locale (its decimal separator, no grouping),
// fixed notation.
QString SystemTal(double varde, int decimaler);

// SystemTal with two decimals for the common case, written into a buffer
// with room for kTalSkrivMax characters with the given decimal separator.
// Returns the count written, or -1 for a value it leaves to SystemTal
// (negative, not finite, or 10^15 and above).
int TvaDecimalerSkriv(char16_t* ut, double varde, char16_t decimaltecken);

// A float written as text the way the food index stores it: general format,
// up to 15 significant digits, the locale's decimal separator.
QString SystemFlyttal(double varde);

// A number in fixed notation with the program's locale, as a float is shown
// with a precision of significant digits: values too large for the precision
// are written in exponent form.
QString SystemFast(double varde, int precision, int decimaler);
