#include "person/tformaktskapa.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/strangrutnat.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "food/losenord.h"

#include <QPlainTextEdit>
#include <QPushButton>

TFormAktskapa::TFormAktskapa(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormAktskapa"));
    setWindowTitle(QStringLiteral("Aktiviteter med BMR-faktor."));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(420, 520);
    StringGrid1 = new Strangrutnat(2, kTabellrader, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setColumnWidth(0, 314);
    StringGrid1->setColumnWidth(1, 64);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setGeometry(8, 8, 404, 400);
    Memo1 = new QPlainTextEdit(
        QStringLiteral("Gör ev ändringar och tillägg och klicka sedan på Spara."), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setStyleSheet(QStringLiteral("color: blue"));
    Memo1->setGeometry(8, 414, 404, 40);
    Memo1->hide();
    Spara = new QPushButton(QStringLiteral("Spara"), this);
    Spara->setObjectName(QStringLiteral("Spara"));
    Spara->setGeometry(8, 460, 100, 27);
    Spara->hide();
    Button1 =
        new QPushButton(QStringLiteral("Klicka här för att ändra i aktivitetstabellen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 488, 404, 27);
    connect(Button1, &QPushButton::clicked, this, &TFormAktskapa::Button1Click);
    connect(Spara, &QPushButton::clicked, this, &TFormAktskapa::SparaClick);
    RegistreraFonster(this);
}

TFormAktskapa::~TFormAktskapa() {
    AvregistreraFonster(this);
}

void TFormAktskapa::visaTabell() {
    for (int r = 0; r < kTabellrader; ++r) {
        StringGrid1->setCells(0, r, G.Aktiviteter[static_cast<std::size_t>(r)].first);
        StringGrid1->setCells(1, r, G.Aktiviteter[static_cast<std::size_t>(r)].second);
    }
}

void TFormAktskapa::FormCreate() {
    QByteArray innehall;
    if (!LasHelaFilen(QStringLiteral("aktiv.txt"), innehall)) {
        Dialoger::Meddelande(QStringLiteral("Kan ej öppna filen aktiv.txt."));
        G.Aktiviteter = {};
    } else {
        TolkaAktivtxt(innehall, G.Aktiviteter);
    }
    visaTabell();
}

void TFormAktskapa::Button1Click() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::Aktivitetstabell, G.RedigeringsLosenord)))
        return;
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    Memo1->show();
    Spara->show();
    Button1->hide();
}

void TFormAktskapa::SparaClick() {
    StringGrid1->avslutaRedigering();
    for (int r = 0; r < kTabellrader; ++r)
        G.Aktiviteter[static_cast<std::size_t>(r)] = {StringGrid1->Cells(0, r),
                                                      StringGrid1->Cells(1, r)};
    if (SkrivFilSakert(QStringLiteral("aktiv.txt"), SkrivAktivtxt(G.Aktiviteter)))
        Dialoger::Meddelande(QStringLiteral("Aktivitetslistan sparad"));
    else
        Dialoger::Meddelande(QStringLiteral("Kan ej spara aktiv.txt."));
}
