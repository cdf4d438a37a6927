#include "app/start.h"
#include "app/strangrutnat.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tformnvval.h"
#include "tests/fixtur.h"
#include "tests/guihjalp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QPushButton>

class TstStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }
    void cleanup() { Avsluta(); }

    void startarMedRubrikradOchGrupper() {
        Arbetskatalog ak;
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        QCOMPARE(d.visade(), QStringList());
        auto* g = hitta<Strangrutnat>("StringGridMaltid");
        QVERIFY(g);
        QCOMPARE(g->Cells(0, 0), QStringLiteral("Livsmedel"));
        QCOMPARE(g->Cells(4, 0), QStringLiteral("kr/kg"));
        QCOMPARE(G.LivsmedelsAntal, 13);
        auto* cb = hitta<QComboBox>("ComboBoxSLVgrupp");
        QCOMPARE(cb->itemText(0), QString()); // RESERV's empty group sorts first
        QVERIFY(cb->findText(QStringLiteral("Bröd")) >= 0);
        QVERIFY(cb->findText(QStringLiteral("Fett, olja")) >= 0);
        QCOMPARE(G.AktuellMaltidNamn, QStringLiteral("Frukost"));
        QCOMPARE(G.NvKatalog[36].nvEtikett, QStringLiteral("Järn mg"));
        QCOMPARE(G.RedigeringsLosenord, QStringLiteral("VAKTRUM"));
        QCOMPARE(G.NormTyp, QStringLiteral("standardnorm"));
        QVERIFY(!G.Andrad);
        // The requirement window has chosen row 12 of the delivered table.
        QCOMPARE(G.AktuellNorm[0], 9300.0f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Norm: Kvinnor 15–18 år"));
        // The delivered selection is read by the nutrient window.
        QVERIFY(G.NvVal[15]);
        QVERIFY(hitta<QCheckBox>("cbox15")->isChecked());
        QVERIFY(!hitta<QCheckBox>("Cbox20")->isChecked() || G.NvVal[20]);
    }

    void objektnamn() {
        Arbetskatalog ak;
        Dialogsvar d;
        QVERIFY(Starta());
        for (const char* n : {"TForm1",           "SpeedButton1",   "SpeedButton4",  "ComboBox1",
                              "StringGridMaltid", "Button4",        "Button5",       "Button6",
                              "EditPris",         "ListBoxLivs",    "ListBoxLivsH",  "Button3",
                              "ComboBoxSLVgrupp", "Button2",        "SpeedButton5",  "SpeedButton6",
                              "SpeedButton9",     "SpeedButton10",  "SpeedButton11", "ButtonSalt",
                              "Button7",          "Button8",        "ChartStapel",   "ChartEnergi",
                              "ChartEnergiRek",   "SpinButton1",    "Image1",        "Label8",
                              "ListBoxVikter",    "MemoHogerklick", "Tformnvval",    "cbox15",
                              "cbox17",           "Cbox20",         "cbox65"})
            QVERIFY2(hitta(n), n);
        QVERIFY(!hitta("cbox18"));
        QVERIFY(!hitta("cbox20"));
        QCOMPARE(hitta("Tformnvval")->windowTitle(), QStringLiteral("Val av näringämnen"));
    }

    void losenordOchInitdir() {
        Arbetskatalog ak;
        ak.skriv(QStringLiteral("losenord.txt"), "hemligt\r\n");
        ak.skriv(QStringLiteral("initdir.txt"), "/tmp\r\n.\r\n");
        Dialogsvar d;
        QVERIFY(Starta());
        QCOMPARE(G.RedigeringsLosenord, QStringLiteral("HEMLIGT"));
        QCOMPARE(G.Dialogkatalog, QStringLiteral("/tmp"));
        QCOMPARE(G.Databaskatalog, QStringLiteral("."));
    }

    void saknadLivsmedelstabellAvslutar() {
        Arbetskatalog ak;
        ak.skriv(QStringLiteral("initdir.txt"), ".\r\nfinns_inte\r\n");
        Dialogsvar d;
        QVERIFY(!Starta());
        QCOMPARE(d.visade().size(), 1);
        QVERIFY(d.visade().first().contains(QStringLiteral("fodbas2005.db")));
        QVERIFY(d.visade().first().contains(QStringLiteral("finns_inte")));
        QVERIFY(!Form1());
    }

    void felINvnamnAvslutar() {
        Arbetskatalog ak;
        ak.skriv(QStringLiteral("nvnamn.txt"), "15 Energi kJ,0\r\nxx fel\r\n");
        Dialogsvar d;
        QVERIFY(!Starta());
        QCOMPARE(d.visade(), QStringList{QStringLiteral("Fel i namnfilen nvnamn.txt")});
    }

    void saknadNvnamnAvslutar() {
        Arbetskatalog ak({}, false);
        Dialogsvar d;
        QVERIFY(!Starta());
        QCOMPARE(d.visade().size(), 1);
        QVERIFY(d.visade().first().contains(QStringLiteral("nvnamn.txt")));
    }

    void saknadNvvalGerMeddelandeOchIngetVal() {
        Arbetskatalog ak;
        QFile::remove(ak.fil(QStringLiteral("nvval.txt")));
        Dialogsvar d;
        QVERIFY(Starta());
        QCOMPARE(d.visade(), QStringList{QStringLiteral("Kan ej öppna filen nvval.txt.")});
        QCOMPARE(G.NvValAntal, 0);
    }

    void nvvalOkSkriverStigandeOchTarBort18() {
        Arbetskatalog ak;
        ak.skriv(QStringLiteral("nvval.txt"), "64\r\n18\r\n20\r\n20\r\n");
        Dialogsvar d;
        QVERIFY(Starta());
        QVERIFY(G.NvVal[18]);
        QCOMPARE(G.NvValAntal, 3);
        hitta<QCheckBox>("cbox15")->setChecked(true);
        hitta<QPushButton>("Button1", hitta("Tformnvval"))->click();
        QCOMPARE(ak.las(QStringLiteral("nvval.txt")), QByteArray("15\r\n20\r\n64\r\n"));
        QVERIFY(!G.NvVal[18]);
        QCOMPARE(G.NvValAntal, 3);
        QVERIFY(!hitta("Tformnvval")->isVisible());
    }

    void nvvalOkUtanValSkriverTomFil() {
        Arbetskatalog ak;
        Dialogsvar d;
        QVERIFY(Starta());
        auto* w = hitta("Tformnvval");
        for (QCheckBox* cb : w->findChildren<QCheckBox*>()) cb->setChecked(false);
        hitta<QPushButton>("Button1", w)->click();
        QCOMPARE(ak.las(QStringLiteral("nvval.txt")), QByteArray());
        QCOMPARE(G.NvValAntal, 0);
    }

    void stangUtanAndringFragarInget() {
        Arbetskatalog ak;
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        f->show();
        QVERIFY(f->close());
        QCOMPARE(d.visade(), QStringList());
    }

    void stangMedAndringAvbryt() {
        Arbetskatalog ak;
        Dialogsvar d;
        TForm1* f = Starta();
        QVERIFY(f);
        f->show();
        G.Andrad = true;
        Dialoger::test().svar = {QMessageBox::Cancel};
        QVERIFY(!f->close());
        QVERIFY(f->isVisible());
        QCOMPARE(d.visade(), QStringList{QStringLiteral("Vill du spara pågående beräkning?")});
        QVERIFY(G.Andrad);
        Dialoger::test().svar = {QMessageBox::No};
        QVERIFY(f->close());
    }
};

QTEST_MAIN(TstStart)
#include "tst_start.moc"
