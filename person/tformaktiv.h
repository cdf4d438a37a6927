#pragma once
// "Dina aktiviteter": age, weight, sex and the day's activities, giving the
// basal rate, the activities' energy and an activity-based requirement.
#include <QMainWindow>

class QChartView;
class QBarSet;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QGroupBox;
class Strangrutnat;

class TFormAktiv : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormAktiv(QWidget* parent = nullptr);
    ~TFormAktiv() override;

    void FormCreate();
    void RaknaAktiviteter();
    void VisaIntag(); // the intake chart
    void ButtonOKClick();
    void ButtonOkaClick();
    void ButtonMinskaClick();
    void ButtonTabortClick();
    void SparaAktivitetslistaClick();
    void HamtaAktivitetslistaClick();
    void UtskriftClick();
    // After the shared list was read from a file: show it and recompute.
    void ListanLast();
    int valdRad() const;
    bool eventFilter(QObject* o, QEvent* e) override;
    void valjRad(int rad);

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditAge = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Editkg = nullptr;
    QGroupBox* RadioGroupSex = nullptr;
    QButtonGroup* konGrupp = nullptr;
    QGroupBox* RadioGroupKcal = nullptr;
    QButtonGroup* enhetGrupp = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* EditBMR = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* EditTot = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* EditMinKvar = nullptr;
    QChartView* ChartAktiv = nullptr;
    Strangrutnat* StringGridAktiv = nullptr;
    Strangrutnat* StringGridAktivKj = nullptr;
    QListWidget* ListBoxAktiv = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonOka = nullptr;
    QPushButton* ButtonMinska = nullptr;
    QPushButton* ButtonTabort = nullptr;
    QBarSet* intag = nullptr;
    QBarSet* vila = nullptr;
    QBarSet* aktivitet = nullptr;

private:
    void visaRader();
    void visaFalt();
    void faltAndrat();
    void cellAndrad(int rad, int kolumn);
    bool m_uppdaterar = false;
};
