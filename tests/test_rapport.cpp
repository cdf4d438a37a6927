#include "app/text.h"
#include "app/tillstand.h"
#include "reports/rapport.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// A small calculation: three foods over two days, eight nutrients selected,
// a known requirement.
void liten() {
    G.aterstall();
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const struct {
        int slot;
        const char* namn;
        const char* etikett;
        int dec;
    } kat[] = {{15, "Energi", "Energi kJ", 0}, {19, "Protein", "Protein g", 1},
               {20, "Fett", "Fett g", 1},      {21, "Kolhydr", "Kolhydr g", 1},
               {28, "Vit-C", "Vit-C mg", 0},   {34, "Kalcium", "Kalcium mg", 0},
               {36, "Järn", "Järn mg", 1},     {48, "Fibrer", "Fibrer g", 1},
               {49, "Alkohol", "Alkohol g", 1}};
    for (const auto& k : kat) {
        G.NvKatalog[static_cast<std::size_t>(k.slot)] = {
            QString::fromUtf8(k.namn), QString::fromUtf8(k.etikett),
            QString::fromUtf8(k.etikett).section(u' ', 1), k.dec};
        if (k.slot != 49) G.NvVal[static_cast<std::size_t>(k.slot)] = true;
    }
    for (float& v : G.AktuellNorm) v = 0;
    G.AktuellNorm[0] = 9300;
    G.AktuellNorm[4] = 80;
    G.AktuellNorm[5] = 75;
    G.AktuellNorm[6] = 300;
    G.AktuellNorm[13] = 85;
    G.AktuellNorm[19] = 1000;
    G.AktuellNorm[21] = 15;
    G.AktuellNorm[33] = 25;
    G.AktuellNormText = QStringLiteral("Norm: Kvinnor 15–18 år");
    auto rad = [](int d, int m, int r, const char* kod, const char* namn, const char* enhet,
                  float portion, float gram, float kgpris,
                  std::initializer_list<std::pair<int, float>> n) {
        Maltidsrad& x = G.Berakning[d][m][r];
        x.kod.satt(QString::fromLatin1(kod));
        x.livsmedel.satt(QString::fromUtf8(namn));
        x.enhet.satt(QString::fromUtf8(enhet));
        x.portionsstorlek = portion;
        x.gram = gram;
        x.kgpris = kgpris;
        for (const auto& [s, v] : n) x.naring[s - 15] = v;
    };
    rad(0, 0, 1, "1", "Havregryn fullkorn", "dl", 35, 70, 22,
        {{15, 1530}, {19, 13}, {20, 7}, {21, 58}, {34, 50}, {36, 4.2f}, {48, 10}});
    rad(0, 0, 2, "2", "Mellanmjölk fett 1,5% berikad", "glas", 200, 250, 15.9f,
        {{15, 190}, {19, 3.5f}, {20, 1.5f}, {21, 4.7f}, {28, 1}, {34, 120}, {36, 0.05f}});
    rad(0, 2, 1, "3", "Apelsin", "st", 150, 150, 28,
        {{15, 190}, {19, 0.9f}, {20, 0.2f}, {21, 9}, {28, 50}, {34, 40}, {36, 0.1f}, {48, -1}});
    rad(1, 1, 1, "4", "Vin rött vol. % 14", "glas", 150, 150, 130,
        {{15, 350}, {21, 2.5f}, {49, 11}});
    rad(1, 1, 2, "2", "Mellanmjölk fett 1,5% berikad", "glas", 200, 37.5f, 15.9f,
        {{15, 190}, {19, 3.5f}, {20, 1.5f}, {21, 4.7f}, {28, 1}, {34, 120}, {36, 0.05f}});
    BeraknaResultat(G);
}

QString text(const Rapport& r) {
    QString ut;
    for (std::size_t i = 1; i < r.Rapportrader.size(); ++i)
        ut += r.Rapportrader[i].del2 + u'|' + r.Rapportrader[i].del1 + u'\n';
    ut += QStringLiteral("-- ForstaRubrik: ") + r.ForstaRubrik + u'\n';
    for (const auto& c : r.Cirkeldata)
        ut += QStringLiteral("-- Cirkel %1: %2 %3 %4 %5\n")
                  .arg(c.grupp, Tal(c.andel[0], 0, 2), Tal(c.andel[1], 0, 2), Tal(c.andel[2], 0, 2),
                       Tal(c.andel[3], 0, 2));
    return ut;
}

struct Fall {
    const char* namn;
    Rapportval val;
};

class Facit : public ::testing::TestWithParam<Fall> {};

TEST_P(Facit, SammaRaderSomFacit) {
    liten();
    const Fall& f = GetParam();
    const QString fil = QStringLiteral(NUTRAVA_KALLKOD "/tests/rapporter/") +
                        QString::fromLatin1(f.namn) + QStringLiteral(".txt");
    const QString faktisk = text(KomponeraRapport(G, f.val));
    if (qEnvironmentVariableIsSet("NUTRAVA_SKRIV_FACIT")) {
        QFile ut(fil);
        ASSERT_TRUE(ut.open(QIODevice::WriteOnly));
        ut.write(faktisk.toUtf8());
    }
    QFile in(fil);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << fil.toStdString();
    EXPECT_EQ(faktisk, QString::fromUtf8(in.readAll())) << f.namn;
    G.aterstall();
}

INSTANTIATE_TEST_SUITE_P(
    Varianter, Facit,
    ::testing::Values(Fall{"maltid_detalj", {0, 0, false, false, false, false}},
                      Fall{"maltid_detalj_pris_stapel_energi", {0, 0, false, true, true, true}},
                      Fall{"maltid_kort", {0, 1, false, false, false, false}},
                      Fall{"maltid_kort_pris", {0, 1, false, true, false, true}},
                      Fall{"dag_detalj", {1, 0, false, false, true, false}},
                      Fall{"dag_summor_pris", {1, 2, false, true, false, true}},
                      Fall{"dag_komprimerad_stapel", {1, 0, true, false, true, false}},
                      Fall{"alla_detalj_pris_stapel_energi", {2, 0, false, true, true, true}},
                      Fall{"alla_maltidssummor", {2, 1, false, false, false, false}},
                      Fall{"alla_periodsumma_stapel", {2, 3, false, false, true, true}},
                      Fall{"alla_komprimerad_energi", {2, 0, true, true, false, true}}),
    [](const ::testing::TestParamInfo<Fall>& i) { return std::string(i.param.namn); });

class Rapportfall : public ::testing::Test {
protected:
    void SetUp() override { liten(); }
    void TearDown() override { G.aterstall(); }
    static QStringList rader(const Rapport& r) {
        QStringList ut;
        for (std::size_t i = 1; i < r.Rapportrader.size(); ++i) ut << r.Rapportrader[i].del1;
        return ut;
    }
};

TEST_F(Rapportfall, SexNaringarGerExtraBlankrad) {
    G.NvVal = {};
    for (int s : {15, 19, 20, 21, 28, 34}) G.NvVal[static_cast<std::size_t>(s)] = true;
    const QStringList r = rader(KomponeraRapport(G, {0, 0, false, false, false, false}));
    EXPECT_EQ(r[0], QStringLiteral("Livsmedel").leftJustified(50) +
                        QStringLiteral(" EnergiProtein   FettKolhydr  Vit-CKalcium"));
    EXPECT_EQ(r[1], QString(50, u' '));
    EXPECT_EQ(r[2], QString());
    // A food's lines have no such line.
    EXPECT_TRUE(r[3].startsWith(QStringLiteral("Havregryn fullkorn")));
    EXPECT_TRUE(r[4].startsWith(QStringLiteral("2.00 dl = 70 gram")));
    EXPECT_EQ(r[5], QString());
}

TEST_F(Rapportfall, SaknatVardeVisasMedStreck) {
    G.AktuellMaltid = 2;
    const QStringList r = rader(KomponeraRapport(G, {0, 0, false, false, false, false}));
    // Apelsin: fibre -1 per 100 g, the 8th selected nutrient: on line 2.
    EXPECT_TRUE(r[4].endsWith(QStringLiteral("      -"))) << r[4].toStdString();
}

TEST_F(Rapportfall, PortionUnder09VisarBaraGram) {
    G.Berakning[0][0][1].portionsstorlek = 0.9f;
    const QStringList r = rader(KomponeraRapport(G, {0, 0, false, false, false, false}));
    EXPECT_TRUE(r[4].startsWith(QStringLiteral("70 gram   "))) << r[4].toStdString();
    const QStringList k = rader(KomponeraRapport(G, {0, 1, false, false, false, false}));
    EXPECT_EQ(k[2], QStringLiteral("Havregryn fullkorn").leftJustified(50) +
                        QStringLiteral(" 0.00           ") + QStringLiteral("    70"));
}

TEST_F(Rapportfall, PrisUnderEttOreUtelamnas) {
    G.Berakning[0][0][1].kgpris = 0.1f; // 70 g: 0.007 kr
    BeraknaResultat(G);
    const QStringList r = rader(KomponeraRapport(G, {0, 0, false, true, false, false}));
    EXPECT_TRUE(r[4].startsWith(QStringLiteral("70 gram").leftJustified(50))) << r[4].toStdString();
    EXPECT_TRUE(r[7].contains(QStringLiteral("3,97 kr   (15,90 kr/kg)"))) << r[7].toStdString();
    const QStringList k = rader(KomponeraRapport(G, {0, 1, false, true, false, false}));
    EXPECT_EQ(k[2],
              QStringLiteral("Havregryn fullkorn").leftJustified(50) + QStringLiteral("    70"));
    EXPECT_EQ(k[3], QStringLiteral("Mellanmjölk fett 1,5% berikad").leftJustified(50) +
                        QStringLiteral("   250      3,97      15,90"));
    // Kronor with a comma, "Pris:" with a point.
    EXPECT_EQ(k[5], QStringLiteral("Pris: 3.98 kr"));
}

TEST_F(Rapportfall, DagMedUnderEnKilojoule) {
    for (auto& r : G.Berakning[1][1]) r.tomma();
    Maltidsrad& x = G.Berakning[1][1][1];
    x.kod.satt(QStringLiteral("9"));
    x.gram = 1;
    for (float& v : x.naring) v = 0;
    x.naring[0] = 80; // 0.8 kJ
    BeraknaResultat(G);
    const Rapport r = KomponeraRapport(G, {2, 0, false, false, false, false});
    int dag2 = 0;
    for (const auto& rr : r.Rapportrader) dag2 += rr.del2 == QLatin1String("Dag 2") ? 1 : 0;
    EXPECT_GT(dag2, 0); // its day heading and meal lines
    for (const auto& c : r.Cirkeldata) EXPECT_NE(c.grupp, QStringLiteral("Dag 2")); // no day block
    bool iSammanstallning = false;
    for (const auto& rr : r.Rapportrader)
        if (rr.del2 == QStringLiteral("Sammanställning") &&
            rr.del1.startsWith(QStringLiteral("Dag 2")))
            iSammanstallning = true;
    EXPECT_TRUE(iSammanstallning);
}

TEST_F(Rapportfall, TomAktuellMaltidSkrivsAnda) {
    G.AktuellDag = 5;
    const Rapport r = KomponeraRapport(G, {0, 0, false, false, true, false});
    EXPECT_EQ(r.ForstaRubrik, QStringLiteral("Dag 6 Frukost  "));
    EXPECT_EQ(r.Cirkeldata.size(), 1u);
    bool summa = false;
    for (const auto& rr : r.Rapportrader) summa |= rr.del1.startsWith(QStringLiteral("* Summa *"));
    EXPECT_TRUE(summa);
}

TEST_F(Rapportfall, MaltidsandelNollGerBlankProcentOchKrav) {
    G.Maltidsandel[0] = 0;
    const QStringList r = rader(KomponeraRapport(G, {0, 0, false, false, true, false}));
    const auto it = std::find_if(r.begin(), r.end(), [](const QString& s) {
        return s.startsWith(QStringLiteral("!Energi"));
    });
    ASSERT_NE(it, r.end());
    EXPECT_EQ(*it, QStringLiteral("!Energi 1546 kJ ? & @"));
}

TEST_F(Rapportfall, BredaVardenForskjuterKolumnerna) {
    G.NvKatalog[19].nvDecimaler = 9;
    const QStringList r = rader(KomponeraRapport(G, {0, 1, false, false, false, false}));
    const QStringList s = rader(KomponeraRapport(G, {0, 0, false, false, false, false}));
    const auto summa = std::find_if(s.begin(), s.end(), [](const QString& x) {
        return x.startsWith(QStringLiteral("* Summa *"));
    });
    ASSERT_NE(summa, s.end());
    EXPECT_EQ(*summa, QStringLiteral("* Summa *").leftJustified(50) + QStringLiteral("   1546") +
                          QStringLiteral("17.850000381") + QStringLiteral("    8.6") +
                          QStringLiteral("   52.3") + QStringLiteral("      3") +
                          QStringLiteral("    335"));
    (void)r;
}

TEST(Rapport, Kronor) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(Kronor(3.975), QStringLiteral("3,98"));
    EXPECT_EQ(Kronor(0), QStringLiteral("0,00"));
    EXPECT_EQ(Tal(12.5, 0, 0), QStringLiteral("13"));
    EXPECT_EQ(Tal(8.25, 7, 1), QStringLiteral("    8.3"));
}

} // namespace
