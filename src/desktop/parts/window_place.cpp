#include "desktop/parts/window_place.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
const QWidget* Owner_Or_Self(const QWidget* window) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return owner && owner->isVisible() ? owner : window;
}

// The frame as the window manager drew it: nothing before the window is shown and framed.
QMargins Measured_Frame(const QWidget* window) {
    if (!window->isVisible()) return {};
    const QRect frame = window->frameGeometry(), inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

// A frame with a title bar is a window manager's. Without one it is a stand-in (the offscreen
// platform draws two pixels all round) or a desktop that gives no frame away; the guess stands.
bool Has_Title_Bar(const QMargins& frame) {
    return frame.top() > std::max({frame.left(), frame.right(), frame.bottom()});
}

// `at` moved into [low, high]; `low` wins where the range is empty.
int Within(int at, int low, int high) { return std::max(low, std::min(at, high)); }

// After a window is shown: the window manager frames it within a few milliseconds, on a busy
// desktop within a second or so; each look after that finds nothing to change.
constexpr int Looks_After_Show[] = {0, 50, 150, 400, 1000, 2500};
}  // namespace

QRect Available_Area(const QWidget* window) {
    const QScreen* screen = Owner_Or_Self(window)->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins Frame_Margins(const QWidget* window) {
    // The window's own frame once it has one, else its owner's: a window manager frames the
    // windows of one program alike.
    for (const QWidget* w : {window, Owner_Or_Self(window)})
        if (const QMargins frame = Measured_Frame(w); Has_Title_Bar(frame)) return frame;
    // Before that, a title bar of about two lines of text and thin borders: some platforms tell
    // a window's frame only once it is shown, some not at all.
    const int line = QFontMetrics(QApplication::font()).height();
    const int height = 2 * line + 8, top = height * 3 / 4;
    return {1, top, 1, height - top};
}

QSize Frame_Room(const QWidget* window) {
    const QMargins frame = Frame_Margins(window);
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
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
    const QMargins frame = Frame_Margins(window);
    QRect inside(QPoint(0, 0), window->size());
    inside.moveCenter(around.center());
    inside.moveLeft(Within(inside.left(), area.left() + frame.left(), area.right() - frame.right() - inside.width() + 1));
    // The title bar stays on the screen even where the bottom cannot.
    inside.moveTop(Within(inside.top(), area.top() + frame.top(), area.bottom() - frame.bottom() - inside.height() + 1));
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

void Fit_Frame_Inside(QWidget* window, const QMargins& frame) {
    const QRect area = Available_Area(window);
    const QSize room = area.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    const QSize size = window->size().boundedTo(room).expandedTo(least).boundedTo(window->maximumSize());
    QRect inside(window->geometry().topLeft(), size);
    inside.moveLeft(Within(inside.left(), area.left() + frame.left(), area.right() - frame.right() - size.width() + 1));
    inside.moveTop(Within(inside.top(), area.top() + frame.top(), area.bottom() - frame.bottom() - size.height() + 1));
    if (inside != window->geometry()) window->setGeometry(inside);
}

void Keep_On_Screen(QWidget* window) { Fit_Frame_Inside(window, Frame_Margins(window)); }

Frame_Keeper::Frame_Keeper(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

Frame_Keeper::~Frame_Keeper() { qApp->removeEventFilter(this); }

bool Frame_Keeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    const Qt::WindowType type = window->windowType();
    if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog)) return false;
    for (const int after : Looks_After_Show)
        QTimer::singleShot(after, window, [window = QPointer<QWidget>(window)] {
            // Until the window is framed its frame is a guess, which it was opened to fit; a
            // window the player has maximised or made full screen is the window manager's.
            if (!window || !window->isVisible() || Measured_Frame(window).isNull()) return;
            if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
            Keep_On_Screen(window);
        });
    return false;
}
