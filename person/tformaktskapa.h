#pragma once
// "Aktiviteter med BMR-faktor.": the activity table, editable behind the password.
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class Strangrutnat;

class TFormAktskapa : public QWidget {
    Q_OBJECT
public:
    explicit TFormAktskapa(QWidget* parent = nullptr);
    ~TFormAktskapa() override;

    void FormCreate();
    void Button1Click(); // "Klicka här för att ändra i aktivitetstabellen"
    void SparaClick();   // "Spara"

    Strangrutnat* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Spara = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void visaTabell();
};
