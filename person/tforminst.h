#pragma once
// "Inställningar": meal shares, ideal energy split and the price lock.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Strangrutnat;

class TFormInst : public QWidget {
    Q_OBJECT
public:
    explicit TFormInst(QWidget* parent = nullptr);
    ~TFormInst() override;

    void FormCreate();
    void Button2Click();   // "Ändra"
    void Button1Click();   // "Verkställ"
    void ButtonJaClick();  // "JA"
    void ButtonNejClick(); // "NEJ"

    QPlainTextEdit* Memo1 = nullptr;
    Strangrutnat* StringGrid1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    Strangrutnat* StringGrid2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* ButtonJa = nullptr;
    QPushButton* ButtonNej = nullptr;
    QLabel* LabelPrisPassword = nullptr;

private:
    QStringList celler() const;
};
