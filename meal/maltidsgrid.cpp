#include "meal/maltidsgrid.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>

Maltidsgrid::Maltidsgrid(QWidget* parent) : Strangrutnat(5, 30, parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void Maltidsgrid::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        Q_EMIT enter();
        return;
    }
    Strangrutnat::keyPressEvent(e);
}

void Maltidsgrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    Strangrutnat::closeEditor(editor, hint);
    // The delegate ends an edit with this hint exactly when Enter was pressed.
    if (hint == QAbstractItemDelegate::SubmitModelCache) Q_EMIT enter();
}

void Maltidsgrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        const int rad = radVid(e->position().toPoint());
        if (rad > 0) Q_EMIT hogerklick(rad, e->globalPosition().toPoint());
        return;
    }
    Strangrutnat::mousePressEvent(e);
}

void Maltidsgrid::mouseReleaseEvent(QMouseEvent* e) {
    Strangrutnat::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) Q_EMIT vansterklick();
}

void Maltidsgrid::dragEnterEvent(QDragEnterEvent* e) {
    if (qobject_cast<QListView*>(e->source()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void Maltidsgrid::dragMoveEvent(QDragMoveEvent* e) {
    if (qobject_cast<QListView*>(e->source()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void Maltidsgrid::dropEvent(QDropEvent* e) {
    if (!qobject_cast<QListView*>(e->source())) {
        e->ignore();
        return;
    }
    // Nothing is moved by the drag itself; the food is added by its code.
    e->setDropAction(Qt::CopyAction);
    e->accept();
    const int rad = radVid(e->position().toPoint());
    if (rad > 0) Q_EMIT slapp(rad);
}
