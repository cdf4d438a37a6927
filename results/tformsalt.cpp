#include "results/tformsalt.h"

#include "app/fonster.h"
#include "app/tillstand.h"
#include "results/diagram.h"
#include "results/omrakna.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {
constexpr int kSkalaX = 60;  // the bar's left end
constexpr int kPerGram = 25; // pixels per gram
constexpr int kSkalaSlut = kSkalaX + 500;

QLineEdit* ruta(QWidget* p, const char* namn, const QString& text, const char* farg, double fran,
                double till, int y) {
    auto* e = new QLineEdit(text, p);
    e->setObjectName(QString::fromLatin1(namn));
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setStyleSheet(QStringLiteral("background: %1; border: none").arg(QLatin1String(farg)));
    const int x0 = kSkalaX + static_cast<int>(fran * kPerGram);
    const int x1 = till < 0 ? kSkalaSlut : kSkalaX + static_cast<int>(till * kPerGram);
    e->setGeometry(x0, y, x1 - x0, 20);
    e->setCursorPosition(0);
    return e;
}
} // namespace

TFormSalt::TFormSalt(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TFormSalt"));
    setWindowTitle(QStringLiteral("Salt (NaCl) i förhållande till behovet"));
    setFixedSize(600, 220);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setStyleSheet(QStringLiteral("color: blue"));
    Memo1->setPlainText(
        QStringLiteral("Kvinnor bör äta högst 6 gram salt per dag och män högst 7 "
                       "gram.\nEn ytterligare sänkning till 5-6 gram salt per dag är "
                       "önskvärd."));
    Memo1->setGeometry(8, 8, 584, 52);
    auto etikett = [this](const char* namn, const char* text, int y) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setObjectName(QString::fromLatin1(namn));
        l->setStyleSheet(QStringLiteral("color: blue"));
        l->setGeometry(8, y, 50, 20);
        return l;
    };
    Label1 = etikett("Label1", "Kvinna", 80);
    Label3 = etikett("Label3", "Du", 120);
    Label2 = etikett("Label2", "Man", 160);
    ruta(this, "EditKvinnaLite", QStringLiteral("     < 4 g  För lite"), "red", 0, 4, 80);
    ruta(this, "EditKvinnaBra", QStringLiteral("  5 - 6 g"), "lime", 4, 6, 80);
    ruta(this, "EditKvinnaGrans", QStringLiteral("  7 g"), "yellow", 6, 7, 80);
    ruta(this, "EditKvinnaMycket", QStringLiteral("                     > 7 gram   För mycket"),
         "red", 7, -1, 80);
    ruta(this, "EditManLite", QStringLiteral("        < 4 g För lite"), "red", 0, 4, 160);
    ruta(this, "EditManBra", QStringLiteral("       5 - 7 g"), "lime", 4, 7, 160);
    ruta(this, "EditManGrans", QStringLiteral("  8 g"), "yellow", 7, 8, 160);
    ruta(this, "EditManMycket", QStringLiteral("              > 8 gram   För mycket"), "red", 8, -1,
         160);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 20);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(kSkalaX, 120, 500, 20);
    RegistreraFonster(this);
    OmraknaVisningar().Salt = [this] { Uppdatera(); };
}

TFormSalt::~TFormSalt() {
    OmraknaVisningar().Salt = nullptr;
    AvregistreraFonster(this);
}

void TFormSalt::Uppdatera() {
    const Saltvisning s = BeraknaSalt(G);
    // The bar's range limits what it shows.
    ProgressBar1->setValue(s.stapel < 0 ? 0 : (s.stapel > 20 ? 20 : s.stapel));
    Memo1->setPlainText(
        QStringLiteral("Kvinnor bör minska intaget av salt till 6 gram per dag, män "
                       "till 7 gram.\n") +
        s.rad);
}
