#pragma once
// The in-memory food index: the descriptive fields of every food of
// fodbas100 in name order, from which all food lists and searches are built.
#include <QString>
#include <QStringList>

#include <vector>

class Tabellfil;

struct IndexPost {
    QString kod;             // at most 12 characters
    QString livsmedel;       // at most 80
    QString grupp1;          // at most 30
    QString grupp2;          // at most 30
    QString enhet;           // at most 8
    QString portionsstorlek; // the float as text, at most 8 characters
    // Upper-case forms, made once at start so that every list fill and search
    // compares without converting.
    QString livsmedelVersal;
    QString grupp1Versal;
    QString grupp2Versal;
};

struct LivsmedelsindexTabell {
    std::vector<IndexPost> poster;
    // "Bröd" first, then every distinct Grupp1 in the order met.
    QStringList grupper;
};

// Reads every food of the table in name order. Returns false (and leaves
// what was read) when the table cannot be read.
bool LasLivsmedelsindex(const Tabellfil& tabell, LivsmedelsindexTabell& index);

// Upper case as the food lists compare (Swedish letters included).
QString Versaler(const QString& s);

// The group list in the order the sorted group selector shows it.
QStringList SorteradeGrupper(const QStringList& grupper);
