#include "food/tformnvval.h"

#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "food/nvkatalog.h"
#include "results/omrakna.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

std::function<void()>& Tformnvval::AnpassaSidor() {
    static std::function<void()> f;
    return f;
}

Tformnvval::Tformnvval(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Tformnvval"));
    setWindowTitle(QStringLiteral("Val av näringämnen"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint |
                   Qt::CustomizeWindowHint);
    Label1 = new QLabel(QStringLiteral("Markera de näringsämnen du vill räkna med"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 8, 400, 20);
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    const auto& rutor = NvRutor();
    constexpr int perKolumn = 17;
    for (std::size_t i = 0; i < rutor.size(); ++i) {
        const NvRuta& r = rutor[i];
        auto* cb = new QCheckBox(QString::fromUtf8(r.rubrik), this);
        cb->setObjectName(r.slot == 20 ? QStringLiteral("Cbox20")
                                       : QStringLiteral("cbox%1").arg(r.slot));
        const int kol = static_cast<int>(i) / perKolumn;
        const int rad = static_cast<int>(i) % perKolumn;
        cb->setGeometry(16 + kol * 190, 36 + rad * 22, 185, 20);
        m_rutor[static_cast<std::size_t>(r.slot)] = cb;
    }
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(250, 36 + perKolumn * 22 + 10, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &Tformnvval::SparaNvVal);
    setFixedSize(590, 36 + perKolumn * 22 + 50);
    RegistreraFonster(this);
}

Tformnvval::~Tformnvval() {
    AvregistreraFonster(this);
}

QCheckBox* Tformnvval::ruta(int slot) const {
    if (slot < 0 || slot >= kKatalogStorlek) return nullptr;
    return m_rutor[static_cast<std::size_t>(slot)];
}

void Tformnvval::FormCreate() {
    LasNvVal();
}

void Tformnvval::LasNvVal() {
    G.NvVal = {};
    QByteArray innehall;
    if (!LasHelaFilen(QStringLiteral("nvval.txt"), innehall)) {
        Dialoger::Meddelande(QStringLiteral("Kan ej öppna filen nvval.txt."));
    } else {
        const NvValResultat r = TolkaNvVal(innehall, G.NvVal);
        if (!r.ok) {
            Dialoger::Meddelande(QStringLiteral("Ogiltigt tal '%1' på rad %2 i nvval.txt.")
                                     .arg(r.felText)
                                     .arg(r.rad));
        }
    }
    for (int s = 0; s < kKatalogStorlek; ++s) {
        if (QCheckBox* cb = ruta(s)) cb->setChecked(G.NvVal[static_cast<std::size_t>(s)]);
    }
    G.NvValAntal = RaknaNvVal(G.NvVal);
}

void Tformnvval::SparaNvVal() {
    NvValTabell val{};
    for (int s = 0; s < kKatalogStorlek; ++s) {
        if (QCheckBox* cb = ruta(s)) val[static_cast<std::size_t>(s)] = cb->isChecked();
    }
    // A failed write keeps the old file; the selection still holds in memory.
    SkrivFilSakert(QStringLiteral("nvval.txt"), SkrivNvVal(val, false));
    G.NvVal = val;
    G.NvValAntal = RaknaNvVal(G.NvVal);
    hide();
    if (AnpassaSidor()) AnpassaSidor()();
    Omrakna();
}
