#pragma once
// "Topplistan", "Goda råd" and the advice-text editor.
#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TFormToppen : public QWidget {
    Q_OBJECT
public:
    explicit TFormToppen(QWidget* parent = nullptr);
    ~TFormToppen() override;
    void FormCreate();
    void Uppdatera();

    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* visning = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* ListBoxSynlig = nullptr;
};

class TFormTips : public QWidget {
    Q_OBJECT
public:
    explicit TFormTips(QWidget* parent = nullptr);
    ~TFormTips() override;
    void GodaRad();
    void SkrivUtTips();

    QPlainTextEdit* MemoKommentar = nullptr;
    QPushButton* Button1 = nullptr;
};

class TFormInfotext : public QWidget {
    Q_OBJECT
public:
    explicit TFormInfotext(QWidget* parent = nullptr);
    ~TFormInfotext() override;
    void LasTipstexter();
    void SparaTipstexter();
    void valj(int k); // 0..31

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* rubriker = nullptr;
    std::array<QPlainTextEdit*, 32> Memo{};
    QPushButton* Button1 = nullptr;
};
