#include "person/tformaktiv.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/strangrutnat.h"
#include "app/text.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "person/aktivitet.h"
#include "person/norm.h"
#include "person/tformnorm.h"
#include "reports/tformut.h"
#include "results/omrakna.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QButtonGroup>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QValueAxis>

namespace {

// Minutes take effect as they are typed, character by character.
class MinutDelegat : public QStyledItemDelegate {
public:
    MinutDelegat(std::function<void(int, const QString&)> andrad, QObject* p)
        : QStyledItemDelegate(p), m_andrad(std::move(andrad)) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override {
        QWidget* w = QStyledItemDelegate::createEditor(parent, o, i);
        if (auto* e = qobject_cast<QLineEdit*>(w); e && i.column() == 2) {
            const int rad = i.row() + 1;
            connect(e, &QLineEdit::textEdited, e,
                    [this, rad](const QString& t) { m_andrad(rad, t); });
        }
        return w;
    }

private:
    std::function<void(int, const QString&)> m_andrad;
};

Strangrutnat* aktivitetsgrid(QWidget* p, const char* namn, const QStringList& rubriker) {
    auto* g = new Strangrutnat(4, kAktivitetsrader, p);
    g->setObjectName(QString::fromLatin1(namn));
    const int bredder[4] = {188, 52, 55, 64};
    for (int k = 0; k < 4; ++k) {
        g->setColumnWidth(k, bredder[k]);
        g->setCells(k, 0, rubriker[k]);
    }
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

QLineEdit* falt(QWidget* p, const char* namn, const QString& text, int x, int y, int b) {
    auto* e = new QLineEdit(text, p);
    e->setObjectName(QString::fromLatin1(namn));
    e->setGeometry(x, y, b, 21);
    return e;
}

QLabel* etikett(QWidget* p, const char* namn, const QString& text, int x, int y, int b) {
    auto* l = new QLabel(text, p);
    l->setObjectName(QString::fromLatin1(namn));
    l->setGeometry(x, y, b, 21);
    return l;
}

} // namespace

TFormAktiv::TFormAktiv(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TFormAktiv"));
    setWindowTitle(QStringLiteral("Dina aktiviteter"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    auto* k = new QWidget(this);
    setCentralWidget(k);
    Memo1 = new QPlainTextEdit(k);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setStyleSheet(QStringLiteral("color: blue"));
    Memo1->setPlainText(QStringLiteral(
        "Fyll i ålder, vikt, kön. Dubbelklicka på de aktiviteter du utför under ett dygn. För "
        "varje "
        "aktivitet anger du hur många minuter den \npågår, t.ex. ARBETE 360 min (6 tim). "
        "Grundförbrukning är den energi som går åt om du vilar hela dygnet. Om du inte fyller\ni "
        "alla "
        "dygnets timmar (=1440 minuter) så räknar programmet med att du vilar under resten av "
        "tiden. "
        "Den röda stapeln visar energin i \nmaten du ätit. Den mörkgröna stapeln visar "
        "energiförbrukningen i vila och den ljusgröna visar den energi som går åt för "
        "aktiviterna."));
    Memo1->setGeometry(8, 4, 800, 74);
    Label1 = etikett(k, "Label1", QStringLiteral("Ålder"), 8, 86, 40);
    EditAge = falt(k, "EditAge", QStringLiteral("15"), 48, 86, 50);
    Label2 = etikett(k, "Label2", QStringLiteral("vikt"), 110, 86, 30);
    Editkg = falt(k, "Editkg", QStringLiteral("55"), 140, 86, 50);
    auto radiogrupp = [&](const char* namn, const QStringList& val, int x, QButtonGroup*& grupp) {
        auto* gb = new QGroupBox(k);
        gb->setObjectName(QString::fromLatin1(namn));
        gb->setGeometry(x, 80, 150, 34);
        auto* l = new QHBoxLayout(gb);
        l->setContentsMargins(6, 2, 6, 2);
        grupp = new QButtonGroup(gb);
        for (int i = 0; i < val.size(); ++i) {
            auto* rb = new QRadioButton(val[i], gb);
            rb->setObjectName(QString::fromLatin1(namn) + QString::number(i));
            grupp->addButton(rb, i);
            l->addWidget(rb);
        }
        grupp->button(0)->setChecked(true);
        return gb;
    };
    RadioGroupSex = radiogrupp("RadioGroupSex", {QStringLiteral("Kvinna"), QStringLiteral("Man")},
                               200, konGrupp);
    RadioGroupKcal = radiogrupp("RadioGroupKcal", {QStringLiteral("kcal"), QStringLiteral("kJ")},
                                360, enhetGrupp);
    Label4 = etikett(k, "Label4", QStringLiteral("Grundförbrukn. kcal"), 8, 124, 120);
    EditBMR = falt(k, "EditBMR", QString(), 128, 124, 70);
    Label3 = etikett(k, "Label3", QStringLiteral("Aktivitet, kcal"), 210, 124, 90);
    EditTot = falt(k, "EditTot", QString(), 300, 124, 70);
    EditTot->setStyleSheet(QStringLiteral("background: lime"));
    Label5 = etikett(k, "Label5", QStringLiteral("Minuter kvar av dygnet"), 380, 124, 130);
    EditMinKvar = falt(k, "EditMinKvar", QString(), 510, 124, 60);
    for (QLineEdit* e : {EditBMR, EditTot, EditMinKvar}) e->setReadOnly(true);

    StringGridAktiv = aktivitetsgrid(k, "StringGridAktiv",
                                     {QStringLiteral("Aktivitet"), QStringLiteral("+kcal/min"),
                                      QStringLiteral("Minuter"), QStringLiteral("+kcal")});
    StringGridAktiv->setGeometry(8, 152, 380, 300);
    StringGridAktiv->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGridAktiv->setItemDelegate(new MinutDelegat(
        [this](int rad, const QString& t) {
            G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)].minuter = t;
            if (!G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)].tom()) RaknaAktiviteter();
        },
        StringGridAktiv));
    StringGridAktivKj = aktivitetsgrid(k, "StringGridAktivKj",
                                       {QStringLiteral("Aktivitet"), QStringLiteral("+kJ/min"),
                                        QStringLiteral("Minuter"), QStringLiteral("+kJ")});
    StringGridAktivKj->setGeometry(StringGridAktiv->geometry());
    StringGridAktivKj->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridAktivKj->hide();

    ListBoxAktiv = new QListWidget(k);
    ListBoxAktiv->setObjectName(QStringLiteral("ListBoxAktiv"));
    ListBoxAktiv->setSortingEnabled(true);
    ListBoxAktiv->setGeometry(396, 152, 240, 270);
    auto knapp = [k](const char* namn, const QString& text, int x, int y, int b) {
        auto* kn = new QPushButton(text, k);
        kn->setObjectName(QString::fromLatin1(namn));
        kn->setGeometry(x, y, b, 25);
        kn->setAutoDefault(false);
        return kn;
    };
    ButtonOK = knapp("ButtonOK", QStringLiteral("OK"), 396, 426, 60);
    ButtonOka = knapp("ButtonOka", QStringLiteral("Öka"), 8, 458, 70);
    ButtonMinska = knapp("ButtonMinska", QStringLiteral("Minska"), 84, 458, 70);
    ButtonTabort = knapp("ButtonTabort", QStringLiteral("Tabort rad"), 160, 458, 90);

    ChartAktiv = new QChartView(k);
    ChartAktiv->setObjectName(QStringLiteral("ChartAktiv"));
    auto* c = new QChart;
    c->setTitle(QStringLiteral("Dagens Intag och förbrukning av energi."));
    c->legend()->hide();
    c->setLocalizeNumbers(true);
    auto* serie = new QHorizontalStackedBarSeries;
    intag = new QBarSet(QStringLiteral("Intag"));
    intag->setColor(Qt::red);
    vila = new QBarSet(QStringLiteral("Vila"));
    vila->setColor(QColor(0, 128, 0));
    aktivitet = new QBarSet(QStringLiteral("Aktivitet"));
    aktivitet->setColor(QColor(0, 255, 0));
    for (QBarSet* s : {intag, vila, aktivitet}) {
        s->append({0.0, 0.0});
        serie->append(s);
    }
    c->addSeries(serie);
    auto* kat = new QBarCategoryAxis;
    // Categories count from the bottom: "Intag" above "Förbrukn.".
    kat->append({QStringLiteral("Förbrukn."), QStringLiteral("Intag")});
    auto* varde = new QValueAxis;
    varde->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(kat, Qt::AlignLeft);
    c->addAxis(varde, Qt::AlignBottom);
    serie->attachAxis(kat);
    serie->attachAxis(varde);
    ChartAktiv->setChart(c);
    ChartAktiv->setGeometry(644, 152, 300, 330);

    QMenu* arkiv = menuBar()->addMenu(QStringLiteral("Arkiv"));
    arkiv->setObjectName(QStringLiteral("Arkiv1"));
    QAction* hamta = arkiv->addAction(QStringLiteral("Hämta aktivitetslista"));
    hamta->setObjectName(QStringLiteral("HamtaAktivitetslista1"));
    QAction* spara = arkiv->addAction(QStringLiteral("Spara aktivitetslista"));
    spara->setObjectName(QStringLiteral("SparaAktivitetslista1"));
    arkiv->addSeparator();
    QAction* utskrift = arkiv->addAction(QStringLiteral("Utskrift"));
    utskrift->setObjectName(QStringLiteral("Utskrift1"));
    QAction* tabell = menuBar()->addAction(QStringLiteral("Aktivitetstabell"));
    tabell->setObjectName(QStringLiteral("Aktivitetstabell1"));
    connect(hamta, &QAction::triggered, this, &TFormAktiv::HamtaAktivitetslistaClick);
    connect(spara, &QAction::triggered, this, &TFormAktiv::SparaAktivitetslistaClick);
    connect(utskrift, &QAction::triggered, this, &TFormAktiv::UtskriftClick);
    connect(tabell, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormAktskapa")); });

    connect(EditAge, &QLineEdit::textChanged, this, &TFormAktiv::faltAndrat);
    connect(Editkg, &QLineEdit::textChanged, this, &TFormAktiv::faltAndrat);
    connect(konGrupp, &QButtonGroup::idClicked, this, &TFormAktiv::faltAndrat);
    connect(enhetGrupp, &QButtonGroup::idClicked, this, &TFormAktiv::faltAndrat);
    connect(ListBoxAktiv, &QListWidget::itemDoubleClicked, this, &TFormAktiv::ButtonOKClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAktiv::ButtonOKClick);
    connect(ButtonOka, &QPushButton::clicked, this, &TFormAktiv::ButtonOkaClick);
    connect(ButtonMinska, &QPushButton::clicked, this, &TFormAktiv::ButtonMinskaClick);
    connect(ButtonTabort, &QPushButton::clicked, this, &TFormAktiv::ButtonTabortClick);
    connect(StringGridAktiv, &QTableWidget::cellChanged, this,
            [this](int r, int kol) { cellAndrad(r + 1, kol); });
    StringGridAktiv->installEventFilter(this);
    // The menu bar's height is known once its entries are in.
    setFixedSize(952, 490 + menuBar()->sizeHint().height());
    RegistreraFonster(this);
    OmraknaVisningar().AktivDiagram = [this] { VisaIntag(); };
}

TFormAktiv::~TFormAktiv() {
    OmraknaVisningar().AktivDiagram = nullptr;
    AvregistreraFonster(this);
}

void TFormAktiv::FormCreate() {
    QStringList namn = Aktivitetsnamn(G.Aktiviteter);
    ListBoxAktiv->addItems(namn);
    G.Aktivitetslistan.alder = EditAge->text();
    G.Aktivitetslistan.vikt = Editkg->text();
}

int TFormAktiv::valdRad() const {
    return StringGridAktiv->Row();
}

void TFormAktiv::valjRad(int rad) {
    StringGridAktiv->valjCell(2, rad);
}

void TFormAktiv::faltAndrat() {
    if (m_uppdaterar) return;
    Aktivitetslista& l = G.Aktivitetslistan;
    l.alder = EditAge->text();
    l.vikt = Editkg->text();
    l.kon = konGrupp->checkedId() == 1 ? 1 : 0;
    l.enhet = enhetGrupp->checkedId() == 1 ? 1 : 0;
    RaknaAktiviteter();
}

void TFormAktiv::cellAndrad(int rad, int kolumn) {
    if (m_uppdaterar || rad < 1 || rad >= kAktivitetsrader) return;
    const Aktivitetsrad& a = G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)];
    if (kolumn == 2) {
        G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)].minuter =
            StringGridAktiv->Cells(2, rad);
        RaknaAktiviteter();
        return;
    }
    // Only the minutes can be changed: the cell gets its value back.
    const QString tidigare = kolumn == 0 ? a.namn : (kolumn == 1 ? a.kcalPerMin : a.kcal);
    m_uppdaterar = true;
    StringGridAktiv->setCells(kolumn, rad, tidigare);
    m_uppdaterar = false;
    Dialoger::Meddelande(QStringLiteral("Du kan inte ändra i denna kolumn"));
}

bool TFormAktiv::eventFilter(QObject* o, QEvent* e) {
    if (o == StringGridAktiv && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            !StringGridAktiv->redigerar()) {
            if (StringGridAktiv->Col() == 2)
                RaknaAktiviteter();
            else
                Dialoger::Meddelande(QStringLiteral("Du kan inte ändra i denna kolumn"));
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void TFormAktiv::visaRader() {
    m_uppdaterar = true;
    const Aktivitetslista& l = G.Aktivitetslistan;
    for (int r = 1; r < kAktivitetsrader; ++r) {
        const Aktivitetsrad& a = l.rader[static_cast<std::size_t>(r)];
        const QString kcal[4] = {a.namn, a.kcalPerMin, a.minuter, a.kcal};
        const QString kj[4] = {a.namn, KjPerMin(a), a.tom() ? QString() : a.minuter, KjTotalt(a)};
        for (int k = 0; k < 4; ++k) {
            // The cell being typed in keeps its editor.
            if (!(StringGridAktiv->redigerar() && StringGridAktiv->currentRow() == r - 1 &&
                  StringGridAktiv->currentColumn() == k))
                StringGridAktiv->setCells(k, r, a.tom() ? QString() : kcal[k]);
            StringGridAktivKj->setCells(k, r, kj[k]);
        }
    }
    m_uppdaterar = false;
}

void TFormAktiv::RaknaAktiviteter() {
    Aktivitetslista& l = G.Aktivitetslistan;
    Aktivitetsvarden& v = G.Aktivitetsvarde;
    auto* norm = qobject_cast<TFormNorm*>(Fonster(QStringLiteral("TFormNorm")));
    const QString text =
        RaknaAktiviteterKarna(l, v, G.AktuellNorm, G.IdealEnergi, [norm](int nr, float n[51]) {
            return norm && LasNormradNr(norm->DBISAMTableNorm, nr, n);
        });
    const bool kj = l.enhet == 1;
    const double faktor = kj ? 4.184 : 1.0;
    m_uppdaterar = true;
    EditBMR->setText(Tal(v.Grundforbrukning * faktor, 0, 0));
    EditTot->setText(Tal(v.Aktivitetsenergi * faktor, 0, 0));
    EditMinKvar->setText(Tal(v.minuterKvar, 0, 0));
    m_uppdaterar = false;
    G.AktuellNormText = text;
    if (TForm1* f = Form1()) f->setWindowTitle(QStringLiteral("Norm: ") + text);
    Omrakna();
    VisaIntag();
    G.NormTyp = QStringLiteral("aktivnorm");
    visaRader();
    StringGridAktiv->setVisible(!kj);
    StringGridAktivKj->setVisible(kj);
    Label4->setText(kj ? QStringLiteral("Grundförbrukn. kJ")
                       : QStringLiteral("Grundförbrukn. kcal"));
    Label3->setText(kj ? QStringLiteral("Aktivitet kJ") : QStringLiteral("Aktivitet kcal"));
}

void TFormAktiv::VisaIntag() {
    const bool kj = G.Aktivitetslistan.enhet == 1;
    const double faktor = kj ? 4.184 : 1.0;
    const double mat = G.R.DagSumma[G.AktuellDag][kj ? 0 : 1];
    const double bmr = G.Aktivitetsvarde.Grundforbrukning * faktor;
    const double akt = G.Aktivitetsvarde.Aktivitetsenergi * faktor;
    // Category 0 is drawn at the bottom: "Förbrukn." there, "Intag" above.
    intag->replace(0, 0);
    intag->replace(1, mat);
    vila->replace(0, bmr);
    vila->replace(1, 0);
    aktivitet->replace(0, akt);
    aktivitet->replace(1, 0);
    auto* axel = qobject_cast<QValueAxis*>(ChartAktiv->chart()->axes(Qt::Horizontal).value(0));
    if (axel) {
        const double max = std::max({mat, bmr + akt, 100.0});
        axel->setRange(0, max * 1.1);
    }
}

void TFormAktiv::ButtonOKClick() {
    QListWidgetItem* it = ListBoxAktiv->currentItem();
    if (!it) return;
    QString faktor;
    for (std::size_t i = 1; i < G.Aktiviteter.size(); ++i)
        if (G.Aktiviteter[i].first == it->text()) {
            faktor = G.Aktiviteter[i].second;
            break;
        }
    const int rad = LaggTillAktivitet(G.Aktivitetslistan, G.Aktivitetsvarde, it->text(), faktor);
    if (rad == 0) return;
    visaRader();
    valjRad(rad);
    RaknaAktiviteter();
}

void TFormAktiv::ButtonOkaClick() {
    const int rad = valdRad();
    if (rad < 1 || G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)].tom()) return;
    OkaMinuter(G.Aktivitetslistan, rad);
    RaknaAktiviteter();
}

void TFormAktiv::ButtonMinskaClick() {
    const int rad = valdRad();
    if (rad < 1 || G.Aktivitetslistan.rader[static_cast<std::size_t>(rad)].tom()) return;
    if (MinskaMinuter(G.Aktivitetslistan, rad)) {
        RaknaAktiviteter();
        return;
    }
    if (Dialoger::Fraga(QStringLiteral("Vill du ta bort denna rad?"),
                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        ButtonTabortClick();
}

void TFormAktiv::ButtonTabortClick() {
    const int rad = valdRad();
    if (rad < 1) return;
    TaBortAktivitet(G.Aktivitetslistan, rad);
    RaknaAktiviteter();
}

void TFormAktiv::SparaAktivitetslistaClick() {
    QString fil = Dialoger::SparaFil(QStringLiteral("Spara aktivitetslista"), G.Dialogkatalog,
                                     QStringLiteral("aktivitet (*.akt)"));
    if (fil.isEmpty()) return;
    const QFileInfo fi(fil);
    fil = fi.dir().filePath(fi.completeBaseName() + QStringLiteral(".akt"));
    if (!SparaAktivitetslista(fil))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara aktiviteterna."));
}

void TFormAktiv::HamtaAktivitetslistaClick() {
    const QString fil = Dialoger::OppnaFil(QStringLiteral("Hämta aktivitetslista"), G.Dialogkatalog,
                                           QStringLiteral("Aktiviteter (*.akt)"));
    if (fil.isEmpty()) return;
    const bool ok = LasAktivitetslista(fil);
    if (!ok) {
        visaFalt();
        visaRader();
        Dialoger::Meddelande(QStringLiteral("Kan ej öppna aktivitetslistan"));
        return;
    }
    ListanLast();
}

void TFormAktiv::visaFalt() {
    const Aktivitetslista& l = G.Aktivitetslistan;
    m_uppdaterar = true;
    EditAge->setText(l.alder);
    Editkg->setText(l.vikt);
    konGrupp->button(l.kon == 1 ? 1 : 0)->setChecked(true);
    m_uppdaterar = false;
}

void TFormAktiv::ListanLast() {
    visaFalt();
    RaknaAktiviteter();
}

void TFormAktiv::UtskriftClick() {
    const auto rubrik = Dialoger::Inmatning(QStringLiteral("Rubrik till utskriften"),
                                            QStringLiteral("Ange en rubrik till din utskrift "));
    if (!rubrik) return;
    auto* ut = qobject_cast<TFormUt*>(Fonster(QStringLiteral("TFormUt")));
    if (!ut) return;
    ut->Fyll(AktivitetsUtskrift(G.Aktivitetslistan, *rubrik,
                                QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
                                Label4->text(), EditBMR->text(), Label3->text(), EditTot->text()));
}
