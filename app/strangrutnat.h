#pragma once
// A string grid whose row 0 is a fixed title row: Cells(kolumn, rad) with
// rad 0 addressing the title, as the meal grid and the settings grids count.
#include <QTableWidget>

class Strangrutnat : public QTableWidget {
    Q_OBJECT
public:
    Strangrutnat(int kolumner, int rader, QWidget* parent = nullptr);

    QString Cells(int kolumn, int rad) const;
    void setCells(int kolumn, int rad, const QString& text);
    int RowCount() const { return rowCount() + 1; }
    // The selected cell in grid terms (title row = 0); 0, 0 when none.
    int Row() const;
    int Col() const;
    void valjCell(int kolumn, int rad);
    // The grid row under a point of the viewport; 0 for the title row or
    // outside the rows.
    int radVid(const QPoint& viewportPunkt) const;
    // Takes over the text of a cell that is being edited, as leaving the
    // cell would.
    void avslutaRedigering();
    bool redigerar() const { return state() == QAbstractItemView::EditingState; }
};
