#include "app/text.h"
#include "app/uppstart.h"
#include "meal/maltidsrad.h"
#include "tests/fixtur.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct TalFall {
    const char* text;
    float varde;
};
void PrintTo(const TalFall& f, std::ostream* os) {
    *os << "'" << f.text << "'";
}

class TextTillTalTest : public ::testing::TestWithParam<TalFall> {};

TEST_P(TextTillTalTest, LaserTalet) {
    const TalFall& f = GetParam();
    EXPECT_EQ(TextTillTal(QString::fromUtf8(f.text)), f.varde) << "text: '" << f.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Exempel, TextTillTalTest,
    ::testing::Values(TalFall{"1,5", 1.5f}, TalFall{"1.5", 1.5f}, TalFall{" 1,5", 1.5f},
                      TalFall{"   12,5", 12.5f}, TalFall{"12.5", 12.5f}, TalFall{"1 5", 0.0f},
                      TalFall{"1,5 ", 0.0f}, TalFall{"12,5 kg", 0.0f}, TalFall{"", 0.0f},
                      TalFall{"   ", 0.0f}, TalFall{"abc", 0.0f}, TalFall{"1,5,3", 0.0f},
                      TalFall{"1.5.3", 0.0f}, TalFall{"1,5.3", 0.0f}, TalFall{"-2,5", -2.5f},
                      TalFall{"+4", 4.0f}, TalFall{"1e3", 1000.0f}, TalFall{"2,5E-1", 0.25f},
                      TalFall{"1e", 0.0f}, TalFall{",5", 0.5f}, TalFall{"5,", 5.0f},
                      TalFall{"-", 0.0f}, TalFall{".", 0.0f}, TalFall{"\t1", 0.0f},
                      TalFall{"inf", 0.0f}, TalFall{"nan", 0.0f}, TalFall{"0x10", 0.0f},
                      TalFall{"1e40", 0.0f}, TalFall{"12½", 0.0f}, TalFall{"٣", 0.0f},
                      TalFall{"0.1", 0.1f}, TalFall{"133.333333", 133.333333f}),
    [](const ::testing::TestParamInfo<TalFall>& i) { return "fall" + std::to_string(i.index); });

TEST(TextTillTal, RundasTillEnkelPrecision) {
    // 0.1 is not exact in binary; the result must be the float nearest 0.1,
    // not a double that happens to compare equal after conversion.
    const float f = TextTillTal(QStringLiteral("0,1"));
    EXPECT_EQ(f, 0.1f);
    EXPECT_NE(static_cast<double>(f), 0.1);
}

TEST(DosTillAnsi, BytarDeNioTeckenOchLamnarResten) {
    const struct {
        unsigned char dos, ansi;
    } par[] = {{0x8E, 0xC4}, {0x8F, 0xC5}, {0x99, 0xD6}, {0x84, 0xE4}, {0x86, 0xE5},
               {0x94, 0xF6}, {0xF8, 0xB0}, {0x8A, 0xE8}, {0x82, 0xE9}};
    QByteArray alla;
    for (int b = 0; b < 256; ++b) alla.append(static_cast<char>(b));
    const QByteArray ut = DosTillAnsi(alla);
    ASSERT_EQ(ut.size(), 256);
    for (int b = 0; b < 256; ++b) {
        unsigned char vantat = static_cast<unsigned char>(b);
        for (const auto& p : par)
            if (p.dos == b) vantat = p.ansi;
        EXPECT_EQ(static_cast<unsigned char>(ut[b]), vantat) << "byte " << b;
    }
}

TEST(DosTillAnsi, RadMed0x94VisasMedO) {
    const QString s = FranAnsi(DosTillAnsi(QByteArray("36 J\x84rn mg,1 m\x94jlighet")));
    EXPECT_EQ(s, QStringLiteral("36 Järn mg,1 möjlighet"));
}

TEST(Ansi, FramOchTillbaka) {
    const QString s = QStringLiteral("Smörgås € – Å é ° “x”");
    EXPECT_EQ(FranAnsi(TillAnsi(s)), s);
    EXPECT_EQ(TillAnsi(QStringLiteral("β")), QByteArray("?"));
    EXPECT_EQ(TillAnsi(QStringLiteral("ö")), QByteArray("\xF6"));
}

TEST(Talformat, PlainAvrundarHalvorBortFranNoll) {
    const struct {
        double v;
        int bredd, dec;
        const char* ut;
    } fall[] = {{2.5, 0, 0, "3"},       {-2.5, 0, 0, "-3"},           {5.75, 0, 1, "5.8"},
                {5.625, 0, 1, "5.6"},   {6.25, 0, 1, "6.3"},          {3.125, 0, 1, "3.1"},
                {12.0, 6, 1, "  12.0"}, {1234567.0, 6, 0, "1234567"}, {-0.01, 0, 1, "0.0"},
                {8400.4, 0, 0, "8400"}, {2000.5, 0, 0, "2001"},       {0.125, 7, 2, "   0.13"}};
    for (const auto& f : fall)
        EXPECT_EQ(Tal(f.v, f.bredd, f.dec), QString::fromLatin1(f.ut)) << f.v;
}

// The buffer writer hands very large values and widths to Qt; both roads
// must give the same text, and the padding must not stop at the buffer.
TEST(Talformat, StoraTalOchBredderGarTillQt) {
    const struct {
        double v;
        int bredd, dec;
        QString ut;
    } fall[] = {
        {1e20, 0, 0, QStringLiteral("100000000000000000000")},
        {-1e20, 0, 1, QStringLiteral("-100000000000000000000.0")},
        {8999999999999999.0, 0, 0, QStringLiteral("8999999999999999")},
        {9e15, 0, 0, QStringLiteral("9000000000000000")},
        {1e14 + 0.25, 0, 1, QStringLiteral("100000000000000.3")},
        {0.5, 70, 0, QString(69, u' ') + u'1'},
        {-2.5, 64, 0, QString(62, u' ') + QStringLiteral("-3")},
        {-0.4, 3, 0, QStringLiteral("  0")},
        {std::nan(""), 4, 1, QStringLiteral(" 0.0")},
        {HUGE_VAL, 0, 0, QStringLiteral("0")},
        {1.5, 0, 12, QStringLiteral("1.500000000")}, // at most nine decimals
        {1.5, 0, -3, QStringLiteral("2")},
    };
    for (const auto& f : fall) {
        EXPECT_EQ(Tal(f.v, f.bredd, f.dec), f.ut) << f.v << " width " << f.bredd;
        QString tillagd = QStringLiteral("x");
        TalTill(tillagd, f.v, f.bredd, f.dec);
        EXPECT_EQ(tillagd, u'x' + f.ut) << f.v;
    }
}

// The report's fast two-decimal writer must agree with the locale's
// formatting it stands in for, ties and all.
TEST(Talformat, TvaDecimalerSomSystemet) {
    std::vector<double> varden = {0,     0.001,  0.005,       0.0049999,    0.015,        0.125,
                                  0.375, 2.675,  1.005,       3.975,        12.125,       99.995,
                                  999.5, 1e-300, 1234567.885, 1e15 - 0.125, 123456789.125};
    std::uint64_t x = 88172645463325252ULL; // xorshift: the same values every run
    for (int i = 0; i < 20000; ++i) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        const double v = static_cast<double>(x % 100000000) / (i % 2 ? 1000.0 : 8.0);
        varden.push_back(v);
        varden.push_back(static_cast<float>(v)); // prices are floats
    }
    const QLocale fore;
    for (const QLocale& loc : {QLocale(QLocale::Swedish, QLocale::Sweden),
                               QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(loc);
        const char16_t tecken = loc.decimalPoint().at(0).unicode();
        for (const double v : varden) {
            char16_t buf[kTalSkrivMax];
            const int n = TvaDecimalerSkriv(buf, v, tecken);
            ASSERT_GT(n, 0) << v;
            ASSERT_EQ(QStringView(buf, n).toString(), SystemTal(v, 2))
                << qPrintable(QString::number(v, 'g', 17));
        }
    }
    QLocale::setDefault(fore);
    char16_t buf[kTalSkrivMax];
    for (const double v : {-0.001, -5.0, 1e15, std::nan(""), HUGE_VAL})
        EXPECT_EQ(TvaDecimalerSkriv(buf, v, u','), -1) << v;
}

TEST(Talformat, Avrundning) {
    EXPECT_EQ(AvrundaHeltal(2.5), 3);
    EXPECT_EQ(AvrundaHeltal(-2.5), -3);
    EXPECT_EQ(AvrundaJamnt(2.5), 2);
    EXPECT_EQ(AvrundaJamnt(3.5), 4);
    EXPECT_EQ(AvrundaJamnt(5.75), 6);
    EXPECT_EQ(AvrundaJamnt(8.18), 8);
}

TEST(Talformat, SystemetsDecimaltecken) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(SystemTal(12.5, 2), QStringLiteral("12,50"));
    EXPECT_EQ(SystemTal(12345.678, 1), QStringLiteral("12345,7"));
    EXPECT_EQ(SystemFlyttal(133.333333).left(8), QStringLiteral("133,3333"));
    EXPECT_EQ(SystemFlyttal(120.0), QStringLiteral("120"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SystemTal(12.5, 2), QStringLiteral("12.50"));
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
}

TEST(Maltidsrad, LangdbyteLitasInteBortomFaltet) {
    Maltidsrad r;
    std::memset(&r, 0, sizeof r);
    r.kod.langd = 255; // as a damaged file could hold
    std::memset(r.kod.tecken, 'A', sizeof r.kod.tecken);
    EXPECT_EQ(r.kod.text().size(), 22);
    r.tagg.langd = 200;
    EXPECT_EQ(r.tagg.text().size(), 5);
}

TEST(Maltidsrad, TexterKapasOchSparasSomAnsi) {
    Maltidsrad r;
    std::memset(&r, 0, sizeof r);
    r.livsmedel.satt(QString(100, u'x'));
    EXPECT_EQ(r.livsmedel.langd, 80);
    r.enhet.satt(QStringLiteral("skiva å"));
    EXPECT_EQ(r.enhet.langd, 7);
    EXPECT_EQ(static_cast<unsigned char>(r.enhet.tecken[6]), 0xE5);
    EXPECT_EQ(r.enhet.text(), QStringLiteral("skiva å"));
    r.tomma();
    EXPECT_TRUE(r.tom());
    r.kod.satt(QStringLiteral("00"));
    EXPECT_FALSE(r.tom());
}

struct InitdirFall {
    const char* namn;
    const char* innehall; // nullptr: no file
    const char* dialog;
    const char* databas;
};

TEST(Initdir, RaderOchFel) {
    const InitdirFall fall[] = {
        {"ingen fil", nullptr, ".", "."},
        {"två rader", "C:\\dialog\r\n/data/tab\r\n", "C:\\dialog", "/data/tab"},
        {"en rad", "/dialog\r\n", "/dialog", ""},
        {"utan radslut", "/dialog", "/dialog", ""},
        {"fler rader", "a\r\nb\r\nc\r\n", "a", "b"},
        {"tom fil", "", "", ""},
        {"åäö", "/hem/\xE5\xE4\xF6\r\nx", "/hem/åäö", "x"},
    };
    for (const auto& f : fall) {
        QTemporaryDir d;
        const QString fil = d.filePath(QStringLiteral("initdir.txt"));
        if (f.innehall) {
            QFile q(fil);
            ASSERT_TRUE(q.open(QIODevice::WriteOnly));
            q.write(f.innehall);
        }
        QString dialog = QStringLiteral("."), databas = QStringLiteral(".");
        LasInitdir(fil, dialog, databas);
        EXPECT_EQ(dialog, QString::fromUtf8(f.dialog)) << f.namn;
        EXPECT_EQ(databas, QString::fromUtf8(f.databas)) << f.namn;
    }
}

TEST(Losenord, Tolkning) {
    const struct {
        const char* innehall;
        const char* losen;
    } fall[] = {
        {"hemligt\r\nannat\r\n", "HEMLIGT"},
        {"x\r\n", "VAKTRUM"},
        {"", "VAKTRUM"},
        {"\r\n", "VAKTRUM"},
        {" ab \r\n", " AB "},
        {"s\xE4kert\xC5", "S\xC3\xA4KERT\xC3\x85"}, // only a-z are folded
        {"Ab1-z", "AB1-Z"},
    };
    for (const auto& f : fall)
        EXPECT_EQ(TolkaLosenord(QByteArray(f.innehall)), QString::fromUtf8(f.losen)) << f.innehall;
}

TEST(SakerSkrivning, GammalFilLamnasVidFel) {
    QTemporaryDir d;
    const QString fil = d.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(SkrivFilSakert(fil, "ett"));
    ASSERT_TRUE(SkrivFilSakert(fil, "två"));
    QByteArray b;
    ASSERT_TRUE(LasHelaFilen(fil, b));
    EXPECT_EQ(b, QByteArray("två"));
    // A directory that does not exist: the write fails and reports it.
    EXPECT_FALSE(SkrivFilSakert(d.filePath(QStringLiteral("finns/inte/a.txt")), "x"));
}

} // namespace
