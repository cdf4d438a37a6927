#pragma once
// The program's shared state: one process-wide instance that every window
// reads and writes. Fixed-size arrays throughout; nothing is allocated per
// calculation. Indexes from files or users are checked before they reach it.
#include "food/livsmedelsindex.h"
#include "food/nvkatalog.h"
#include "meal/maltidsrad.h"
#include "person/aktivitet.h"

#include <QString>

#include <array>

struct Resultat {
    float MaltidKostnad[kDagar][kMaltider];
    float DagKostnad[kDagar];
    float PeriodKostnad;
    float MedelKostnad;
    float MaltidSumma[kDagar][kMaltider][kNaring];
    float RadProcent[kDagar][kMaltider][kRader][kNaring];
    float DagSumma[kDagar][kNaring];
    float PeriodMedel[kNaring];
    float MaltidProcent[kDagar][kMaltider][kNaring];
    float DagProcent[kDagar][kNaring];
    float PeriodProcent[kNaring];
    // protein, fat, carbohydrate, alcohol
    float MaltidEnergiandel[4][kDagar][kMaltider];
    float DagEnergiandel[4][kDagar];
    float PeriodEnergiandel[4];
};

struct Tillstand {
    // Start-up and working files
    QString Dialogkatalog = QStringLiteral(".");
    QString Databaskatalog = QStringLiteral(".");
    bool Uppstart = true;
    bool VisaHogerklickTips = true;
    int Alkoholfaktor = 2900;

    // Food data
    LivsmedelsindexTabell Livsmedelsindex;
    int LivsmedelsAntal = 0;
    NvKatalogTabell NvKatalog{};
    NvValTabell NvVal{};
    int NvValAntal = 0;
    QString RedigeringsLosenord = QStringLiteral("VAKTRUM");

    // The calculation
    Maltidsrad Berakning[kDagar][kMaltider][kRader];
    Maltidsrad Maltidsbuffert[kRader];
    int AktuellDag = 0;
    int AktuellMaltid = 0;
    QString AktuellMaltidNamn = QStringLiteral("Frukost");
    int AktuellRad = 0;
    int AktuellKolumn = 0;
    bool Andrad = false;

    // Results, filled only by the recomputation
    Resultat R;
    int AktuellNiva = 0; // 0 "Måltid", 1 "Dag", 2 "Dagar"

    // Requirement
    float AktuellNorm[kNaring];
    QString AktuellNormText;
    QString NormTyp = QStringLiteral("standardnorm");

    // Activities: the table of aktiv.txt, the person's list and what it gives
    Aktivitetstabell Aktiviteter;
    Aktivitetslista Aktivitetslistan;
    Aktivitetsvarden Aktivitetsvarde;

    // Settings
    float Maltidsandel[kMaltider] = {0.25f, 0.30f, 0.30f, 0.15f};
    // protein, fat, carbohydrate, monounsaturated, polyunsaturated, saturated
    float IdealEnergi[6] = {15.0f, 30.0f, 55.0f, 12.5f, 7.5f, 10.0f};
    bool PrisLas = false;
    bool PrisSpara = true;

    Tillstand();
    // Back to the values of a fresh start, for tests that start the program
    // several times in one process.
    void aterstall();

private:
    // Every row and the meal clipboard empty ("0").
    void tommaAllaRader();
};

// The one instance.
extern Tillstand G;

constexpr const char* kStandardLosenord = "VAKTRUM";
