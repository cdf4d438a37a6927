#include "app/strangrutnat.h"

#include <QApplication>
#include <QHeaderView>

Strangrutnat::Strangrutnat(int kolumner, int rader, QWidget* parent)
    : QTableWidget(rader - 1, kolumner, parent) {
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(17);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int k = 0; k < kolumner; ++k) setHorizontalHeaderItem(k, new QTableWidgetItem());
}

QString Strangrutnat::Cells(int kolumn, int rad) const {
    if (kolumn < 0 || kolumn >= columnCount() || rad < 0 || rad > rowCount()) return {};
    const QTableWidgetItem* it = rad == 0 ? horizontalHeaderItem(kolumn) : item(rad - 1, kolumn);
    return it ? it->text() : QString();
}

void Strangrutnat::setCells(int kolumn, int rad, const QString& text) {
    if (kolumn < 0 || kolumn >= columnCount() || rad < 0 || rad > rowCount()) return;
    if (rad == 0) {
        horizontalHeaderItem(kolumn)->setText(text);
        return;
    }
    QTableWidgetItem* it = item(rad - 1, kolumn);
    if (!it) {
        setItem(rad - 1, kolumn, new QTableWidgetItem(text));
    } else if (it->text() != text) {
        it->setText(text);
    }
}

int Strangrutnat::Row() const {
    return currentRow() < 0 ? 0 : currentRow() + 1;
}
int Strangrutnat::Col() const {
    return currentColumn() < 0 ? 0 : currentColumn();
}

void Strangrutnat::valjCell(int kolumn, int rad) {
    if (rad < 1 || rad > rowCount() || kolumn < 0 || kolumn >= columnCount()) return;
    setCurrentCell(rad - 1, kolumn);
}

int Strangrutnat::radVid(const QPoint& p) const {
    const int r = rowAt(p.y());
    return r < 0 ? 0 : r + 1;
}

void Strangrutnat::avslutaRedigering() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = viewport()->focusWidget();
    if (!editor || editor == viewport()) editor = QApplication::focusWidget();
    if (!editor || !viewport()->isAncestorOf(editor)) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}
