#include "app/dialoger.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace Dialoger {

Testlage& test() {
    static Testlage t;
    return t;
}

namespace {
QWidget* forald() { return QApplication::activeWindow(); }
QString programnamn() { return QStringLiteral("Nutrava"); }
} // namespace

void Meddelande(const QString& text) {
    if (test().aktiv) {
        test().visade << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, programnamn(), text, QMessageBox::Ok, forald());
    box.exec();
}

QMessageBox::StandardButton Fraga(const QString& text, QMessageBox::StandardButtons knappar) {
    if (test().aktiv) {
        test().visade << text;
        if (test().svar.empty()) return QMessageBox::Cancel;
        const auto s = test().svar.front();
        test().svar.pop_front();
        return s;
    }
    QMessageBox box(QMessageBox::Information, programnamn(), text, knappar, forald());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> Inmatning(const QString& rubrik, const QString& prompt, bool dold) {
    if (test().aktiv) {
        test().visade << rubrik;
        if (test().inmatningar.empty()) return std::nullopt;
        auto s = test().inmatningar.front();
        test().inmatningar.pop_front();
        return s;
    }
    bool ok = false;
    const QString s = QInputDialog::getText(forald(), rubrik, prompt,
                                            dold ? QLineEdit::Password : QLineEdit::Normal,
                                            QString(), &ok);
    if (!ok) return std::nullopt;
    return s;
}

} // namespace Dialoger

#include "food/losenord.h"

bool FragaLosenord(const QString& referens) {
    const auto svar = Dialoger::Inmatning(QStringLiteral("Ange VAKTRUM lösenord"),
                                          QStringLiteral("LÖSENORD"), /*dold=*/true);
    if (!svar) return false;
    if (RattLosenord(*svar, referens)) return true;
    Dialoger::Meddelande(QStringLiteral("Fel lösenord!"));
    return false;
}
