#include "person/tforminst.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/strangrutnat.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "food/losenord.h"
#include "person/installningar.h"
#include "results/omrakna.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QPlainTextEdit* memo(QWidget* p, const char* namn, const QString& text) {
    auto* m = new QPlainTextEdit(p);
    m->setObjectName(QString::fromLatin1(namn));
    m->setReadOnly(true);
    m->setPlainText(text);
    m->setStyleSheet(QStringLiteral("color: blue"));
    m->setFrameShape(QFrame::NoFrame);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Centred lines, as the memo's text is laid out.
    QTextOption o = m->document()->defaultTextOption();
    o.setAlignment(Qt::AlignHCenter);
    m->document()->setDefaultTextOption(o);
    return m;
}

Strangrutnat* grid(QWidget* p, const char* namn, int rader, const QString& rubrik,
                   const QStringList& etiketter) {
    auto* g = new Strangrutnat(2, rader, p);
    g->setObjectName(QString::fromLatin1(namn));
    g->setCells(1, 0, rubrik);
    for (int r = 0; r < etiketter.size(); ++r) {
        g->setCells(0, r + 1, etiketter[r]);
        g->item(r, 0)->setFlags(Qt::ItemIsEnabled);
    }
    g->setColumnWidth(0, 130);
    g->setColumnWidth(1, 100);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    g->setEnabled(false);
    return g;
}

QPushButton* knapp(QWidget* p, const char* namn, const QString& text) {
    auto* k = new QPushButton(text, p);
    k->setObjectName(QString::fromLatin1(namn));
    k->setAutoDefault(false);
    return k;
}
} // namespace

TFormInst::TFormInst(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormInst"));
    setWindowTitle(QStringLiteral("Inställningar"));
    setFixedSize(300, 520);
    Memo1 = memo(this, "Memo1",
                 QStringLiteral("Önskad fördelning av näringsintag\nför dagens måltider i %."));
    Memo1->setGeometry(20, 8, 260, 40);
    StringGrid1 = grid(this, "StringGrid1", 5, QStringLiteral("% av dagbehovet"),
                       {QStringLiteral("Frukost"), QStringLiteral("Lunch"),
                        QStringLiteral("Middag"), QStringLiteral("Mellanmål")});
    StringGrid1->setGeometry(20, 52, 234, 17 + 4 * 16 + 4);
    Memo2 = memo(this, "Memo2", QStringLiteral("\nIdeal energifördelning i %"));
    Memo2->setGeometry(20, 140, 260, 40);
    StringGrid2 = grid(this, "StringGrid2", 7, QStringLiteral("Ideal energi%"),
                       {QStringLiteral("Protein"), QStringLiteral("Fett"),
                        QStringLiteral("Kolhydrat"), QStringLiteral("Enkelomättat fett"),
                        QStringLiteral("Fleromättat fett"), QStringLiteral("Mättat fett")});
    StringGrid2->setGeometry(20, 184, 234, 17 + 6 * 16 + 4);
    Button2 = knapp(this, "Button2", QStringLiteral("Ändra"));
    Button2->setGeometry(20, 310, 100, 25);
    Button1 = knapp(this, "Button1", QStringLiteral("Verkställ"));
    Button1->setGeometry(154, 310, 100, 25);
    Button1->hide();
    Memo3 = memo(this, "Memo3", QStringLiteral("Vill du att det ska gå att ändra priser?"));
    Memo3->setGeometry(20, 360, 260, 40);
    ButtonJa = knapp(this, "ButtonJa", QStringLiteral("JA"));
    ButtonJa->setGeometry(60, 404, 75, 25);
    ButtonNej = knapp(this, "ButtonNej", QStringLiteral("NEJ"));
    ButtonNej->setGeometry(160, 404, 75, 25);
    LabelPrisPassword = new QLabel(QStringLiteral("Priser kan ändras."), this);
    LabelPrisPassword->setObjectName(QStringLiteral("LabelPrisPassword"));
    LabelPrisPassword->setStyleSheet(QStringLiteral("color: red"));
    LabelPrisPassword->setAlignment(Qt::AlignCenter);
    LabelPrisPassword->setGeometry(20, 440, 260, 20);
    connect(Button2, &QPushButton::clicked, this, &TFormInst::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TFormInst::Button1Click);
    connect(ButtonJa, &QPushButton::clicked, this, &TFormInst::ButtonJaClick);
    connect(ButtonNej, &QPushButton::clicked, this, &TFormInst::ButtonNejClick);
    RegistreraFonster(this);
}

TFormInst::~TFormInst() {
    AvregistreraFonster(this);
}

QStringList TFormInst::celler() const {
    QStringList c;
    for (int r = 1; r <= 4; ++r) c << StringGrid1->Cells(1, r);
    for (int r = 1; r <= 6; ++r) c << StringGrid2->Cells(1, r);
    return c;
}

void TFormInst::FormCreate() {
    const QStringList standard = StandardInstallningar();
    for (int r = 1; r <= 4; ++r) StringGrid1->setCells(1, r, standard[r - 1]);
    for (int r = 1; r <= 6; ++r) StringGrid2->setCells(1, r, standard[3 + r]);
    QByteArray para;
    if (LasHelaFilen(QStringLiteral("nutrava.para"), para)) {
        const QStringList c = TolkaParafil(para);
        for (int r = 1; r <= 4; ++r) StringGrid1->setCells(1, r, c[r - 1]);
        for (int r = 1; r <= 6; ++r) StringGrid2->setCells(1, r, c[3 + r]);
        TillampaInstallningar(celler(), G.Maltidsandel, G.IdealEnergi);
        Omrakna();
    }
    G.PrisLas = false;
    QByteArray pris;
    if (LasHelaFilen(QStringLiteral("prisPassword.txt"), pris) && PrisLasFranFil(pris)) {
        G.PrisLas = true;
        LabelPrisPassword->setText(QStringLiteral("Priser kan ej ändras"));
    }
}

void TFormInst::Button2Click() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::InstallningarAndra, G.RedigeringsLosenord)))
        return;
    StringGrid1->setEnabled(true);
    StringGrid2->setEnabled(true);
    Button1->show();
}

void TFormInst::Button1Click() {
    // A cell still being edited counts with what it holds.
    for (Strangrutnat* g : {StringGrid1, StringGrid2}) g->avslutaRedigering();
    const QStringList c = celler();
    TillampaInstallningar(c, G.Maltidsandel, G.IdealEnergi);
    Omrakna();
    if (!SkrivFilSakert(QStringLiteral("nutrava.para"), SkrivParafil(c)))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara inställningarna i nutrava.para."));
}

void TFormInst::ButtonJaClick() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::PrisJa, G.RedigeringsLosenord))) return;
    G.PrisLas = false;
    LabelPrisPassword->setText(QStringLiteral("Priser kan ändras"));
    if (QFile::exists(QStringLiteral("prisPassword.txt")) &&
        !SkrivFilSakert(QStringLiteral("prisPassword.txt"), "password=nej\r\n"))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara prisPassword.txt."));
}

void TFormInst::ButtonNejClick() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::PrisNej, G.RedigeringsLosenord))) return;
    G.PrisLas = true;
    LabelPrisPassword->setText(QStringLiteral("Priser kan ej ändras"));
    if (!SkrivFilSakert(QStringLiteral("prisPassword.txt"), "password=ja\r\n"))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara prisPassword.txt."));
}
