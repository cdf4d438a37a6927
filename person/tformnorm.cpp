#include "person/tformnorm.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/losenord.h"
#include "food/schema.h"
#include "person/norm.h"
#include "results/omrakna.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>

namespace {
QPlainTextEdit* memo(QWidget* p, const char* namn, const QStringList& rader, const char* farg) {
    auto* m = new QPlainTextEdit(p);
    m->setObjectName(QString::fromLatin1(namn));
    m->setReadOnly(true);
    m->setPlainText(rader.join(u'\n'));
    m->setStyleSheet(QStringLiteral("color: %1").arg(QString::fromLatin1(farg)));
    return m;
}
} // namespace

TFormNorm::TFormNorm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormNorm"));
    setWindowTitle(QStringLiteral("Dagsbehovet av energi och näringsämnen"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(760, 480);
    Memo1 = memo(this, "Memo1",
                 {QStringLiteral("Klicka på den grupp du tillhör."),
                  QStringLiteral("Aktiv innebär sport eller anna fysisk aktivitet 4-5 gånger per "
                                 "vecka omfattande minst 30 minuter.")},
                 "blue");
    DBISAMDBGridNorm = new QTableView(this);
    DBISAMDBGridNorm->setObjectName(QStringLiteral("DBISAMDBGridNorm"));
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGridNorm->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBISAMDBGridNorm->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGridNorm->verticalHeader()->setDefaultSectionSize(18);
    Button1 = new QPushButton(QStringLiteral("Klicka här för att ändra i normtabellen."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Memo2 = memo(this, "Memo2",
                 {QStringLiteral("Ändringar sparas när man lämnar raden, så när du gjort ändringar "
                                 "eller tillägg ska"),
                  QStringLiteral("du klicka på en annan rad, t.ex. raden ovan den där du ändrat.")},
                 "red");
    Memo2->hide();
    connect(Button1, &QPushButton::clicked, this, &TFormNorm::Button1Click);
    connect(DBISAMDBGridNorm, &QTableView::clicked, this, &TFormNorm::DBISAMDBGridNormCellClick);
    RegistreraFonster(this);
}

TFormNorm::~TFormNorm() {
    AvregistreraFonster(this);
    DBISAMDBGridNorm->setModel(nullptr);
    delete modell;
    modell = nullptr;
}

void TFormNorm::resizeEvent(QResizeEvent*) {
    const int b = width(), h = height();
    Memo1->setGeometry(8, 8, b - 16, 48);
    DBISAMDBGridNorm->setGeometry(8, 60, b - 16, h - 60 - (Memo2->isVisible() ? 92 : 44));
    Button1->setGeometry(8, h - 36, 320, 28);
    Memo2->setGeometry(8, h - 84, b - 16, 48);
}

void TFormNorm::FormCreate() {
    for (float& v : G.AktuellNorm) v = 0.0f;
    const QString fel = DBISAMTableNorm.oppna(QStringLiteral("."), QStringLiteral("normer"));
    if (!fel.isEmpty()) {
        // The program can still be used; every percentage is then 0.
        Dialoger::Meddelande(fel + QStringLiteral("\nProgrammet räknar utan dagsbehov."));
        G.AktuellNormText = QStringLiteral("Norm: ingen normtabell (normer.db saknas)");
        if (TForm1* f = Form1()) f->setWindowTitle(G.AktuellNormText);
        return;
    }
    modell = new QSqlTableModel(this, DBISAMTableNorm.db());
    modell->setTable(QStringLiteral("normer"));
    modell->setEditStrategy(QSqlTableModel::OnRowChange);
    modell->setSort(0, Qt::AscendingOrder);
    modell->select();
    while (modell->canFetchMore()) modell->fetchMore();
    DBISAMDBGridNorm->setModel(modell);

    // Column order and titles: Nr, Norm, the energies and the three main
    // nutrients first, then fields 22..65 under their names, water last.
    QHeaderView* hv = DBISAMDBGridNorm->horizontalHeader();
    const struct {
        int falt; // 1-based field
        const char* rubrik;
    } forst[] = {{15, "kJ"}, {16, "kcal"}, {19, "Prot g"}, {20, "Fett g"}, {21, "Kolh g"}};
    for (const auto& c : forst)
        modell->setHeaderData(c.falt - 1, Qt::Horizontal, QString::fromLatin1(c.rubrik));
    int plats = 2;
    for (const auto& c : forst) hv->moveSection(hv->visualIndex(c.falt - 1), plats++);
    for (int falt = 22; falt <= 65; ++falt) hv->moveSection(hv->visualIndex(falt - 1), plats++);
    hv->moveSection(hv->visualIndex(16), plats++); // "Vatten _g_"
    for (int falt = 3; falt <= 14; ++falt) DBISAMDBGridNorm->setColumnHidden(falt - 1, true);
    DBISAMDBGridNorm->setColumnHidden(17, true); // "Aska _g_"
    DBISAMDBGridNorm->setColumnWidth(1, 120 * 2);
    DBISAMDBGridNorm->setColumnWidth(14, 70);

    // The start requirement: row 12, else the first row, else nothing.
    int rad = -1;
    for (int r = 0; r < modell->rowCount(); ++r)
        if (modell->record(r).value(0).toInt() == 12) rad = r;
    if (rad < 0 && modell->rowCount() > 0) rad = 0;
    QString namn;
    if (rad >= 0) {
        const QSqlRecord post = modell->record(rad);
        LasNormRad(post, G.AktuellNorm);
        namn = post.value(1).toString();
        DBISAMDBGridNorm->selectRow(rad);
    }
    G.AktuellNormText = NormTextStart(namn);
    if (TForm1* f = Form1()) f->setWindowTitle(G.AktuellNormText);
}

void TFormNorm::DBISAMDBGridNormCellClick(const QModelIndex& index) {
    if (!modell || !index.isValid()) return;
    // Leaving a row stores its pending edit.
    if (modell->isDirty()) modell->submit();
    const int rad = index.row();
    if (rad < 0 || rad >= modell->rowCount()) return;
    const QSqlRecord post = modell->record(rad);
    LasNormRad(post, G.AktuellNorm);
    G.AktuellNormText = NormTextRad(post.value(1).toString(), G.AktuellNorm[0], G.AktuellNorm[1]);
    if (TForm1* f = Form1()) f->setWindowTitle(G.AktuellNormText);
    G.NormTyp = QStringLiteral("standardnorm");
    Omrakna();
}

void TFormNorm::Button1Click() {
    if (!FragaLosenord(ReferensLosenord(Losenordsplats::Normtabell, G.RedigeringsLosenord))) return;
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    Memo2->show();
    Button1->hide();
    resizeEvent(nullptr);
    DBISAMDBGridNorm->installEventFilter(this);
}

bool TFormNorm::eventFilter(QObject* o, QEvent* e) {
    // The grid's ordinary insert at the end: Insert, or the down arrow on the
    // last row, appends an empty row.
    if (o == DBISAMDBGridNorm && e->type() == QEvent::KeyPress && modell) {
        const int tangent = static_cast<QKeyEvent*>(e)->key();
        const bool sista = DBISAMDBGridNorm->currentIndex().row() == modell->rowCount() - 1;
        if (tangent == Qt::Key_Insert || (tangent == Qt::Key_Down && sista)) {
            if (modell->isDirty()) modell->submit();
            const int rad = modell->rowCount();
            modell->insertRow(rad);
            DBISAMDBGridNorm->setCurrentIndex(modell->index(rad, 0));
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
