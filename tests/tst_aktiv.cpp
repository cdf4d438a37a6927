// The activity window, the activity table window and the text preview.
#include "app/start.h"
#include "app/strangrutnat.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "person/tformaktiv.h"
#include "person/tformaktskapa.h"
#include "reports/textutskrift.h"
#include "reports/tformut.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QBarSet>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

class TstAktiv : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;
    TFormAktiv* a = nullptr;

    void lagg(const char* namn) {
        const auto hittade = a->ListBoxAktiv->findItems(QString::fromUtf8(namn), Qt::MatchExactly);
        QVERIFY2(!hittade.isEmpty(), namn);
        a->ListBoxAktiv->setCurrentItem(hittade.first());
        a->ButtonOK->click();
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        m_ak = std::make_unique<Arbetskatalog>();
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
        a = hitta<TFormAktiv>("TFormAktiv");
        QVERIFY(a);
    }
    void cleanup() {
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    void startlageOchNamnlista() {
        QCOMPARE(a->windowTitle(), QStringLiteral("Dina aktiviteter"));
        QCOMPARE(a->EditAge->text(), QStringLiteral("15"));
        QCOMPARE(a->Label3->text(), QStringLiteral("Aktivitet, kcal"));
        QCOMPARE(G.NormTyp, QStringLiteral("standardnorm"));
        QCOMPARE(a->ListBoxAktiv->count(), 150);
        QVERIFY(a->ListBoxAktiv->item(0)->text() < a->ListBoxAktiv->item(1)->text() ||
                a->ListBoxAktiv->item(0)->text().localeAwareCompare(
                    a->ListBoxAktiv->item(1)->text()) < 0);
        f->findChild<QAction*>(QStringLiteral("Aktiviteter1"))->trigger();
        QVERIFY(a->isVisible());
    }

    void laggTillRaknarOmOchGerAktivnorm() {
        a->EditAge->setText(QStringLiteral("40"));
        a->Editkg->setText(QStringLiteral("70"));
        qobject_cast<QRadioButton*>(a->konGrupp->button(1))->click();
        QCOMPARE(G.NormTyp, QStringLiteral("aktivnorm"));
        QCOMPARE(a->EditBMR->text(), QStringLiteral("1691"));
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("Norm: Man 40 år, 70 kg.  7075 kJ/dag (1691 kcal/dag)"));
        // The other values come from the norm row of men 31-60 (row 4).
        QCOMPARE(G.AktuellNorm[21], 9.0f); // iron
        lagg("Promenad, normal (5 km/h)");
        QCOMPARE(a->StringGridAktiv->Cells(0, 1), QStringLiteral("Promenad, normal (5 km/h)"));
        QCOMPARE(a->StringGridAktiv->Cells(2, 1), QStringLiteral("30"));
        // (3.5 - 1) x 1691 / 1440 = 2.94 kcal a minute, 88 kcal for 30 minutes.
        QCOMPARE(a->StringGridAktiv->Cells(1, 1), QStringLiteral("2.94"));
        QCOMPARE(a->StringGridAktiv->Cells(3, 1), QStringLiteral("88"));
        QCOMPARE(a->EditTot->text(), QStringLiteral("88"));
        QCOMPARE(a->EditMinKvar->text(), QStringLiteral("1410"));
        QVERIFY(qAbs(G.AktuellNorm[1] - (1691.0 + 88.2)) < 1e-3);
        // The intake chart: expenditure split into rest and activity.
        QCOMPARE(a->vila->at(0), 1691.0);
        QVERIFY(qAbs(a->aktivitet->at(0) - 88.2) < 1e-3);
    }

    void kjVyn() {
        lagg("Jogga");
        qobject_cast<QRadioButton*>(a->enhetGrupp->button(1))->click();
        QVERIFY(a->StringGridAktivKj->isVisibleTo(a));
        QVERIFY(!a->StringGridAktiv->isVisibleTo(a));
        QCOMPARE(a->Label4->text(), QStringLiteral("Grundförbrukn. kJ"));
        QCOMPARE(a->Label3->text(), QStringLiteral("Aktivitet kJ"));
        QCOMPARE(a->EditBMR->text(), QStringLiteral("5929")); // 1417 kcal
        const QString kj = a->StringGridAktivKj->Cells(1, 1);
        QVERIFY(!kj.contains(u'.'));
        QCOMPARE(kj, QStringLiteral("25")); // 4.184 x 5.90
        qobject_cast<QRadioButton*>(a->enhetGrupp->button(0))->click();
        QCOMPARE(a->StringGridAktiv->Cells(1, 1), QStringLiteral("5.90"));
    }

    void okaMinskaTabort() {
        lagg("Jogga");
        lagg("Simning, lugn");
        a->valjRad(1);
        a->ButtonOka->click();
        QCOMPARE(a->StringGridAktiv->Cells(2, 1), QStringLiteral("40"));
        a->StringGridAktiv->setCells(2, 1, QStringLiteral("1"));
        QCOMPARE(G.Aktivitetslistan.rader[1].minuter, QStringLiteral("1"));
        Dialoger::test().svar = {QMessageBox::Yes};
        a->ButtonMinska->click();
        QCOMPARE(m_d->visade().last(), QStringLiteral("Vill du ta bort denna rad?"));
        QCOMPARE(a->StringGridAktiv->Cells(0, 1), QStringLiteral("Simning, lugn"));
        QCOMPARE(a->StringGridAktiv->Cells(0, 2), QString());
    }

    void andraKolumnerVagras() {
        lagg("Jogga");
        a->StringGridAktiv->setCells(0, 1, QStringLiteral("Annat"));
        QCOMPARE(m_d->visade().last(), QStringLiteral("Du kan inte ändra i denna kolumn"));
        QCOMPARE(a->StringGridAktiv->Cells(0, 1), QStringLiteral("Jogga"));
    }

    void sparaOchHamta() {
        lagg("Jogga");
        a->StringGridAktiv->setCells(2, 1, QStringLiteral("45"));
        const QString fil = m_ak->fil(QStringLiteral("min.txt"));
        Dialoger::test().filer = {fil};
        a->SparaAktivitetslistaClick();
        const QByteArray b = m_ak->las(QStringLiteral("min.akt")); // the extension becomes .akt
        QCOMPARE(b.count("\r\n"), 120);
        QVERIFY(b.startsWith("15\r\n55\r\n0\r\nJogga\r\n45\r\n7\r\n"));
        a->ButtonTabortClick();
        Dialoger::test().filer = {m_ak->fil(QStringLiteral("min.akt"))};
        a->HamtaAktivitetslistaClick();
        QCOMPARE(a->StringGridAktiv->Cells(0, 1), QStringLiteral("Jogga"));
        QCOMPARE(a->StringGridAktiv->Cells(2, 1), QStringLiteral("45"));
        // A damaged file: the message, and what was read stays.
        m_ak->skriv(QStringLiteral("fel.akt"), "33\r\n80\r\nMan\r\n");
        Dialoger::test().filer = {m_ak->fil(QStringLiteral("fel.akt"))};
        a->HamtaAktivitetslistaClick();
        QCOMPARE(m_d->visade().last(), QStringLiteral("Kan ej öppna aktivitetslistan"));
        QCOMPARE(a->EditAge->text(), QStringLiteral("33"));
        // A directory that cannot be written.
        Dialoger::test().filer = {m_ak->fil(QStringLiteral("finns/inte/x.akt"))};
        a->SparaAktivitetslistaClick();
        QCOMPARE(m_d->visade().last(), QStringLiteral("Kan ej spara aktiviteterna."));
    }

    void utskriftTillForhandsvisningen() {
        lagg("Jogga");
        Dialoger::test().inmatningar = {QStringLiteral("Veckan")};
        a->UtskriftClick();
        auto* ut = hitta<TFormUt>("TFormUt");
        QVERIFY(ut->isVisible());
        const QStringList r = ut->rader();
        QVERIFY(r[0].startsWith(QStringLiteral("Veckan   ")));
        QCOMPARE(r[2], QStringLiteral("AKTIVITETSLISTA för Kvinna 15 år  55 kg"));
        QVERIFY(r[6].startsWith(QStringLiteral("Jogga")));
        QCOMPARE(r.last(), QStringLiteral("Aktivitet kcal  ") + a->EditTot->text());
        // Cancelled heading: nothing.
        ut->hide();
        a->UtskriftClick();
        QVERIFY(!ut->isVisible());
    }

    void aktivitetstabellenBakomLosenordet() {
        auto* t = hitta<TFormAktskapa>("TFormAktskapa");
        QCOMPARE(t->StringGrid1->Cells(0, 0), QStringLiteral("Aktivitet"));
        QCOMPARE(t->StringGrid1->Cells(0, 1), QStringLiteral("Sömn"));
        Dialoger::test().inmatningar = {QStringLiteral("fel")};
        t->Button1Click();
        QVERIFY(!t->Spara->isVisibleTo(t));
        Dialoger::test().inmatningar = {QStringLiteral("vaktrum")};
        t->Button1Click();
        QVERIFY(t->Spara->isVisibleTo(t));
        QVERIFY(t->Memo1->isVisibleTo(t));
        QVERIFY(!t->Button1->isVisibleTo(t));
        t->StringGrid1->setCells(0, 151, QStringLiteral("Dammsuga bilen"));
        t->StringGrid1->setCells(1, 151, QStringLiteral("3,5"));
        t->Spara->click();
        QCOMPARE(m_d->visade().last(), QStringLiteral("Aktivitetslistan sparad"));
        const QByteArray b = m_ak->las(QStringLiteral("aktiv.txt"));
        QCOMPARE(b.count("\r\n"), 600);
        QVERIFY(b.contains("Dammsuga bilen\r\n3,5\r\n"));
        // The name list of the activity window changes only at the next start.
        QVERIFY(a->ListBoxAktiv->findItems(QStringLiteral("Dammsuga bilen"), Qt::MatchExactly)
                    .isEmpty());
    }

    void textutskriftSidorOchRader() {
        QTemporaryDir d;
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(d.filePath(QStringLiteral("ut.pdf")));
        const QFont font = FastBreddFont(13);
        QStringList rader;
        for (int i = 0; i < 5; ++i) rader << QStringLiteral("rad %1").arg(i);
        rader << QStringLiteral("\v") << QStringLiteral("\f")
              << QStringLiteral("efter sidbrytning");
        const auto r = SkrivTextrader(p, font, rader);
        QCOMPARE(r.size(), std::size_t(6));
        QCOMPARE(r[0].sida, 0);
        QCOMPARE(r[0].y, 0);
        QVERIFY(r[1].y > 0);
        QCOMPARE(r[2].y, 2 * r[1].y);
        QCOMPARE(r[5].sida, 1); // the form feed started page 2
        QCOMPARE(r[5].y, 0);
        // A long text fills pages; a new page starts when the next line would not fit.
        QStringList lang;
        for (int i = 0; i < 400; ++i) lang << QStringLiteral("Linje %1").arg(i);
        QPrinter p2(QPrinter::HighResolution);
        p2.setOutputFormat(QPrinter::PdfFormat);
        p2.setOutputFileName(d.filePath(QStringLiteral("lang.pdf")));
        const auto r2 = SkrivTextrader(p2, font, lang);
        QCOMPARE(r2.size(), std::size_t(400));
        const int h = r2[1].y;
        int perSida = 0;
        while (r2[static_cast<std::size_t>(perSida)].sida == 0) ++perSida;
        QVERIFY(perSida > 10);
        const int H = p2.pageLayout().paintRectPixels(p2.resolution()).height();
        QVERIFY((perSida + 1) * h > H);
        QVERIFY(perSida * h <= H);
        QCOMPARE(r2.back().sida, (400 - 1) / perSida);
        // The PDF holds the text (pdftotext, when installed).
        QProcess pt;
        pt.start(QStringLiteral("pdftotext"),
                 {d.filePath(QStringLiteral("ut.pdf")), QStringLiteral("-")});
        if (pt.waitForStarted() && pt.waitForFinished()) {
            const QString text = QString::fromUtf8(pt.readAllStandardOutput());
            QVERIFY(text.contains(QStringLiteral("rad 4")));
            QVERIFY(text.contains(QStringLiteral("efter sidbrytning")));
            QCOMPARE(text.count(QChar(u'\f')), 2); // two pages
        }
    }

    void tillSkrivareAvbrytsAvDialogerna() {
        auto* ut = hitta<TFormUt>("TFormUt");
        ut->Fyll({QStringLiteral("en rad")});
        QTemporaryDir d;
        Dialoger::test().pdfFil = d.filePath(QStringLiteral("x.pdf"));
        Dialoger::test().dialogOk = {false};
        ut->UtskriftButton->click();
        QVERIFY(!QFile::exists(Dialoger::test().pdfFil));
        Dialoger::test().dialogOk = {true, false}; // printer yes, font cancelled
        ut->UtskriftButton->click();
        QVERIFY(!QFile::exists(Dialoger::test().pdfFil));
        ut->Memo1->appendPlainText(QStringLiteral("tillagd av användaren"));
        Dialoger::test().dialogOk = {true, true};
        ut->UtskriftButton->click();
        QVERIFY(QFile::exists(Dialoger::test().pdfFil));
        ut->FormUtClose->click();
        QVERIFY(!ut->isVisible());
    }
};

QTEST_MAIN(TstAktiv)
#include "tst_aktiv.moc"
