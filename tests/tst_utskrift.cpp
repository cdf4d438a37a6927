// The print selection window, the report layout and the PDF and HTML files.
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/berakning.h"
#include "reports/rapportlayout.h"
#include "reports/rapportutdata.h"
#include "reports/tformutskriftsval2.h"
#include "results/omrakna.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QXmlStreamReader>

class TstUtskrift : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbetskatalog> m_ak;
    std::unique_ptr<Dialogsvar> m_d;
    TForm1* f = nullptr;
    TFormUtskriftsval2* u = nullptr;

    void lagg(int d, int m, int r, const char* kod, float gram) {
        const auto post = HittaLivsmedel(f->DBISAMTableLivs, QString::fromLatin1(kod));
        QVERIFY(post.has_value());
        FyllRadFranLivsmedel(G.Berakning[d][m][r], QString::fromLatin1(kod), *post);
        G.Berakning[d][m][r].gram = gram;
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        auto foods = StandardLivsmedel();
        foods[0].naring = {{15, 2746}, {19, 7}, {20, 71}, {28, 0}};
        foods[5].naring = {{15, 200}, {19, 1}, {21, 9}, {28, 50}};
        m_ak = std::make_unique<Arbetskatalog>(foods);
        m_d = std::make_unique<Dialogsvar>();
        f = Starta();
        QVERIFY(f);
        u = hitta<TFormUtskriftsval2>("TFormUtskriftsval2");
        lagg(0, 0, 1, "1", 50);
        lagg(0, 2, 1, "6", 150);
        lagg(3, 1, 1, "6", 300);
        Omrakna();
    }
    void cleanup() {
        Avsluta();
        m_d.reset();
        m_ak.reset();
    }

    void kryssrutornasRegler() {
        QVERIFY(!u->RadioGroup3->isEnabled());
        QVERIFY(!u->CheckBoxCirkeldiagram->isEnabled());
        u->CheckBox1->click();
        QVERIFY(u->RadioGroup3->isEnabled());
        QVERIFY(u->CheckBoxCirkeldiagram->isChecked());
        u->CheckBox1->click();
        QVERIFY(!u->CheckBoxCirkeldiagram->isChecked());
        QVERIFY(!u->CheckBoxCirkeldiagram->isEnabled());
        u->CheckBoxPris->setChecked(true);
        u->CheckBoxKomprimerad->click();
        QVERIFY(!u->CheckBoxPris->isEnabled());
        QVERIFY(u->CheckBoxPris->isChecked());
        QCOMPARE(u->size(), QSize(371, 500));
        f->findChild<QAction*>(QStringLiteral("Utskrift1"))->trigger();
        QVERIFY(u->isVisible());
    }

    void stapelgeometri() {
        const struct {
            const char* rad;
            double px;
            const char* procent;
        } fall[] = {{"!Energi 1 kJ ?100&2325@", 200, "   100%"},
                    {"!C 1 mg ?186&21@", 370, "-> 186%"},
                    {"!C 1 mg ?0&21@", 0, "       -"},
                    {"!C 1 mg ? &21@", 0, "       -"},
                    {"!C 1 mg ?-20&21@", 0, "       -"}};
        for (const auto& c : fall) {
            Stapeldelar s;
            QVERIFY(TolkaStapelrad(QString::fromLatin1(c.rad), s));
            QCOMPARE(s.stapelPx, c.px);
            QCOMPARE(s.procent, QString::fromLatin1(c.procent));
        }
        // 100 % ends on the middle reference line.
        QCOMPARE(PxTillMm(140 + 200), PxTillMm(340));
        Stapeldelar s;
        QVERIFY(!TolkaStapelrad(QStringLiteral("vanlig rad"), s));
    }

    void sidorPerGruppOchPdfText() {
        u->vad->button(2)->setChecked(true);
        u->CheckBox1->click();
        u->EditRubrik->setText(QStringLiteral("Min rubrik"));
        const QString fil = m_ak->fil(QStringLiteral("ut.pdf"));
        Dialoger::test().filer = {fil};
        u->ButtonSkrivClick();
        const Rapportlayout& L = u->senaste;
        QVERIFY(!L.grupper.empty());
        QVERIFY(L.sidor.size() >= L.grupper.size());
        for (std::size_t g = 0; g < L.grupper.size(); ++g)
            QCOMPARE(L.sidor[static_cast<std::size_t>(L.grupper[g].forstaSida)].grupp,
                     static_cast<int>(g));
        QCOMPARE(L.grupper.back().titel, QStringLiteral("Sammanställning"));
        // Every group ends with its two pies.
        int tartor = 0;
        for (const auto& s : L.sidor)
            for (const auto& d : s.delar) tartor += d.slag == Layoutdel::Slag::Tarta ? 1 : 0;
        QCOMPARE(tartor, 2 * static_cast<int>(L.grupper.size()));
        QVERIFY(QFile::exists(fil));
        QProcess pt;
        pt.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), fil, QStringLiteral("-")});
        if (pt.waitForStarted() && pt.waitForFinished()) {
            const QString text = QString::fromUtf8(pt.readAllStandardOutput());
            QVERIFY(text.contains(QStringLiteral("Sammanställning")));
            QVERIFY(text.contains(QStringLiteral("Min rubrik")));
            QVERIFY(text.contains(QStringLiteral("Nöt talg")));
            QCOMPARE(text.count(QChar(u'\f')), static_cast<int>(L.sidor.size()));
        }
    }

    void htmlArGiltig() {
        u->vad->button(2)->setChecked(true);
        u->CheckBox1->click();
        u->filtyp->button(3)->setChecked(true);
        const QString fil = m_ak->fil(QStringLiteral("ut.html"));
        Dialoger::test().filer = {fil};
        u->ButtonSkrivClick();
        QFile in(fil);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray b = in.readAll();
        QVERIFY(b.contains("<svg"));
        // Well formed once the doctype is set aside: every element closed.
        b.replace("<!DOCTYPE html>", "");
        b.replace("<meta charset=\"utf-8\">", "<meta charset=\"utf-8\"/>");
        QXmlStreamReader x(b);
        int svg = 0;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("svg")) ++svg;
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        QVERIFY(svg > 0);
    }

    void rtfOchExcel() {
        u->vad->button(2)->setChecked(true);
        u->CheckBox1->click();
        u->filtyp->button(1)->setChecked(true);
        const QString rtf = m_ak->fil(QStringLiteral("ut.rtf"));
        Dialoger::test().filer = {rtf};
        u->ButtonSkrivClick();
        QFile in(rtf);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray b = in.readAll();
        QVERIFY(b.startsWith("{\\rtf1"));
        QCOMPARE(b.count("\\page"), static_cast<int>(u->senaste.grupper.size()) - 1);
        QVERIFY(b.contains("\\pngblip"));
        QProcess unrtf;
        unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), rtf});
        if (unrtf.waitForStarted() && unrtf.waitForFinished()) {
            const QString text = QString::fromLocal8Bit(unrtf.readAllStandardOutput());
            QVERIFY2(text.contains(QStringLiteral("Summa")), qPrintable(text.left(400)));
        }
        u->filtyp->button(2)->setChecked(true);
        const QString xlsx = m_ak->fil(QStringLiteral("ut.xlsx"));
        Dialoger::test().filer = {xlsx};
        u->ButtonSkrivClick();
        QVERIFY(QFile::exists(xlsx));
        QVERIFY(!QFile::exists(xlsx + QStringLiteral(".tmp")));
        QProcess py;
        py.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral(
                      "import openpyxl,sys\n"
                      "wb=openpyxl.load_workbook(sys.argv[1])\n"
                      "print(len(wb.sheetnames), sum(len(ws._charts) for ws in wb.worksheets))\n"
                      "print(wb.worksheets[-1]['A1'].value)"),
                  xlsx});
        if (py.waitForStarted() && py.waitForFinished() && py.exitCode() == 0) {
            const QStringList ut = QString::fromUtf8(py.readAllStandardOutput()).split(u'\n');
            const QStringList tal = ut.value(0).split(u' ');
            QCOMPARE(tal.value(0).toInt(), static_cast<int>(u->senaste.grupper.size()));
            QCOMPARE(tal.value(1).toInt(), 2 * static_cast<int>(u->senaste.grupper.size()));
            QCOMPARE(ut.value(1), QStringLiteral("Sammanställning"));
        }
    }

    void forhandsvisningUtanFil() {
        u->ButtonSkrivClick();
        QCOMPARE(m_d->visade().last(), QStringLiteral("[förhandsvisning]"));
        // The preview window finds text and pages by group.
        Rapportforhandsvisning v(u->senaste);
        QVERIFY(v.sokText(QStringLiteral("Summa")));
        QCOMPARE(v.disposition->count(), static_cast<int>(u->senaste.grupper.size()));
    }

    void avbrutenFildialog() {
        u->CheckBox1->click();
        u->ButtonSkrivClick(); // no file chosen
        QVERIFY(QDir(m_ak->sokvag()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    }
};

QTEST_MAIN(TstUtskrift)
#include "tst_utskrift.moc"
