#pragma once
// The current daily requirement and the texts that describe it.
#include <QString>

class QSqlRecord;

// Fields 15..65 of a norm-table record as the 51 requirement values; an
// empty field reads as 0.
void LasNormRad(const QSqlRecord& post, float norm[51]);

// "Norm: " + name (at most 80 characters), for the requirement chosen at start.
QString NormTextStart(const QString& namn);
// ... and with the energies, for a clicked row.
QString NormTextRad(const QString& namn, float kJ, float kcal);

class Tabellfil;
// Reads the requirement of the norm-table row with the given "Nr".
bool LasNormradNr(const Tabellfil& tabell, int nr, float norm[51]);
