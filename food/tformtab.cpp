#include "food/tformtab.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/text.h"
#include "app/tillstand.h"
#include "food/losenord.h"
#include "food/schema.h"
#include "reports/rapportlayout.h"
#include "reports/rapportutdata.h"

#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>

namespace {

// The fields in the order the window shows them, with label, width in
// characters and whether the "0.##" format applies.
struct Kolumn {
    const char* falt;
    const char* etikett;
    int bredd;
    bool format;
};
const Kolumn kKolumner[] = {
    {"Kod", nullptr, 10, false},
    {"Livsmedel", nullptr, 48, false},
    {"Portionsstorlek", "Portstorlek", 10, false},
    {"Enhet", nullptr, 7, false},
    {"Grupp2", "Bildgrupp", 13, false},
    {"Grupp1", "Utökad grupp", 29, false},
    {"kgpris", nullptr, 7, false},
    {"Energi _kJ_ _kJ_", "kJ", 10, true},
    {"Energi _kcal_ _kcal_", "kcal", 10, true},
    {"Protein _g_", "Prot g", 10, true},
    {"Fett _g_", "Fett g", 10, true},
    {"Kolhydrater _g_", "Kolh g", 10, true},
    {"Fibrer _g_", "Fibrer g", 10, true},
    {"Askorbinsyra _mg_", "C vit mg", 10, true},
    {"Järn _mg_", "Järn mg", 10, true},
    {"Kalcium _mg_", "Kalcium  mg", 12, true},
    {"Retinol _mcg_", "Retinol  ug", 10, true},
    {"Karoten _mcg_", "Karoten ug", 12, true},
    {"Retinolekv _mcg_", "Retinolekv  ug", 14, true},
    {"D vitamin _mcg_", "D vit", 10, true},
    {"a-Tokoferol _mg_", "a-Tokoferol  mg", 15, true},
    {"Tiamin _mg_", "Tiamin  mg", 12, true},
    {"Riboflavin _mg_", "Riboflavin  mg", 14, true},
    {"Niacin _mg_", "Niacin  mg", 12, true},
    {"Niacinekv _mg_", "Niacinekv  mg", 14, true},
    {"Vitamin B6 _mg_", "B6 mg", 12, true},
    {"Vitamin B12 _mcg_", "B12 ug", 12, true},
    {"Fosfor _mg_", "Fosfor  mg", 12, true},
    {"Magnesium _mg_", "Magnesium mg", 14, true},
    {"Natrium _mg_", "Natrium mg", 12, true},
    {"Kalium _mg_", "Kalium mg", 12, true},
    {"Zink _mg_", "Zink mg", 12, true},
    {"Mättade fettsyror _g_", "Mättat fett g", 12, true},
    {"Enkelomättade fettsyror _", "Enkelomättat fett g", 18, true},
    {"Fleromättade fettsyror _g", "Fleromättat fett g", 16, true},
    {"Kolesterol _mg_", "Kolesterol mg", 13, true},
    {"Monosackarider _g_", "Monosackarider g", 17, true},
    {"Disackarider _g_", "Disackarider g", 14, true},
    {"Sackaros _g_", "Sackaros g", 12, true},
    {"Alkohol _g_", "Alkohol g", 12, true},
    {"Fettsyra C4-C10 _g_", nullptr, 19, true},
    {"Fettsyra C12:0 _g_", nullptr, 18, true},
    {"Fettsyra C14:0 _g_", nullptr, 18, true},
    {"Fettsyra C16:0 _g_", nullptr, 18, true},
    {"Fettsyra C18:0 _g_", nullptr, 18, true},
    {"Fettsyra C20:0 _g_", nullptr, 18, true},
    {"Fettsyra C16:1 _g_", nullptr, 18, true},
    {"Fettsyra C18:1 _g_", nullptr, 18, true},
    {"Fettsyra C18:2 _g_", nullptr, 18, true},
    {"Fettsyra C18:3 _g_", nullptr, 18, true},
    {"Fettsyra C20:4 _g_", nullptr, 18, true},
    {"Fettsyra C20:5 _g_", nullptr, 18, true},
    {"Fettsyra C22:5 _g_", nullptr, 18, true},
    {"Fettsyra C22:6 _g_", nullptr, 18, true},
    {"Folat _mcg_", "Folat ug", 12, false},
    {"Selen _mcg_", "Selen ug", 12, true},
    {"Vatten _g_", nullptr, 12, true},
    {"port1", nullptr, 12, false},
    {"enhet1", nullptr, 19, false},
    {"port2", nullptr, 12, false},
    {"enhet2", nullptr, 19, false},
    {"port3", nullptr, 12, false},
    {"enhet3", nullptr, 19, false},
    {"port4", nullptr, 12, false},
    {"enhet4", nullptr, 19, false},
};

// "0.##": at most two decimals, none when they are zero.
class FormatDelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& v, const QLocale& loc) const override {
        if (v.isNull()) return {};
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok) return v.toString();
        QString s = QLocale(loc).toString(d, 'f', 2);
        const QChar komma = loc.decimalPoint().at(0);
        if (s.contains(komma)) {
            while (s.endsWith(u'0')) s.chop(1);
            if (s.endsWith(komma)) s.chop(1);
        }
        return s;
    }
};

// The view in name order follows the Swedish collation of the name index.
class Livsmedelsmodell : public QSqlTableModel {
public:
    using QSqlTableModel::QSqlTableModel;
    bool alfabetisk = false;

protected:
    QString orderByClause() const override {
        return alfabetisk ? QStringLiteral("ORDER BY \"Livsmedel\" COLLATE SVENSKA")
                          : QStringLiteral("ORDER BY \"Kod\"");
    }
};

} // namespace

TFormTab::TFormTab(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormTab"));
    setWindowTitle(QStringLiteral("Näring per 100 gram"));
    resize(900, 560);
    DBISAMDBGrid1 = new QTableView(this);
    DBISAMDBGrid1->setObjectName(QStringLiteral("DBISAMDBGrid1"));
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBISAMDBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBISAMDBGrid1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("Ändra i livsmedelstabellen."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Nummerordning"));
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("Alfabetisk ordning"));
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) {
        b->setCheckable(true);
        b->setAutoExclusive(false);
    }
    Button2 = new QPushButton(QStringLiteral("Skriv prislista"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Notis = new QLabel(
        QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan för att ändringen\n"
                       "ska sparas. På slutet finns reservplatser för att lägga in nya livsmedel.\n"
                       "OBS! Ändringarna träder i kraft när nu startat om Nutrava-programmet."),
        this);
    Notis->setObjectName(QStringLiteral("Notis"));
    Notis->setStyleSheet(QStringLiteral("color: red"));
    Notis->hide();
    connect(Button1, &QPushButton::clicked, this, &TFormTab::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFormTab::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFormTab::SpeedButton2Click);
    connect(Button2, &QPushButton::clicked, this, &TFormTab::Button2Click);
    RegistreraFonster(this);
}

TFormTab::~TFormTab() {
    AvregistreraFonster(this);
    DBISAMDBGrid1->setModel(nullptr);
    delete modell;
    modell = nullptr;
}

void TFormTab::resizeEvent(QResizeEvent*) {
    const int b = width(), h = height();
    DBISAMDBGrid1->setGeometry(0, 0, b, h - 70);
    Button1->setGeometry(8, h - 64, 200, 25);
    SpeedButton1->setGeometry(216, h - 64, 120, 25);
    SpeedButton2->setGeometry(340, h - 64, 130, 25);
    Button2->setGeometry(478, h - 64, 120, 25);
    Notis->setGeometry(8, h - 36, b - 16, 36);
}

void TFormTab::FormCreate() {
    if (!tabell.oppna(G.Databaskatalog, QStringLiteral("fodbas100")).isEmpty()) return;
    auto* m = new Livsmedelsmodell(this, tabell.db());
    modell = m;
    m->setTable(QStringLiteral("fodbas100"));
    m->setEditStrategy(QSqlTableModel::OnRowChange);
    m->select();
    while (m->canFetchMore()) m->fetchMore();
    DBISAMDBGrid1->setModel(m);
    auto* delegat = new FormatDelegat(DBISAMDBGrid1);
    QHeaderView* hv = DBISAMDBGrid1->horizontalHeader();
    const QFontMetrics fm(DBISAMDBGrid1->font());
    const int tecken = fm.horizontalAdvance(u'0');
    for (int k = 0; k < m->columnCount(); ++k) DBISAMDBGrid1->setColumnHidden(k, true);
    int plats = 0;
    for (const Kolumn& c : kKolumner) {
        const int i = m->record().indexOf(QString::fromUtf8(c.falt));
        if (i < 0) continue;
        DBISAMDBGrid1->setColumnHidden(i, false);
        if (c.etikett) m->setHeaderData(i, Qt::Horizontal, QString::fromUtf8(c.etikett));
        hv->moveSection(hv->visualIndex(i), plats++);
        DBISAMDBGrid1->setColumnWidth(i, c.bredd * tecken + 6);
        if (c.format) DBISAMDBGrid1->setItemDelegateForColumn(i, delegat);
    }
}

bool TFormTab::eventFilter(QObject* o, QEvent* e) {
    if (o == DBISAMDBGrid1 && e->type() == QEvent::KeyPress && !redigerbar) {
        Dialoger::Meddelande(QStringLiteral("För kunna skriva i tabellen måste du först klicka på "
                                            "knappen Ändra i livsmedelstabellen."));
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void TFormTab::Button1Click() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::Livsmedelstabell, G.RedigeringsLosenord)))
        return;
    redigerbar = true;
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    Notis->show();
    Dialoger::Meddelande(
        QStringLiteral("Obs! Nu är det du som har ansvaret, ändringar går inte att ångra."));
}

void TFormTab::SpeedButton1Click() {
    SpeedButton1->setChecked(true);
    SpeedButton2->setChecked(false);
    if (auto* m = static_cast<Livsmedelsmodell*>(modell)) {
        m->submit();
        m->alfabetisk = false;
        m->select();
        while (m->canFetchMore()) m->fetchMore();
        DBISAMDBGrid1->scrollToTop();
    }
}

void TFormTab::SpeedButton2Click() {
    SpeedButton2->setChecked(true);
    SpeedButton1->setChecked(false);
    if (auto* m = static_cast<Livsmedelsmodell*>(modell)) {
        m->submit();
        m->alfabetisk = true;
        m->select();
        while (m->canFetchMore()) m->fetchMore();
        DBISAMDBGrid1->scrollToTop();
    }
}

void TFormTab::Button2Click() {
    if (!modell) return;
    QStringList namn, priser;
    const int iNamn = modell->record().indexOf(QStringLiteral("Livsmedel"));
    const int iPris = modell->record().indexOf(QStringLiteral("kgpris"));
    for (int r = 0; r < modell->rowCount(); ++r) {
        namn << modell->data(modell->index(r, iNamn)).toString();
        priser << modell->data(modell->index(r, iPris)).toString();
    }
    const Rapportlayout L = LaggUtPrislista(
        namn, priser, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    setProperty("prislistaSidor", static_cast<int>(L.sidor.size()));
    if (Dialoger::test().aktiv) {
        Dialoger::test().visade << QStringLiteral("[prislista]");
        return;
    }
    Rapportforhandsvisning f(L, this);
    f.exec();
}

Rapportlayout LaggUtPrislista(const QStringList& namn, const QStringList& priser,
                              const QString& datum) {
    Rapportlayout L;
    const double titelband = 13.229, rad = 5.821, kolumn = 98.65;
    const double nedre = Rapportlayout::kHojd - 6.35;
    const Layoutfont rubrik{QStringLiteral("Arial"), 14, true};
    const Layoutfont vanlig{QStringLiteral("Arial"), 10, false};
    L.grupper.push_back({QStringLiteral("Pris per kg"), 0, static_cast<int>(namn.size())});
    int k = 0;
    double y = 0;
    auto nySida = [&] {
        L.sidor.push_back({0, {}});
        Layoutsida& s = L.sidor.back();
        Layoutdel t;
        t.x = 6.35 + 5.556;
        t.y = 6.35;
        t.text = QStringLiteral("Pris per kg");
        t.font = rubrik;
        s.delar.push_back(t);
        t.x = 6.35 + 56.886;
        t.text = datum;
        s.delar.push_back(t);
        y = 6.35 + titelband;
        k = 0;
    };
    nySida();
    for (qsizetype i = 0; i < namn.size(); ++i) {
        if (y + rad > nedre) {
            if (k == 0) {
                k = 1;
                y = 6.35 + titelband;
            } else {
                nySida();
            }
        }
        const double x0 = 6.35 + k * kolumn;
        Layoutdel n;
        n.x = x0 + 4.763;
        n.y = y;
        n.text = namn[i].left(40);
        n.font = vanlig;
        L.sidor.back().delar.push_back(n);
        Layoutdel p = n;
        p.x = x0 + 75.142;
        p.b = 17.198;
        p.hogerjusterad = true;
        p.text = QLocale(QLocale::C).toString(static_cast<double>(TextTillTal(priser[i])), 'f', 2);
        L.sidor.back().delar.push_back(p);
        L.rader.emplace_back(namn[i], static_cast<int>(L.sidor.size()) - 1);
        y += rad;
    }
    return L;
}
