#pragma once
// The food picture: seven food groups laid out as a circle, and the
// transparent click regions over it.
#include <QLabel>
#include <QPixmap>

// The picture, drawn in code at 212 x 196 pixels.
QPixmap RitaMatbild();

// A transparent region of the picture that reports clicks.
class Bildruta : public QLabel {
    Q_OBJECT
public:
    Bildruta(const QString& grupptext, QWidget* parent = nullptr);
    const QString& grupptext() const { return m_grupptext; }
Q_SIGNALS:
    void klick(const QString& grupptext);

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString m_grupptext;
};
