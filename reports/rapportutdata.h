#pragma once
// The report layout drawn or written: pages with QPainter (preview, printer,
// PDF), and the RTF, Excel and HTML files.
#include "reports/rapportlayout.h"

#include <QDialog>

class QPainter;
class QPagedPaintDevice;
class QPrintPreviewWidget;
class QPrinter;
class QListWidget;
class QLineEdit;

// Draws one page; the device's origin is the paper's top left corner.
void RitaSida(QPainter& p, const Layoutsida& sida, double enheterPerMm);
// Every page onto a paged device (a printer or a PDF writer).
bool RitaRapport(QPagedPaintDevice& enhet, const Rapportlayout& L);

bool SkrivRapportPdf(const Rapportlayout& L, const QString& fil);
bool SkrivRapportHtml(const Rapportlayout& L, const QString& fil);
bool SkrivRapportRtf(const Rapportlayout& L, const QString& fil);
bool SkrivRapportExcel(const Rapportlayout& L, const QString& fil);

// The preview: pages at 100 %, an outline of the page groups, a text search
// and a print button.
class Rapportforhandsvisning : public QDialog {
    Q_OBJECT
public:
    Rapportforhandsvisning(const Rapportlayout& L, QWidget* parent = nullptr);
    QPrintPreviewWidget* vy = nullptr;
    QListWidget* disposition = nullptr;
    QLineEdit* sok = nullptr;
    // Moves to the page of the next line holding the text; false when none.
    bool sokText(const QString& text);

private:
    Rapportlayout m_layout;
    int m_sokStart = 0;
};
