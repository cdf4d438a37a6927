#pragma once
// The program's windows by name, and the operations that reach across them.
#include <QString>

class QWidget;

// Every window registers itself when it is created and is found by its name.
void RegistreraFonster(QWidget* w);
void AvregistreraFonster(QWidget* w);
QWidget* Fonster(const QString& namn);

// Shows a window without blocking the main window; one already open is
// brought to the front.
void VisaFonster(const QString& namn);

// "Ny beräkning": the save question when there are unsaved changes, then the
// calculation emptied. Returns false when the user cancelled. No recompute.
bool NyBerakning();
