#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The shared state, reset around every test.
class Berakning : public ::testing::Test {
protected:
    void SetUp() override { G.aterstall(); }
    void TearDown() override {
        G.aterstall();
        OmraknaVisningar() = {};
    }
    // A food row with the given grams and nutrients by slot.
    static Maltidsrad& rad(int d, int m, int r, float gram,
                           std::initializer_list<std::pair<int, float>> naring, float kgpris = 0) {
        Maltidsrad& x = G.Berakning[d][m][r];
        x.kod.satt(QStringLiteral("%1").arg(100 + r));
        x.gram = gram;
        x.portionsstorlek = gram;
        x.kgpris = kgpris;
        for (float& v : x.naring) v = 0;
        for (const auto& [slot, v] : naring) x.naring[slot - 15] = v;
        return x;
    }
};

TEST_F(Berakning, RadensAndelOchMaltidensProcent) {
    // 150 g of a food with 12 g protein per 100 g at 25 kr/kg, requirement 60 g.
    G.AktuellNorm[4] = 60;
    rad(0, 0, 1, 150, {{19, 12}}, 25);
    BeraknaResultat(G);
    EXPECT_FLOAT_EQ(G.R.MaltidSumma[0][0][4], 18);
    EXPECT_FLOAT_EQ(G.R.MaltidKostnad[0][0], 3.75f);
    EXPECT_FLOAT_EQ(G.R.RadProcent[0][0][1][4], 30);
    EXPECT_FLOAT_EQ(G.R.MaltidProcent[0][0][4], 30);
    EXPECT_FLOAT_EQ(G.R.DagProcent[0][4], 30);
    EXPECT_FLOAT_EQ(G.R.DagKostnad[0], 3.75f);
    EXPECT_FLOAT_EQ(G.R.PeriodKostnad, 3.75f);
}

TEST_F(Berakning, PeriodmedelRaknarDagarOver10kJ) {
    const struct {
        const char* namn;
        std::vector<float> kj; // energy of each day, from day 0
        float medel;
    } fall[] = {
        {"exakt 10 kJ räknas inte", {10}, 0},
        {"10,5 kJ räknas", {10.5f}, 10.5f},
        {"8000, 6000, 0", {8000, 6000, 0}, 7000},
        {"8000, 8000, 5 ger summan av alla genom två", {8000, 8000, 5}, 8002.5f},
        {"ingen mat", {}, 0},
    };
    for (const auto& f : fall) {
        G.aterstall();
        for (std::size_t d = 0; d < f.kj.size(); ++d)
            if (f.kj[d] > 0) rad(static_cast<int>(d), 1, 1, 100, {{15, f.kj[d]}});
        BeraknaResultat(G);
        EXPECT_FLOAT_EQ(G.R.PeriodMedel[0], f.medel) << f.namn;
        EXPECT_FLOAT_EQ(G.R.PeriodProcent[0], f.medel) << f.namn; // requirement 100 at start
    }
}

TEST_F(Berakning, Kostnad) {
    rad(0, 0, 1, 1000, {}, 40); // 40 kr
    rad(1, 2, 1, 1, {}, 5);     // 0.005 kr: not a counted day
    BeraknaResultat(G);
    EXPECT_FLOAT_EQ(G.R.PeriodKostnad, 40.005f);
    EXPECT_FLOAT_EQ(G.R.MedelKostnad, 40.005f);
    G.aterstall();
    rad(3, 0, 1, 1, {}, 5);
    BeraknaResultat(G);
    EXPECT_EQ(G.R.MedelKostnad, 0.0f);
}

TEST_F(Berakning, Energifordelning) {
    const struct {
        const char* namn;
        float P, F, C, A;
        float andel[4];
    } fall[] = {
        {"10/10/10 g", 10, 10, 10, 0, {23.943662f, 52.112676f, 23.943662f, 0}},
        {"bara vatten", 0, 0, 0, 0, {0, 0, 0, 0}},
        {"alkohol", 0, 0, 0, 10, {0, 0, 0, 100}},
        {"E precis 5 (under gränsen)", 0, 0, 0.0029411765f, 0, {0, 0, 0, 0}},
    };
    for (const auto& f : fall) {
        G.aterstall();
        rad(0, 0, 1, 100, {{19, f.P}, {20, f.F}, {21, f.C}, {49, f.A}, {15, 1000}});
        BeraknaResultat(G);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(G.R.MaltidEnergiandel[k][0][0], f.andel[k], 1e-4) << f.namn << " " << k;
            EXPECT_NEAR(G.R.DagEnergiandel[k][0], f.andel[k], 1e-4) << f.namn << " " << k;
            EXPECT_NEAR(G.R.PeriodEnergiandel[k], f.andel[k], 1e-4) << f.namn << " " << k;
        }
    }
}

TEST_F(Berakning, PeriodensAndelarKraverEnergi) {
    // Protein but no energy value: the day is not counted, so the period's
    // mean and its shares are 0 although the day's shares are not.
    rad(0, 0, 1, 100, {{19, 10}});
    BeraknaResultat(G);
    EXPECT_GT(G.R.DagEnergiandel[0][0], 99.0f);
    for (float v : G.R.PeriodEnergiandel) EXPECT_EQ(v, 0.0f);
}

TEST_F(Berakning, NormNollOchTroskeln) {
    G.AktuellNorm[4] = 0;
    G.AktuellNorm[5] = 0.0005f; // between 0 and 0.001
    rad(0, 0, 1, 100, {{19, 10}, {20, 10}});
    BeraknaResultat(G);
    EXPECT_EQ(G.R.MaltidProcent[0][0][4], 0.0f);
    EXPECT_EQ(G.R.RadProcent[0][0][1][4], 0.0f);
    EXPECT_GT(G.R.MaltidProcent[0][0][5], 0.0f);
    EXPECT_EQ(G.R.RadProcent[0][0][1][5], 0.0f);
}

TEST_F(Berakning, NegativtVardeLaggsTillSomDetAr) {
    rad(0, 0, 1, 100, {{28, -1}});
    rad(0, 0, 2, 100, {{28, 3}});
    BeraknaResultat(G);
    EXPECT_FLOAT_EQ(G.R.MaltidSumma[0][0][13], 2);
}

TEST_F(Berakning, SummornaAckumulerasIEnkelPrecision) {
    // 29 rows of 100 g with 0.1 g fat per 100 g: stored float by float the sum
    // is 2.8999994, a double sum rounded once at the end would be 2.9000001.
    double dubbel = 0;
    float enkel = 0;
    for (int r = 1; r < kRader; ++r) {
        rad(0, 0, r, 100, {{20, 0.1f}});
        const double term = 0.01 * 100.0 * static_cast<double>(0.1f);
        dubbel += term;
        enkel = static_cast<float>(enkel + term);
    }
    ASSERT_NE(static_cast<float>(dubbel), enkel) << "the fixture must tell the two apart";
    BeraknaResultat(G);
    EXPECT_EQ(G.R.MaltidSumma[0][0][5], enkel);
}

TEST_F(Berakning, TomRadRaknasInteOchAllaTommaGerNoll) {
    for (int d = 0; d < kDagar; ++d)
        for (int m = 0; m < kMaltider; ++m)
            for (int r = 1; r < kRader; ++r)
                rad(d, m, r, 100, {{15, 500}, {19, 5}, {20, 5}, {21, 5}}, 10);
    BeraknaResultat(G);
    EXPECT_GT(G.R.PeriodMedel[0], 0.0f);
    // A row whose code is "0" is empty whatever its other fields hold.
    G.Berakning[0][0][1].kod.satt(QStringLiteral("0"));
    BeraknaResultat(G);
    EXPECT_FLOAT_EQ(G.R.MaltidSumma[0][0][0], 28 * 500);
    TomBerakning(G);
    BeraknaResultat(G);
    Resultat noll;
    std::memset(&noll, 0, sizeof noll);
    // Entries of empty rows' shares are not defined; compare all but those.
    Resultat jamfor = G.R;
    std::memset(jamfor.RadProcent, 0, sizeof jamfor.RadProcent);
    EXPECT_EQ(std::memcmp(&jamfor, &noll, sizeof noll), 0);
    EXPECT_EQ(G.R.PeriodEnergiandel[0], 0.0f);
}

TEST_F(Berakning, AvvaltNaringRaknasAndå) {
    G.NvVal = {};
    G.NvVal[15] = true;
    rad(0, 0, 1, 100, {{36, 2}});
    BeraknaResultat(G);
    EXPECT_EQ(G.NvValAntal, 1);
    EXPECT_FLOAT_EQ(G.R.DagSumma[0][21], 2);
}

TEST_F(Berakning, VisningarnaKorsIOrdning) {
    QStringList ordning;
    auto& v = OmraknaVisningar();
    v.Markorer = [&] { ordning << QStringLiteral("markörer"); };
    v.VisaMaltid = [&] { ordning << QStringLiteral("måltid"); };
    v.Salt = [&] { ordning << QStringLiteral("salt"); };
    v.RitaDiagram = [&] { ordning << QStringLiteral("diagram"); };
    v.DiagramRubrik = [&] {
        // The arrays are current before the first display runs.
        EXPECT_FLOAT_EQ(G.R.DagSumma[0][0], 700);
        ordning << QStringLiteral("rubrik");
    };
    rad(0, 0, 1, 100, {{15, 700}});
    Omrakna();
    EXPECT_EQ(ordning, (QStringList{QStringLiteral("måltid"), QStringLiteral("rubrik"),
                                    QStringLiteral("diagram"), QStringLiteral("salt"),
                                    QStringLiteral("markörer")}));
}

TEST_F(Berakning, NyBerakningTommerAllaRaderMenInteUrklippet) {
    rad(3, 2, 5, 100, {{15, 1}});
    G.Berakning[3][2][5].Enhet1.satt(QStringLiteral("dl"));
    G.AktuellDag = 3;
    G.AktuellMaltid = 2;
    G.AktuellMaltidNamn = QStringLiteral("Middag");
    KopieraMaltid(G);
    G.Andrad = true;
    TomBerakning(G);
    EXPECT_FALSE(G.Andrad);
    EXPECT_EQ(G.AktuellDag, 0);
    EXPECT_EQ(G.AktuellMaltid, 0);
    EXPECT_EQ(G.AktuellMaltidNamn, QStringLiteral("Frukost"));
    for (auto& d : G.Berakning)
        for (auto& m : d)
            for (auto& r : m) {
                EXPECT_TRUE(r.tom());
                EXPECT_EQ(r.gram, 0.0f);
            }
    // Alternative units are left for the next fill to set.
    EXPECT_EQ(G.Berakning[3][2][5].Enhet1.text(), QStringLiteral("dl"));
    // The clipboard survives: paste into Frukost of Dag1.
    KlistraInMaltid(G);
    EXPECT_FALSE(G.Berakning[0][0][5].tom());
    EXPECT_FALSE(G.Andrad);
}

TEST_F(Berakning, KlistraInForeKopieringTommerMaltiden) {
    rad(0, 0, 1, 100, {{15, 1}});
    KlistraInMaltid(G);
    for (int r = 0; r < kRader; ++r) EXPECT_TRUE(G.Berakning[0][0][r].tom());
}

TEST_F(Berakning, KlistraInISigSjalvAndrarInget) {
    rad(1, 1, 1, 100, {{15, 1}});
    rad(1, 1, 2, 200, {{15, 2}});
    G.AktuellDag = 1;
    G.AktuellMaltid = 1;
    KopieraMaltid(G);
    Maltidsrad fore[kRader];
    std::memcpy(fore, G.Berakning[1][1], sizeof fore);
    KlistraInMaltid(G);
    EXPECT_EQ(std::memcmp(fore, G.Berakning[1][1], sizeof fore), 0);
}

TEST_F(Berakning, ValjDagBehallerMaltiden) {
    ValjMaltid(G, 1);
    ValjDag(G, 1);
    EXPECT_EQ(G.AktuellMaltid, 1);
    EXPECT_EQ(G.AktuellMaltidNamn, QStringLiteral("Lunch"));
    EXPECT_EQ(G.AktuellDag, 1);
    ValjDag(G, 7);
    ValjDag(G, -1);
    ValjMaltid(G, 4);
    EXPECT_EQ(G.AktuellDag, 1);
    EXPECT_EQ(G.AktuellMaltid, 1);
}

TEST_F(Berakning, RadFylldFranTabellen) {
    QTemporaryDir d;
    FixLivsmedel f = StandardLivsmedel()[6]; // Mjölk: glas 200 g, port 120, dl 66
    f.kgpris = QStringLiteral("12,5");
    f.naring = {{15, 250}, {65, 1.5}};
    f.namn = QString(90, u'M');
    SkrivFixturTabell(d.path(), QStringLiteral("fodbas100"), {f});
    Tabellfil t;
    ASSERT_TRUE(t.oppna(d.path(), QStringLiteral("fodbas100")).isEmpty());
    const auto post = HittaLivsmedel(t, f.kod);
    ASSERT_TRUE(post.has_value());
    Maltidsrad r;
    std::memset(&r, 0, sizeof r);
    r.tagg.satt(QStringLiteral("x"));
    FyllRadFranLivsmedel(r, f.kod, *post);
    EXPECT_EQ(r.kod.text(), QStringLiteral("7"));
    EXPECT_EQ(r.livsmedel.text(), QString(80, u'M'));
    EXPECT_EQ(r.enhet.text(), QStringLiteral("glas"));
    EXPECT_EQ(r.portionsstorlek, 200.0f);
    EXPECT_EQ(r.gram, 200.0f);
    EXPECT_EQ(r.kgpris, 12.5f);
    EXPECT_EQ(r.Enhet2.text(), QStringLiteral("dl"));
    EXPECT_EQ(r.port2, 66.0f);
    EXPECT_EQ(r.naring[0], 250.0f);
    EXPECT_EQ(r.naring[50], 1.5f);
    EXPECT_EQ(r.tagg.text(), QStringLiteral("x"));
}

} // namespace
