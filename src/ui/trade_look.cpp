#include "ui/trade_look.h"

#include <QLabel>

void Set_Hover(QLabel* label, bool hovered) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hovered ? QColor(255, 255, 0) : QColor(0, 0, 0));
    label->setPalette(palette);
}
