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

namespace Dialoger {

// An information message box with OK.
void Meddelande(const QString& text);

// An information message box with the given buttons; returns the button chosen.
QMessageBox::StandardButton Fraga(const QString& text, QMessageBox::StandardButtons knappar);

// An input box; nullopt when cancelled. Masked input shows no typed characters.
std::optional<QString> Inmatning(const QString& rubrik, const QString& prompt,
                                 bool dold = false);

// Test mode: every dialog is recorded and answered from the queues instead of
// being shown. An empty queue answers Cancel (or no input).
struct Testlage {
    bool aktiv = false;
    QStringList visade;                             // every text shown, in order
    std::deque<QMessageBox::StandardButton> svar;   // answers to questions
    std::deque<std::optional<QString>> inmatningar; // answers to input boxes
};
Testlage& test();

} // namespace Dialoger

// Asks for the password and compares it with the reference; "Fel lösenord!"
// when wrong. Cancel answers no without a message.
bool FragaLosenord(const QString& referens);
