#include "app/tillstand.h"
#include "results/diagram.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class Diagram : public ::testing::Test {
protected:
    void SetUp() override {
        G.aterstall();
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        G.NvKatalog[28] = {QStringLiteral("Vit-C"), QStringLiteral("Vit-C mg"),
                           QStringLiteral("mg"), 0};
        G.NvKatalog[15] = {QStringLiteral("Energi"), QStringLiteral("Energi kJ"),
                           QStringLiteral("kJ"), 0};
        G.NvKatalog[20] = {QStringLiteral("Fett"), QStringLiteral("Fett g"), QStringLiteral("g"),
                           1};
    }
    void TearDown() override { G.aterstall(); }
    static Maltidsrad& rad(int d, int m, int r, float gram,
                           std::initializer_list<std::pair<int, float>> n) {
        Maltidsrad& x = G.Berakning[d][m][r];
        x.kod.satt(QString::number(r));
        x.gram = gram;
        for (float& v : x.naring) v = 0;
        for (const auto& [slot, v] : n) x.naring[slot - 15] = v;
        return x;
    }
};

TEST(Sidindelning, StaplarPerSida) {
    const struct {
        int hojd, antal, n;
    } fall[] = {{229, 20, 8}, {229, 17, 7}, {229, 5, 5},  {229, 0, 0},  {229, 9, 7},
                {229, 25, 7}, {229, 33, 7}, {229, 14, 8}, {238, 30, 8}, {266, 40, 10},
                {229, 8, 8},  {20, 5, 0},   {20, 6, 1},   {10, 3, 0}};
    for (const auto& f : fall)
        EXPECT_EQ(StaplarPerSida(f.hojd, f.antal), f.n) << f.hojd << " px, " << f.antal << " bars";
}

TEST_F(Diagram, FrukostensStaplarAvMaltidensAndel) {
    // Two foods covering 10 % and 5 % of the daily vitamin C requirement; with
    // the breakfast share 0.25 the bar is 40 + 20 = 60, blue then red.
    G.AktuellNorm[13] = 100;
    G.NvVal[28] = true;
    rad(0, 0, 1, 100, {{28, 10}});
    rad(0, 0, 2, 100, {{28, 5}});
    BeraknaResultat(G);
    const Stapeldata s = BeraknaStaplar(G);
    ASSERT_EQ(s.varden.size(), 1u);
    EXPECT_FLOAT_EQ(s.varden[0][0], 40);
    EXPECT_FLOAT_EQ(s.varden[0][1], 20);
    EXPECT_EQ(s.varden[0][2], 0);
    EXPECT_EQ(s.etiketter[0], QStringLiteral("Vit-C mg     15"));
    EXPECT_EQ(SerieFarg(1), 0x0000FFu);
    EXPECT_EQ(SerieFarg(2), 0xFF0000u);
    // A meal share of 0 shows 0.
    G.Maltidsandel[0] = 0;
    EXPECT_EQ(BeraknaStaplar(G).varden[0][0], 0.0f);
}

TEST_F(Diagram, DagensSegmentSummerarTillDagProcent) {
    G.AktuellNorm[5] = 70;
    G.NvVal[20] = true;
    G.NvVal[15] = true;
    rad(2, 0, 1, 120, {{20, 3.3f}, {15, 500}});
    rad(2, 1, 1, 80, {{20, 12.1f}, {15, 900}});
    rad(2, 3, 4, 33, {{20, 7.7f}});
    G.AktuellDag = 2;
    G.AktuellNiva = 1;
    BeraknaResultat(G);
    const Stapeldata s = BeraknaStaplar(G);
    ASSERT_EQ(s.varden.size(), 2u);
    EXPECT_EQ(s.etiketter[0], QStringLiteral("Energi kJ   1320"));
    float summa = 0;
    for (float v : s.varden[1]) summa += v;
    EXPECT_NEAR(summa, G.R.DagProcent[2][5], 1e-4);
    EXPECT_EQ(s.etiketter[1], QStringLiteral("Fett g   16.2"));
    // "Dagar": the period's percentage in series 1.
    G.AktuellNiva = 2;
    const Stapeldata p = BeraknaStaplar(G);
    EXPECT_FLOAT_EQ(p.varden[1][0], G.R.PeriodProcent[5]);
}

TEST_F(Diagram, TomMaltidGerIngaVarden) {
    G.NvVal[15] = true;
    BeraknaResultat(G);
    const Stapeldata s = BeraknaStaplar(G);
    ASSERT_EQ(s.varden.size(), 1u);
    for (float v : s.varden[0]) EXPECT_EQ(v, 0.0f);
}

TEST_F(Diagram, Rubriker) {
    EXPECT_EQ(DiagramRubrikText(0, QStringLiteral("Lunch"), QStringLiteral("DAG2")),
              QStringLiteral("Näring i % av behovet för Lunch DAG2"));
    EXPECT_EQ(DiagramRubrikText(1, QStringLiteral("Lunch"), QStringLiteral("dag3")),
              QStringLiteral("Näring i % av behovet för hela dag3"));
    EXPECT_EQ(DiagramRubrikText(2, QStringLiteral("Lunch"), QStringLiteral("dag3")),
              QStringLiteral("Näring i % av dagsbehovet för perioden"));
}

TEST_F(Diagram, Tartornas_Alkohol) {
    const struct {
        float alkoholProcent;
        bool alko;
    } fall[] = {{2.0f, true}, {1.0f, false}};
    for (const auto& f : fall) {
        G.aterstall();
        // Alcohol giving the wanted share of the factor-based energy.
        const float kolh = 10;
        const float A = f.alkoholProcent / (100 - f.alkoholProcent) * 1700 * kolh / 2900;
        rad(0, 0, 1, 100, {{21, kolh}, {49, A}, {15, 500}});
        BeraknaResultat(G);
        EXPECT_NEAR(G.R.MaltidEnergiandel[3][0][0], f.alkoholProcent, 1e-3);
        const auto verklig = VerkligTart(G);
        const auto ideal = IdealTart(G);
        EXPECT_EQ(verklig.size(), f.alko ? 4u : 3u) << f.alkoholProcent;
        EXPECT_EQ(ideal.size(), f.alko ? 4u : 3u) << f.alkoholProcent;
        if (f.alko) {
            EXPECT_EQ(verklig.back().namn, QStringLiteral("Alko"));
            EXPECT_EQ(ideal.back().namn, QStringLiteral("Alko max"));
            EXPECT_EQ(ideal.back().varde, 5.0f);
        }
    }
}

TEST_F(Diagram, VattenGerTomVerkligMenIdealMedTreBitar) {
    rad(0, 0, 1, 200, {{17, 100}});
    BeraknaResultat(G);
    EXPECT_TRUE(VerkligTart(G).empty());
    const auto ideal = IdealTart(G);
    ASSERT_EQ(ideal.size(), 3u);
    EXPECT_EQ(ideal[0].namn, QStringLiteral("Prot"));
    EXPECT_EQ(ideal[0].farg, 0xFF0000u);
    EXPECT_EQ(ideal[2].varde, 55.0f);
}

TEST_F(Diagram, Prisraden) {
    G.Berakning[0][1][1].kod.satt(QStringLiteral("1"));
    G.Berakning[0][1][1].gram = 500;
    G.Berakning[0][1][1].kgpris = 25;
    G.AktuellMaltid = 1;
    G.AktuellMaltidNamn = QStringLiteral("Lunch");
    BeraknaResultat(G);
    EXPECT_EQ(PrisText(G, QStringLiteral("DAG1")), QStringLiteral(" Pris Lunch: 12,50 kr"));
    G.AktuellNiva = 1;
    EXPECT_EQ(PrisText(G, QStringLiteral("DAG1")), QStringLiteral(" Pris DAG1: 12,50 kr"));
    G.AktuellNiva = 2;
    EXPECT_EQ(PrisText(G, QStringLiteral("DAG1")), QStringLiteral(" Pris alla dagar: 12,50 kr"));
}

TEST_F(Diagram, Salt) {
    const struct {
        float natrium;
        const char* text;
        int stapel;
    } fall[] = {{2400, "6.0", 6}, {2300, "5.8", 6}, {2250, "5.6", 6},    {2500, "6.3", 6},
                {1250, "3.1", 3}, {1000, "2.5", 2}, {12000, "30.0", 30}, {0, "0.0", 0}};
    for (const auto& f : fall) {
        G.aterstall();
        if (f.natrium > 0) rad(0, 2, 1, 100, {{38, f.natrium}, {15, 100}});
        BeraknaResultat(G);
        const Saltvisning s = BeraknaSalt(G);
        EXPECT_EQ(s.rad, QStringLiteral("Saltmängden denna dag är: ") +
                             QString::fromLatin1(f.text) + QStringLiteral(" gram."));
        EXPECT_EQ(s.stapel, f.stapel) << f.natrium;
        G.AktuellNiva = 1; // the same line in the day scope
        EXPECT_EQ(BeraknaSalt(G).rad, s.rad);
    }
    // The period: the mean per counted day.
    G.aterstall();
    for (int d = 0; d < 3; ++d) rad(d, 0, 1, 100, {{38, 1000.0f * (d + 1)}, {15, 100}});
    BeraknaResultat(G);
    G.AktuellNiva = 2;
    EXPECT_EQ(BeraknaSalt(G).rad, QStringLiteral("Dagsmedelvärdet salt är: 5.0 gram."));
}

} // namespace
