#include "desktop/parts/clickable_label.h"

#include <QMouseEvent>

#include "desktop/parts/colours.h"

Clickable_Label::Clickable_Label(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    Light(false);
}

void Clickable_Label::Light(bool lit) { Paint(this, Hover_Ink(lit)); }

void Clickable_Label::mouseMoveEvent(QMouseEvent* event) {
    // Kept from the window, whose own move turns the label back.
    event->accept();
    Light(true);
    emit Hovered();
}

void Clickable_Label::mouseReleaseEvent(QMouseEvent* event) {
    emit Clicked();
    QLabel::mouseReleaseEvent(event);
}
