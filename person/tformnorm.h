#pragma once
// "Dagsbehovet av energi och näringsämnen": the norm table, from which the
// user picks the current daily requirement.
#include "food/tabellfil.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;
class QModelIndex;

class TFormNorm : public QWidget {
    Q_OBJECT
public:
    explicit TFormNorm(QWidget* parent = nullptr);
    ~TFormNorm() override;

    void FormCreate();
    void DBISAMDBGridNormCellClick(const QModelIndex& index);
    void Button1Click();

    QPlainTextEdit* Memo1 = nullptr;
    QTableView* DBISAMDBGridNorm = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    Tabellfil DBISAMTableNorm;
    QSqlTableModel* modell = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};
