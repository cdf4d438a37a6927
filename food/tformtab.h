#pragma once
// "Näring per 100 gram": the food table, editable behind the password, and
// its price list.
#include "food/tabellfil.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSqlTableModel;
class QTableView;
class QToolButton;

class TFormTab : public QWidget {
    Q_OBJECT
public:
    explicit TFormTab(QWidget* parent = nullptr);
    ~TFormTab() override;

    void FormCreate();
    void Button1Click();      // "Ändra i livsmedelstabellen."
    void SpeedButton1Click(); // "Nummerordning"
    void SpeedButton2Click(); // "Alfabetisk ordning"
    void Button2Click();      // "Skriv prislista"

    Tabellfil tabell;
    QSqlTableModel* modell = nullptr;
    QTableView* DBISAMDBGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Notis = nullptr;
    bool redigerbar = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

// The price list: every food of the view in its order, two columns.
struct Rapportlayout;
Rapportlayout LaggUtPrislista(const QStringList& namn, const QStringList& priser,
                              const QString& datum);
