#pragma once
// Which password each place of the program asks for, and how an entry is
// compared with it.
#include <QString>

enum class Losenordsplats {
    Normtabell,         // "Klicka här för att ändra i normtabellen."
    Livsmedelstabell,   // "Ändra i livsmedelstabellen."
    Aktivitetstabell,   // "Klicka här för att ändra i aktivitetstabellen"
    InstallningarAndra, // settings "Ändra"
    PrisJa,             // settings price permission "JA"
    PrisNej,            // settings price permission "NEJ"
    Tipstexter,         // menu "Tipstexter"
};

// The password a place compares with: the configured edit password or the
// built-in default.
QString ReferensLosenord(Losenordsplats plats, const QString& redigeringsLosenord);

// a-z of the entry folded to capitals, then compared character for
// character with letter case significant.
bool RattLosenord(const QString& inmatat, const QString& referens);
