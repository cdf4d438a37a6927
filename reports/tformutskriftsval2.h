#pragma once
// "Välj typ av utskrift": what to print and where, then "Skriv".
#include "reports/rapportlayout.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormUtskriftsval2 : public QWidget {
    Q_OBJECT
public:
    explicit TFormUtskriftsval2(QWidget* parent = nullptr);
    ~TFormUtskriftsval2() override;

    void ButtonSkrivClick();
    void CheckBox1Click();
    void CheckBoxKomprimeradClick();

    // The layout of the last "Skriv", for tests.
    Rapportlayout senaste;

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* vad = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* detalj = nullptr;
    QCheckBox* CheckBoxDiagram = nullptr;
    QCheckBox* CheckBoxFettsammansattning = nullptr;
    QCheckBox* CheckBoxPris = nullptr;
    QCheckBox* CheckBoxKomprimerad = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QGroupBox* RadioGroup3 = nullptr;
    QButtonGroup* filtyp = nullptr;
    QCheckBox* CheckBoxCirkeldiagram = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditRubrik = nullptr;
    QPushButton* ButtonSkriv = nullptr;
};
