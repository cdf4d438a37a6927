#include "analysis/tips.h"
#include "analysis/topplista.h"
#include "app/tillstand.h"
#include "food/nvkatalog.h"
#include "food/tabellfil.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

FixLivsmedel mat(const char* kod, const char* namn, double portion, double vitC) {
    FixLivsmedel f;
    f.kod = QString::fromLatin1(kod);
    f.namn = QString::fromUtf8(namn);
    f.portion = portion;
    f.naring = {{28, vitC}};
    return f;
}

TEST(Topplista, RangordningOchGranser) {
    QTemporaryDir d;
    SkrivFixturTabell(d.path(), QStringLiteral("fodbas100"),
                      {mat("1", "Apelsin", 150, 50), mat("2", "Kiwi", 75, 90),
                       mat("3", "Spår", 100, 0.011), mat("4", "Lite", 100, 0.012),
                       mat("5", "Pulver", 0.4, 500), mat("6", "Halv", 0.5, 40),
                       mat("7", "RESERV", 100, 99), mat("8", "RESERVDEL", 100, 1),
                       mat("9", "Bär A", 100, 50), mat("10", "Bär B", 100, 50)});
    Tabellfil t;
    ASSERT_TRUE(t.oppna(d.path(), QStringLiteral("fodbas100")).isEmpty());
    NvPost c{QStringLiteral("Vit-C"), QStringLiteral("Vit-C mg"), QStringLiteral("mg"), 0};
    const QStringList per100 = Topplista(t, 28, true, c);
    EXPECT_EQ(
        per100,
        (QStringList{QStringLiteral("    500.00 mg Pulver"), QStringLiteral("     90.00 mg Kiwi"),
                     QStringLiteral("     50.00 mg Bär B"), QStringLiteral("     50.00 mg Bär A"),
                     QStringLiteral("     50.00 mg Apelsin"), QStringLiteral("     40.00 mg Halv"),
                     QStringLiteral("      1.00 mg RESERVDEL"),
                     QStringLiteral("      0.01 mg Lite")}));
    const QStringList port = Topplista(t, 28, false, c);
    EXPECT_EQ(port, (QStringList{QStringLiteral("     75.00 mg Apelsin (150 g)"),
                                 QStringLiteral("     67.50 mg Kiwi (75 g)"),
                                 QStringLiteral("     50.00 mg Bär B (100 g)"),
                                 QStringLiteral("     50.00 mg Bär A (100 g)"),
                                 QStringLiteral("      1.00 mg RESERVDEL (100 g)"),
                                 QStringLiteral("      0.20 mg Halv (1 g)"),
                                 QStringLiteral("      0.01 mg Lite (100 g)")}));
    EXPECT_EQ(ToppSlot(0), 15);
    EXPECT_EQ(ToppSlot(1), 16);
    EXPECT_EQ(ToppSlot(2), 19);
    EXPECT_EQ(ToppSlot(48), 65);
}

TEST(Tips, NycklarOchSparande) {
    const QStringList tips =
        TolkaTipsTexter("M1 ett\r\nM10 tio\r\nM1 ett b\r\nskräp\r\nM32 sist\r\n");
    EXPECT_EQ(TipsText(tips, 1), (QStringList{QStringLiteral("ett"), QStringLiteral("ett b")}));
    EXPECT_EQ(TipsText(tips, 10), QStringList{QStringLiteral("tio")});
    EXPECT_EQ(TipsText(tips, 32), QStringList{QStringLiteral("sist")});
    std::array<QStringList, 32> memon;
    memon[0] = {QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("bort")};
    memon[9] = {QStringLiteral("tio")};
    const QStringList sparade = TipsFranMemon(memon);
    EXPECT_EQ(sparade, (QStringList{QStringLiteral("M1 a"), QStringLiteral("M1 b"),
                                    QStringLiteral("M10 tio")}));
    EXPECT_EQ(SkrivTipsTexter(sparade), QByteArray("M1 a\r\nM1 b\r\nM10 tio\r\n"));
}

TEST(Tips, Trosklar) {
    const struct {
        double q;
        int niva;
    } fall[] = {{0, 0}, {24.9, 0}, {25, 1}, {84.99, 1}, {85, 2}, {114.9, 2}, {115, 3}, {300, 3}};
    for (const auto& f : fall) EXPECT_EQ(TipsNiva(f.q), f.niva) << f.q;
}

class Rad : public ::testing::Test {
protected:
    void SetUp() override { G.aterstall(); }
    void TearDown() override { G.aterstall(); }
};

TEST_F(Rad, EnergiBedomsIKilojouleMenVisasIKcal) {
    QStringList tips;
    for (int k = 1; k <= 32; ++k) tips << QStringLiteral("M%1 text %1").arg(k);
    G.AktuellNorm[0] = 100;
    G.AktuellNorm[1] = 100;
    Maltidsrad& r = G.Berakning[2][0][1];
    r.kod.satt(QStringLiteral("1"));
    r.gram = 100;
    for (float& v : r.naring) v = 0;
    r.naring[0] = 86; // 86 % by kJ
    r.naring[1] = 84; // 84 % by kcal
    G.AktuellDag = 2;
    BeraknaResultat(G);
    const QStringList ut = GodaRad(G, tips);
    EXPECT_EQ(ut[0],
              QStringLiteral("OBS! TIPSEN FÖRUTSÄTTER ATT DU ANGETT ALLT DU ÄTIT UNDER DAGEN."));
    EXPECT_EQ(ut[2], QStringLiteral("kcal (84 kcal = 84% av dagsbehovet)"));
    EXPECT_EQ(ut[3], QStringLiteral("text 3")); // good
    EXPECT_EQ(ut[4], QString());
    EXPECT_EQ(ut[5], QStringLiteral("Protein (0 g = 0% av dagsbehovet)"));
    EXPECT_EQ(ut[6], QStringLiteral("text 5"));
    EXPECT_EQ(ut.size(), 2 + 8 * 3);
}

TEST_F(Rad, TomDagOchNormNollGerMycketLagt) {
    for (float& v : G.AktuellNorm) v = 0;
    const QStringList ut =
        GodaRad(G, {QStringLiteral("M1 mkt låg"), QStringLiteral("M29 kalcium mkt låg")});
    EXPECT_EQ(ut[3], QStringLiteral("mkt låg"));
    EXPECT_EQ(ut[ut.size() - 2], QStringLiteral("kalcium mkt låg"));
    EXPECT_EQ(ut[ut.size() - 3], QStringLiteral("Kalcium (0 mg = 0% av dagsbehovet)"));
    // Without texts a block is the measured line and the separator.
    const QStringList utan = GodaRad(G, {});
    EXPECT_EQ(utan.size(), 2 + 8 * 2);
}

TEST(Tips, LevereradeTexter) {
    QFile f(DataKatalog() + QStringLiteral("/info.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList tips = TolkaTipsTexter(f.readAll());
    for (int k = 1; k <= 32; ++k) EXPECT_FALSE(TipsText(tips, k).isEmpty()) << k;
}

} // namespace
