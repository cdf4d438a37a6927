// "Spara Beräkning", "Hämta beräkning", "Radera beräkningar" and recipes in
// the running program.
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"
#include "meal/maltidsgrid.h"
#include "person/tformaktiv.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

class TstFiler : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;

    void lagg(int d, int m, int r, const char* kod, float gram) {
        const auto post = HittaLivsmedel(f->DBISAMTableLivs, QString::fromLatin1(kod));
        QVERIFY(post.has_value());
        FyllRadFranLivsmedel(G.Berakning[d][m][r], QString::fromLatin1(kod), *post);
        G.Berakning[d][m][r].gram = gram;
        G.Andrad = true;
    }
    void meny(const char* namn) { f->findChild<QAction*>(QString::fromLatin1(namn))->trigger(); }
    QString fil(const char* namn) { return m_ak->fil(QString::fromLatin1(namn)); }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        auto gamla = StandardLivsmedel();
        FixLivsmedel bara2005;
        bara2005.kod = QStringLiteral("500");
        bara2005.namn = QStringLiteral("Bara i gamla tabellen");
        gamla.push_back(bara2005);
        m_ak = std::make_unique<Arbetskatalog>();
        SkrivFixturTabell(m_ak->sokvag(), QStringLiteral("fodbas2005"), gamla);
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
        f->show();
    }
    void cleanup() {
        G.Andrad = false;
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    void sparaOchHamtaIgen() {
        lagg(0, 0, 1, "7", 37.5f);
        lagg(3, 2, 5, "1", 100);
        G.Berakning[3][2][5].tagg.satt(QStringLiteral("x"));
        Dialoger::test().filer = {fil("vecka")};
        meny("SparaBerakning1");
        QVERIFY(!G.Andrad);
        QCOMPARE(f->windowTitle(), QDir::toNativeSeparators(fil("vecka.vaxo")) +
                                       QStringLiteral("   ") + G.AktuellNormText);
        QVERIFY(QFile::exists(fil("vecka.vaxo")));
        QVERIFY(QFile::exists(fil("vecka.norm")));
        QVERIFY(QFile::exists(fil("vecka.akt")));
        QVERIFY(m_ak->las(QStringLiteral("vecka.vaxo")).contains("7\r\n38/200@glas\r\n*0/0\r\n"));
        const QString text = G.AktuellNormText;
        // Another requirement and an empty calculation, then open the file.
        G.AktuellNorm[0] = 1;
        G.AktuellNormText = QStringLiteral("annan");
        Dialoger::test().svar = {QMessageBox::No};
        meny("NyBerakning1");
        Dialoger::test().filer = {fil("vecka.vaxo")};
        meny("HamtaBerakning1");
        QCOMPARE(G.Berakning[0][0][1].gram, 38.0f);
        QCOMPARE(G.Berakning[0][0][1].livsmedel.text(), QStringLiteral("Mjölk 3%"));
        QCOMPARE(G.Berakning[3][2][5].tagg.text(), QStringLiteral("x"));
        QCOMPARE(G.AktuellNormText, text);
        QCOMPARE(G.AktuellNorm[0], 9300.0f);
        QVERIFY(!G.Andrad);
        QCOMPARE(G.AktuellDag, 0);
        QVERIFY(f->windowTitle().startsWith(QDir::toNativeSeparators(fil("vecka.vaxo")) +
                                            QStringLiteral("   ") + text + QStringLiteral("  /")));
        QCOMPARE(f->StringGridMaltid->Col(), 4);
    }

    void sparfelVisarVarjeMeddelande() {
        lagg(0, 0, 1, "7", 100);
        Dialoger::test().filer = {fil("finns/inte/vecka.vaxo")};
        QVERIFY(!f->SparaBerakning());
        QCOMPARE(m_d->visade().mid(1),
                 (QStringList{QStringLiteral("Kan ej spara beräkningen"),
                              QStringLiteral("Kan ej spara aktuell norm"),
                              QStringLiteral("Kan ej spara aktiviteterna.")}));
        QVERIFY(G.Andrad);
    }

    void avbrutetSparandeSkriverInget() {
        lagg(0, 0, 1, "7", 100);
        meny("SparaBerakning1");
        QVERIFY(G.Andrad);
        QCOMPARE(QDir(m_ak->sokvag()).entryList({QStringLiteral("*.vaxo")}).size(), 0);
    }

    void stangMedJaSparar() {
        lagg(0, 0, 1, "7", 100);
        Dialoger::test().svar = {QMessageBox::Yes};
        Dialoger::test().filer = {fil("vid_stangning")};
        QVERIFY(f->close());
        QVERIFY(QFile::exists(fil("vid_stangning.vaxo")));
    }

    void avbrutenOppningValjerPriskolumnen() {
        f->StringGridMaltid->valjCell(0, 2);
        meny("HamtaBerakning1");
        QCOMPARE(f->StringGridMaltid->Col(), 4);
    }

    void oppningsfelOchFastBlock() {
        Dialoger::test().filer = {fil("finnsinte.vaxo")};
        meny("HamtaBerakning1");
        QCOMPARE(m_d->visade().last(), QStringLiteral("Kan ej öppna beräkningen"));
        // An older fixed-block file: each food fodbas100 lacks gets its message.
        QByteArray b;
        for (int d = 0; d < 7; ++d)
            for (int m = 0; m < 4; ++m)
                for (int r = 0; r < 30; ++r) {
                    QByteArray kod = "0";
                    if (d == 0 && m == 0 && r == 1) kod = "6";
                    if (d == 0 && m == 0 && r == 2) kod = "500";
                    b += kod + "\r\n" + "80\r\n";
                }
        m_ak->skriv(QStringLiteral("gammal.vaxo"), b);
        Dialoger::test().filer = {fil("gammal.vaxo")};
        meny("HamtaBerakning1");
        QCOMPARE(m_d->visade().last(),
                 QStringLiteral("dag=1 maltid=1 rad=3 Livsmedel med nr 500 finns ej."));
        QCOMPARE(G.Berakning[0][0][1].livsmedel.text(), QStringLiteral("Apelsin"));
        QCOMPARE(G.Berakning[0][0][1].gram, 80.0f);
        QCOMPARE(f->windowTitle(), QDir::toNativeSeparators(fil("gammal.vaxo")) +
                                       QStringLiteral("   ") + G.AktuellNormText);
        // The current format finds the code in fodbas2005.
        QByteArray c = "100\r\nd\r\nflera maltider\r\n";
        for (int i = 0; i < 9; ++i) c += "reserv\r\n";
        c += "500\r\n50\r\n";
        for (int k = 0; k < 28; ++k)
            c += "*" + QByteArray::number(k / 4) + "/" + QByteArray::number(k % 4) + "\r\n";
        m_ak->skriv(QStringLiteral("ny.vaxo"), c);
        Dialoger::test().filer = {fil("ny.vaxo")};
        meny("HamtaBerakning1");
        QCOMPARE(G.Berakning[0][0][1].livsmedel.text(), QStringLiteral("Bara i gamla tabellen"));
    }

    void aktivnormLaserAktivitetslistan() {
        auto* a = hitta<TFormAktiv>("TFormAktiv");
        a->EditAge->setText(QStringLiteral("40"));
        const auto it = a->ListBoxAktiv->findItems(QStringLiteral("Jogga"), Qt::MatchExactly);
        a->ListBoxAktiv->setCurrentItem(it.first());
        a->ButtonOK->click();
        QCOMPARE(G.NormTyp, QStringLiteral("aktivnorm"));
        const float energi = G.AktuellNorm[1];
        Dialoger::test().filer = {fil("aktiv")};
        meny("SparaBerakning1");
        QVERIFY(m_ak->las(QStringLiteral("aktiv.norm")).contains("aktivnorm\r\n"));
        // A standard row in between; opening brings the activity list back.
        a->ButtonTabortClick();
        G.NormTyp = QStringLiteral("standardnorm");
        a->EditAge->setText(QStringLiteral("20"));
        Dialoger::test().filer = {fil("aktiv.vaxo")};
        meny("HamtaBerakning1");
        QCOMPARE(a->EditAge->text(), QStringLiteral("40"));
        QCOMPARE(a->StringGridAktiv->Cells(0, 1), QStringLiteral("Jogga"));
        QCOMPARE(G.NormTyp, QStringLiteral("aktivnorm"));
        QCOMPARE(G.AktuellNorm[1], energi);
    }

    void raderaTarBortVaxoOchAktMenInteNorm() {
        for (const char* n : {"vecka.vaxo", "vecka.akt", "vecka.norm"})
            m_ak->skriv(QString::fromLatin1(n), "x");
        Dialoger::test().filer = {fil("vecka.vaxo"), fil("annan.vaxo")};
        meny("RaderaBerakningar1");
        QVERIFY(!QFile::exists(fil("vecka.vaxo")));
        QVERIFY(!QFile::exists(fil("vecka.akt")));
        QVERIFY(QFile::exists(fil("vecka.norm")));
        QCOMPARE(
            m_d->visade(),
            (QStringList{QStringLiteral("Välj beräkning som du vill radera."),
                         QDir::toNativeSeparators(fil("vecka.vaxo")) + QStringLiteral(" borttagen"),
                         QStringLiteral("Välj beräkning som du vill radera."),
                         QDir::toNativeSeparators(fil("annan.vaxo")) + QStringLiteral(" borttagen"),
                         QStringLiteral("Välj beräkning som du vill radera.")}));
    }

    void recept() {
        lagg(0, 0, 1, "7", 100);
        lagg(0, 0, 2, "1", 50);
        lagg(0, 0, 3, "6", 25);
        G.Andrad = false;
        Dialoger::test().filer = {fil("gryta.txt")};
        meny("SparaRecept1");
        QCOMPARE(m_d->visade().last(), QStringLiteral("Receptet är sparat."));
        QCOMPARE(QFileInfo(fil("gryta.recept")).size(), 2128);
        QVERIFY(!G.Andrad);
        f->SpeedButtonMaltidClick(2);
        Dialoger::test().filer = {fil("gryta.txt")}; // the extension is always .recept
        meny("HamtaRecept1");
        QCOMPARE(G.Berakning[0][2][3].livsmedel.text(), QStringLiteral("Apelsin"));
        QVERIFY(G.Andrad);
        // A missing file: nothing, no message.
        const int fore = static_cast<int>(m_d->visade().size());
        G.Andrad = false;
        Dialoger::test().filer = {fil("finnsinte")};
        meny("HamtaRecept1");
        QCOMPARE(m_d->visade().size(), fore + 1); // only the dialog title
        QVERIFY(!G.Andrad);
        // Saving into a directory that does not exist.
        Dialoger::test().filer = {fil("finns/inte/r")};
        meny("SparaRecept1");
        QCOMPARE(m_d->visade().last(), QStringLiteral("Kan ej spara beräkningen"));
    }
};

QTEST_MAIN(TstFiler)
#include "tst_filer.moc"
