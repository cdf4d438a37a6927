#pragma once
// "Så här kommer utskriften att se ut.": lines of text to read, edit and print.
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TFormUt : public QWidget {
    Q_OBJECT
public:
    explicit TFormUt(QWidget* parent = nullptr);
    ~TFormUt() override;

    // Clears the text, adds the lines, shows the window and focuses the text.
    void Fyll(const QStringList& rader);
    QStringList rader() const;

    void UtskriftButtonClick();
    void FormUtCloseClick();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* UtskriftButton = nullptr;
    QPushButton* FormUtClose = nullptr;
};
