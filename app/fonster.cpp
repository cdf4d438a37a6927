#include "app/fonster.h"

#include "app/dialoger.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "meal/berakning.h"

#include <QComboBox>
#include <QHash>
#include <QPointer>
#include <QToolButton>
#include <QWidget>

namespace {
QHash<QString, QPointer<QWidget>>& register_() {
    static QHash<QString, QPointer<QWidget>> r;
    return r;
}
} // namespace

void RegistreraFonster(QWidget* w) {
    register_().insert(w->objectName(), w);
}

void AvregistreraFonster(QWidget* w) {
    auto it = register_().find(w->objectName());
    if (it != register_().end() && it.value() == w) register_().erase(it);
}

QWidget* Fonster(const QString& namn) {
    return register_().value(namn).data();
}

void VisaFonster(const QString& namn) {
    QWidget* w = Fonster(namn);
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

bool NyBerakning() {
    TForm1* f = Form1();
    if (G.Andrad) {
        const auto svar =
            Dialoger::Fraga(QStringLiteral("Vill du spara pågående beräkning innan ny startas?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (svar == QMessageBox::Cancel) return false;
        if (svar == QMessageBox::Yes && f) f->SparaBerakning();
    }
    TomBerakning(G);
    if (f) {
        f->SpeedButton1->setChecked(true);
        f->ComboBox1->setCurrentIndex(0);
        f->setWindowTitle(G.AktuellNormText);
    }
    return true;
}
