#pragma once
// The meal grid: a string grid that reports Enter (also when it ends an
// edit), the right mouse button and foods dropped from the food list.
#include "app/strangrutnat.h"

class Maltidsgrid : public Strangrutnat {
    Q_OBJECT
public:
    explicit Maltidsgrid(QWidget* parent = nullptr);

Q_SIGNALS:
    void enter();
    void hogerklick(int rad, QPoint globalPunkt);
    void vansterklick();
    void slapp(int rad);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};
