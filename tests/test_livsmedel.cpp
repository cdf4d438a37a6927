#include "food/livsmedelsindex.h"
#include "food/schema.h"
#include "food/tabellfil.h"
#include "tests/fixtur.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

FixLivsmedel mat(const QString& kod, const QString& namn, const QString& g1 = {},
                 const QString& g2 = {}) {
    FixLivsmedel f;
    f.kod = kod;
    f.namn = namn;
    f.grupp1 = g1;
    f.grupp2 = g2;
    return f;
}

struct Tabell {
    QTemporaryDir dir;
    Tabellfil t;
    explicit Tabell(const std::vector<FixLivsmedel>& foods) {
        SkrivFixturTabell(dir.path(), QStringLiteral("fodbas100"), foods);
        const QString fel = t.oppna(dir.path(), QStringLiteral("fodbas100"));
        if (!fel.isEmpty()) ADD_FAILURE() << fel.toStdString();
    }
};

TEST(Tabellfil, SaknadTabellNamngerFilOchKatalog) {
    QTemporaryDir d;
    Tabellfil t;
    const QString fel = t.oppna(d.path(), QStringLiteral("fodbas100"));
    EXPECT_TRUE(fel.contains(QStringLiteral("fodbas100.db")));
    EXPECT_TRUE(fel.contains(QDir::toNativeSeparators(QDir(d.path()).absolutePath())));
    EXPECT_FALSE(t.arOppen());
    EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("fodbas100.db")))) << "no file created";
}

TEST(Tabellfil, FilSomInteArEnDatabas) {
    QTemporaryDir d;
    QFile f(d.filePath(QStringLiteral("fodbas100.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("detta är ingen databas, bara text som råkar ha rätt namn");
    f.close();
    Tabellfil t;
    const QString fel = t.oppna(d.path(), QStringLiteral("fodbas100"));
    EXPECT_TRUE(fel.startsWith(QStringLiteral("Kan ej öppna tabellen fodbas100")))
        << fel.toStdString();
    EXPECT_FALSE(t.arOppen());
}

TEST(Livsmedelsindex, SvenskNamnordningOchKapning) {
    const QString langt = QString(100, u'L');
    FixLivsmedel p = mat(QStringLiteral("7"), QStringLiteral("Potatis"), QStringLiteral("Potatis"));
    p.portion = 133.333333;
    p.enhet = QStringLiteral("portioner"); // cut to 8 in the index
    Tabell tab({mat(QStringLiteral("1"), QStringLiteral("Ärter")),
                mat(QStringLiteral("2"), QStringLiteral("Åkerbär")),
                mat(QStringLiteral("3"), QStringLiteral("Zucchini")),
                mat(QStringLiteral("4"), QStringLiteral("Öl")),
                mat(QStringLiteral("5"), QStringLiteral("apelsin")),
                mat(QStringLiteral("6"), langt), p,
                mat(QStringLiteral("8"), QStringLiteral("Banan"))});
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    LivsmedelsindexTabell idx;
    ASSERT_TRUE(LasLivsmedelsindex(tab.t, idx));
    QStringList namn;
    for (const auto& e : idx.poster) namn << e.livsmedel;
    EXPECT_EQ(namn, (QStringList{QStringLiteral("apelsin"), QStringLiteral("Banan"),
                                 QString(80, u'L'), QStringLiteral("Potatis"),
                                 QStringLiteral("Zucchini"), QStringLiteral("Åkerbär"),
                                 QStringLiteral("Ärter"), QStringLiteral("Öl")}));
    const IndexPost& pot = idx.poster[3];
    EXPECT_EQ(pot.kod, QStringLiteral("7"));
    EXPECT_EQ(pot.portionsstorlek, QStringLiteral("133,3333"));
    EXPECT_EQ(pot.enhet, QStringLiteral("portione"));
}

TEST(Livsmedelsindex, Grupplistan) {
    const struct {
        const char* namn;
        std::vector<const char*> grupper; // Grupp1 of each food
        QStringList vantat;
    } fall[] = {
        {"alla Bröd", {"Bröd", "Bröd", "Bröd"}, {QStringLiteral("Bröd")}},
        {"tom grupp ger tom post",
         {"Frukt", ""},
         {QStringLiteral("Bröd"), QStringLiteral("Frukt"), QString()}},
        {"tom tabell", {}, {QStringLiteral("Bröd")}},
        {"ordning som mötts",
         {"Mejeri", "Kött", "Mejeri"},
         {QStringLiteral("Bröd"), QStringLiteral("Mejeri"), QStringLiteral("Kött")}},
    };
    for (const auto& f : fall) {
        std::vector<FixLivsmedel> foods;
        int i = 0;
        for (const char* g : f.grupper) {
            ++i;
            foods.push_back(
                mat(QString::number(i), QStringLiteral("Mat %1").arg(i), QString::fromUtf8(g)));
        }
        Tabell tab(foods);
        LivsmedelsindexTabell idx;
        ASSERT_TRUE(LasLivsmedelsindex(tab.t, idx));
        EXPECT_EQ(idx.grupper, f.vantat) << f.namn;
        EXPECT_EQ(idx.poster.size(), f.grupper.size()) << f.namn;
    }
}

TEST(Livsmedelsindex, SorteradGrupplista) {
    EXPECT_EQ(SorteradeGrupper({QStringLiteral("Bröd"), QStringLiteral("Ägg"),
                                QStringLiteral("kött"), QStringLiteral("Fisk"), QString()}),
              (QStringList{QString(), QStringLiteral("Bröd"), QStringLiteral("Fisk"),
                           QStringLiteral("kött"), QStringLiteral("Ägg")}));
}

TEST(Livsmedelsindex, VaxerMedTabellen) {
    std::vector<FixLivsmedel> foods;
    for (int i = 1; i <= 4100; ++i)
        foods.push_back(
            mat(QString::number(i), QStringLiteral("Mat %1").arg(i, 5, 10, QLatin1Char('0'))));
    Tabell tab(foods);
    LivsmedelsindexTabell idx;
    ASSERT_TRUE(LasLivsmedelsindex(tab.t, idx));
    EXPECT_EQ(idx.poster.size(), 4100u);
    EXPECT_EQ(idx.poster.back().livsmedel, QStringLiteral("Mat 04100"));
}

TEST(Uppslag, KodFaltOchNaringPaPosition) {
    FixLivsmedel f = mat(QStringLiteral("1"), QStringLiteral("Nöt talg"),
                         QStringLiteral("Fett, olja"), QStringLiteral("Matfett"));
    f.naring = {{15, 2746}, {16, 656}, {18, 0.3}, {20, 71}, {65, 1}};
    f.kgpris = QStringLiteral("12,50");
    f.enheter = {{QStringLiteral("msk"), 12}};
    Tabell tab({f, mat(QStringLiteral("10"), QStringLiteral("Annat"))});
    const auto p = HittaLivsmedel(tab.t, QStringLiteral("1"));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->naring(0), 2746.0f);
    EXPECT_EQ(p->naring(1), 656.0f);
    EXPECT_EQ(p->naring(3), 0.3f); // slot 18
    EXPECT_EQ(p->naring(5), 71.0f);
    EXPECT_EQ(p->naring(50), 1.0f);
    EXPECT_EQ(p->text(QStringLiteral("livsmedel")), QStringLiteral("Nöt talg"));
    EXPECT_EQ(p->text(QStringLiteral("KGPRIS")), QStringLiteral("12,50"));
    EXPECT_EQ(p->text(QStringLiteral("Enhet1")), QStringLiteral("msk"));
    EXPECT_EQ(p->tal(p->position(QStringLiteral("PORT1"))), 12.0f);
    EXPECT_EQ(p->position(QStringLiteral("Aska _g_")), 17);
    EXPECT_FALSE(HittaLivsmedel(tab.t, QStringLiteral("0")).has_value());
    EXPECT_FALSE(HittaLivsmedel(tab.t, QStringLiteral("01")).has_value());
    EXPECT_TRUE(HittaLivsmedel(tab.t, QStringLiteral("10")).has_value());
}

TEST(Schema, FaltpositionerForNaringen) {
    const auto& f = LivsmedelsFalt();
    ASSERT_EQ(f.size(), 73u);
    EXPECT_STREQ(f[0].namn, "Kod");
    EXPECT_STREQ(f[13].namn, "Avfall _%_");
    EXPECT_STREQ(f[14].namn, "Energi _kJ_ _kJ_"); // slot 15 at position 15
    EXPECT_STREQ(f[17].namn, "Aska _g_");
    EXPECT_STREQ(f[64].namn, "Selen _mcg_");
    EXPECT_STREQ(f[65].namn, "port1");
    EXPECT_STREQ(f[72].namn, "enhet4");
    const auto& n = NormFalt();
    ASSERT_EQ(n.size(), 65u);
    EXPECT_STREQ(n[0].namn, "Nr");
    EXPECT_STREQ(n[1].namn, "Norm");
    EXPECT_STREQ(n[14].namn, "Energi _kJ_ _kJ_");
}

} // namespace
