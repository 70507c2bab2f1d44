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
    // At least a title bar of about two lines of text and thin borders: some platforms tell a
    // window's frame only once it is shown, some not at all.
    const int line = QFontMetrics(QApplication::font()).height();
    QSize room(2, 2 * line + 8);
    for (const QWidget* w : {window, Owner_Or_Self(window)})
        if (w->isVisible()) room = room.expandedTo(w->frameGeometry().size() - w->geometry().size());
    return room;
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

void Centre_On(QWidget* window, const QRect& around) {
    const QRect area = Available_Area(window);
    const QSize room = Frame_Room(window);
    // The frame's share beside, above (the title bar: most of it) and below the window's inside.
    const int side = room.width() / 2, top = room.height() * 3 / 4, bottom = room.height() - top;
    QRect inside(QPoint(0, 0), window->size());
    inside.moveCenter(around.center());
    inside.moveLeft(std::max(area.left() + side, std::min(inside.left(), area.right() - side - inside.width() + 1)));
    // The title bar stays on the screen even where the bottom cannot.
    inside.moveTop(std::min(inside.top(), area.bottom() - bottom - inside.height() + 1));
    inside.moveTop(std::max(inside.top(), area.top() + top));
    window->setGeometry(inside);
}

void Centre_On_Screen(QWidget* window) {
    window->resize(Fitted(window, window->size().expandedTo(window->sizeHint())));
    Centre_On(window, Available_Area(window));
}

void Open_Centred_On_Owner(QWidget* window, QSize wanted) {
    window->resize(Fitted(window, wanted));
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) {
        Centre_On_Screen(window);
        return;
    }
    Centre_On(window, owner->geometry());
}

void Keep_On_Screen(QWidget* window) {
    const QRect area = Available_Area(window);
    const QRect frame = window->frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft()) window->move(at);
}
