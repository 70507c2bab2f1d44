#pragma once
// Where a window opens and how large it may be: inside the available area of its screen
// (without panels and docks), centred on the window it belongs to, the main window centred on
// its screen. The frame the window manager adds is counted in.
#include <QRect>
#include <QSize>

class QWidget;

// The available area of the screen the window is on (or will open on: its owner's).
QRect Available_Area(const QWidget* window);
// The room the window manager's frame takes around a window, as measured on the shown windows
// and never less than a title bar.
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
// Moves a shown window wholly into its screen's available area if it is not.
void Keep_On_Screen(QWidget* window);
