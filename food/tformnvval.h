#pragma once
// "Val av näringämnen": which nutrients the bar chart and the reports show.
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

class Tformnvval : public QWidget {
    Q_OBJECT
public:
    explicit Tformnvval(QWidget* parent = nullptr);
    ~Tformnvval() override;

    void FormCreate(); // LasNvVal
    void LasNvVal();
    void SparaNvVal(); // "OK"

    QCheckBox* ruta(int slot) const; // nullptr for slot 18 and outside 15..65

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

    // Re-pages the main bar chart; set by the chart when it exists.
    static std::function<void()>& AnpassaSidor();

private:
    std::array<QCheckBox*, 66> m_rutor{};
};
