#include "app/tillstand.h"

#include "meal/berakning.h"

#include <cstring>

Tillstand G;

void Tillstand::tommaAllaRader() {
    for (auto& dag : Berakning)
        for (auto& maltid : dag)
            for (auto& rad : maltid) {
                std::memset(&rad, 0, sizeof rad);
                rad.tomma();
            }
    for (auto& rad : Maltidsbuffert) {
        std::memset(&rad, 0, sizeof rad);
        rad.tomma();
    }
}

Tillstand::Tillstand() {
    // Rows start empty ("0"), the clipboard too, so that pasting before any
    // copy empties a meal consistently.
    tommaAllaRader();
    std::memset(&R, 0, sizeof R);
    for (float& v : AktuellNorm) v = 100.0f;
}

void Tillstand::aterstall() {
    Dialogkatalog = QStringLiteral(".");
    Databaskatalog = QStringLiteral(".");
    Uppstart = true;
    VisaHogerklickTips = true;
    Alkoholfaktor = 2900;
    Livsmedelsindex = {};
    LivsmedelsAntal = 0;
    NvKatalog = {};
    NvVal = {};
    NvValAntal = 0;
    RedigeringsLosenord = QString::fromLatin1(kStandardLosenord);
    tommaAllaRader();
    AktuellDag = 0;
    AktuellMaltid = 0;
    AktuellMaltidNamn = QString::fromUtf8(kMaltidsnamn[0]);
    AktuellRad = 0;
    AktuellKolumn = 0;
    Andrad = false;
    std::memset(&R, 0, sizeof R);
    AktuellNiva = 0;
    for (float& v : AktuellNorm) v = 100.0f;
    AktuellNormText.clear();
    NormTyp = QStringLiteral("standardnorm");
    const float andel[kMaltider] = {0.25f, 0.30f, 0.30f, 0.15f};
    std::memcpy(Maltidsandel, andel, sizeof andel);
    const float ideal[6] = {15.0f, 30.0f, 55.0f, 12.5f, 7.5f, 10.0f};
    std::memcpy(IdealEnergi, ideal, sizeof ideal);
    PrisLas = false;
    PrisSpara = true;
    Aktiviteter = {};
    Aktivitetslistan = {};
    Aktivitetsvarde = {};
}
