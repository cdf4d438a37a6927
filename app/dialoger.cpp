#include "app/dialoger.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

namespace Dialoger {

Testlage& test() {
    static Testlage t;
    return t;
}

namespace {
QWidget* forald() {
    return QApplication::activeWindow();
}
QString programnamn() {
    return QStringLiteral("Nutrava");
}
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
    const QString s = QInputDialog::getText(
        forald(), rubrik, prompt, dold ? QLineEdit::Password : QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return s;
}

bool Skrivardialog(QPrinter& skrivare, QWidget* f) {
    if (test().aktiv) {
        test().visade << QStringLiteral("[skrivare]");
        if (test().dialogOk.empty() || !test().dialogOk.front()) {
            if (!test().dialogOk.empty()) test().dialogOk.pop_front();
            return false;
        }
        test().dialogOk.pop_front();
        skrivare.setOutputFormat(QPrinter::PdfFormat);
        skrivare.setOutputFileName(test().pdfFil);
        return true;
    }
    QPrintDialog d(&skrivare, f ? f : forald());
    return d.exec() == QDialog::Accepted;
}

bool Teckensnittsdialog(QFont& font, QWidget* f) {
    if (test().aktiv) {
        test().visade << QStringLiteral("[teckensnitt]");
        if (test().dialogOk.empty()) return false;
        const bool ok = test().dialogOk.front();
        test().dialogOk.pop_front();
        return ok;
    }
    bool ok = false;
    const QFont valt =
        QFontDialog::getFont(&ok, font, f ? f : forald(), QString(), QFontDialog::MonospacedFonts);
    if (ok) font = valt;
    return ok;
}

// In test mode a file dialog records its caption and answers the next
// queued file name, or Cancel when none is left.
static QString testFil(const QString& rubrik) {
    test().visade << rubrik;
    if (test().filer.empty()) return {};
    const QString s = test().filer.front();
    test().filer.pop_front();
    return s;
}

QString OppnaFil(const QString& rubrik, const QString& katalog, const QString& filter) {
    if (test().aktiv) return testFil(rubrik);
    return QFileDialog::getOpenFileName(forald(), rubrik, katalog, filter);
}

QString SparaFil(const QString& rubrik, const QString& katalog, const QString& filter,
                 const QString& forslag) {
    if (test().aktiv) return testFil(rubrik);
    const QString start = forslag.isEmpty() ? katalog : QDir(katalog).filePath(forslag);
    // The dialog asks before an existing file is replaced.
    return QFileDialog::getSaveFileName(forald(), rubrik, start, filter);
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
