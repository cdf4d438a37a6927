#pragma once
// Plain lines of text to a printer in a fixed-pitch font, one line per font
// height from 200 printer pixels in. Used by the text preview and the advice.
#include <QFont>
#include <QStringList>

#include <vector>

class QPrinter;

struct Utskriftsrad {
    int sida; // from 0
    int y;    // top of the line, printer pixels
    QString text;
};

// Prints the lines; returns where each drawn line went.
std::vector<Utskriftsrad> SkrivTextrader(QPrinter& skrivare, const QFont& font,
                                         const QStringList& rader);

// The whole command: print dialog, then font dialog (either cancel stops),
// then the lines.
bool SkrivUtText(const QStringList& rader, QWidget* forald);

// Courier New, falling back to the system's fixed-pitch font.
QFont FastBreddFont(int pixlar);
