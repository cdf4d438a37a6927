// The main window's meal entry: food lists, search, picture regions and the
// meal grid.
#include "app/dialoger.h"
#include "app/text.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tabellfil.h"
#include "meal/livsmedelslista.h"
#include "meal/maltidsgrid.h"
#include "meal/maltidsredigering.h"
#include "meal/matbild.h"
#include "results/omrakna.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTextEdit>
#include <QTimer>

void TForm1::kopplaMaltid() {
    for (Bildruta* b : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        connect(b, &Bildruta::klick, this, &TForm1::VisaGrupp);
    connect(Button7, &QPushButton::clicked, this, [this] { VisaGrupp(QStringLiteral("Drycker")); });
    connect(Button8, &QPushButton::clicked, this, [this] { VisaGrupp(QStringLiteral("Övrigt")); });
    connect(ComboBoxSLVgrupp, &QComboBox::activated, this,
            [this](int i) { VisaSLVGrupp(ComboBoxSLVgrupp->itemText(i)); });
    connect(Button2, &QPushButton::clicked, this, &TForm1::SokPaNamn);
    connect(SokLivsmedelPaNamn1, &QAction::triggered, Button2, &QPushButton::click);
    connect(Button3, &QPushButton::clicked, this, [this] { LaggTillLivsmedel(0, false); });
    connect(ListBoxLivs, &QListView::doubleClicked, this, [this] { LaggTillLivsmedel(0, false); });
    connect(StringGridMaltid, &Maltidsgrid::slapp, this,
            [this](int rad) { LaggTillLivsmedel(rad, true); });
    connect(StringGridMaltid, &Maltidsgrid::enter, this, &TForm1::StringGridMaltidKeyPress);
    connect(StringGridMaltid, &Maltidsgrid::vansterklick, this, &TForm1::StringGridMaltidClick);
    connect(StringGridMaltid, &Maltidsgrid::hogerklick, this, &TForm1::StringGridMaltidHogerklick);
    connect(StringGridMaltid, &QTableWidget::currentCellChanged, this, [this](int rad, int kol) {
        G.AktuellRad = rad < 0 ? 0 : rad + 1;
        G.AktuellKolumn = kol < 0 ? 0 : kol;
    });
    connect(ListBoxVikter, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* it) { ListBoxVikterClick(ListBoxVikter->row(it)); });
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
}

void TForm1::fyllLista(const std::vector<int>& poster) {
    QStringList namn, koder;
    namn.reserve(static_cast<qsizetype>(poster.size()));
    koder.reserve(static_cast<qsizetype>(poster.size()));
    for (int i : poster) {
        const IndexPost& p = G.Livsmedelsindex.poster[static_cast<std::size_t>(i)];
        namn << p.livsmedel;
        koder << p.kod + u';';
    }
    livsModell->setStringList(namn);
    livsModellH->setStringList(koder);
}

void TForm1::VisaGrupp(const QString& grupptext) {
    ComboBoxSLVgrupp->setEditText(QStringLiteral("Livsmedelsgrupper, utökat"));
    ComboBoxSLVgrupp->lineEdit()->setCursorPosition(0);
    ListBoxVikter->hide();
    fyllLista(LivsmedelIBildgrupp(G.Livsmedelsindex, grupptext));
    if (!G.Uppstart) ListBoxLivs->setFocus();
}

void TForm1::VisaSLVGrupp(const QString& grupptext) {
    ListBoxVikter->hide();
    fyllLista(LivsmedelISLVGrupp(G.Livsmedelsindex, grupptext));
    if (!G.Uppstart) ListBoxLivs->setFocus();
}

void TForm1::SokPaNamn() {
    const auto ord = Dialoger::Inmatning(QStringLiteral("Skriv ett ord att söka på (t.ex. soppa)"),
                                         QStringLiteral("Sökord+ENTER"));
    if (!ord || ord->isEmpty()) return;
    fyllLista(SokLivsmedel(G.Livsmedelsindex, *ord));
}

void TForm1::LaggTillLivsmedel(int rad, bool infoga) {
    const QModelIndex vald = ListBoxLivs->currentIndex();
    if (!vald.isValid() || !ListBoxLivs->selectionModel()->isSelected(vald)) return;
    G.Andrad = true;
    if (G.VisaHogerklickTips) {
        MemoHogerklick->show();
        MemoHogerklick->raise();
        TimerHogerKlick->start();
        G.VisaHogerklickTips = false;
    }
    const QString rad0 = livsModellH->stringList().value(vald.row());
    const QString kod = rad0.left(rad0.indexOf(u';'));
    const int mal = LaggTillRad(G, DBISAMTableLivs, kod, rad, infoga);
    if (mal == 0) {
        Dialoger::Meddelande(QStringLiteral("Livsmedel med nr ") + kod +
                             QStringLiteral(" finns ej."));
        return;
    }
    G.AktuellRad = mal;
    StringGridMaltid->valjCell(1, mal);
    Omrakna();
}

void TForm1::StringGridMaltidKeyPress() {
    const int rad = G.AktuellRad;
    const QString text = StringGridMaltid->Cells(G.AktuellKolumn, rad);
    switch (G.AktuellKolumn) {
    case 1:
        SattAntal(G, rad, text);
        break;
    case 3:
        SattGram(G, rad, text);
        break;
    case 4: {
        if (G.PrisLas) {
            Dialoger::Meddelande(QStringLiteral("Du kan inte ändra i denna kolumn"));
            return;
        }
        if (rad < 1 || rad >= kRader) break;
        Maltidsrad& r = G.Berakning[G.AktuellDag][G.AktuellMaltid][rad];
        r.kgpris = TextTillTal(text);
        if (G.PrisSpara) {
            // The field holds at most 10 characters; a longer text is not
            // accepted, as the table would refuse it.
            const bool ok = text.size() <= 10 && SkrivFalt(DBISAMTableLivs, r.kod.text(),
                                                           QStringLiteral("kgpris"), text);
            if (!ok) {
                Dialoger::Meddelande(QStringLiteral("Priserna ändras endast temporärt."));
                G.PrisSpara = false;
            }
        }
        break;
    }
    default:
        Dialoger::Meddelande(QStringLiteral("Du kan inte ändra i denna kolumn"));
        break;
    }
    Omrakna();
}

void TForm1::StringGridMaltidClick() {
    Omrakna();
    ListBoxVikter->hide();
}

void TForm1::StringGridMaltidHogerklick(int rad, QPoint globalPunkt) {
    ListBoxVikter->clear();
    if (rad < 1 || rad >= kRader) return;
    StringGridMaltid->valjCell(StringGridMaltid->Col(), rad);
    G.AktuellRad = rad;
    ListBoxVikter->addItems(Enhetslista(G.Berakning[G.AktuellDag][G.AktuellMaltid][rad]));
    const QPoint p = ListBoxVikter->parentWidget()->mapFromGlobal(globalPunkt);
    ListBoxVikter->move(ListBoxVikter->x(), p.y() + 12);
    ListBoxVikter->show();
    ListBoxVikter->raise();
}

void TForm1::ListBoxVikterClick(int rad) {
    if (rad > 0 && G.AktuellRad >= 1 && G.AktuellRad < kRader) {
        ValjEnhet(G.Berakning[G.AktuellDag][G.AktuellMaltid][G.AktuellRad],
                  ListBoxVikter->item(rad)->text());
        Omrakna();
        StringGridMaltid->valjCell(1, G.AktuellRad);
        StringGridMaltid->setFocus();
    }
    ListBoxVikter->hide();
}

void TForm1::Button4Click() {
    if (G.AktuellRad < 1) return;
    Oka(G, G.AktuellRad);
    if (G.Berakning[G.AktuellDag][G.AktuellMaltid][G.AktuellRad].kod.antal() > 0) Omrakna();
}

void TForm1::Button5Click() {
    if (G.AktuellRad < 1) return;
    if (G.Berakning[G.AktuellDag][G.AktuellMaltid][G.AktuellRad].kod.antal() == 0) return;
    if (Minska(G, G.AktuellRad)) {
        Omrakna();
        return;
    }
    if (Dialoger::Fraga(QStringLiteral("Vill du ta bort denna rad?"),
                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        Button6Click();
}

void TForm1::Button6Click() {
    if (G.AktuellRad < 1) return;
    TaBortRad(G, G.AktuellRad);
    Omrakna();
}
