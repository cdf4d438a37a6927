#pragma once
// "Salt (NaCl) i förhållande till behovet": the day's or the period's salt
// on a scale with the recommended ranges for women and men.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

class TFormSalt : public QWidget {
    Q_OBJECT
public:
    explicit TFormSalt(QWidget* parent = nullptr);
    ~TFormSalt() override;

    // Run by every recomputation, visible or not.
    void Uppdatera();

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr; // "Kvinna"
    QLabel* Label3 = nullptr; // "Du"
    QLabel* Label2 = nullptr; // "Man"
    QProgressBar* ProgressBar1 = nullptr;
};
