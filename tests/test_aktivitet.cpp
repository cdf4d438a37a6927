#include "app/text.h"
#include "person/aktivitet.h"
#include "tests/fixtur.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Aktivitet, Grundforbrukning) {
    const struct {
        int alder;
        float vikt;
        int kon;
        float kcal;
    } fall[] = {{15, 55, 0, 1417.0f}, {40, 70, 1, 1691.0f}, {2, 12, 1, 676.8f},
                {10, 30, 0, 1174.0f}, {25, 60, 0, 1378.0f}, {70, 80, 1, 1567.0f},
                {0, 4, 0, 193.0f},    {110, 50, 0, 1121.0f}};
    for (const auto& f : fall) {
        float k = 0;
        ASSERT_TRUE(BeraknaGrundforbrukning(f.alder, f.vikt, f.kon, k)) << f.alder;
        EXPECT_NEAR(k, f.kcal, 0.01) << f.alder;
    }
    float k = 123;
    EXPECT_FALSE(BeraknaGrundforbrukning(111, 70, 0, k));
    EXPECT_FALSE(BeraknaGrundforbrukning(-1, 70, 0, k));
    EXPECT_EQ(k, 123.0f);
}

TEST(Aktivitet, NormradOchAlder) {
    EXPECT_EQ(NormradFor(0, 15), 12);
    EXPECT_EQ(NormradFor(1, 40), 4);
    EXPECT_EQ(NormradFor(1, 11), 1);
    EXPECT_EQ(NormradFor(0, 110), 16);
    EXPECT_EQ(NormradFor(0, 10), 0);
    EXPECT_EQ(NormradFor(1, 111), 0);
    EXPECT_EQ(AlderAv(QStringLiteral("14,5")), 14); // halves to even
    EXPECT_EQ(AlderAv(QStringLiteral("15,5")), 16);
    EXPECT_EQ(AlderAv(QStringLiteral("x")), 0);
}

class Rakna : public ::testing::Test {
protected:
    Aktivitetslista l;
    Aktivitetsvarden v;
    float norm[51];
    const float ideal[6] = {15, 30, 55, 12.5f, 7.5f, 10};
    int lastNr = 0;
    void SetUp() override {
        for (int p = 0; p < 51; ++p) norm[p] = 100 + p;
    }
    QString rakna() {
        return RaknaAktiviteterKarna(l, v, norm, ideal, [this](int nr, float n[51]) {
            lastNr = nr;
            for (int p = 0; p < 51; ++p) n[p] = static_cast<float>(nr * 1000 + p);
            return true;
        });
    }
};

TEST_F(Rakna, KvinnaFemtonAr) {
    const QString text = rakna();
    EXPECT_EQ(v.Grundforbrukning, 1417.0f);
    EXPECT_EQ(lastNr, 12);
    EXPECT_EQ(norm[2], 12002.0f); // the other values from row 12
    EXPECT_EQ(text, QStringLiteral("Kvinna 15 år, 55 kg.  5929 kJ/dag (1417 kcal/dag)"));
}

TEST_F(Rakna, ManFyrtioArUtanAktiviteter) {
    l.alder = QStringLiteral("40");
    l.vikt = QStringLiteral("70");
    l.kon = 1;
    const QString text = rakna();
    EXPECT_EQ(v.Dygnsforbrukning, 1691.0f);
    EXPECT_NEAR(norm[0], 7075.144, 1e-3);
    EXPECT_EQ(norm[1], 1691.0f);
    EXPECT_NEAR(norm[4], 62.43, 0.01);
    EXPECT_NEAR(norm[5], 0.30 * 7075.144 / 37, 1e-3);
    EXPECT_NEAR(norm[26], 0.10 * 7075.144 / 37, 1e-3);
    EXPECT_NEAR(norm[27], 0.125 * 7075.144 / 37, 1e-3);
    EXPECT_NEAR(norm[28], 0.075 * 7075.144 / 37, 1e-3);
    EXPECT_EQ(lastNr, 4);
    EXPECT_EQ(text, QStringLiteral("Man 40 år, 70 kg.  7075 kJ/dag (1691 kcal/dag)"));
    EXPECT_EQ(v.minuterKvar, 1440.0f);
}

TEST_F(Rakna, AktivitetensEnergi) {
    // Basal rate 1440 kcal (a rate of 1 kcal a minute), factor 2.0 for 60 minutes.
    l.alder = QStringLiteral("40");
    l.kon = 1;
    l.vikt = QString::number((1440.0 - 879) / 11.6, 'g', 17);
    l.rader[1] = {QStringLiteral("Löpning"), QStringLiteral("2"), QStringLiteral("60"), {}, {}};
    rakna();
    EXPECT_NEAR(v.Grundforbrukning, 1440.0f, 1e-3);
    EXPECT_EQ(l.rader[1].kcalPerMin, QStringLiteral("1.00"));
    EXPECT_EQ(l.rader[1].kcal, QStringLiteral("60"));
    EXPECT_NEAR(v.Aktivitetsenergi, 60, 1e-3);
    EXPECT_EQ(v.minuterKvar, 1380.0f);
}

TEST_F(Rakna, KcalPerMinAvrundasForeMultiplikationen) {
    // Basal rate 1500 kcal, factor 1.5: 0.520833... written 0.52, so 100 minutes give 52.
    l.alder = QStringLiteral("40");
    l.kon = 1;
    l.vikt = QString::number((1500.0 - 879) / 11.6, 'g', 17);
    l.rader[1] = {QStringLiteral("Promenad"), QStringLiteral("1,5"), QStringLiteral("100"), {}, {}};
    rakna();
    EXPECT_EQ(l.rader[1].kcalPerMin, QStringLiteral("0.52"));
    EXPECT_EQ(l.rader[1].kcal, QStringLiteral("52"));
    EXPECT_NEAR(v.Aktivitetsenergi, 52.0, 1e-4);
    EXPECT_EQ(KjPerMin(l.rader[1]), QStringLiteral("2"));
    EXPECT_EQ(KjTotalt(l.rader[1]), QStringLiteral("218"));
}

TEST_F(Rakna, AlderUtanforBanden) {
    // Age 10: a basal rate from the 4..10 band, no norm row.
    l.alder = QStringLiteral("10");
    l.vikt = QStringLiteral("30");
    rakna();
    EXPECT_EQ(lastNr, 0);
    EXPECT_EQ(v.Grundforbrukning, 1174.0f);
    EXPECT_EQ(norm[2], 102.0f); // untouched
    EXPECT_NEAR(norm[1], 1174.0f, 1e-3);
    // Age 111: the basal rate stays as it was; energy is still recomputed.
    l.alder = QStringLiteral("111");
    l.vikt = QStringLiteral("90");
    l.rader[1] = {QStringLiteral("Cykla"), QStringLiteral("3"), QStringLiteral("60"), {}, {}};
    rakna();
    EXPECT_EQ(v.Grundforbrukning, 1174.0f);
    EXPECT_GT(norm[1], 1174.0f);
    EXPECT_EQ(lastNr, 0);
}

TEST(Aktivitetslista, OkaMinskaOchTaBort) {
    Aktivitetslista l;
    const struct {
        const char* fore;
        const char* efter;
        bool kvar;
    } fall[] = {{"20", "10", true},
                {"14", "13", true},
                {"2", "1", true},
                {"1", "1", false},
                {"1,5", "1", true}};
    for (const auto& f : fall) {
        l.rader[1] = {
            QStringLiteral("Gå"), QStringLiteral("3"), QString::fromLatin1(f.fore), {}, {}};
        EXPECT_EQ(MinskaMinuter(l, 1), f.kvar) << f.fore;
        EXPECT_EQ(l.rader[1].minuter, QString::fromLatin1(f.efter)) << f.fore;
    }
    l.rader[1].minuter = QStringLiteral("25");
    OkaMinuter(l, 1);
    EXPECT_EQ(l.rader[1].minuter, QStringLiteral("35"));
    // Removing row 2 of three moves the third, with its own factor, up.
    l.rader[2] = {QStringLiteral("Två"), QStringLiteral("2"), QStringLiteral("10"), {}, {}};
    l.rader[3] = {QStringLiteral("Tre"), QStringLiteral("7"), QStringLiteral("20"), {}, {}};
    TaBortAktivitet(l, 2);
    EXPECT_EQ(l.rader[2].namn, QStringLiteral("Tre"));
    EXPECT_EQ(l.rader[2].faktor, QStringLiteral("7"));
    EXPECT_TRUE(l.rader[3].tom());
    EXPECT_TRUE(l.rader[39].tom());
}

TEST(Aktivitetslista, FyrtiondeAktivitetenLaggsInteTill) {
    Aktivitetslista l;
    Aktivitetsvarden v;
    for (int i = 1; i <= 39; ++i)
        EXPECT_EQ(LaggTillAktivitet(l, v, QStringLiteral("Gå"), QStringLiteral("3")), i);
    EXPECT_EQ(LaggTillAktivitet(l, v, QStringLiteral("Spring"), QStringLiteral("8")), 0);
    EXPECT_EQ(l.rader[1].minuter, QStringLiteral("30"));
}

TEST(AktFil, TomListaGer120Rader) {
    Aktivitetslista l;
    const QByteArray b = SkrivAkt(l);
    EXPECT_EQ(b.count("\r\n"), 120);
    EXPECT_TRUE(b.startsWith("15\r\n55\r\n0\r\n\r\n"));
}

TEST(AktFil, FramOchTillbaka) {
    Aktivitetslista l;
    l.alder = QStringLiteral("42");
    l.vikt = QStringLiteral("71,5");
    l.kon = 1;
    l.rader[1] = {QStringLiteral("Skidåkning"), QStringLiteral("9"), QStringLiteral("45"), {}, {}};
    l.rader[3] = {QStringLiteral("Sömn"), QStringLiteral("0,95"), QStringLiteral("480"), {}, {}};
    Aktivitetslista igen;
    ASSERT_TRUE(LasAkt(SkrivAkt(l), igen));
    EXPECT_EQ(igen.alder, l.alder);
    EXPECT_EQ(igen.vikt, l.vikt);
    EXPECT_EQ(igen.kon, 1);
    EXPECT_EQ(igen.rader[1].namn, QStringLiteral("Skidåkning"));
    EXPECT_EQ(igen.rader[1].minuter, QStringLiteral("45"));
    EXPECT_EQ(igen.rader[3].faktor, QStringLiteral("0,95"));
    EXPECT_TRUE(igen.rader[2].tom());
}

TEST(AktFil, FortyFemBlockLaserTrettioNio) {
    QByteArray b = "30\r\n60\r\n0\r\n";
    for (int i = 1; i <= 45; ++i) b += "Akt " + QByteArray::number(i) + "\r\n10\r\n2\r\n";
    Aktivitetslista l;
    ASSERT_TRUE(LasAkt(b, l));
    EXPECT_EQ(l.rader[39].namn, QStringLiteral("Akt 39"));
}

TEST(AktFil, FelaktigKonrad) {
    for (const char* b : {"30\r\n60\r\nMan\r\nGå\r\n10\r\n3\r\n", "30\r\n60\r\n2\r\n", "30\r\n"}) {
        Aktivitetslista l;
        EXPECT_FALSE(LasAkt(QByteArray(b), l)) << b;
        EXPECT_EQ(l.alder, QStringLiteral("30")) << "what was read stays";
    }
    Aktivitetslista l;
    ASSERT_TRUE(LasAkt("30\r\n60\r\n1\r\nG\xE5\r\n", l)); // cut short inside a block
    EXPECT_EQ(l.rader[1].namn, QStringLiteral("Gå"));
    EXPECT_TRUE(l.rader[1].minuter.isEmpty());
}

TEST(AktivTxt, FormatOchKortaNamn) {
    Aktivitetstabell t{};
    t[0] = {QStringLiteral("Aktivitet"), QStringLiteral("BMR-faktor")};
    t[1] = {QStringLiteral("Gå"), QStringLiteral("3")}; // too short: two empty lines
    t[2] = {QStringLiteral("Cykla"), QStringLiteral("7,5")};
    const QByteArray b = SkrivAktivtxt(t);
    EXPECT_EQ(b.count("\r\n"), 600);
    EXPECT_TRUE(b.startsWith("Aktivitet\r\nBMR-faktor\r\n\r\n\r\nCykla\r\n7,5\r\n"));
    Aktivitetstabell igen;
    TolkaAktivtxt(b, igen);
    EXPECT_EQ(igen[2].first, QStringLiteral("Cykla"));
    EXPECT_TRUE(igen[1].first.isEmpty());
    EXPECT_EQ(Aktivitetsnamn(igen), QStringList{QStringLiteral("Cykla")});
    TolkaAktivtxt("A\r\n", igen); // a short file leaves the rest empty
    EXPECT_EQ(igen[0].first, QStringLiteral("A"));
    EXPECT_TRUE(igen[0].second.isEmpty());
}

TEST(AktivTxt, LevereradTabell) {
    QByteArray b;
    QFile f(DataKatalog() + QStringLiteral("/aktiv.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    b = f.readAll();
    EXPECT_EQ(b.count("\r\n"), 600);
    Aktivitetstabell t;
    TolkaAktivtxt(b, t);
    const QStringList namn = Aktivitetsnamn(t);
    EXPECT_GE(namn.size(), 80);
    EXPECT_LE(namn.size(), 150);
    EXPECT_EQ(t[0].first, QStringLiteral("Aktivitet"));
    for (std::size_t i = 1; i < t.size(); ++i)
        if (t[i].first.size() >= 3) {
            const float faktor = TextTillTal(t[i].second);
            EXPECT_GE(faktor, 0.9f) << t[i].first.toStdString();
            EXPECT_LE(faktor, 20.0f) << t[i].first.toStdString();
        }
}

TEST(AktivitetsUtskrift, Kolumnbredder) {
    Aktivitetslista l;
    l.rader[1] = {QStringLiteral("Cykla"), QStringLiteral("7"), QStringLiteral("30"),
                  QStringLiteral("3.15"), QStringLiteral("95")};
    const QStringList r =
        AktivitetsUtskrift(l, QStringLiteral("Min dag"), QStringLiteral("2026-12-11"),
                           QStringLiteral("Grundförbrukn. kcal"), QStringLiteral("1417"),
                           QStringLiteral("Aktivitet kcal"), QStringLiteral("95"));
    EXPECT_EQ(r[0], QStringLiteral("Min dag   2026-12-11"));
    EXPECT_EQ(r[2], QStringLiteral("AKTIVITETSLISTA för Kvinna 15 år  55 kg"));
    EXPECT_EQ(r[4].size(), 41 + 1 + 10 + 1 + 8 + 1 + 10);
    EXPECT_EQ(r[6], QStringLiteral("Cykla").leftJustified(41) + QStringLiteral("       3.15") +
                        QStringLiteral("       30") + QStringLiteral("         95"));
    EXPECT_EQ(r.last(), QStringLiteral("Aktivitet kcal  95"));
    EXPECT_EQ(r[r.size() - 2], QStringLiteral("Grundförbrukn. kcal   1417"));
}

} // namespace
