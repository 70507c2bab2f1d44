#pragma once
// A label that acts as a button: a hand cursor, yellow text under the mouse, and a click
// signal. The mouse leaving it does not turn it back; its window does that when the mouse
// moves over the window itself, so labels that act as one can light up together.
#include <QLabel>

class Clickable_Label : public QLabel {
    Q_OBJECT
public:
    Clickable_Label(const QString& text, QWidget* parent);
    void Light(bool lit);

signals:
    void Hovered();
    void Clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
