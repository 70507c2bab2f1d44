#include "ui/window_place.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace {
const QWidget* Owner_Or_Self(const QWidget* window) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return owner && owner->isVisible() ? owner : window;
}
}  // namespace

QRect Available_Area(const QWidget* window) {
    const QScreen* screen = Owner_Or_Self(window)->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize Frame_Room(const QWidget* window) {
    // A shown window knows its frame; the main window's stands for one not yet shown.
    for (const QWidget* w : {window, Owner_Or_Self(window)}) {
        if (!w->isVisible()) continue;
        const QSize room = w->frameGeometry().size() - w->geometry().size();
        if (room.height() > 0) return room;
    }
    // A title bar of about two lines of text and thin borders.
    const int line = QFontMetrics(QApplication::font()).height();
    return QSize(8, 2 * line + 8);
}

QSize Largest_Size(const QWidget* window) { return Available_Area(window).size() - Frame_Room(window); }

QSize Fitted(const QWidget* window, QSize wanted) { return wanted.boundedTo(Largest_Size(window)); }

int Title_Width(const QWidget* window) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The window manager's buttons (menu, minimise, maximise, close) and margins beside the text.
    return metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.height();
}

void Centre_On_Screen(QWidget* window) {
    const QRect area = Available_Area(window);
    const QSize size = Fitted(window, window->size().expandedTo(window->sizeHint()));
    window->resize(size);
    const QSize outer = size + Frame_Room(window);
    // A window that cannot be made small enough keeps its title bar on the screen.
    window->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                 area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void Keep_On_Screen(QWidget* window) {
    const QRect area = Available_Area(window);
    const QRect frame = window->frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft()) window->move(at);
}
