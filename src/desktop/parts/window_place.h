#pragma once
// Where a window opens and how large it may be: inside the available area of its screen
// (without panels and docks), centred on the window it belongs to, the main window centred on
// its screen. The frame the window manager adds is counted in: guessed before a window is
// first shown, measured once it is, and every window is fitted again to the frame it got.
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// The available area of the screen the window is on (or will open on: its owner's).
QRect Available_Area(const QWidget* window);
// The frame's width on each side of a window: as the window manager drew it around the window
// or, before that, around its owner; until one of them is framed, a guess of a title bar.
QMargins Frame_Margins(const QWidget* window);
// The room the frame takes in all: its width and its height.
QSize Frame_Room(const QWidget* window);
// The largest size the window's inside may have on its screen.
QSize Largest_Size(const QWidget* window);
// A size no larger than that.
QSize Fitted(const QWidget* window, QSize wanted);
// The width a window needs for its whole title in the title bar, its buttons beside it.
int Title_Width(const QWidget* window);
// Centres the window's inside on `around` (an owner's inside, or the screen), its frame kept within
// the available area, the title bar first.
void Centre_On(QWidget* window, const QRect& around);
// The window, fitted, centred on its screen's available area.
void Centre_On_Screen(QWidget* window);
// The window at `wanted` size where the screen allows, centred on its owner (or on the screen
// before the owner is shown): how a window the player may resize opens.
void Open_Centred_On_Owner(QWidget* window, QSize wanted);
// Makes the window, with `frame` around it, fit the available area: smaller where it is too
// large (never below its minimum size), then moved the least way in, the title bar and the
// left edge first where even that is too large.
void Fit_Frame_Inside(QWidget* window, const QMargins& frame);
// Fit_Frame_Inside with the window's own frame, as far as it is known.
void Keep_On_Screen(QWidget* window);

// Watches every window of the application: a window just shown is fitted again once the
// window manager has given it its frame, which may be larger than the guess it opened with.
class Frame_Keeper : public QObject {
public:
    explicit Frame_Keeper(QObject* parent);
    ~Frame_Keeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
