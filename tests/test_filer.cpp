#include "app/tillstand.h"
#include "files/berakningsfil.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"
#include "tests/fixtur.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

// Foods looked up in two small "tables": 100-codes in both, 200-codes only in the older.
std::optional<Livsmedelspost> post(const QString& kod, const QString& namn, float kj) {
    Livsmedelspost p;
    const auto& falt = QStringList{QStringLiteral("Kod"), QStringLiteral("Livsmedel"),
                                   QStringLiteral("Portionsstorlek"), QStringLiteral("Enhet"),
                                   QStringLiteral("kgpris")};
    QStringList faltnamn;
    for (int i = 0; i < 73; ++i) {
        faltnamn << (i < falt.size() ? falt[i] : QStringLiteral("f%1").arg(i));
        p.falt.push_back(QVariant());
    }
    faltnamn[65] = QStringLiteral("port1");
    faltnamn[66] = QStringLiteral("enhet1");
    p.namn = std::make_shared<const Faltnamn>(faltnamn);
    p.falt[0] = kod;
    p.falt[1] = namn;
    p.falt[2] = 150.0;
    p.falt[3] = QStringLiteral("port");
    p.falt[4] = QStringLiteral("20");
    p.falt[14] = kj;
    p.falt[65] = 66.0;
    p.falt[66] = QStringLiteral("dl");
    return p;
}

Uppslag uppslag() {
    return [](const QString& kod, bool aldre) -> std::optional<Livsmedelspost> {
        if (kod.startsWith(u'1')) return post(kod, QStringLiteral("Mat ") + kod, 100);
        if (aldre && kod.startsWith(u'2')) return post(kod, QStringLiteral("Gammal ") + kod, 200);
        return std::nullopt;
    };
}

class Filer : public ::testing::Test {
protected:
    void SetUp() override { G.aterstall(); }
    void TearDown() override { G.aterstall(); }
    static Maltidsrad& rad(int d, int m, int r, const char* kod, float gram, float portion,
                           const char* enhet, const char* tagg = "") {
        Maltidsrad& x = G.Berakning[d][m][r];
        x.kod.satt(QString::fromLatin1(kod));
        x.gram = gram;
        x.portionsstorlek = portion;
        x.enhet.satt(QString::fromUtf8(enhet));
        x.tagg.satt(QString::fromUtf8(tagg));
        return x;
    }
};

TEST(Filnamn, BytTillagg) {
    const struct {
        const char* in;
        const char* ut;
    } fall[] = {{"/a/vecka.txt", "/a/vecka.vaxo"},
                {"/a/vecka", "/a/vecka.vaxo"},
                {"/x.y/vecka", "/x.y/vecka.vaxo"},
                {"a.b.c", "a.b.vaxo"},
                {"vecka.", "vecka.vaxo"}};
    for (const auto& f : fall)
        EXPECT_EQ(BytFiltillagg(QString::fromLatin1(f.in), QStringLiteral(".vaxo")),
                  QString::fromLatin1(f.ut));
}

TEST_F(Filer, TomBerakningArFyrtioRader) {
    const QByteArray b = SkrivVaxo(G, QStringLiteral("2026-12-11"));
    EXPECT_EQ(b.count("\r\n"), 40);
    EXPECT_TRUE(b.startsWith("100\r\n2026-12-11\r\nflera maltider\r\nreserv\r\n"));
    EXPECT_TRUE(b.endsWith("*6/2\r\n*6/3\r\n"));
    EXPECT_EQ(b.count("reserv"), 9);
}

TEST_F(Filer, Mangdrader) {
    rad(0, 0, 1, "17", 12.5f, 150, "port");
    rad(0, 0, 2, "18", 12.5f, 150, "port", "x");
    rad(0, 0, 3, "19", 12.4f, 99.5f, "");
    const QByteArray b = SkrivVaxo(G, QString());
    EXPECT_TRUE(
        b.contains("\r\n17\r\n13/150@port\r\n18\r\n13/150@port&x\r\n19\r\n12/100@\r\n*0/0\r\n"));
}

TEST(Vaxo, DelaMangdraden) {
    const struct {
        const char* rad;
        const char* gram;
        const char* portion;
        const char* enhet;
        const char* tagg;
    } fall[] = {{"13/150@port&x", "13", "150", "port", "x"},
                {"250", "250", "", "", ""},
                {"12,5/100@dl", "12,5", "100", "dl", ""},
                {"5/100@", "5", "100", "", ""},
                {"5/@g&", "5", "", "g", ""},
                {"7/8", "7", "8", "", ""}};
    for (const auto& f : fall) {
        const VaxoRad v = DelaMangdrad(QStringLiteral("1"), QString::fromLatin1(f.rad));
        EXPECT_EQ(v.gram, QString::fromLatin1(f.gram)) << f.rad;
        EXPECT_EQ(v.portion, QString::fromLatin1(f.portion)) << f.rad;
        EXPECT_EQ(v.enhet, QString::fromLatin1(f.enhet)) << f.rad;
        EXPECT_EQ(v.tagg, QString::fromLatin1(f.tagg)) << f.rad;
    }
}

TEST_F(Filer, FramOchTillbakaEnHelVecka) {
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 4; ++m)
            for (int r = 1; r < kRader; ++r)
                rad(d, m, r, "123", 37.5f + r, 150, "glas", r % 2 ? "ab" : "");
    const QByteArray b = SkrivVaxo(G, QStringLiteral("idag"));
    G.aterstall();
    const VaxoFil f = TolkaVaxo(b);
    EXPECT_TRUE(f.aktuelltFormat);
    EXPECT_TRUE(f.helt);
    EXPECT_EQ(f.datum, QStringLiteral("idag"));
    EXPECT_TRUE(FyllFranVaxo(G, f, uppslag()).isEmpty());
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 4; ++m)
            for (int r = 1; r < kRader; ++r) {
                const Maltidsrad& x = G.Berakning[d][m][r];
                ASSERT_EQ(x.kod.text(), QStringLiteral("123"));
                EXPECT_EQ(x.gram, std::round(37.5f + r)); // 38.5 -> 39 (halves away from zero)
                EXPECT_EQ(x.enhet.text(), QStringLiteral("glas"));
                EXPECT_EQ(x.tagg.text(), r % 2 ? QStringLiteral("ab") : QString());
                EXPECT_EQ(x.livsmedel.text(), QStringLiteral("Mat 123"));
                EXPECT_EQ(x.naring[0], 100.0f); // from the table at opening time
                EXPECT_EQ(x.kgpris, 20.0f);
                EXPECT_EQ(x.Enhet1.text(), QStringLiteral("dl"));
            }
    EXPECT_EQ(G.Berakning[0][0][1].gram, 39.0f);
}

TEST_F(Filer, LasningAvAktuelltFormat) {
    QByteArray b = "100\r\n11.12.2026\r\nflera maltider\r\n";
    for (int i = 0; i < 9; ++i) b += "reserv\r\n";
    b += "150\r\n250\r\n"         // bare grams: unit and portion from the table
         "999\r\n10/1@x\r\n"      // in neither table: an empty row in its place
         "250\r\n12,5/100@dl\r\n" // only in the older table
         "0\r\n5/5@g\r\n"         // "0": left empty
         "151\r\n3/4@&y\r\n"      // empty unit with a tag
         "*0/0\r\n";
    for (int k = 1; k < 28; ++k)
        b += "*" + QByteArray::number(k / 4) + "/" + QByteArray::number(k % 4) + "\r\n";
    const VaxoFil f = TolkaVaxo(b);
    ASSERT_TRUE(f.helt);
    FyllFranVaxo(G, f, uppslag());
    const auto& m = G.Berakning[0][0];
    EXPECT_EQ(m[1].gram, 250.0f);
    EXPECT_EQ(m[1].enhet.text(), QStringLiteral("port"));
    EXPECT_EQ(m[1].portionsstorlek, 150.0f);
    EXPECT_TRUE(m[2].tom());
    EXPECT_EQ(m[3].livsmedel.text(), QStringLiteral("Gammal 250"));
    EXPECT_EQ(m[3].gram, 12.5f);
    EXPECT_EQ(m[3].enhet.text(), QStringLiteral("dl"));
    EXPECT_EQ(m[3].portionsstorlek, 100.0f);
    EXPECT_TRUE(m[4].tom());
    EXPECT_EQ(m[5].enhet.text(), QStringLiteral("port"));
    EXPECT_EQ(m[5].tagg.text(), QStringLiteral("y"));
}

TEST_F(Filer, AvkortadFilOchForMangaRader) {
    QByteArray b = "100\r\nd\r\nflera maltider\r\n";
    for (int i = 0; i < 9; ++i) b += "reserv\r\n";
    for (int r = 0; r < 35; ++r)
        b += "150\r\n" + QByteArray::number(r + 1) + "\r\n"; // 35 rows, no end line
    const VaxoFil f = TolkaVaxo(b);
    EXPECT_FALSE(f.helt);
    EXPECT_EQ(f.maltider[0][0].size(), 29u);
    FyllFranVaxo(G, f, uppslag());
    EXPECT_EQ(G.Berakning[0][0][29].gram, 29.0f);
    EXPECT_TRUE(G.Berakning[0][1][1].tom());
    // Cut inside a row: what was read stays.
    const VaxoFil g = TolkaVaxo(b.left(b.indexOf("150\r\n3\r\n") + 5));
    EXPECT_FALSE(g.helt);
    EXPECT_EQ(g.maltider[0][0].size(), 3u);
}

TEST_F(Filer, FastBlockformat) {
    QByteArray b;
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 4; ++m)
            for (int r = 0; r < 30; ++r) {
                QByteArray kod = "0";
                if (d == 1 && m == 2 && r == 3) kod = "150";
                if (d == 1 && m == 2 && r == 4) kod = "250"; // only in the older table
                if (d == 6 && m == 3 && r == 29) kod = "999";
                b += kod + "\r\n" + (kod == "0" ? "0" : "75,5") + "\r\n";
            }
    const VaxoFil f = TolkaVaxo(b);
    EXPECT_FALSE(f.aktuelltFormat);
    G.Berakning[1][2][3].tagg.satt(QStringLiteral("kvar"));
    const QStringList saknas = FyllFranVaxo(G, f, uppslag());
    EXPECT_EQ(saknas, (QStringList{
                          QStringLiteral("dag=2 maltid=3 rad=5 Livsmedel med nr 250 finns ej."),
                          QStringLiteral("dag=7 maltid=4 rad=30 Livsmedel med nr 999 finns ej.")}));
    const Maltidsrad& x = G.Berakning[1][2][3];
    EXPECT_EQ(x.gram, 75.5f);
    EXPECT_EQ(x.enhet.text(), QStringLiteral("port"));
    EXPECT_EQ(x.portionsstorlek, 150.0f);
    EXPECT_EQ(x.tagg.text(), QStringLiteral("kvar")); // not set from this format
    EXPECT_TRUE(G.Berakning[1][2][4].tom());
}

TEST(Normfil, SkrivOchLas) {
    float norm[51];
    for (int p = 0; p < 51; ++p) norm[p] = p * 1.5f;
    norm[0] = 8000;
    norm[1] = 8400.4f;
    const QString text = QString(100, u'N');
    const QByteArray b = SkrivNormfil(QStringLiteral("aktivnorm"), text, norm);
    EXPECT_EQ(b.count("\r\n"), 63);
    EXPECT_TRUE(
        b.contains("aktivnorm\r\n" + text.toLatin1() + "\r\n8000.000\r\n8400.400\r\n3.000\r\n"));
    const NormfilData n = TolkaNormfil(b);
    EXPECT_EQ(*n.typ, QStringLiteral("aktivnorm"));
    EXPECT_EQ(n.text->size(), 80);
    EXPECT_EQ(n.antal, 51);
    EXPECT_EQ(n.norm[1], 8400.4f);
    EXPECT_EQ(n.norm[50], 75.0f);
    const NormfilData kort = TolkaNormfil(b.left(b.indexOf("3.000")));
    EXPECT_EQ(kort.antal, 2);
    EXPECT_FALSE(TolkaNormfil("reserv\r\n").typ.has_value());
}

TEST_F(Filer, ReceptStorlekarOchHamtning) {
    rad(0, 0, 1, "1", 100, 100, "port", "t1");
    rad(0, 0, 2, "2", 200, 100, "port");
    rad(0, 0, 3, "3", 300, 100, "port");
    G.Berakning[0][0][1].naring[7] = 4.5f;
    const QByteArray tre = SkrivRecept(G.Berakning[0][0]);
    EXPECT_EQ(tre.size(), 2128);
    EXPECT_EQ(SkrivRecept(G.Berakning[0][1]).size(), 532);
    // Into a meal whose row 2 is empty while row 3 holds a food.
    rad(1, 0, 1, "9", 1, 1, "x");
    rad(1, 0, 3, "8", 1, 1, "x");
    ASSERT_TRUE(HamtaRecept(G.Berakning[1][0], tre));
    EXPECT_EQ(G.Berakning[1][0][2].kod.text(), QStringLiteral("1"));
    EXPECT_EQ(G.Berakning[1][0][2].tagg.text(), QStringLiteral("t1"));
    EXPECT_EQ(G.Berakning[1][0][2].naring[7], 4.5f);
    EXPECT_EQ(G.Berakning[1][0][3].kod.text(), QStringLiteral("2"));
    EXPECT_EQ(G.Berakning[1][0][4].kod.text(), QStringLiteral("3"));
    // Into a meal with rows 1..28 filled: the first food over row 29, the rest dropped.
    for (int r = 1; r <= 28; ++r) rad(2, 0, r, "7", 1, 1, "x");
    ASSERT_TRUE(HamtaRecept(G.Berakning[2][0], tre));
    EXPECT_EQ(G.Berakning[2][0][29].kod.text(), QStringLiteral("1"));
    EXPECT_EQ(G.Berakning[2][0][28].kod.text(), QStringLiteral("7"));
}

TEST_F(Filer, TrasigtRecept) {
    rad(0, 0, 1, "1", 100, 100, "port");
    QByteArray b = SkrivRecept(G.Berakning[0][0]);
    b[532 + 0] = static_cast<char>(200); // a length byte far beyond the code field
    b.append("xyz");                     // not a multiple of 532
    EXPECT_FALSE(HamtaRecept(G.Berakning[3][3], b));
    EXPECT_EQ(G.Berakning[3][3][1].kod.langd, 22); // cut to the field
    EXPECT_FALSE(HamtaRecept(G.Berakning[3][2], QByteArray()));
    EXPECT_TRUE(G.Berakning[3][2][1].tom());
}

} // namespace
