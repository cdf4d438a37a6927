#include "meal/berakning.h"

#include "app/text.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"

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

void FyllRadFranLivsmedel(Maltidsrad& rad, const QString& kod, const Livsmedelspost& post) {
    rad.kod.satt(kod);
    rad.livsmedel.satt(post.text(QStringLiteral("Livsmedel")));
    rad.enhet.satt(post.text(QStringLiteral("Enhet")));
    const float portion = post.tal(post.position(QStringLiteral("Portionsstorlek")));
    rad.portionsstorlek = portion;
    rad.gram = portion;
    rad.kgpris = TextTillTal(post.text(QStringLiteral("kgpris")));
    KortText<16>* enheter[4] = {&rad.Enhet1, &rad.Enhet2, &rad.Enhet3, &rad.Enhet4};
    float* portar[4] = {&rad.port1, &rad.port2, &rad.port3, &rad.port4};
    static const QString enhetsnamn[4] = {QStringLiteral("Enhet1"), QStringLiteral("Enhet2"),
                                          QStringLiteral("Enhet3"), QStringLiteral("Enhet4")};
    static const QString portnamn[4] = {QStringLiteral("port1"), QStringLiteral("port2"),
                                        QStringLiteral("port3"), QStringLiteral("port4")};
    for (int k = 0; k < 4; ++k) {
        enheter[k]->satt(post.text(enhetsnamn[k]));
        *portar[k] = post.tal(post.position(portnamn[k]));
    }
    for (int p = 0; p < kNaring; ++p) rad.naring[p] = post.naring(p);
}
