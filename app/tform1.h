#pragma once
// The main window: the meal on the left, the food lists on the right, the
// result charts below and the menu bar to every other window.
#include "food/tabellfil.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;
class QWidget;
class Maltidsgrid;
class Bildruta;
class QListView;
class QStringListModel;
class QChartView;
class Stapeldiagram;
class Tartdiagram;
class Sidknapp;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation steps of the main window. Returns false (after telling
    // the user why) when the program cannot go on.
    bool FormCreate();

    // Non-visual parts
    Tabellfil DBISAMTableLivs;       // fodbas100
    Tabellfil DBISAMTableFodbas2005; // fodbas2005

    // Controls
    QWidget* klient = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    Maltidsgrid* StringGridMaltid = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QLineEdit* EditPris = nullptr;
    QListView* ListBoxLivs = nullptr;
    QListView* ListBoxLivsH = nullptr; // hidden: "kod;" of each line of ListBoxLivs
    QStringListModel* livsModell = nullptr;
    QStringListModel* livsModellH = nullptr;
    QPushButton* Button3 = nullptr;
    QComboBox* ComboBoxSLVgrupp = nullptr;
    QPushButton* Button2 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QPushButton* ButtonSalt = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    Stapeldiagram* ChartStapel = nullptr;
    Tartdiagram* ChartEnergi = nullptr;
    Tartdiagram* ChartEnergiRek = nullptr;
    Sidknapp* SpinButton1 = nullptr;
    QLabel* Image1 = nullptr;
    Bildruta* Label1 = nullptr;
    Bildruta* Label2 = nullptr;
    Bildruta* Label3 = nullptr;
    Bildruta* Label4 = nullptr;
    Bildruta* Label5 = nullptr;
    Bildruta* Label6 = nullptr;
    Bildruta* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QListWidget* ListBoxVikter = nullptr;
    QTextEdit* MemoHogerklick = nullptr;
    QTimer* TimerHogerKlick = nullptr;

    // Menu
    QMenu* MenuArkiv = nullptr;
    QAction* NyBerakning1 = nullptr;
    QAction* HamtaBerakning1 = nullptr;
    QAction* SparaBerakning1 = nullptr;
    QAction* SokLivsmedelPaNamn1 = nullptr;
    QAction* Utskrift1 = nullptr;
    QAction* KopieraMaltid1 = nullptr;
    QAction* KlistraInMaltid1 = nullptr;
    QAction* HamtaRecept1 = nullptr;
    QAction* SparaRecept1 = nullptr;
    QAction* Installningar1 = nullptr;
    QAction* RaderaBerakningar1 = nullptr;
    QAction* Tipstexter1 = nullptr;
    QAction* Standardnormer1 = nullptr;
    QAction* Aktiviteter1 = nullptr;
    QAction* ValjNaringsamnen1 = nullptr;
    QAction* Naringstoppen1 = nullptr;
    QAction* Livsmedelstabell1 = nullptr;
    QAction* MatTips1 = nullptr;
    QAction* Copyright1 = nullptr;

    // "Spara Beräkning"; returns true when the calculation was saved.
    bool SparaBerakning();

    // Redisplays the current meal from its rows.
    void VisaMaltid();
    // Day selector entries "DAG1"/"dag1" and bold meal buttons.
    void Markorer();

    void SpeedButtonMaltidClick(int maltid);
    void ComboBox1Change(int dag);
    void NyBerakning1Click();
    void KopieraMaltid1Click();
    void KlistraInMaltid1Click();

    // Food lists
    void VisaGrupp(const QString& grupptext);
    void VisaSLVGrupp(const QString& grupptext);
    void SokPaNamn();
    // Meal grid
    void LaggTillLivsmedel(int rad, bool infoga);
    void StringGridMaltidKeyPress(); // Enter
    void StringGridMaltidClick();
    void StringGridMaltidHogerklick(int rad, QPoint globalPunkt);
    void ListBoxVikterClick(int rad);
    void Button4Click(); // "Öka"
    void Button5Click(); // "Minska"
    void Button6Click(); // "Ta bort rad"

    // Files
    void HamtaBerakning1Click();
    void RaderaClick();
    void SparaRecept1Click();
    void HamtaRecept1Click();

    // Result charts
    void DiagramRubrik();
    void RitaDiagram();
    void AnpassaSidor();
    void SpeedButton5Click();            // "Staplar"
    void SpeedButton6Click();            // "Energicirklar"
    void SpeedButtonNivaClick(int niva); // "Måltid", "Dag", "Dagar"

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void byggKontroller();
    void byggMeny();
    void kopplaHandelser();
    void kopplaMaltid();
    void kopplaResultat();
    void foljAnkare();
    void fyllLista(const std::vector<int>& poster);
};

// The main window of the running program, or nullptr before it exists.
TForm1* Form1();
