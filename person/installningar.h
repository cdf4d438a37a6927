#pragma once
// The settings files: nutrava.para (meal shares and ideal energy split, as
// typed) and prisPassword.txt (the price lock).
#include <QByteArray>
#include <QString>
#include <QStringList>

// The ten default cell texts: four meal shares, six ideal percentages.
QStringList StandardInstallningar();

// The ten lines of nutrava.para; missing lines are empty text.
QStringList TolkaParafil(const QByteArray& innehall);
QByteArray SkrivParafil(const QStringList& celler);

// Applies the ten cell texts: shares divided by 100, percentages as typed.
void TillampaInstallningar(const QStringList& celler, float maltidsandel[4], float ideal[6]);

// The price lock from the first line of prisPassword.txt.
bool PrisLasFranFil(const QByteArray& innehall);
