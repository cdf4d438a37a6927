// The result charts, pies, price line and salt window in the running program.
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "food/tformnvval.h"
#include "meal/berakning.h"
#include "results/omrakna.h"
#include "results/stapeldiagram.h"
#include "results/tformsalt.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

class TstResultat : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;

    void lagg(int dag, int maltid, int rad, const char* kod, float gram) {
        const auto post = HittaLivsmedel(f->DBISAMTableLivs, QString::fromLatin1(kod));
        QVERIFY(post.has_value());
        FyllRadFranLivsmedel(G.Berakning[dag][maltid][rad], QString::fromLatin1(kod), *post);
        G.Berakning[dag][maltid][rad].gram = gram;
    }
    void valjNaring(std::initializer_list<int> slots) {
        auto* w = hitta("Tformnvval");
        for (QCheckBox* cb : w->findChildren<QCheckBox*>()) cb->setChecked(false);
        for (int s : slots)
            hitta<QCheckBox>(s == 20 ? "Cbox20" : qPrintable(QStringLiteral("cbox%1").arg(s)), w)
                ->setChecked(true);
        hitta<QPushButton>("Button1", w)->click();
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        auto foods = StandardLivsmedel();
        foods[5].naring = {{15, 200}, {19, 1}, {20, 0.2}, {21, 9}, {28, 50}, {38, 1000}}; // Apelsin
        foods[5].kgpris = QStringLiteral("25");
        foods[0].naring = {{15, 2746}, {16, 656}, {19, 7}, {20, 71}, {38, 1500}}; // Nöt talg
        m_ak = std::make_unique<Arbetskatalog>(foods);
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    void cleanup() {
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    void staplarEfterOmrakning() {
        valjNaring({15, 28});
        G.AktuellNorm[0] = 2000; // kJ
        G.AktuellNorm[13] = 100; // vitamin C
        lagg(0, 0, 1, "6", 100); // 200 kJ, 50 mg
        lagg(0, 0, 2, "6", 50);
        Omrakna();
        auto* c = f->ChartStapel;
        QCOMPARE(c->visadeEtiketter(), (QStringList{QStringLiteral("Energi kJ    300"),
                                                    QStringLiteral("Vit-C mg     75")}));
        // Energy: 200 kJ of 2000 kJ is 10 % of the day, 40 % of the breakfast.
        QCOMPARE(c->visatVarde(1, 0), 40.0f);
        QCOMPARE(c->visatVarde(2, 0), 20.0f);
        QCOMPARE(c->visatVarde(1, 1), 200.0f);
        QCOMPARE(c->visatVarde(2, 1), 100.0f);
        QCOMPARE(c->chart()->title(), QStringLiteral("Näring i % av behovet för Frukost dag1"));
        // The marker turns upper case after the recomputation; the title next time.
        Omrakna();
        QCOMPARE(c->chart()->title(), QStringLiteral("Näring i % av behovet för Frukost DAG1"));
        QCOMPARE(hitta<QLineEdit>("EditPris")->text(), QStringLiteral(" Pris Frukost: 3,75 kr"));
        // The line at 100 % stands in the middle of the plot area.
        const QRectF p = c->chart()->plotArea();
        QCOMPARE(c->referenslinje().left(), std::trunc(p.left() + p.width() / 2));
        hitta<QToolButton>("SpeedButton10", f)->click();
        QCOMPARE(c->visatVarde(1, 0), 15.0f); // the whole breakfast, 10 + 5 % of the day
        QCOMPARE(c->chart()->title(), QStringLiteral("Näring i % av behovet för hela DAG1"));
        QCOMPARE(hitta<QToolButton>("SpeedButton2", f)->styleSheet(), QStringLiteral("color: red"));
        hitta<QToolButton>("SpeedButton11", f)->click();
        QCOMPARE(c->visatVarde(1, 0), 15.0f);
        QCOMPARE(hitta<QLineEdit>("EditPris")->text(), QStringLiteral(" Pris alla dagar: 3,75 kr"));
        QCOMPARE(hitta<QToolButton>("SpeedButton2", f)->styleSheet(), QString());
    }

    void sidorOchSidknapp() {
        f->ChartStapel->resize(576, 229);
        valjNaring(
            {15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35});
        QCOMPARE(G.NvValAntal, 20);
        QCOMPARE(f->ChartStapel->perSida(), 8);
        QCOMPARE(f->ChartStapel->sidor(), 3);
        QVERIFY(f->SpinButton1->isVisible());
        QCOMPARE(f->ChartStapel->visadeEtiketter().size(), 8);
        Q_EMIT f->SpinButton1->ner();
        Q_EMIT f->SpinButton1->ner();
        QCOMPARE(f->ChartStapel->sida(), 2);
        Q_EMIT f->SpinButton1->ner(); // no page after the last
        QCOMPARE(f->ChartStapel->sida(), 2);
        QCOMPARE(f->ChartStapel->visadeEtiketter().size(), 4);
        Omrakna(); // the page is kept across refreshes
        QCOMPARE(f->ChartStapel->sida(), 2);
        Q_EMIT f->SpinButton1->upp();
        QCOMPARE(f->ChartStapel->sida(), 1);
        valjNaring({15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32});
        QCOMPARE(f->ChartStapel->perSida(), 7);
        valjNaring({15, 16, 19, 20, 21});
        QCOMPARE(f->ChartStapel->perSida(), 5);
        QVERIFY(!f->SpinButton1->isVisible());
        valjNaring({});
        QCOMPARE(G.NvValAntal, 0);
        QVERIFY(f->ChartStapel->visadeEtiketter().isEmpty());
        QVERIFY(!f->SpinButton1->isVisible());
    }

    // Every bar's label is written whole, beside its bar, apart from its
    // neighbours: at the designed size and when the page size rounds up in a
    // low chart (the chart's own axis shows "..." there).
    void etiketternaSkrivsHela_data() {
        QTest::addColumn<int>("hojd");
        QTest::newRow("designed") << 229;
        QTest::newRow("rounded up") << 126; // 4.5 bars' height gives 4 per page
        QTest::newRow("tall") << 600;
    }
    void etiketternaSkrivsHela() {
        QFETCH(int, hojd);
        valjNaring({15, 16, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30});
        lagg(0, 0, 1, "6", 100);
        Omrakna();
        auto* c = f->ChartStapel;
        c->resize(576, hojd);
        f->AnpassaSidor();
        QApplication::processEvents();
        const auto platser = c->etikettplatser();
        QCOMPARE(static_cast<int>(platser.size()), c->visadeEtiketter().size());
        QVERIFY(!platser.empty());
        const QRectF p = c->chart()->plotArea();
        for (std::size_t i = 0; i < platser.size(); ++i) {
            const auto& e = platser[i];
            QCOMPARE(e.text, c->visadeEtiketter().at(static_cast<qsizetype>(i)));
            QVERIFY2(e.ruta.left() >= 0 && e.ruta.right() <= p.left(), qPrintable(e.text));
            // The whole text fits its place: nothing is cut.
            QVERIFY2(e.ruta.width() >=
                         QFontMetricsF(c->etikettFont()).horizontalAdvance(e.text) - 0.01,
                     qPrintable(e.text));
            // Centred on its bar, below the one above.
            const qreal bar = p.height() / c->perSida();
            QVERIFY(qAbs(e.ruta.center().y() - (p.top() + (static_cast<qreal>(i) + 0.5) * bar)) <
                    1);
            if (i > 0) QVERIFY(e.ruta.top() >= platser[i - 1].ruta.bottom() - 1);
        }
    }

    void tartorOchLagesknappar() {
        lagg(0, 0, 1, "1", 100); // Nöt talg: fat and protein
        Omrakna();
        f->findChild<QToolButton*>(QStringLiteral("SpeedButton6"))->click();
        QVERIFY(f->ChartEnergi->isVisible());
        QVERIFY(f->ChartEnergiRek->isVisible());
        QVERIFY(!f->ChartStapel->isVisible());
        QVERIFY(!f->SpinButton1->isVisible());
        QStringList bitar;
        for (QPieSlice* s : f->ChartEnergi->serie()->slices()) bitar << s->label();
        QCOMPARE(bitar.size(), 3);
        QVERIFY(bitar[0].startsWith(QStringLiteral("Prot ")));
        QVERIFY(bitar[1].startsWith(QStringLiteral("Fett ")));
        QVERIFY(bitar[1].endsWith(u'%'));
        QCOMPARE(f->ChartEnergiRek->serie()->slices().size(), 3);
        QCOMPARE(f->ChartEnergiRek->serie()->slices()[2]->label(), QStringLiteral("Kolh 55%"));
        QCOMPARE(f->ChartEnergiRek->x(), f->ChartEnergi->geometry().right() + 1 + 8);
        f->findChild<QToolButton*>(QStringLiteral("SpeedButton5"))->click();
        QVERIFY(f->ChartStapel->isVisible());
        QVERIFY(f->SpinButton1->isVisible()); // until the next re-paging
        QVERIFY(!f->ChartEnergi->isVisible());
    }

    void saltfonstretFoljerVarjeOmrakning() {
        auto* salt = hitta<TFormSalt>("TFormSalt");
        QVERIFY(!salt->isVisible());
        lagg(0, 1, 1, "1", 100); // 1500 mg sodium: 3.75 g salt
        Omrakna();
        QCOMPARE(
            salt->Memo1->toPlainText(),
            QStringLiteral("Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 "
                           "gram.\nSaltmängden denna dag är: 3.8 gram."));
        QCOMPARE(salt->ProgressBar1->value(), 4);
        hitta<QPushButton>("ButtonSalt", f)->click();
        QVERIFY(salt->isVisible());
        QVERIFY(salt->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void storreFonsterVidgarDiagrammetOchListan() {
        const int bredd = f->ChartStapel->width();
        const int listbredd = f->ListBoxLivs->width();
        const int bildX = f->Image1->x();
        f->resize(f->width() + 100, f->height() + 100);
        QTRY_COMPARE(f->ChartStapel->width(), bredd + 100);
        QCOMPARE(f->ListBoxLivs->width(), listbredd + 100);
        QCOMPARE(f->Image1->x(), bildX + 100);
        QCOMPARE(hitta<QWidget>("Label6", f)->x(), 704 + 100);
        QCOMPARE(f->ChartStapel->height(), 229 + 100);
    }
};

QTEST_MAIN(TstResultat)
#include "tst_resultat.moc"
