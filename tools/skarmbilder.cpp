// Starts the program in the current directory (a prepared working directory),
// fills a day of meals and saves pictures of the windows:
//   nutrava-skarmbilder UTKATALOG
#include "analysis/tformanalys.h"
#include "app/dialoger.h"
#include "app/start.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "meal/livsmedelslista.h"
#include "reports/tformutskriftsval2.h"
#include "results/omrakna.h"
#include "results/tformsalt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>
#include <QTest>
#include <QToolButton>

namespace {
void spara(QWidget* w, const QString& fil) {
    QApplication::processEvents();
    QTest::qWait(200);
    w->grab().save(fil);
}

void lagg(TForm1* f, const char* ord, int antal = 1) {
    Dialoger::test().inmatningar.push_back(QString::fromUtf8(ord));
    f->SokPaNamn();
    for (int i = 0; i < antal && i < f->livsModell->rowCount(); ++i) {
        f->ListBoxLivs->setCurrentIndex(f->livsModell->index(i));
        f->LaggTillLivsmedel(0, false);
    }
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    const QDir ut(QString::fromLocal8Bit(argv[1]));
    Dialoger::test().aktiv = true;
    TForm1* f = Starta();
    if (!f) return 1;
    f->show();
    QTest::qWait(300);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-start.png")));
    const char* maltider[4][3] = {{"Havregryn", "Mellanmjölk", "Banan"},
                                  {"Lax odlad", "Potatis kokt", "Broccoli"},
                                  {"Nöt färs", "Pasta kokt", "Tomat"},
                                  {"Apelsin", "Knäckebröd", "Ost hårdost"}};
    for (int m = 0; m < 4; ++m) {
        f->SpeedButtonMaltidClick(m);
        for (const char* ord : maltider[m]) lagg(f, ord);
    }
    f->SpeedButtonMaltidClick(0);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-maltid.png")));
    f->SpeedButtonNivaClick(1);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-dag.png")));
    f->SpeedButtonNivaClick(2);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-dagar.png")));
    f->SpeedButton6Click();
    f->SpeedButtonNivaClick(1);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-energicirklar.png")));
    f->SpeedButton5Click();
    f->resize(1000, 700);
    spara(f, ut.filePath(QStringLiteral("huvudfonster-storre.png")));
    for (const char* namn : {"TFormSalt", "TFormNorm", "Tformnvval", "TFormInst", "TFormAktiv",
                             "TFormAktskapa", "TFormTab", "TFormToppen", "TFormTips",
                             "TFormInfotext", "TFormUt", "TFormUtskriftsval2"}) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String(namn)) continue;
            // The windows that show something only after a choice, with one made.
            if (auto* t = qobject_cast<TFormToppen*>(w)) {
                t->ListBox1->setCurrentRow(11); // vitamin C
                t->Uppdatera();
            }
            if (qobject_cast<TFormTips*>(w)) f->MatTips1->trigger();
            w->show();
            spara(w, ut.filePath(QString::fromLatin1(namn) + QStringLiteral(".png")));
            w->hide();
        }
    }
    // An all-days report with bars and pies, as PDF and HTML.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* u = qobject_cast<TFormUtskriftsval2*>(w);
        if (!u) continue;
        u->vad->button(2)->setChecked(true);
        u->CheckBox1->setChecked(true);
        u->CheckBox1Click();
        u->EditRubrik->setText(QStringLiteral("Veckans mat"));
        Dialoger::test().filer = {ut.filePath(QStringLiteral("rapport.pdf"))};
        u->ButtonSkrivClick();
        u->filtyp->button(3)->setChecked(true);
        Dialoger::test().filer = {ut.filePath(QStringLiteral("rapport.html"))};
        u->ButtonSkrivClick();
    }
    G.Andrad = false;
    Avsluta();
    return 0;
}
