#include "meal/berakning.h"

#include "app/tillstand.h"

#include <cstring>

const char* const kMaltidsnamn[4] = {"Frukost", "Lunch", "Middag", "Mellanmål"};

void TomBerakning(Tillstand& t) {
    t.Andrad = false;
    t.AktuellDag = 0;
    t.AktuellMaltid = 0;
    t.AktuellMaltidNamn = QString::fromUtf8(kMaltidsnamn[0]);
    for (auto& dag : t.Berakning)
        for (auto& maltid : dag)
            for (auto& rad : maltid) rad.tomma();
}

void KopieraMaltid(Tillstand& t) {
    std::memcpy(t.Maltidsbuffert, t.Berakning[t.AktuellDag][t.AktuellMaltid],
                sizeof t.Maltidsbuffert);
}

void KlistraInMaltid(Tillstand& t) {
    std::memcpy(t.Berakning[t.AktuellDag][t.AktuellMaltid], t.Maltidsbuffert,
                sizeof t.Maltidsbuffert);
}

void ValjDag(Tillstand& t, int dag) {
    if (dag >= 0 && dag < kDagar) t.AktuellDag = dag;
}

void ValjMaltid(Tillstand& t, int maltid) {
    if (maltid < 0 || maltid >= kMaltider) return;
    t.AktuellMaltid = maltid;
    t.AktuellMaltidNamn = QString::fromUtf8(kMaltidsnamn[maltid]);
}
