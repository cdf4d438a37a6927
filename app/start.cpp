#include "app/start.h"

#include "analysis/tformanalys.h"
#include "app/fonster.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tformnvval.h"
#include "food/tformtab.h"
#include "person/tformaktiv.h"
#include "person/tformaktskapa.h"
#include "person/tforminst.h"
#include "person/tformnorm.h"
#include "reports/tformut.h"
#include "reports/tformutskriftsval2.h"
#include "results/omrakna.h"
#include "results/tformsalt.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {
std::vector<QPointer<QWidget>>& skapade() {
    static std::vector<QPointer<QWidget>> v;
    return v;
}

void sprakOchTeckensnitt() {
    static bool klart = false;
    if (klart) return;
    klart = true;
    // Nothing chosen on the system: the program is Swedish, numbers included.
    const QString sys = QLocale::system().name();
    if (sys == QLatin1String("C") || sys == QLatin1String("POSIX") ||
        QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const QString katalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* namn : {"qt_sv", "qtbase_sv"}) {
        auto* t = new QTranslator(qApp);
        if (t->load(QString::fromLatin1(namn), katalog))
            QCoreApplication::installTranslator(t);
        else
            delete t;
    }
    // The windows are laid out in pixels for an 8 pt sans-serif at 96 dpi.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    QApplication::setFont(f);
}
} // namespace

TForm1* Starta() {
    sprakOchTeckensnitt();
    auto* f1 = new TForm1;
    skapade().push_back(f1);
    if (!f1->FormCreate()) {
        Avsluta();
        return nullptr;
    }
    auto* norm = new TFormNorm;
    skapade().push_back(norm);
    norm->FormCreate();
    auto* nvval = new Tformnvval;
    skapade().push_back(nvval);
    nvval->FormCreate();
    // The food table window's creation fills the food list with the
    // vegetables and ends the start-up phase.
    auto* tab = new TFormTab;
    skapade().push_back(tab);
    tab->FormCreate();
    f1->VisaGrupp(QStringLiteral("Grönsaker"));
    G.Uppstart = false;
    auto* aktskapa = new TFormAktskapa;
    skapade().push_back(aktskapa);
    aktskapa->FormCreate();
    auto* aktiv = new TFormAktiv;
    skapade().push_back(aktiv);
    aktiv->FormCreate();
    auto* tips = new TFormTips;
    skapade().push_back(tips);
    auto* infotext = new TFormInfotext;
    skapade().push_back(infotext);
    infotext->LasTipstexter();
    auto* toppen = new TFormToppen;
    skapade().push_back(toppen);
    toppen->FormCreate();
    auto* ut = new TFormUt;
    skapade().push_back(ut);
    auto* utskrift = new TFormUtskriftsval2;
    skapade().push_back(utskrift);
    auto* inst = new TFormInst;
    skapade().push_back(inst);
    inst->FormCreate();
    auto* salt = new TFormSalt;
    skapade().push_back(salt);
    return f1;
}

void Avsluta() {
    auto& v = skapade();
    for (auto it = v.rbegin(); it != v.rend(); ++it) delete it->data();
    v.clear();
    OmraknaVisningar() = {};
    Tformnvval::AnpassaSidor() = nullptr;
    G.aterstall();
}
