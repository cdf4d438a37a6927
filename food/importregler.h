#pragma once
// Rules that give every imported food what the agency's data lacks: its
// picture group, household units and an estimated price. Kept as readable
// text files in the data folder.
#include <QString>
#include <QStringList>

#include <vector>

struct Namnvillkor {
    // All conditions must hold; a condition holds when one of its
    // alternatives does (or none does, when negated).
    struct Villkor {
        bool negerad = false;
        QStringList alternativ; // "^x" starts with, "=x" whole word, else contains
    };
    std::vector<Villkor> villkor; // empty: every name
    bool passar(const QString& namn) const;
};

struct Regel {
    QString gruppering; // "*" for every group
    Namnvillkor namn;
    QStringList varden;
    int rad = 0;
};

struct Regelfil {
    std::vector<Regel> regler;
    // The first rule that matches, or nullptr.
    const Regel* hitta(const QString& gruppering, const QString& namn) const;
};

// Parses a rules file. Returns an empty text, or a sentence naming the line.
QString TolkaRegler(const QString& text, Regelfil& ut);

struct Importregler {
    Regelfil bildgrupper;
    Regelfil enheter;
    Regelfil priser;
};

// Reads bildgrupper.txt, enheter.txt and priser.txt from a directory.
QString LasImportregler(const QString& katalog, Importregler& ut);
