// The typical road through the whole program, driven by object names: pick
// vegetables in the picture, add a food, see the bars, change the amount,
// switch scope, save and reopen, write an all-days report to PDF, close.
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tformtab.h"
#include "meal/maltidsgrid.h"
#include "meal/matbild.h"
#include "reports/tformutskriftsval2.h"
#include "results/stapeldiagram.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QSqlTableModel>
#include <QStringListModel>
#include <QTableView>
#include <QToolButton>

class TstHelhet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }
    void cleanup() { Avsluta(); }

    void typiskVag() {
        auto foods = StandardLivsmedel();
        for (auto& x : foods) x.naring[15] = 120; // every food some energy
        Arbetskatalog ak(foods);
        // The delivered tables of a prepared working directory, when there is one.
        ak.hamtaFranPrepareradKatalog(
            {QStringLiteral("fodbas100.db"), QStringLiteral("fodbas2005.db")});
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        f->show();
        QVERIFY(d.visade().isEmpty());
        // Vegetables from the picture.
        auto* grons = hitta<Bildruta>("Label6", f);
        Q_EMIT grons->klick(grons->grupptext());
        QVERIFY(f->livsModell->rowCount() > 0);
        f->ListBoxLivs->setCurrentIndex(f->livsModell->index(0));
        Q_EMIT f->ListBoxLivs->doubleClicked(f->livsModell->index(0));
        QVERIFY(G.Berakning[0][0][1].harLivsmedel());
        QVERIFY(G.Andrad);
        // The bars show the meal in percent of its share of the requirement.
        const float energi = f->ChartStapel->visatVarde(1, 0);
        QVERIFY(energi > 0);
        QVERIFY(qAbs(energi - G.R.RadProcent[0][0][1][0] / G.Maltidsandel[0]) < 1e-3);
        // Twice the grams, twice the bar.
        auto* g = f->StringGridMaltid;
        g->valjCell(3, 1);
        g->setCells(3, 1, QString::number(2 * G.Berakning[0][0][1].gram));
        QTest::keyClick(g, Qt::Key_Return);
        QVERIFY(qAbs(f->ChartStapel->visatVarde(1, 0) - 2 * energi) < 1e-2);
        // The day scope.
        hitta<QToolButton>("SpeedButton10", f)->click();
        QCOMPARE(G.AktuellNiva, 1);
        // Save and open again.
        Dialoger::test().filer = {ak.fil(QStringLiteral("dagen"))};
        f->findChild<QAction*>(QStringLiteral("SparaBerakning1"))->trigger();
        QVERIFY(!G.Andrad);
        const float gram = G.Berakning[0][0][1].gram;
        Dialoger::test().filer = {ak.fil(QStringLiteral("dagen.vaxo"))};
        f->findChild<QAction*>(QStringLiteral("HamtaBerakning1"))->trigger();
        QCOMPARE(G.Berakning[0][0][1].gram, std::round(gram));
        // An all-days report to PDF.
        auto* u = hitta<TFormUtskriftsval2>("TFormUtskriftsval2");
        f->findChild<QAction*>(QStringLiteral("Utskrift1"))->trigger();
        u->vad->button(2)->setChecked(true);
        u->CheckBox1->click();
        Dialoger::test().filer = {ak.fil(QStringLiteral("rapport.pdf"))};
        u->ButtonSkriv->click();
        QVERIFY(QFileInfo(ak.fil(QStringLiteral("rapport.pdf"))).size() > 1000);
        // Close with the save question after a change.
        Q_EMIT f->ListBoxLivs->doubleClicked(f->livsModell->index(0));
        Dialoger::test().svar = {QMessageBox::Cancel};
        QVERIFY(!f->close());
        Dialoger::test().svar = {QMessageBox::No};
        QVERIFY(f->close());
        QCOMPARE(d.visade().count(QStringLiteral("Vill du spara pågående beräkning?")), 2);
    }

    void livsmedelstabellen() {
        Arbetskatalog ak;
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        auto* t = hitta<TFormTab>("TFormTab");
        QCOMPARE(t->windowTitle(), QStringLiteral("Näring per 100 gram"));
        QCOMPARE(t->modell->rowCount(), 13);
        f->findChild<QAction*>(QStringLiteral("Livsmedelstabell1"))->trigger();
        QVERIFY(t->isVisible());
        // Read-only: every key gives the message, an arrow included.
        QTest::keyClick(t->DBISAMDBGrid1, Qt::Key_Down);
        QCOMPARE(d.visade().last(),
                 QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen "
                                "Ändra i livsmedelstabellen."));
        Dialoger::test().inmatningar = {QStringLiteral("fel")};
        t->Button1Click();
        QVERIFY(!t->Notis->isVisibleTo(t));
        Dialoger::test().inmatningar = {QStringLiteral("vaktrum")};
        t->Button1Click();
        QVERIFY(t->Notis->isVisibleTo(t));
        QCOMPARE(
            d.visade().last(),
            QStringLiteral("Obs! Nu är det du som har ansvaret, ändringar går inte att ångra."));
        // Name order, then the price list in that order.
        t->SpeedButton2Click();
        QCOMPARE(t->modell->data(t->modell->index(0, 1)).toString(), QStringLiteral("Apelsin"));
        QCOMPARE(t->modell->data(t->modell->index(12, 1)).toString(),
                 QStringLiteral("Ärter gröna"));
        t->Button2Click();
        QCOMPARE(d.visade().last(), QStringLiteral("[prislista]"));
        t->SpeedButton1Click();
        QCOMPARE(t->modell->data(t->modell->index(0, 0)).toString(), QStringLiteral("1"));
        // Copyright names the data and its licence.
        f->findChild<QAction*>(QStringLiteral("Copyright1"))->trigger();
        QVERIFY(
            d.visade().last().contains(QStringLiteral("Livsmedelsverket, livsmedelsdatabasen")));
        QVERIFY(d.visade().last().contains(QStringLiteral("CC BY 4.0")));
    }

    void menyerVisarFonsterEnGang() {
        Arbetskatalog ak;
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        f->findChild<QAction*>(QStringLiteral("Naringstoppen1"))->trigger();
        f->findChild<QAction*>(QStringLiteral("Naringstoppen1"))->trigger();
        int antal = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            antal += w->objectName() == QLatin1String("TFormToppen") ? 1 : 0;
        QCOMPARE(antal, 1);
        f->findChild<QAction*>(QStringLiteral("MatTips1"))->trigger();
        QCOMPARE(d.visade().last(),
                 QStringLiteral("När du har fyllt i vad du ätit visas här goda råd om maten."));
        QVERIFY(!hitta("TFormTips")->isVisible());
        Dialoger::test().inmatningar = {QStringLiteral("fel")};
        f->findChild<QAction*>(QStringLiteral("Tipstexter1"))->trigger();
        QVERIFY(!hitta("TFormInfotext")->isVisible());
        Dialoger::test().inmatningar = {QStringLiteral("vaktrum")};
        f->findChild<QAction*>(QStringLiteral("Tipstexter1"))->trigger();
        QVERIFY(hitta("TFormInfotext")->isVisible());
        // Thirteen windows, in their order.
        const QStringList namn{QStringLiteral("TForm1"),
                               QStringLiteral("TFormNorm"),
                               QStringLiteral("Tformnvval"),
                               QStringLiteral("TFormTab"),
                               QStringLiteral("TFormAktskapa"),
                               QStringLiteral("TFormAktiv"),
                               QStringLiteral("TFormTips"),
                               QStringLiteral("TFormInfotext"),
                               QStringLiteral("TFormToppen"),
                               QStringLiteral("TFormUt"),
                               QStringLiteral("TFormUtskriftsval2"),
                               QStringLiteral("TFormInst"),
                               QStringLiteral("TFormSalt")};
        for (const QString& n : namn) QVERIFY2(hitta(qPrintable(n)), qPrintable(n));
    }
};

QTEST_MAIN(TstHelhet)
#include "tst_helhet.moc"
