#include "app/uppstart.h"
#include "food/nvkatalog.h"
#include "tests/fixtur.h"

#include <gtest/gtest.h>

namespace {

NvKatalogTabell tolka(const QByteArray& text, NvKatalogResultat* res = nullptr) {
    NvKatalogTabell k{};
    const NvKatalogResultat r = TolkaNvKatalog(text, k);
    if (res) *res = r;
    return k;
}

TEST(NvKatalog, KommentarerVarSomHelst) {
    NvKatalogResultat r;
    const auto k = tolka("* rubrik\r\n15 Energi kJ,0\r\n* mitt i\r\n19 Protein g,1\r\n*\r\n", &r);
    EXPECT_EQ(r.status, NvKatalogResultat::Status::Ok);
    EXPECT_EQ(k[15].nvNamn, QStringLiteral("Energi"));
    EXPECT_EQ(k[15].nvEnhet, QStringLiteral("kJ"));
    EXPECT_EQ(k[15].nvEtikett, QStringLiteral("Energi kJ"));
    EXPECT_EQ(k[15].nvDecimaler, 0);
    EXPECT_EQ(k[19].nvEtikett, QStringLiteral("Protein g"));
    EXPECT_EQ(k[19].nvDecimaler, 1);
    EXPECT_TRUE(k[16].nvNamn.isEmpty()); // not defined: empty, 0 decimals
    EXPECT_EQ(k[16].nvDecimaler, 0);
}

TEST(NvKatalog, DelarnaAvRaden) {
    const struct {
        const char* rad;
        const char* namn;
        const char* enhet;
        const char* etikett;
        int dec;
    } fall[] = {
        {"21 kolhydrater g,1", "kolhydrater", "g", "kolhydrater ", 1}, // label cut to 12
        {"20 fett g,2 resten ignoreras", "fett", "g", "fett g", 2},
        {"22 retinol mcg,0", "retinol", "mc", "retinol mcg", 0}, // unit cut to 2
        {" 5 x y,4", "x", "y", "x y", 4},                        // leading blank in index
        {"25 utanblank,7", "", "utanblank", "utanblank", 7},
    };
    for (const auto& f : fall) {
        NvKatalogResultat r;
        const auto k = tolka(QByteArray(f.rad) + "\r\n", &r);
        const int idx = QByteArray(f.rad).left(2).trimmed().toInt();
        ASSERT_EQ(r.status, NvKatalogResultat::Status::Ok) << f.rad;
        EXPECT_EQ(k[idx].nvNamn, QString::fromUtf8(f.namn).left(12)) << f.rad;
        EXPECT_EQ(k[idx].nvEnhet, QString::fromUtf8(f.enhet).left(2)) << f.rad;
        EXPECT_EQ(k[idx].nvEtikett, QString::fromUtf8(f.etikett).left(12)) << f.rad;
        EXPECT_EQ(k[idx].nvDecimaler, f.dec) << f.rad;
    }
}

TEST(NvKatalog, UtanKommaTasDecimalernaFranForstaTecknet) {
    NvKatalogResultat r;
    const auto k = tolka("30 7 ingen\r\n", &r);
    ASSERT_EQ(r.status, NvKatalogResultat::Status::Ok);
    EXPECT_EQ(k[30].nvDecimaler, 7);
    EXPECT_TRUE(k[30].nvEtikett.isEmpty());
    EXPECT_TRUE(k[30].nvEnhet.isEmpty());
}

TEST(NvKatalog, DecimalerSomInteArSiffraStopparLasningen) {
    // Without a comma the decimals come from the entry's first character;
    // "u" and "c" (after the first comma) are not digits.
    for (const char* rad : {"23 utankomma 3", "26 ab,c d,5", "27 slut,"}) {
        NvKatalogResultat r;
        const auto k = tolka(QByteArray("15 Energi kJ,0\r\n") + rad + "\r\n19 Protein g,1\r\n", &r);
        EXPECT_EQ(r.status, NvKatalogResultat::Status::FelDecimaler) << rad;
        EXPECT_EQ(r.rad, 2) << rad;
        EXPECT_EQ(k[15].nvEtikett, QStringLiteral("Energi kJ"));
        EXPECT_TRUE(k[19].nvEtikett.isEmpty()) << rad;
    }
}

TEST(NvKatalog, UpprepatIndexErsatter) {
    const auto k = tolka("15 Energi kJ,0\r\n15 Ny kJ,1\r\n");
    EXPECT_EQ(k[15].nvEtikett, QStringLiteral("Ny kJ"));
    EXPECT_EQ(k[15].nvDecimaler, 1);
}

TEST(NvKatalog, FelaktigtIndexAvbryter) {
    for (const char* text : {"x5 Fel g,1\r\n", "\r\n", "   \r\n", "1a b c,1\r\n"}) {
        NvKatalogResultat r;
        const auto k = tolka(QByteArray("15 Energi kJ,0\r\n") + text + "19 Protein g,1\r\n", &r);
        EXPECT_EQ(r.status, NvKatalogResultat::Status::FelIndex) << text;
        EXPECT_EQ(r.rad, 2);
        EXPECT_EQ(k[15].nvEtikett, QStringLiteral("Energi kJ"));
        EXPECT_TRUE(k[19].nvEtikett.isEmpty());
    }
}

TEST(NvKatalog, IndexUtanforKatalogenHoppasOver) {
    NvKatalogResultat r;
    const auto k = tolka("99 Utanför g,1\r\n-1 Neg g,1\r\n66 Ett g,1\r\n65 Selen ug,1\r\n", &r);
    EXPECT_EQ(r.status, NvKatalogResultat::Status::Ok);
    EXPECT_EQ(k[65].nvEtikett, QStringLiteral("Selen ug"));
}

TEST(NvKatalog, DosBokstaverRattas) {
    const auto k = tolka("36 J\x84rn mg,1\r\n41 M\x84ttat g,1\r\n");
    EXPECT_EQ(k[36].nvEtikett, QStringLiteral("Järn mg"));
    EXPECT_EQ(k[41].nvNamn, QStringLiteral("Mättat"));
}

TEST(NvKatalog, LevereradFilNamngerVarjeSlot) {
    QByteArray b;
    ASSERT_TRUE(LasHelaFilen(DataKatalog() + QStringLiteral("/nvnamn.txt"), b));
    NvKatalogResultat r;
    const auto k = tolka(b, &r);
    ASSERT_EQ(r.status, NvKatalogResultat::Status::Ok);
    for (int s = 15; s <= 65; ++s) {
        EXPECT_FALSE(k[s].nvEtikett.isEmpty()) << s;
        EXPECT_LE(k[s].nvEtikett.size(), 12) << s;
    }
    EXPECT_EQ(k[36].nvEtikett, QStringLiteral("Järn mg"));
    EXPECT_TRUE(b.contains("\r\n"));
}

NvValTabell val(const QByteArray& text, NvValResultat* res = nullptr) {
    NvValTabell v{};
    const NvValResultat r = TolkaNvVal(text, v);
    if (res) *res = r;
    return v;
}

TEST(NvVal, OrdningOchUpprepningSpelarIngenRoll) {
    EXPECT_EQ(val("16\r\n16\r\n15\r\n"), val("15\r\n16\r\n"));
    const auto v = val("16\r\n16\r\n15\r\n");
    EXPECT_EQ(RaknaNvVal(v), 2);
}

TEST(NvVal, Slot18RaknasMenSkrivsInteAvOk) {
    const auto v = val("18\r\n20\r\n");
    EXPECT_TRUE(v[18]);
    EXPECT_EQ(RaknaNvVal(v), 2);
    EXPECT_EQ(SkrivNvVal(v, false), QByteArray("20\r\n"));
}

TEST(NvVal, TomFilOchTommaRader) {
    EXPECT_EQ(RaknaNvVal(val("")), 0);
    EXPECT_EQ(RaknaNvVal(val("\r\n\r\n19\r\n\r\n")), 1);
    NvValTabell tom{};
    EXPECT_EQ(SkrivNvVal(tom, false), QByteArray());
}

TEST(NvVal, TalUtanforHoppasOverOchFelStopparLasningen) {
    NvValResultat r;
    const auto v = val("15\r\n99\r\n-3\r\n66\r\n20 kommentar\r\nx\r\n21\r\n", &r);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.rad, 6);
    EXPECT_TRUE(v[15]);
    EXPECT_TRUE(v[20]);
    EXPECT_FALSE(v[21]);
    EXPECT_EQ(RaknaNvVal(v), 2);
}

TEST(NvVal, SkrivsStigande) {
    NvValTabell v{};
    v[64] = v[15] = v[36] = true;
    EXPECT_EQ(SkrivNvVal(v, false), QByteArray("15\r\n36\r\n64\r\n"));
}

TEST(NvVal, Rutorna) {
    const auto& r = NvRutor();
    EXPECT_EQ(r.size(), 50u);
    for (const auto& x : r) EXPECT_NE(x.slot, 18);
    int utanTopplista = 0;
    for (const auto& x : r) utanTopplista += x.iTopplistan ? 0 : 1;
    EXPECT_EQ(utanTopplista, 1); // slot 17
}

} // namespace
