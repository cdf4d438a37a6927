#include "reports/tformut.h"

#include "app/fonster.h"
#include "reports/textutskrift.h"

#include <QPlainTextEdit>
#include <QPushButton>

TFormUt::TFormUt(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFormUt"));
    setWindowTitle(QStringLiteral("Så här kommer utskriften att se ut."));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(640, 463);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(FastBreddFont(13));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setGeometry(0, 0, 640, 420);
    UtskriftButton = new QPushButton(QStringLiteral("Till skrivare"), this);
    UtskriftButton->setObjectName(QStringLiteral("UtskriftButton"));
    UtskriftButton->setGeometry(8, 428, 120, 27);
    FormUtClose = new QPushButton(QStringLiteral("Stäng"), this);
    FormUtClose->setObjectName(QStringLiteral("FormUtClose"));
    FormUtClose->setGeometry(512, 428, 120, 27);
    connect(UtskriftButton, &QPushButton::clicked, this, &TFormUt::UtskriftButtonClick);
    connect(FormUtClose, &QPushButton::clicked, this, &TFormUt::FormUtCloseClick);
    RegistreraFonster(this);
}

TFormUt::~TFormUt() {
    AvregistreraFonster(this);
}

void TFormUt::Fyll(const QStringList& rader) {
    Memo1->setPlainText(rader.join(u'\n'));
    show();
    raise();
    Memo1->setFocus();
}

QStringList TFormUt::rader() const {
    return Memo1->toPlainText().split(u'\n');
}

void TFormUt::UtskriftButtonClick() {
    SkrivUtText(rader(), this);
}

void TFormUt::FormUtCloseClick() {
    hide();
}
