#include "app/tform1.h"

#include "analysis/tformanalys.h"
#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/strangrutnat.h"
#include "app/text.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "food/losenord.h"
#include "food/nvkatalog.h"
#include "meal/berakning.h"
#include "meal/maltidsgrid.h"
#include "meal/maltidsvisning.h"
#include "meal/matbild.h"
#include "results/omrakna.h"
#include "results/stapeldiagram.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStringListModel>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {
TForm1* g_form1 = nullptr;

template <typename T> T* skapa(QWidget* parent, const char* namn, int x, int y, int b, int h) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(namn));
    w->setGeometry(x, y, b, h);
    return w;
}

QToolButton* knapp(QWidget* p, const char* namn, const QString& text, int x, int y, int b, int h) {
    auto* k = skapa<QToolButton>(p, namn, x, y, b, h);
    k->setText(text);
    k->setCheckable(true);
    k->setAutoExclusive(true);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return k;
}

QPushButton* tryck(QWidget* p, const char* namn, const QString& text, int x, int y, int b, int h) {
    auto* k = skapa<QPushButton>(p, namn, x, y, b, h);
    k->setText(text);
    k->setAutoDefault(false);
    return k;
}
} // namespace

TForm1* Form1() {
    return g_form1;
}

namespace {
// The edition of the food data, as the import recorded it in "Datum".
QString LivsmedelsdatabasensVersion() {
    TForm1* f = Form1();
    if (!f || !f->DBISAMTableLivs.arOppen()) return {};
    QSqlQuery q(f->DBISAMTableLivs.db());
    if (!q.exec(QStringLiteral("SELECT \"Datum\" FROM fodbas100 WHERE \"Datum\" <> '' LIMIT 1")) ||
        !q.next())
        return QStringLiteral("okänd");
    return q.value(0).toString();
}
} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    g_form1 = this;
    setObjectName(QStringLiteral("TForm1"));
    byggKontroller();
    byggMeny();
    // The client area below the menu bar is 829 x 554, as the controls are placed.
    resize(829, 554 + menuBar()->sizeHint().height());
    kopplaHandelser();
}

TForm1::~TForm1() {
    if (g_form1 == this) {
        g_form1 = nullptr;
        OmraknaVisningar().VisaMaltid = nullptr;
        OmraknaVisningar().Markorer = nullptr;
        OmraknaVisningar().DiagramRubrik = nullptr;
        OmraknaVisningar().RitaDiagram = nullptr;
    }
}

void TForm1::kopplaHandelser() {
    QToolButton* maltider[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    for (int m = 0; m < 4; ++m)
        connect(maltider[m], &QToolButton::clicked, this, [this, m] { SpeedButtonMaltidClick(m); });
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(NyBerakning1, &QAction::triggered, this, &TForm1::NyBerakning1Click);
    connect(KopieraMaltid1, &QAction::triggered, this, &TForm1::KopieraMaltid1Click);
    connect(SparaBerakning1, &QAction::triggered, this, [this] { SparaBerakning(); });
    connect(HamtaBerakning1, &QAction::triggered, this, &TForm1::HamtaBerakning1Click);
    connect(RaderaBerakningar1, &QAction::triggered, this, &TForm1::RaderaClick);
    connect(SparaRecept1, &QAction::triggered, this, &TForm1::SparaRecept1Click);
    connect(HamtaRecept1, &QAction::triggered, this, &TForm1::HamtaRecept1Click);
    connect(KlistraInMaltid1, &QAction::triggered, this, &TForm1::KlistraInMaltid1Click);
    connect(TimerHogerKlick, &QTimer::timeout, this, [this] {
        TimerHogerKlick->stop();
        MemoHogerklick->hide();
    });
    kopplaMaltid();
    kopplaResultat();
}

void TForm1::SpeedButtonMaltidClick(int maltid) {
    ValjMaltid(G, maltid);
    Omrakna();
    VisaMaltid();
}

void TForm1::ComboBox1Change(int dag) {
    ValjDag(G, dag);
    Omrakna();
    VisaMaltid();
}

void TForm1::NyBerakning1Click() {
    // A cancelled question leaves the calculation as it was; it is still
    // recomputed, as after a new one.
    ::NyBerakning();
    Omrakna();
}

void TForm1::KopieraMaltid1Click() {
    KopieraMaltid(G);
    Dialoger::Meddelande(
        QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
}

void TForm1::KlistraInMaltid1Click() {
    KlistraInMaltid(G);
    Omrakna();
}

void TForm1::VisaMaltid() {
    const bool maltidsniva = G.AktuellNiva == 0;
    const auto& maltid = G.Berakning[G.AktuellDag][G.AktuellMaltid];
    for (int r = 1; r < kRader; ++r) {
        const Maltidsrad& rad = maltid[r];
        const QColor farg = maltidsniva ? QColor(QRgb(RadFarg(r))) : QColor(Qt::black);
        for (int k = 0; k < 5; ++k) {
            StringGridMaltid->setCells(k, r, rad.tom() ? QString() : MaltidsCell(rad, k));
            if (QTableWidgetItem* it = StringGridMaltid->item(r - 1, k);
                it && it->foreground().color() != farg)
                it->setForeground(farg);
        }
    }
}

void TForm1::Markorer() {
    {
        const QSignalBlocker sparr(ComboBox1);
        for (int d = 0; d < kDagar; ++d) {
            const QString text =
                (G.R.DagSumma[d][0] > 0.1f ? QStringLiteral("DAG%1") : QStringLiteral("dag%1"))
                    .arg(d + 1);
            if (ComboBox1->itemText(d) != text) ComboBox1->setItemText(d, text);
        }
        ComboBox1->setCurrentIndex(G.AktuellDag);
    }
    QToolButton* maltider[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    for (int m = 0; m < kMaltider; ++m) {
        QFont f = maltider[m]->font();
        const bool fet = G.Berakning[G.AktuellDag][m][1].harLivsmedel();
        if (f.bold() != fet) {
            f.setBold(fet);
            maltider[m]->setFont(f);
        }
    }
}

void TForm1::byggKontroller() {
    klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("klient"));
    setCentralWidget(klient);
    QWidget* p = klient;

    SpeedButton1 = knapp(p, "SpeedButton1", QStringLiteral("Frukost"), 0, 0, 73, 21);
    SpeedButton2 = knapp(p, "SpeedButton2", QStringLiteral("Lunch"), 72, 0, 73, 21);
    SpeedButton3 = knapp(p, "SpeedButton3", QStringLiteral("Middag"), 144, 0, 73, 21);
    SpeedButton4 = knapp(p, "SpeedButton4", QStringLiteral("Mellanmål"), 216, 0, 73, 21);
    SpeedButton1->setChecked(true);

    ComboBox1 = skapa<QComboBox>(p, "ComboBox1", 296, 0, 145, 21);
    for (int d = 1; d <= 7; ++d) ComboBox1->addItem(QStringLiteral("Dag%1").arg(d));

    StringGridMaltid = new Maltidsgrid(p);
    StringGridMaltid->setObjectName(QStringLiteral("StringGridMaltid"));
    StringGridMaltid->setGeometry(0, 24, 441, 225);
    const int bredder[5] = {222, 38, 47, 56, 50};
    for (int k = 0; k < 5; ++k) StringGridMaltid->setColumnWidth(k, bredder[k]);

    Button4 = tryck(p, "Button4", QStringLiteral("Öka"), 0, 256, 65, 21);
    Button5 = tryck(p, "Button5", QStringLiteral("Minska"), 72, 256, 57, 21);
    Button6 = tryck(p, "Button6", QStringLiteral("Ta bort rad"), 136, 256, 89, 21);
    EditPris = skapa<QLineEdit>(p, "EditPris", 288, 256, 153, 21);
    EditPris->setText(QStringLiteral("Pris"));

    ListBoxLivs = skapa<QListView>(p, "ListBoxLivs", 464, 0, 354, 249);
    livsModell = new QStringListModel(this);
    ListBoxLivs->setModel(livsModell);
    ListBoxLivs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBoxLivs->setUniformItemSizes(true);
    ListBoxLivs->setDragEnabled(true);
    ListBoxLivs->setDragDropMode(QAbstractItemView::DragOnly);
    ListBoxLivs->setDefaultDropAction(Qt::CopyAction);
    ListBoxLivsH = skapa<QListView>(p, "ListBoxLivsH", 464, 0, 10, 10);
    livsModellH = new QStringListModel(this);
    ListBoxLivsH->setModel(livsModellH);
    ListBoxLivsH->hide();
    Button3 = tryck(p, "Button3", QStringLiteral("OK"), 720, 224, 66, 21);
    ComboBoxSLVgrupp = skapa<QComboBox>(p, "ComboBoxSLVgrupp", 464, 256, 153, 21);
    ComboBoxSLVgrupp->setEditable(true);
    ComboBoxSLVgrupp->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxSLVgrupp->setMaxVisibleItems(18);
    Button2 = tryck(p, "Button2", QStringLiteral("Sök på namn"), 729, 256, 89, 21);
    Button2->setToolTip(QStringLiteral("Du kan också söka med Ctrl+S"));

    SpeedButton5 = knapp(p, "SpeedButton5", QStringLiteral("Staplar"), 0, 288, 68, 21);
    SpeedButton6 = knapp(p, "SpeedButton6", QStringLiteral("Energicirklar"), 69, 288, 68, 21);
    SpeedButton5->setChecked(true);
    SpeedButton9 = knapp(p, "SpeedButton9", QStringLiteral("Måltid"), 288, 288, 49, 21);
    SpeedButton10 = knapp(p, "SpeedButton10", QStringLiteral("Dag"), 336, 288, 49, 21);
    SpeedButton11 = knapp(p, "SpeedButton11", QStringLiteral("Dagar"), 384, 288, 57, 21);
    SpeedButton9->setChecked(true);
    for (QToolButton* k : {SpeedButton5, SpeedButton6})
        k->setStyleSheet(QStringLiteral("color: navy"));
    for (QToolButton* k : {SpeedButton9, SpeedButton10, SpeedButton11})
        k->setStyleSheet(QStringLiteral("color: green"));
    // The two groups must not exclude each other; auto-exclusive works per parent.
    for (QToolButton* k : {SpeedButton5, SpeedButton6, SpeedButton9, SpeedButton10, SpeedButton11})
        k->setAutoExclusive(false);

    ButtonSalt = tryck(p, "ButtonSalt", QStringLiteral("Salt"), 528, 288, 49, 21);
    Button7 = tryck(p, "Button7", QStringLiteral("Drycker"), 609, 288, 89, 21);
    Button8 = tryck(p, "Button8", QStringLiteral("Diverse"), 729, 288, 89, 21);

    ChartStapel = skapa<Stapeldiagram>(p, "ChartStapel", 0, 312, 576, 229);
    ChartEnergi = new Tartdiagram(QStringLiteral("Energifördelning VERKLIG"), p);
    ChartEnergi->setObjectName(QStringLiteral("ChartEnergi"));
    ChartEnergi->setGeometry(0, 312, 280, 229);
    ChartEnergiRek = new Tartdiagram(QStringLiteral("Energifördelning IDEAL"), p);
    ChartEnergiRek->setObjectName(QStringLiteral("ChartEnergiRek"));
    ChartEnergiRek->setGeometry(287, 312, 282, 229);
    ChartEnergi->hide();
    ChartEnergiRek->hide();
    SpinButton1 = skapa<Sidknapp>(p, "SpinButton1", 587, 496, 15, 41);

    Image1 = skapa<QLabel>(p, "Image1", 609, 312, 212, 196);
    Image1->setPixmap(RitaMatbild());
    const struct {
        Bildruta** ruta;
        const char* namn;
        int x, y, b, h;
        const char* tips;
        const char* grupp;
    } rutor[] = {{&Label1, "Label1", 632, 432, 41, 57, "Mjölk, ost", "Mjölk,ost"},
                 {&Label2, "Label2", 678, 448, 51, 55, "Matfett", "Matfett"},
                 {&Label3, "Label3", 742, 432, 50, 55, "Bröd mm", "Bröd,spannmål"},
                 {&Label4, "Label4", 744, 384, 65, 39, "Potatis, rotfrukter", "Potatis,rotfrukter"},
                 {&Label5, "Label5", 616, 384, 57, 39, "Kött,fisk,ägg", "Kött,fisk,ägg"},
                 {&Label6, "Label6", 704, 332, 52, 55, "Grönsaker", "Grönsaker"},
                 {&Label7, "Label7", 656, 324, 49, 55, "Frukt, bär", "Frukt,bär"}};
    for (const auto& r : rutor) {
        auto* b = new Bildruta(QString::fromUtf8(r.grupp), p);
        b->setObjectName(QString::fromLatin1(r.namn));
        b->setGeometry(r.x, r.y, r.b, r.h);
        b->setToolTip(QString::fromUtf8(r.tips));
        *r.ruta = b;
    }
    Label8 = skapa<QLabel>(p, "Label8", 624, 512, 184, 14);
    Label8->setText(QStringLiteral("Klicka i bilden för att se olika llivsmedel"));
    Label8->setStyleSheet(QStringLiteral("color: red"));
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPixelSize(11);
    Label8->setFont(arial);
    Label8->adjustSize(); // the caption is wider than its design box at this font

    ListBoxVikter = skapa<QListWidget>(p, "ListBoxVikter", 8, 40, 113, 89);
    ListBoxVikter->setStyleSheet(QStringLiteral("background: #87CEEB"));
    ListBoxVikter->hide();
    MemoHogerklick = skapa<QTextEdit>(p, "MemoHogerklick", 8, 64, 225, 25);
    MemoHogerklick->setPlainText(QStringLiteral("Högerklick på livsmedlet visar olika enheter"));
    MemoHogerklick->setStyleSheet(QStringLiteral("color: red"));
    MemoHogerklick->setReadOnly(true);
    MemoHogerklick->hide();
    TimerHogerKlick = new QTimer(this);
    TimerHogerKlick->setObjectName(QStringLiteral("TimerHogerKlick"));
    TimerHogerKlick->setInterval(5000);
}

void TForm1::byggMeny() {
    QMenuBar* mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    auto ny = [this](QMenu* m, const char* namn, const QString& text) {
        QAction* a = m ? m->addAction(text) : menuBar()->addAction(text);
        a->setObjectName(QString::fromLatin1(namn));
        return a;
    };
    MenuArkiv = mb->addMenu(QStringLiteral("Arkiv"));
    MenuArkiv->setObjectName(QStringLiteral("Arkiv1"));
    NyBerakning1 = ny(MenuArkiv, "NyBerakning1", QStringLiteral("Ny beräkning"));
    HamtaBerakning1 = ny(MenuArkiv, "HamtaBerakning1", QStringLiteral("Hämta beräkning"));
    SparaBerakning1 = ny(MenuArkiv, "SparaBerakning1", QStringLiteral("Spara Beräkning"));
    // Hidden from the menu; its shortcut must work from anywhere in the
    // window, which a hidden action only does when the window owns it.
    SokLivsmedelPaNamn1 = new QAction(QStringLiteral("Sök livsmedel på namn"), this);
    SokLivsmedelPaNamn1->setObjectName(QStringLiteral("SokLivsmedelPaNamn1"));
    SokLivsmedelPaNamn1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SokLivsmedelPaNamn1->setShortcutContext(Qt::WindowShortcut);
    addAction(SokLivsmedelPaNamn1);
    MenuArkiv->addSeparator();
    Utskrift1 = ny(MenuArkiv, "Utskrift1", QStringLiteral("Utskrift"));
    MenuArkiv->addSeparator();
    KopieraMaltid1 = ny(MenuArkiv, "KopieraMaltid1", QStringLiteral("Kopiera denna måltid"));
    KlistraInMaltid1 = ny(MenuArkiv, "KlistraInMaltid1", QStringLiteral("Klistra in måltid"));
    MenuArkiv->addSeparator();
    HamtaRecept1 = ny(MenuArkiv, "HamtaRecept1", QStringLiteral("Hämta ett recept"));
    SparaRecept1 = ny(MenuArkiv, "SparaRecept1", QStringLiteral("Spara denna måltid som recept"));
    MenuArkiv->addSeparator();
    Installningar1 = ny(MenuArkiv, "Installningar1", QStringLiteral("Inställningar"));
    RaderaBerakningar1 = ny(MenuArkiv, "RaderaBerakningar1", QStringLiteral("Radera beräkningar"));
    Tipstexter1 = ny(MenuArkiv, "Tipstexter1", QStringLiteral("Tipstexter"));
    QMenu* vem = mb->addMenu(QStringLiteral("Vem är du?"));
    vem->setObjectName(QStringLiteral("Vemardu1"));
    Standardnormer1 = ny(vem, "Standardnormer1", QStringLiteral("Standardnormer"));
    Aktiviteter1 = ny(vem, "Aktiviteter1", QStringLiteral("Aktiviteter"));
    ValjNaringsamnen1 = ny(nullptr, "ValjNaringsamnen1", QStringLiteral("Välj näringsämnen"));
    Naringstoppen1 = ny(nullptr, "Naringstoppen1", QStringLiteral("Näringstoppen"));
    Livsmedelstabell1 = ny(nullptr, "Livsmedelstabell1", QStringLiteral("Livsmedelstabell"));
    MatTips1 = ny(nullptr, "MatTips1", QStringLiteral("MatTips"));
    Copyright1 = ny(nullptr, "Copyright1", QStringLiteral("Copyright"));

    connect(ValjNaringsamnen1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("Tformnvval")); });
    connect(Standardnormer1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormNorm")); });
    connect(Installningar1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormInst")); });
    connect(Aktiviteter1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormAktiv")); });
    connect(Livsmedelstabell1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormTab")); });
    connect(Copyright1, &QAction::triggered, this, [] {
        // The name, its version and the food data's edition with its source.
        Dialoger::Meddelande(
            QStringLiteral("Nutrava %1\n\nKostberäkning med näringsvärden från "
                           "Livsmedelsverket, livsmedelsdatabasen, version %2 "
                           "(licens CC BY 4.0).")
                .arg(QStringLiteral(NUTRAVA_VERSION), LivsmedelsdatabasensVersion()));
    });
    connect(Utskrift1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormUtskriftsval2")); });
    connect(Naringstoppen1, &QAction::triggered, this,
            [] { VisaFonster(QStringLiteral("TFormToppen")); });
    connect(MatTips1, &QAction::triggered, this, [] {
        if (!(G.R.PeriodMedel[0] >= 10.0f)) {
            Dialoger::Meddelande(
                QStringLiteral("När du har fyllt i vad du ätit visas här goda råd om maten."));
            return;
        }
        if (auto* t = qobject_cast<TFormTips*>(Fonster(QStringLiteral("TFormTips")))) t->GodaRad();
        VisaFonster(QStringLiteral("TFormTips"));
    });
    connect(Tipstexter1, &QAction::triggered, this, [] {
        if (FragaLosenord(ReferensLosenord(Losenordsplats::Tipstexter, G.RedigeringsLosenord)))
            VisaFonster(QStringLiteral("TFormInfotext"));
    });
    connect(ButtonSalt, &QPushButton::clicked, this,
            [] { VisaFonster(QStringLiteral("TFormSalt")); });
}

bool TForm1::FormCreate() {
    // 1, 2
    G.VisaHogerklickTips = true;
    G.Uppstart = true;
    G.Alkoholfaktor = 2900;
    G.Dialogkatalog = QStringLiteral(".");
    G.Databaskatalog = QStringLiteral(".");
    // 3
    LasInitdir(QStringLiteral("initdir.txt"), G.Dialogkatalog, G.Databaskatalog);
    // 4, 5: the program cannot go on without its food tables.
    QString fel = DBISAMTableFodbas2005.oppna(G.Databaskatalog, QStringLiteral("fodbas2005"),
                                              /*baraLasa=*/true);
    if (fel.isEmpty()) fel = DBISAMTableLivs.oppna(G.Databaskatalog, QStringLiteral("fodbas100"));
    if (!fel.isEmpty()) {
        Dialoger::Meddelande(fel + QStringLiteral("\nProgrammet avslutas."));
        return false;
    }
    // 6
    if (!LasLivsmedelsindex(DBISAMTableLivs, G.Livsmedelsindex)) {
        Dialoger::Meddelande(
            QStringLiteral("Kan ej läsa livsmedelstabellen %1.\nProgrammet avslutas.")
                .arg(QDir::toNativeSeparators(DBISAMTableLivs.sokvag())));
        return false;
    }
    G.LivsmedelsAntal = static_cast<int>(G.Livsmedelsindex.poster.size());
    ComboBoxSLVgrupp->clear();
    ComboBoxSLVgrupp->addItems(SorteradeGrupper(G.Livsmedelsindex.grupper));
    // 7, 8
    G.AktuellMaltidNamn = QStringLiteral("Frukost");
    for (float& v : G.AktuellNorm) v = 100.0f;
    // 9
    QByteArray namn;
    if (!LasHelaFilen(QStringLiteral("nvnamn.txt"), namn)) {
        Dialoger::Meddelande(QStringLiteral("Kan ej öppna filen nvnamn.txt i katalogen %1.\n"
                                            "Programmet avslutas.")
                                 .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return false;
    }
    const NvKatalogResultat nv = TolkaNvKatalog(namn, G.NvKatalog);
    if (nv.status == NvKatalogResultat::Status::FelIndex) {
        Dialoger::Meddelande(QStringLiteral("Fel i namnfilen nvnamn.txt"));
        return false;
    }
    if (nv.status == NvKatalogResultat::Status::FelDecimaler) {
        // The entries read before the fault stay; the program goes on.
        Dialoger::Meddelande(QStringLiteral("'%1' är inte ett giltigt heltal (nvnamn.txt rad %2).")
                                 .arg(nv.felText)
                                 .arg(nv.rad));
    }
    // 10
    const char* rubriker[5] = {"Livsmedel", "Antal", "Enhet", "Gram", "kr/kg"};
    for (int k = 0; k < 5; ++k) StringGridMaltid->setCells(k, 0, QString::fromLatin1(rubriker[k]));
    // 11
    NyBerakning();
    // 12, 13
    G.AktuellNiva = 0;
    G.NormTyp = QStringLiteral("standardnorm");
    G.VisaHogerklickTips = true;
    // 14
    QByteArray losen;
    if (LasHelaFilen(QStringLiteral("losenord.txt"), losen))
        G.RedigeringsLosenord = TolkaLosenord(losen);
    // The main window's displays join the recomputation now that it exists.
    OmraknaVisningar().VisaMaltid = [this] { VisaMaltid(); };
    OmraknaVisningar().Markorer = [this] { Markorer(); };
    OmraknaVisningar().DiagramRubrik = [this] { DiagramRubrik(); };
    OmraknaVisningar().RitaDiagram = [this] { RitaDiagram(); };
    return true;
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (G.Andrad) {
        const auto svar = Dialoger::Fraga(QStringLiteral("Vill du spara pågående beräkning?"),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (svar == QMessageBox::Cancel) {
            e->ignore();
            return;
        }
        if (svar == QMessageBox::Yes) SparaBerakning();
    }
    DBISAMTableLivs.stang();
    e->accept();
}
