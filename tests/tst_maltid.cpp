// Food lists, search, picture regions and the meal grid, driven by name.
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/maltidsgrid.h"
#include "meal/matbild.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStringListModel>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

class TstMaltid : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;
    int omrakningar = 0;

    QStringList lista() { return f->livsModell->stringList(); }
    Maltidsgrid* grid() { return hitta<Maltidsgrid>("StringGridMaltid"); }
    // Selects a food in the list by name.
    void valj(const QString& namn) {
        const int i = static_cast<int>(lista().indexOf(namn));
        QVERIFY2(i >= 0, qPrintable(namn + QStringLiteral(" in ") + lista().join(u'|')));
        f->ListBoxLivs->setCurrentIndex(f->livsModell->index(i));
    }
    void soek(const QString& ord) {
        Dialoger::test().inmatningar.push_back(ord);
        hitta<QPushButton>("Button2", f)->click();
    }
    void laggTill(const QString& namn) {
        soek(namn);
        valj(namn);
        hitta<QPushButton>("Button3", f)->click();
    }
    Maltidsrad& rad(int r) { return G.Berakning[G.AktuellDag][G.AktuellMaltid][r]; }
    // Enter in a cell with the given text.
    void enter(int kol, int r, const QString& text) {
        grid()->valjCell(kol, r);
        grid()->setCells(kol, r, text);
        QTest::keyClick(grid(), Qt::Key_Return);
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        auto foods = StandardLivsmedel();
        foods[6].portion = 120.0; // Mjölk: 120 g a unit, dl 66
        foods[7].grupp2 = QStringLiteral("Mjölk,ost");
        foods[7].portion = 0.0; // Ost: no portion size
        foods[7].kgpris = QStringLiteral("89,50");
        FixLivsmedel brod;
        brod.kod = QStringLiteral("20");
        brod.namn = QStringLiteral("Knäckebröd");
        brod.grupp1 = QStringLiteral("Knäckebröd");
        foods.push_back(brod);
        FixLivsmedel ab;
        ab.kod = QStringLiteral("21");
        ab.namn = QStringLiteral("Abc");
        ab.grupp1 = QStringLiteral("AB");
        foods.push_back(ab);
        FixLivsmedel abc;
        abc.kod = QStringLiteral("22");
        abc.namn = QStringLiteral("Abcd");
        abc.grupp1 = QStringLiteral("ABC");
        foods.push_back(abc);
        m_ak = std::make_unique<Arbetskatalog>(foods);
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
        f->show();
        omrakningar = 0;
        OmraknaVisningar().Salt = [this] { ++omrakningar; };
    }
    void cleanup() {
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    // --- Lists ------------------------------------------------------------

    void startarMedGronsaker() {
        QCOMPARE(lista(), (QStringList{QStringLiteral("Gurka"), QStringLiteral("Tomat"),
                                       QStringLiteral("Ärter gröna")}));
        QCOMPARE(f->livsModellH->stringList().first(), QStringLiteral("4;"));
    }

    void sokPrefixForstOchVarjeEnGang() {
        soek(QStringLiteral("soppa"));
        QCOMPARE(lista(),
                 (QStringList{QStringLiteral("Soppa tomat"), QStringLiteral("Tomatsoppa")}));
        QCOMPARE(f->livsModellH->stringList(),
                 (QStringList{QStringLiteral("9;"), QStringLiteral("10;")}));
    }

    void sokEnBokstavListarAldrigReserv() {
        soek(QStringLiteral("r"));
        QVERIFY(!lista().isEmpty());
        QVERIFY(!lista().contains(QStringLiteral("RESERV")));
        soek(QStringLiteral("ä")); // Swedish letters are upper-cased too
        QVERIFY(lista().contains(QStringLiteral("Ärter gröna")));
        QVERIFY(lista().contains(QStringLiteral("Åkerbär")));
    }

    void avbrutenEllerTomSokningAndrarInget() {
        const QStringList fore = lista();
        hitta<QPushButton>("Button2", f)->click(); // no answer queued: cancelled
        QCOMPARE(lista(), fore);
        soek(QString());
        QCOMPARE(lista(), fore);
        soek(QStringLiteral("finnsinte"));
        QVERIFY(lista().isEmpty());
    }

    void ctrlSSoker() {
        Dialoger::test().inmatningar.push_back(QStringLiteral("kaffe"));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        // From anywhere in the window, here the meal grid.
        QTest::keyClick(grid(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(lista(), QStringList{QStringLiteral("Kaffe bryggt")});
    }

    void bildrutaMedKommaOchKnappar() {
        hitta<Bildruta>("Label1")->klick(hitta<Bildruta>("Label1")->grupptext());
        QCOMPARE(lista(),
                 (QStringList{QStringLiteral("Mjölk 3%"), QStringLiteral("Ost hårdost 28%")}));
        hitta<QPushButton>("Button7", f)->click();
        QCOMPARE(lista(), QStringList{QStringLiteral("Kaffe bryggt")});
        hitta<QPushButton>("Button8", f)->click();
        QCOMPARE(lista(),
                 (QStringList{QStringLiteral("Soppa tomat"), QStringLiteral("Tomatsoppa")}));
        Q_EMIT hitta<Bildruta>("Label7")->klick(QStringLiteral("Frukt,bär"));
        QCOMPARE(lista(), (QStringList{QStringLiteral("Apelsin"), QStringLiteral("Åkerbär")}));
        QCOMPARE(hitta<Bildruta>("Label4")->toolTip(), QStringLiteral("Potatis, rotfrukter"));
        QCOMPARE(hitta<Bildruta>("Label4")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(hitta<Bildruta>("Label4")->geometry(), QRect(744, 384, 65, 39));
    }

    void gruppvaljarenOchDessText() {
        auto* cb = hitta<QComboBox>("ComboBoxSLVgrupp");
        const int i = cb->findText(QStringLiteral("Bröd"));
        QVERIFY(i >= 0);
        cb->setCurrentIndex(i);
        Q_EMIT cb->activated(i);
        QCOMPARE(lista(), QStringList{QStringLiteral("Knäckebröd")}); // contains BRÖD
        QCOMPARE(cb->currentText(), QStringLiteral("Bröd"));
        f->VisaSLVGrupp(QStringLiteral("AB")); // two letters: equal only
        QCOMPARE(lista(), QStringList{QStringLiteral("Abc")});
        f->VisaSLVGrupp(QStringLiteral("ABC"));
        QCOMPARE(lista(), QStringList{QStringLiteral("Abcd")});
        hitta<QPushButton>("Button7", f)->click();
        QCOMPARE(cb->currentText(), QStringLiteral("Livsmedelsgrupper, utökat"));
    }

    // --- Adding foods -------------------------------------------------------

    void nyRadVisarEnEnhet() {
        laggTill(QStringLiteral("Mjölk 3%"));
        QCOMPARE(grid()->Cells(0, 1), QStringLiteral("Mjölk 3%"));
        QCOMPARE(grid()->Cells(1, 1), QStringLiteral("1,0"));
        QCOMPARE(grid()->Cells(2, 1), QStringLiteral("glas"));
        QCOMPARE(grid()->Cells(3, 1), QStringLiteral("120"));
        QCOMPARE(grid()->currentRow(), 0);
        QCOMPARE(grid()->currentColumn(), 1);
        QCOMPARE(G.AktuellRad, 1);
        QVERIFY(G.Andrad);
        QCOMPARE(omrakningar, 1);
        QVERIFY(hitta<QToolButton>("SpeedButton1", f)->font().bold());
    }

    void hogerklickstipsBaraForstaGangen() {
        laggTill(QStringLiteral("Tomat"));
        QVERIFY(f->MemoHogerklick->isVisible());
        QVERIFY(f->TimerHogerKlick->isActive());
        QCOMPARE(f->TimerHogerKlick->interval(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!f->MemoHogerklick->isVisible(), 7000);
        QVERIFY(!f->MemoHogerklick->isVisible());
        laggTill(QStringLiteral("Gurka"));
        QVERIFY(!f->MemoHogerklick->isVisible());
    }

    void trettiondeLivsmedletErsatterRad29() {
        for (int i = 0; i < 29; ++i) laggTill(QStringLiteral("Tomat"));
        QVERIFY(rad(29).harLivsmedel());
        laggTill(QStringLiteral("Gurka"));
        QCOMPARE(rad(29).livsmedel.text(), QStringLiteral("Gurka"));
        QCOMPARE(rad(28).livsmedel.text(), QStringLiteral("Tomat"));
        QCOMPARE(G.AktuellRad, 29);
    }

    void slappPaRad28OchRad29IFullMaltid() {
        for (int i = 0; i < 28; ++i) laggTill(QStringLiteral("Tomat"));
        laggTill(QStringLiteral("Gurka")); // row 29
        soek(QStringLiteral("apelsin"));
        valj(QStringLiteral("Apelsin"));
        Q_EMIT grid()->slapp(28);
        QCOMPARE(rad(28).livsmedel.text(), QStringLiteral("Apelsin"));
        QCOMPARE(rad(29).livsmedel.text(), QStringLiteral("Tomat")); // Gurka lost
        Q_EMIT grid()->slapp(29);
        QCOMPARE(rad(29).livsmedel.text(), QStringLiteral("Apelsin"));
        QCOMPARE(rad(28).livsmedel.text(), QStringLiteral("Apelsin"));
    }

    void slappPaTomRadLamnarLucka() {
        laggTill(QStringLiteral("Tomat"));
        soek(QStringLiteral("gurka"));
        valj(QStringLiteral("Gurka"));
        Q_EMIT grid()->slapp(5);
        QVERIFY(rad(2).tom());
        QCOMPARE(rad(5).livsmedel.text(), QStringLiteral("Gurka"));
    }

    void livsmedelSomSaknasFlyttarInget() {
        laggTill(QStringLiteral("Tomat"));
        laggTill(QStringLiteral("Gurka"));
        // The food disappears from the table after start.
        QVERIFY(SkrivFalt(f->DBISAMTableLivs, QStringLiteral("6"), QStringLiteral("Kod"),
                          QStringLiteral("x6")));
        soek(QStringLiteral("apelsin"));
        valj(QStringLiteral("Apelsin"));
        omrakningar = 0;
        Q_EMIT grid()->slapp(1);
        QCOMPARE(m_d->visade().last(), QStringLiteral("Livsmedel med nr 6 finns ej."));
        QCOMPARE(rad(1).livsmedel.text(), QStringLiteral("Tomat"));
        QCOMPARE(rad(2).livsmedel.text(), QStringLiteral("Gurka"));
        QCOMPARE(omrakningar, 0);
    }

    void ingenValdRadGorIngenting() {
        f->ListBoxLivs->selectionModel()->clear();
        hitta<QPushButton>("Button3", f)->click();
        QVERIFY(!G.Andrad);
        QVERIFY(rad(1).tom());
    }

    // --- Editing -----------------------------------------------------------

    void enterIKolumnerna() {
        laggTill(QStringLiteral("Mjölk 3%"));
        enter(1, 1, QStringLiteral("2"));
        QCOMPARE(rad(1).gram, 240.0f);
        QCOMPARE(grid()->Cells(3, 1), QStringLiteral("240"));
        enter(3, 1, QStringLiteral("37,5"));
        QCOMPARE(rad(1).gram, 37.5f);
        QCOMPARE(grid()->Cells(3, 1), QStringLiteral("38"));
        enter(3, 1, QStringLiteral("mycket"));
        QCOMPARE(rad(1).gram, 0.0f);
        QCOMPARE(grid()->Cells(3, 1), QStringLiteral("-"));
        QCOMPARE(grid()->Cells(1, 1), QStringLiteral("-"));
        const int fore = omrakningar;
        enter(0, 1, QStringLiteral("Nytt namn"));
        QCOMPARE(m_d->visade().last(), QStringLiteral("Du kan inte ändra i denna kolumn"));
        QCOMPARE(grid()->Cells(0, 1), QStringLiteral("Mjölk 3%")); // redisplayed
        QCOMPARE(omrakningar, fore + 1);
        enter(2, 1, QStringLiteral("kg"));
        QCOMPARE(grid()->Cells(2, 1), QStringLiteral("glas"));
    }

    void antalUtanPortionGerNoll() {
        laggTill(QStringLiteral("Ost hårdost 28%"));
        enter(1, 1, QStringLiteral("3"));
        QCOMPARE(rad(1).gram, 0.0f);
    }

    void okaOchMinska() {
        laggTill(QStringLiteral("Mjölk 3%"));
        hitta<QPushButton>("Button4", f)->click();
        QCOMPARE(rad(1).gram, 132.0f);
        enter(3, 1, QStringLiteral("10"));
        Dialoger::test().svar = {QMessageBox::No};
        hitta<QPushButton>("Button5", f)->click();
        QCOMPARE(m_d->visade().last(), QStringLiteral("Vill du ta bort denna rad?"));
        QCOMPARE(rad(1).gram, 10.0f);
        Dialoger::test().svar = {QMessageBox::Yes};
        hitta<QPushButton>("Button5", f)->click();
        QVERIFY(rad(1).tom());
        QCOMPARE(grid()->Cells(0, 1), QString());
        enter(3, 1, QString()); // row without food: nothing to ask
    }

    void taBortRad3IFullMaltid() {
        const char* namn[] = {"Tomat", "Gurka", "Apelsin"};
        for (int i = 0; i < 29; ++i) laggTill(QString::fromUtf8(namn[i % 3]));
        grid()->valjCell(0, 3);
        G.Andrad = false;
        hitta<QPushButton>("Button6", f)->click();
        QVERIFY(G.Andrad);
        QCOMPARE(rad(3).livsmedel.text(), QStringLiteral("Tomat")); // old row 4
        QVERIFY(rad(28).harLivsmedel());
        QVERIFY(rad(29).tom());
        grid()->valjCell(0, 29);
        hitta<QPushButton>("Button6", f)->click();
        QVERIFY(rad(29).tom());
        QVERIFY(rad(28).harLivsmedel());
    }

    void enhetslistanMedDl() {
        laggTill(QStringLiteral("Mjölk 3%"));
        Q_EMIT grid()->hogerklick(1, grid()->viewport()->mapToGlobal(QPoint(10, 10)));
        auto* lb = hitta<QListWidget>("ListBoxVikter");
        QVERIFY(lb->isVisible());
        QStringList rader;
        for (int i = 0; i < lb->count(); ++i) rader << lb->item(i)->text();
        QCOMPARE(rader, (QStringList{QStringLiteral("Mjölk 3%"), QStringLiteral("120 g/port"),
                                     QStringLiteral("66  g/dl"), QStringLiteral("10  g/msk"),
                                     QStringLiteral("3   g/tsk")}));
        G.Andrad = false;
        f->ListBoxVikterClick(3);
        QVERIFY(!lb->isVisible());
        QCOMPARE(rad(1).enhet.text(), QStringLiteral("msk"));
        QCOMPARE(grid()->Cells(1, 1), QStringLiteral("1,0"));
        QCOMPARE(grid()->Cells(3, 1), QStringLiteral("10"));
        QVERIFY(!G.Andrad);
        // The first line only hides the list.
        Q_EMIT grid()->hogerklick(1, QPoint(0, 0));
        f->ListBoxVikterClick(0);
        QCOMPARE(rad(1).enhet.text(), QStringLiteral("msk"));
        QVERIFY(!lb->isVisible());
    }

    void hogerklickPaRubrikradenOppnarInget() {
        laggTill(QStringLiteral("Mjölk 3%"));
        QTest::mouseClick(grid()->horizontalHeader()->viewport(), Qt::RightButton);
        QVERIFY(!hitta<QListWidget>("ListBoxVikter")->isVisible());
        Q_EMIT grid()->hogerklick(0, QPoint());
        QVERIFY(!hitta<QListWidget>("ListBoxVikter")->isVisible());
    }

    void prisSkrivsTillbakaEllerLases() {
        laggTill(QStringLiteral("Mjölk 3%"));
        G.Andrad = false;
        enter(4, 1, QStringLiteral("14,90"));
        QCOMPARE(rad(1).kgpris, 14.9f);
        QVERIFY(!G.Andrad);
        QCOMPARE(grid()->Cells(4, 1), QStringLiteral("14,90"));
        auto post = HittaLivsmedel(f->DBISAMTableLivs, QStringLiteral("7"));
        QCOMPARE(post->text(QStringLiteral("kgpris")), QStringLiteral("14,90"));
        // Too long for the field: the write fails once with a message ...
        enter(4, 1, QStringLiteral("12345678901"));
        QCOMPARE(m_d->visade().last(), QStringLiteral("Priserna ändras endast temporärt."));
        QVERIFY(!G.PrisSpara);
        // ... after which prices change only the calculation, silently.
        const int meddelanden = static_cast<int>(m_d->visade().size());
        enter(4, 1, QStringLiteral("20"));
        QCOMPARE(rad(1).kgpris, 20.0f);
        QCOMPARE(m_d->visade().size(), meddelanden);
        post = HittaLivsmedel(f->DBISAMTableLivs, QStringLiteral("7"));
        QCOMPARE(post->text(QStringLiteral("kgpris")), QStringLiteral("14,90"));
        // Locked prices: refused, nothing recomputed.
        G.PrisLas = true;
        const int fore = omrakningar;
        enter(4, 1, QStringLiteral("99"));
        QCOMPARE(m_d->visade().last(), QStringLiteral("Du kan inte ändra i denna kolumn"));
        QCOMPARE(omrakningar, fore);
        QCOMPARE(rad(1).kgpris, 20.0f);
    }

    void vansterklickRaknarOmOchGomerListan() {
        laggTill(QStringLiteral("Mjölk 3%"));
        Q_EMIT grid()->hogerklick(1, QPoint());
        const int fore = omrakningar;
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(omrakningar, fore + 1);
        QVERIFY(!hitta<QListWidget>("ListBoxVikter")->isVisible());
    }

    void radfargerIMaltidsniva() {
        laggTill(QStringLiteral("Tomat"));
        laggTill(QStringLiteral("Gurka"));
        QCOMPARE(grid()->item(0, 0)->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(grid()->item(1, 0)->foreground().color(), QColor(255, 0, 0));
        G.AktuellNiva = 1;
        Omrakna();
        QCOMPARE(grid()->item(1, 0)->foreground().color(), QColor(Qt::black));
    }
};

QTEST_MAIN(TstMaltid)
#include "tst_maltid.moc"
