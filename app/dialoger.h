#pragma once
// Every message box, question and input box of the program goes through
// here, so that tests can answer them without a modal loop.
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;
class QFont;

namespace Dialoger {

// An information message box with OK.
void Meddelande(const QString& text);

// An information message box with the given buttons; returns the button chosen.
QMessageBox::StandardButton Fraga(const QString& text, QMessageBox::StandardButtons knappar);

// An input box; nullopt when cancelled. Masked input shows no typed characters.
std::optional<QString> Inmatning(const QString& rubrik, const QString& prompt, bool dold = false);

// The print dialog; false when cancelled. In test mode the printer writes
// the PDF file named by the test instead.
bool Skrivardialog(QPrinter& skrivare, QWidget* forald = nullptr);

// A font dialog, fixed-pitch fonts only; false when cancelled.
bool Teckensnittsdialog(QFont& font, QWidget* forald = nullptr);

// The file dialogs; an empty text when cancelled.
QString OppnaFil(const QString& rubrik, const QString& katalog, const QString& filter);
QString SparaFil(const QString& rubrik, const QString& katalog, const QString& filter,
                 const QString& forslag = QString());

// Test mode: every dialog is recorded and answered from the queues instead of
// being shown. An empty queue answers Cancel (or no input).
struct Testlage {
    bool aktiv = false;
    QStringList visade;                             // every text shown, in order
    std::deque<QMessageBox::StandardButton> svar;   // answers to questions
    std::deque<std::optional<QString>> inmatningar; // answers to input boxes
    std::deque<bool> dialogOk;                      // print and font dialogs
    QString pdfFil;                                 // where a "printer" writes
    std::deque<QString> filer;                      // answers to file dialogs ("" cancels)
};
Testlage& test();

} // namespace Dialoger

// Asks for the password and compares it with the reference; "Fel lösenord!"
// when wrong. Cancel answers no without a message.
bool FragaLosenord(const QString& referens);
