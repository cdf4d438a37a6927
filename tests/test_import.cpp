#include "app/text.h"
#include "food/import.h"
#include "food/importregler.h"
#include "food/livsmedelsindex.h"
#include "food/tabellfil.h"
#include "meal/livsmedelslista.h"
#include "tests/fixtur.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

// Has libxlsxwriter write a small workbook: one sheet, rows of texts; from
// the fourth row on, texts that read as numbers become numeric cells, as in
// the agency's export.
QString skrivXlsx(const QTemporaryDir& d, const std::vector<std::vector<std::string>>& rader) {
    const QString fil = d.filePath(QStringLiteral("export.xlsx"));
    QByteArray in;
    for (const auto& rad : rader) {
        for (std::size_t c = 0; c < rad.size(); ++c) {
            if (c) in += '\t';
            in += QByteArray::fromStdString(rad[c]);
        }
        in += '\n';
    }
    QProcess p;
    p.start(QStringLiteral(XLSX_FIXTUR), {fil});
    p.write(in);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    return fil;
}

Importregler enklaRegler() {
    Importregler r;
    EXPECT_TRUE(TolkaRegler(QStringLiteral("Mejeri ; ost ; Ost\n* ; * ; Övrigt\n"), r.bildgrupper)
                    .isEmpty());
    EXPECT_TRUE(
        TolkaRegler(QStringLiteral("* ; mjölk ; glas=200 ; dl=103\n* ; * ; port=100\n"), r.enheter)
            .isEmpty());
    EXPECT_TRUE(TolkaRegler(QStringLiteral("* ; * ; 12,5\n"), r.priser).isEmpty());
    return r;
}

TEST(Import, KolumnerHittasPaRubrikOchTommaCellerBlirNull) {
    QTemporaryDir d;
    // Another column order than the agency's, a blank protein cell.
    const QString fil =
        skrivXlsx(d, {{"Livsmedelsverkets livsmedelsdatabas version 2031-01-02"},
                      {"Näringsinnehåll per 100 gram livsmedel"},
                      {"Fett, totalt (g)", "Livsmedelsnummer", "Protein (g)", "Energi (kJ)",
                       "Livsmedelsnamn", "Vitamin D inkl 25-OH-D3 (µg)", "Vitamin D (µg)",
                       "Energi (kcal)", "Gruppering", "Folat (µg)"},
                      {"3.5", "17", "", "250", "Mjölk åäö", "9", "1.5", "60", "Mejeri", "5"},
                      {"30", "4", "25", "1600", "Ost hårdost", "", "0.5", "380", "Mejeri", ""}});
    const Importregler regler = enklaRegler();
    const ImportResultat r =
        ImporteraLivsmedelsdatabas(fil, d.path(), QStringLiteral("fodbas100"), regler);
    ASSERT_TRUE(r.fel.isEmpty()) << r.fel.toStdString();
    EXPECT_EQ(r.livsmedel, 2);
    EXPECT_EQ(r.utgava, QStringLiteral("2031-01-02"));
    Tabellfil t;
    ASSERT_TRUE(t.oppna(d.path(), QStringLiteral("fodbas100")).isEmpty());
    const auto m = HittaLivsmedel(t, QStringLiteral("17"));
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text(QStringLiteral("Livsmedel")), QStringLiteral("Mjölk åäö"));
    EXPECT_EQ(m->naring(0), 250.0f);
    EXPECT_EQ(m->naring(1), 60.0f);
    EXPECT_EQ(m->naring(5), 3.5f);
    EXPECT_TRUE(m->falt[18].isNull()); // blank protein stays empty ...
    EXPECT_EQ(m->naring(4), 0.0f);     // ... and reads as 0
    EXPECT_EQ(m->naring(10), 1.5f);    // "Vitamin D", not "Vitamin D inkl 25-OH-D3"
    EXPECT_EQ(m->naring(49), 5.0f);    // older title "Folat"
    EXPECT_EQ(m->text(QStringLiteral("Grupp1")), QStringLiteral("Mejeri"));
    EXPECT_EQ(m->text(QStringLiteral("Grupp2")), QStringLiteral("Övrigt"));
    EXPECT_EQ(m->text(QStringLiteral("Enhet")), QStringLiteral("glas"));
    EXPECT_EQ(m->tal(m->position(QStringLiteral("Portionsstorlek"))), 200.0f);
    EXPECT_EQ(m->text(QStringLiteral("enhet1")), QStringLiteral("dl"));
    EXPECT_EQ(m->text(QStringLiteral("kgpris")), QStringLiteral("12,50"));
    EXPECT_EQ(m->text(QStringLiteral("Datum")), QStringLiteral("2031-01-02"));
    const auto ost = HittaLivsmedel(t, QStringLiteral("4"));
    ASSERT_TRUE(ost.has_value());
    EXPECT_EQ(ost->text(QStringLiteral("Grupp2")), QStringLiteral("Ost"));
    // Reserve records follow with codes above every food's.
    const auto reserv = HittaLivsmedel(t, QStringLiteral("18"));
    ASSERT_TRUE(reserv.has_value());
    EXPECT_EQ(reserv->text(QStringLiteral("Livsmedel")), QStringLiteral("RESERV"));
    EXPECT_TRUE(HittaLivsmedel(t, QStringLiteral("67")).has_value());
    EXPECT_FALSE(HittaLivsmedel(t, QStringLiteral("68")).has_value());
}

TEST(Import, FilSomInteArEnExportSkriverIngenting) {
    const struct {
        const char* namn;
        std::vector<std::vector<std::string>> rader;
        const char* fel;
    } fall[] = {
        {"ingen rubrikrad", {{"a", "b"}, {"1", "2"}}, "raden med kolumnrubriker saknas"},
        {"utan Livsmedelsnummer",
         {{"x"}, {"y"}, {"Livsmedelsnamn", "Energi (kJ)"}, {"Mat", "5"}},
         "kolumnen Livsmedelsnummer saknas"},
    };
    for (const auto& f : fall) {
        QTemporaryDir d;
        const QString fil = skrivXlsx(d, f.rader);
        const ImportResultat r =
            ImporteraLivsmedelsdatabas(fil, d.path(), QStringLiteral("fodbas100"), enklaRegler());
        EXPECT_TRUE(r.fel.contains(QString::fromUtf8(f.fel)))
            << f.namn << ": " << r.fel.toStdString();
        EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("fodbas100.db")))) << f.namn;
    }
    QTemporaryDir d;
    QFile txt(d.filePath(QStringLiteral("inte.xlsx")));
    ASSERT_TRUE(txt.open(QIODevice::WriteOnly));
    txt.write("Livsmedelsnummer;Livsmedelsnamn\n1;Mat\n");
    txt.close();
    const ImportResultat r = ImporteraLivsmedelsdatabas(txt.fileName(), d.path(),
                                                        QStringLiteral("fodbas100"), enklaRegler());
    EXPECT_FALSE(r.fel.isEmpty());
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files).size(), 1) << "only the input file";
}

TEST(Import, GammalTabellLamnasOrordVidFel) {
    QTemporaryDir d;
    SkrivFixturTabell(d.path(), QStringLiteral("fodbas100"), StandardLivsmedel());
    const QString fil = skrivXlsx(d, {{"a"}, {"b"}});
    const ImportResultat r =
        ImporteraLivsmedelsdatabas(fil, d.path(), QStringLiteral("fodbas100"), enklaRegler());
    EXPECT_FALSE(r.fel.isEmpty());
    Tabellfil t;
    ASSERT_TRUE(t.oppna(d.path(), QStringLiteral("fodbas100")).isEmpty());
    EXPECT_TRUE(HittaLivsmedel(t, QStringLiteral("1")).has_value());
}

TEST(Importregler, VillkorOchForstaRegelnGaller) {
    Regelfil r;
    ASSERT_TRUE(TolkaRegler(QStringLiteral("# kommentar\n"
                                           "Frukt ; ^äpple|päron&!torkad ; A\n"
                                           "Frukt ; =te ; B\n"
                                           "Frukt ; ^te |^x ; C\n"
                                           "* ; * ; D\n"),
                            r)
                    .isEmpty());
    const struct {
        const char* grupp;
        const char* namn;
        const char* varde;
    } fall[] = {
        {"Frukt", "Äpple rött", "A"},   {"Frukt", "Päron", "A"},    {"Frukt", "Äpple torkad", "D"},
        {"Frukt", "Päron torkad", "D"}, {"Frukt", "Grönt te", "B"}, {"Frukt", "Tepulver", "D"},
        {"Frukt", "Te bryggt", "B"},    {"Frukt", "Tetra", "D"},    {"Frukt", "Xylitol", "C"},
        {"Dryck", "Äpple", "D"},        {"", "Något", "D"}};
    for (const auto& f : fall) {
        const Regel* x = r.hitta(QString::fromUtf8(f.grupp), QString::fromUtf8(f.namn));
        ASSERT_TRUE(x) << f.namn;
        EXPECT_EQ(x->varden.value(0), QString::fromUtf8(f.varde)) << f.namn;
    }
    Regelfil fel;
    EXPECT_FALSE(TolkaRegler(QStringLiteral("bara ; två\n"), fel).isEmpty());
    EXPECT_FALSE(TolkaRegler(QStringLiteral("a ; x|| ; v\n"), fel).isEmpty());
}

// The delivered rules over the agency's real current edition.
class RiktigUtgava : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString ref = ReferensdataKatalog();
        if (ref.isEmpty()) return;
        s_dir = new QTemporaryDir;
        Importregler regler;
        ASSERT_TRUE(LasImportregler(DataKatalog(), regler).isEmpty());
        s_res = ImporteraLivsmedelsdatabas(
            ref + QStringLiteral("/livsmedelsverket/LivsmedelsDB_202511142228.xlsx"), s_dir->path(),
            QStringLiteral("fodbas100"), regler);
    }
    static void TearDownTestSuite() {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override {
        if (!s_dir) GTEST_SKIP() << "reference data not present";
        ASSERT_TRUE(s_res.fel.isEmpty()) << s_res.fel.toStdString();
        ASSERT_TRUE(m_t.oppna(s_dir->path(), QStringLiteral("fodbas100")).isEmpty());
    }
    static QTemporaryDir* s_dir;
    static ImportResultat s_res;
    Tabellfil m_t;
};
QTemporaryDir* RiktigUtgava::s_dir = nullptr;
ImportResultat RiktigUtgava::s_res;

TEST_F(RiktigUtgava, AntalOchForstaLivsmedlet) {
    EXPECT_EQ(s_res.livsmedel, 2575);
    EXPECT_EQ(s_res.utgava, QStringLiteral("2025-10-29"));
    const auto talg = HittaLivsmedel(m_t, QStringLiteral("1"));
    ASSERT_TRUE(talg.has_value());
    EXPECT_EQ(talg->text(QStringLiteral("Livsmedel")), QStringLiteral("Nöt talg"));
    EXPECT_EQ(talg->tal(14), 2746.0f); // field 15: energy kJ
    EXPECT_EQ(talg->tal(19), 71.0f);   // field 20: fat
    EXPECT_EQ(talg->text(QStringLiteral("Grupp2")), QStringLiteral("Matfett"));
}

TEST_F(RiktigUtgava, VarjeLivsmedelIExaktEnBildlista) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    LivsmedelsindexTabell idx;
    ASSERT_TRUE(LasLivsmedelsindex(m_t, idx));
    const char* const listor[] = {"Mjölk,ost",          "Matfett",       "Bröd,spannmål",
                                  "Potatis,rotfrukter", "Kött,fisk,ägg", "Grönsaker",
                                  "Frukt,bär",          "Drycker",       "Övrigt"};
    std::vector<int> antal(idx.poster.size(), 0);
    for (const char* l : listor)
        for (int i : LivsmedelIBildgrupp(idx, QString::fromUtf8(l)))
            ++antal[static_cast<std::size_t>(i)];
    int reserv = 0;
    for (std::size_t i = 0; i < idx.poster.size(); ++i) {
        if (idx.poster[i].livsmedel == QLatin1String("RESERV")) {
            ++reserv;
            EXPECT_EQ(antal[i], 0);
            continue;
        }
        EXPECT_EQ(antal[i], 1) << idx.poster[i].livsmedel.toStdString() << " ("
                               << idx.poster[i].grupp2.toStdString() << ")";
    }
    EXPECT_EQ(reserv, 50);
    // A few foods a user would look for under each region.
    auto under = [&](const char* lista, const char* namn) {
        for (int i : LivsmedelIBildgrupp(idx, QString::fromUtf8(lista)))
            if (idx.poster[static_cast<std::size_t>(i)].livsmedel == QString::fromUtf8(namn))
                return true;
        return false;
    };
    EXPECT_TRUE(under("Grönsaker", "Broccoli"));
    EXPECT_TRUE(under("Potatis,rotfrukter", "Morot"));
    EXPECT_TRUE(under("Potatis,rotfrukter", "Potatis kokt m. salt"));
    EXPECT_TRUE(under("Mjölk,ost", "Ost hårdost fett 28%"));
    EXPECT_TRUE(under("Mjölk,ost", "Mellanmjölk fett 1,5% berikad"));
    EXPECT_TRUE(under("Frukt,bär", "Banan"));
    EXPECT_TRUE(under("Frukt,bär", "Blåbär"));
    EXPECT_TRUE(under("Kött,fisk,ägg", "Ägg kokt"));
    EXPECT_TRUE(under("Kött,fisk,ägg", "Lax odlad Norge fjordlax rå"));
    EXPECT_TRUE(under("Bröd,spannmål", "Havregryn fullkorn"));
    EXPECT_TRUE(under("Matfett", "Rapsolja"));
    EXPECT_TRUE(under("Drycker", "Kaffe bryggt"));
    EXPECT_TRUE(under("Övrigt", "Janssons frestelse"));
}

TEST_F(RiktigUtgava, VarjeLivsmedelHarEnhetOchPortion) {
    LivsmedelsindexTabell idx;
    ASSERT_TRUE(LasLivsmedelsindex(m_t, idx));
    for (const auto& p : idx.poster) {
        const auto m = HittaLivsmedel(m_t, p.kod);
        ASSERT_TRUE(m.has_value());
        EXPECT_FALSE(m->text(QStringLiteral("Enhet")).isEmpty()) << p.livsmedel.toStdString();
        EXPECT_GT(m->tal(m->position(QStringLiteral("Portionsstorlek"))), 0.0f)
            << p.livsmedel.toStdString();
        if (p.livsmedel == QLatin1String("RESERV")) continue;
        EXPECT_GT(TextTillTal(m->text(QStringLiteral("kgpris"))), 0.0f)
            << p.livsmedel.toStdString();
        for (int k = 1; k <= 4; ++k) {
            const QString e = m->text(QStringLiteral("enhet%1").arg(k));
            const float g = m->tal(m->position(QStringLiteral("port%1").arg(k)));
            if (e == QLatin1String("dl")) {
                EXPECT_GE(g, 5.0f) << p.livsmedel.toStdString();
                EXPECT_LE(g, 150.0f) << p.livsmedel.toStdString();
            }
        }
    }
    // Liquids, flours and sugar have a dl unit with the right density.
    auto dl = [&](const char* namn) {
        for (const auto& p : idx.poster) {
            if (p.livsmedel != QString::fromUtf8(namn)) continue;
            const auto m = HittaLivsmedel(m_t, p.kod);
            for (int k = 1; k <= 4; ++k)
                if (m && m->text(QStringLiteral("enhet%1").arg(k)) == QLatin1String("dl"))
                    return m->tal(m->position(QStringLiteral("port%1").arg(k)));
        }
        return 0.0f;
    };
    EXPECT_EQ(dl("Vetemjöl"), 60.0f);
    EXPECT_EQ(dl("Socker"), 85.0f);
    EXPECT_EQ(dl("Rapsolja"), 90.0f);
    EXPECT_EQ(dl("Mellanmjölk fett 1,5% berikad"), 103.0f);
    EXPECT_EQ(dl("Havregryn fullkorn"), 35.0f);
    EXPECT_EQ(dl("Ris långkornigt okokt"), 85.0f);
}

} // namespace
