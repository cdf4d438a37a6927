#include "reports/tformutskriftsval2.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/tillstand.h"
#include "reports/rapport.h"
#include "reports/rapportutdata.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QGroupBox* radiogrupp(QWidget* p, const char* namn, const QString& rubrik, const QStringList& val,
                      QButtonGroup*& grupp, int x, int y, int b) {
    auto* g = new QGroupBox(rubrik, p);
    g->setObjectName(QString::fromLatin1(namn));
    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(8, 4, 8, 4);
    l->setSpacing(0);
    grupp = new QButtonGroup(g);
    for (int i = 0; i < val.size(); ++i) {
        auto* rb = new QRadioButton(val[i], g);
        rb->setObjectName(QString::fromLatin1(namn) + QString::number(i));
        grupp->addButton(rb, i);
        l->addWidget(rb);
    }
    grupp->button(0)->setChecked(true);
    g->setGeometry(x, y, b, 22 + 19 * static_cast<int>(val.size()));
    return g;
}
QCheckBox* ruta(QWidget* p, const char* namn, const QString& text, bool markerad, int x, int y) {
    auto* c = new QCheckBox(text, p);
    c->setObjectName(QString::fromLatin1(namn));
    c->setChecked(markerad);
    c->setGeometry(x, y, 200, 20);
    return c;
}
} // namespace

TFormUtskriftsval2::TFormUtskriftsval2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormUtskriftsval2"));
    setWindowTitle(QStringLiteral("Välj typ av utskrift"));
    setFixedSize(371, 500);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x87, 0xCE, 0xEB));
    setPalette(pal);
    RadioGroup1 = radiogrupp(this, "RadioGroup1", QStringLiteral("Vad ska skrivas ut?"),
                             {QStringLiteral("Aktuell måltid"), QStringLiteral("Aktuell dag"),
                              QStringLiteral("Alla dagar")},
                             vad, 8, 8, 355);
    RadioGroup2 = radiogrupp(
        this, "RadioGroup2", QStringLiteral("Hur detaljerad ska utskriften vara?"),
        {QStringLiteral("Alla livsmedel i detalj"), QStringLiteral("Endast måltidssummor"),
         QStringLiteral("Endast dagsummor"), QStringLiteral("Endast periodsumma")},
        detalj, 8, 94, 355);
    CheckBoxDiagram = ruta(this, "CheckBoxDiagram", QStringLiteral("Stapeldiagram"), true, 16, 200);
    CheckBoxFettsammansattning = ruta(this, "CheckBoxFettsammansattning",
                                      QStringLiteral("Skriv fettsammansättning"), true, 16, 222);
    CheckBoxPris = ruta(this, "CheckBoxPris", QStringLiteral("Skriv pris"), false, 16, 244);
    CheckBoxKomprimerad =
        ruta(this, "CheckBoxKomprimerad", QStringLiteral("Komprimerad utskrift"), false, 16, 266);
    CheckBox1 = ruta(this, "CheckBox1", QStringLiteral("Utskrift till fil"), false, 16, 292);
    RadioGroup3 =
        radiogrupp(this, "RadioGroup3", QStringLiteral("Vilken typ av fil vill du skriva ut till?"),
                   {QStringLiteral("Acrobat Reader (PDF)"), QStringLiteral("Word (RTF)"),
                    QStringLiteral("Excel"), QStringLiteral("Internet (HTML)")},
                   filtyp, 8, 314, 355);
    RadioGroup3->setEnabled(false);
    CheckBoxCirkeldiagram =
        ruta(this, "CheckBoxCirkeldiagram", QStringLiteral("Cirkeldiagram"), false, 16, 416);
    CheckBoxCirkeldiagram->setEnabled(false);
    Label1 = new QLabel(QStringLiteral("Utskriftsrubrik"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 442, 100, 20);
    EditRubrik = new QLineEdit(this);
    EditRubrik->setObjectName(QStringLiteral("EditRubrik"));
    EditRubrik->setGeometry(116, 442, 245, 21);
    ButtonSkriv = new QPushButton(QStringLiteral("Skriv"), this);
    ButtonSkriv->setObjectName(QStringLiteral("ButtonSkriv"));
    ButtonSkriv->setGeometry(270, 470, 90, 25);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFormUtskriftsval2::CheckBox1Click);
    connect(CheckBoxKomprimerad, &QCheckBox::clicked, this,
            &TFormUtskriftsval2::CheckBoxKomprimeradClick);
    connect(ButtonSkriv, &QPushButton::clicked, this, &TFormUtskriftsval2::ButtonSkrivClick);
    RegistreraFonster(this);
}

TFormUtskriftsval2::~TFormUtskriftsval2() {
    AvregistreraFonster(this);
}

void TFormUtskriftsval2::CheckBox1Click() {
    const bool fil = CheckBox1->isChecked();
    RadioGroup3->setEnabled(fil);
    CheckBoxCirkeldiagram->setEnabled(fil);
    CheckBoxCirkeldiagram->setChecked(fil);
}

void TFormUtskriftsval2::CheckBoxKomprimeradClick() {
    // Greyed out, but its state still counts.
    CheckBoxPris->setEnabled(!CheckBoxKomprimerad->isChecked());
}

void TFormUtskriftsval2::ButtonSkrivClick() {
    Rapportval v;
    v.vad = vad->checkedId();
    v.detalj = detalj->checkedId();
    v.komprimerad = CheckBoxKomprimerad->isChecked();
    v.pris = CheckBoxPris->isChecked();
    v.stapel = CheckBoxDiagram->isChecked();
    v.energi = CheckBoxFettsammansattning->isChecked();
    const Rapport r = KomponeraRapport(G, v);
    Layoutval lv;
    lv.rubrik = EditRubrik->text();
    lv.datum = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    lv.tartor = CheckBoxCirkeldiagram->isEnabled() && CheckBoxCirkeldiagram->isChecked();
    for (int i = 0; i < 3; ++i) lv.ideal[i] = G.IdealEnergi[i];
    senaste = LaggUtRapport(r, lv);
    if (!CheckBox1->isChecked()) {
        if (Dialoger::test().aktiv) {
            Dialoger::test().visade << QStringLiteral("[förhandsvisning]");
            return;
        }
        Rapportforhandsvisning f(senaste, this);
        f.exec();
        return;
    }
    static const char* const tillagg[4] = {".pdf", ".rtf", ".xlsx", ".html"};
    static const char* const filter[4] = {"PDF (*.pdf)", "RTF (*.rtf)", "Excel (*.xlsx)",
                                          "HTML (*.html)"};
    const int typ = filtyp->checkedId();
    const QString fil = Dialoger::SparaFil(
        QStringLiteral("Skriv till fil"), G.Dialogkatalog, QString::fromLatin1(filter[typ]),
        QStringLiteral("Nutrava utskrift") + QString::fromLatin1(tillagg[typ]));
    if (fil.isEmpty()) return;
    bool ok = false;
    switch (typ) {
    case 0:
        ok = SkrivRapportPdf(senaste, fil);
        break;
    case 1:
        ok = SkrivRapportRtf(senaste, fil);
        break;
    case 2:
        ok = SkrivRapportExcel(senaste, fil);
        break;
    default:
        ok = SkrivRapportHtml(senaste, fil);
        break;
    }
    if (!ok) Dialoger::Meddelande(QStringLiteral("Kan ej skriva filen %1.").arg(fil));
}
