#include "analysis/tformanalys.h"

#include "analysis/tips.h"
#include "analysis/topplista.h"
#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "reports/textutskrift.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel* etikett(QWidget* p, const char* namn, const QString& text, int x, int y, int b) {
    auto* l = new QLabel(text, p);
    l->setObjectName(QString::fromLatin1(namn));
    l->setGeometry(x, y, b, 18);
    return l;
}
} // namespace

TFormToppen::TFormToppen(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormToppen"));
    setWindowTitle(QStringLiteral("Topplistan"));
    setFixedSize(720, 480);
    Label3 = etikett(this, "Label3",
                     QStringLiteral("Klicka på det näringsämne du vill kontrollera"), 8, 6, 600);
    Label1 = etikett(this, "Label1", QStringLiteral("Näringsämne"), 8, 34, 160);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 54, 160, 412);
    RadioGroup1 = new QGroupBox(QStringLiteral("Visning"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(180, 28, 300, 44);
    auto* l = new QHBoxLayout(RadioGroup1);
    l->setContentsMargins(6, 2, 6, 2);
    visning = new QButtonGroup(RadioGroup1);
    const char* val[2] = {"Per porttion", "Per 100 gram"};
    for (int i = 0; i < 2; ++i) {
        auto* rb = new QRadioButton(QString::fromUtf8(val[i]), RadioGroup1);
        rb->setObjectName(QStringLiteral("RadioGroup1%1").arg(i));
        visning->addButton(rb, i);
        l->addWidget(rb);
    }
    visning->button(0)->setChecked(true);
    Label2 = etikett(this, "Label2", QStringLiteral("Mängd per portion"), 180, 78, 300);
    ListBoxSynlig = new QListWidget(this);
    ListBoxSynlig->setObjectName(QStringLiteral("ListBoxSynlig"));
    ListBoxSynlig->setFont(FastBreddFont(12));
    ListBoxSynlig->setGeometry(180, 98, 532, 368);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFormToppen::Uppdatera);
    connect(visning, &QButtonGroup::idClicked, this, &TFormToppen::Uppdatera);
    RegistreraFonster(this);
}

TFormToppen::~TFormToppen() {
    AvregistreraFonster(this);
}

void TFormToppen::FormCreate() {
    for (int i = 0; i < 49; ++i)
        ListBox1->addItem(G.NvKatalog[static_cast<std::size_t>(ToppSlot(i))].nvEtikett);
}

void TFormToppen::Uppdatera() {
    const int i = ListBox1->currentRow();
    if (i < 0 || !ListBox1->currentItem()->isSelected()) return;
    const bool per100 = visning->checkedId() == 1;
    Label2->setText(per100 ? QStringLiteral("Mängd per 100 gram")
                           : QStringLiteral("Mängd per portion"));
    ListBoxSynlig->clear();
    const int slot = ToppSlot(i);
    if (TForm1* f = Form1())
        ListBoxSynlig->addItems(Topplista(f->DBISAMTableLivs, slot, per100,
                                          G.NvKatalog[static_cast<std::size_t>(slot)]));
}

TFormTips::TFormTips(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormTips"));
    setWindowTitle(QStringLiteral("Goda råd"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    resize(640, 520);
    MemoKommentar = new QPlainTextEdit(this);
    MemoKommentar->setObjectName(QStringLiteral("MemoKommentar"));
    MemoKommentar->setStyleSheet(QStringLiteral("background: #FFFFE0"));
    MemoKommentar->setGeometry(0, 0, 640, 480);
    Button1 = new QPushButton(QStringLiteral("Till skrivare"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 486, 120, 27);
    connect(Button1, &QPushButton::clicked, this, &TFormTips::SkrivUtTips);
    RegistreraFonster(this);
}

TFormTips::~TFormTips() {
    AvregistreraFonster(this);
}

void TFormTips::GodaRad() {
    QStringList tips;
    if (auto* e = qobject_cast<TFormInfotext*>(Fonster(QStringLiteral("TFormInfotext"))))
        tips = e->property("TipsTexter").toStringList();
    MemoKommentar->setPlainText(::GodaRad(G, tips).join(u'\n'));
}

void TFormTips::SkrivUtTips() {
    SkrivUtText(MemoKommentar->toPlainText().split(u'\n'), this);
}

TFormInfotext::TFormInfotext(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormInfotext"));
    setWindowTitle(QStringLiteral("Klicka på SPARA INFOTEXTER när du ändrat texterna!"));
    setFixedSize(820, 520);
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 8, 330, 470);
    auto* g = new QGridLayout(RadioGroup1);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(0);
    rubriker = new QButtonGroup(RadioGroup1);
    for (int k = 0; k < 32; ++k) {
        auto* rb = new QRadioButton(QString::fromUtf8(kTipsRubriker[k]), RadioGroup1);
        rb->setObjectName(QStringLiteral("RadioGroup1%1").arg(k));
        rubriker->addButton(rb, k);
        g->addWidget(rb, k % 16, k / 16);
        Memo[static_cast<std::size_t>(k)] = new QPlainTextEdit(this);
        Memo[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("Memo%1").arg(k + 1));
        Memo[static_cast<std::size_t>(k)]->setGeometry(346, 8, 466, 470);
        Memo[static_cast<std::size_t>(k)]->hide();
    }
    Button1 = new QPushButton(QStringLiteral("Spara infotexter"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 486, 160, 27);
    connect(rubriker, &QButtonGroup::idClicked, this, &TFormInfotext::valj);
    connect(Button1, &QPushButton::clicked, this, &TFormInfotext::SparaTipstexter);
    rubriker->button(0)->setChecked(true);
    valj(0);
    RegistreraFonster(this);
}

TFormInfotext::~TFormInfotext() {
    AvregistreraFonster(this);
}

void TFormInfotext::valj(int k) {
    for (int i = 0; i < 32; ++i) Memo[static_cast<std::size_t>(i)]->setVisible(i == k);
}

void TFormInfotext::LasTipstexter() {
    QByteArray innehall;
    QStringList tips;
    if (!LasHelaFilen(QStringLiteral("info.txt"), innehall))
        Dialoger::Meddelande(
            QStringLiteral("Kan ej öppna filen info.txt. Råden visar bara de uppmätta värdena."));
    else
        tips = TolkaTipsTexter(innehall);
    setProperty("TipsTexter", tips);
    for (int k = 1; k <= 32; ++k)
        Memo[static_cast<std::size_t>(k - 1)]->setPlainText(TipsText(tips, k).join(u'\n'));
}

void TFormInfotext::SparaTipstexter() {
    std::array<QStringList, 32> memon;
    for (int k = 0; k < 32; ++k)
        memon[static_cast<std::size_t>(k)] =
            Memo[static_cast<std::size_t>(k)]->toPlainText().split(u'\n');
    const QStringList tips = TipsFranMemon(memon);
    setProperty("TipsTexter", tips); // used by the advice whether or not the file was written
    if (!SkrivFilSakert(QStringLiteral("info.txt"), SkrivTipsTexter(tips)))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara tips-texterna"));
}
