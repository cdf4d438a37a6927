// The calculation's selection, markers and meal clipboard in the running
// main window.
#include "app/start.h"
#include "app/strangrutnat.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "meal/berakning.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>
#include <QToolButton>

class TstBerakning : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;

    // Puts a food of the table into a row, as picking it would.
    void lagg(int dag, int maltid, int rad, const char* kod) {
        const auto post = HittaLivsmedel(f->DBISAMTableLivs, QString::fromLatin1(kod));
        QVERIFY(post.has_value());
        FyllRadFranLivsmedel(G.Berakning[dag][maltid][rad], QString::fromLatin1(kod), *post);
        G.Andrad = true;
    }
    QAction* meny(const char* namn) { return f->findChild<QAction*>(QString::fromLatin1(namn)); }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        auto foods = StandardLivsmedel();
        foods[0].naring[15] = 2746;     // Nöt talg
        foods[1].naring = {{15, 150}};  // Morot
        foods[2].naring = {{15, 0.05}}; // Tomat: below the day marker's 0.1 kJ
        m_ak = std::make_unique<Arbetskatalog>(foods);
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
    }
    void cleanup() {
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    void dagbyteBehallerMaltiden() {
        hitta<QToolButton>("SpeedButton2", f)->click();
        QCOMPARE(G.AktuellMaltid, 1);
        QCOMPARE(G.AktuellMaltidNamn, QStringLiteral("Lunch"));
        auto* cb = hitta<QComboBox>("ComboBox1");
        Q_EMIT cb->activated(1);
        QCOMPARE(G.AktuellDag, 1);
        QCOMPARE(G.AktuellMaltid, 1);
        QVERIFY(hitta<QToolButton>("SpeedButton2", f)->isChecked());
    }

    void dagmarkorer() {
        lagg(2, 0, 1, "1");
        lagg(4, 3, 1, "3"); // 0.05 kJ per 100 g
        Omrakna();
        auto* cb = hitta<QComboBox>("ComboBox1");
        QCOMPARE(cb->itemText(0), QStringLiteral("dag1"));
        QCOMPARE(cb->itemText(2), QStringLiteral("DAG3"));
        QCOMPARE(cb->itemText(3), QStringLiteral("dag4"));
        QCOMPARE(cb->itemText(4), QStringLiteral("dag5"));
        QCOMPARE(cb->currentIndex(), 0);
        Q_EMIT cb->activated(2);
        QCOMPARE(cb->currentIndex(), 2);
        QCOMPARE(cb->itemText(2), QStringLiteral("DAG3"));
    }

    void feteMaltidsknappar() {
        lagg(0, 1, 1, "2");
        lagg(0, 2, 2, "2"); // row 1 empty: not marked although row 2 holds food
        lagg(1, 3, 1, "2"); // another day
        Omrakna();
        QVERIFY(!hitta<QToolButton>("SpeedButton1", f)->font().bold());
        QVERIFY(hitta<QToolButton>("SpeedButton2", f)->font().bold());
        QVERIFY(!hitta<QToolButton>("SpeedButton3", f)->font().bold());
        QVERIFY(!hitta<QToolButton>("SpeedButton4", f)->font().bold());
        Q_EMIT hitta<QComboBox>("ComboBox1")->activated(1);
        QVERIFY(!hitta<QToolButton>("SpeedButton2", f)->font().bold());
        QVERIFY(hitta<QToolButton>("SpeedButton4", f)->font().bold());
    }

    void nyBerakningFragarOchAvbrytBehaller() {
        lagg(0, 0, 1, "2");
        hitta<QToolButton>("SpeedButton3", f)->click();
        Dialoger::test().svar = {QMessageBox::Cancel};
        meny("NyBerakning1")->trigger();
        QCOMPARE(m_d->visade(),
                 QStringList{QStringLiteral("Vill du spara pågående beräkning innan ny startas?")});
        QVERIFY(G.Andrad);
        QVERIFY(G.Berakning[0][0][1].harLivsmedel());
        QCOMPARE(G.AktuellMaltid, 2);
        Dialoger::test().svar = {QMessageBox::No};
        meny("NyBerakning1")->trigger();
        QVERIFY(!G.Andrad);
        QVERIFY(G.Berakning[0][0][1].tom());
        QCOMPARE(G.AktuellMaltid, 0);
        QVERIFY(hitta<QToolButton>("SpeedButton1", f)->isChecked());
        QCOMPARE(hitta<QComboBox>("ComboBox1")->currentIndex(), 0);
        QCOMPARE(f->windowTitle(), G.AktuellNormText);
        // Without changes nothing is asked.
        m_d->visade().clear();
        meny("NyBerakning1")->trigger();
        QCOMPARE(m_d->visade(), QStringList());
    }

    void kopieraNyKlistraIn() {
        lagg(0, 0, 1, "1");
        lagg(0, 0, 2, "2");
        meny("KopieraMaltid1")->trigger();
        QCOMPARE(m_d->visade().last(),
                 QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
        Dialoger::test().svar = {QMessageBox::No};
        meny("NyBerakning1")->trigger();
        hitta<QToolButton>("SpeedButton4", f)->click();
        meny("KlistraInMaltid1")->trigger();
        QCOMPARE(G.Berakning[0][3][2].livsmedel.text(), QStringLiteral("Morot"));
        QVERIFY(!G.Andrad);
        QVERIFY(hitta<QToolButton>("SpeedButton4", f)->font().bold());
        auto* g = hitta<Strangrutnat>("StringGridMaltid");
        QCOMPARE(g->Cells(0, 1), QStringLiteral("Nöt talg"));
        QCOMPARE(g->Cells(1, 1), QStringLiteral("1,0"));
        QCOMPARE(g->Cells(3, 1), QStringLiteral("100"));
        QCOMPARE(g->Cells(4, 1), QStringLiteral("-"));
        // Closing right after asks nothing: pasting does not mark a change.
        m_d->visade().clear();
        f->show();
        QVERIFY(f->close());
        QCOMPARE(m_d->visade(), QStringList());
    }

    void klistraInForeKopieringTommer() {
        lagg(0, 0, 1, "1");
        meny("KlistraInMaltid1")->trigger();
        QVERIFY(G.Berakning[0][0][1].tom());
        QCOMPARE(hitta<Strangrutnat>("StringGridMaltid")->Cells(0, 1), QString());
    }
};

QTEST_MAIN(TstBerakning)
#include "tst_berakning.moc"
