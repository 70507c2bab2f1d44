#pragma once
// Every window of the desktop game brought on screen in turn, as a player opens it, from one
// seeded game at turn 150 with shares, short sales and options held. The screenshots and the
// colour tests look at the same windows.
#include <functional>

#include <QPalette>
#include <QString>

class QWidget;

// Fusion's own palettes: the light one it was designed with, and a dark one as a dark desktop
// theme gives.
QPalette Light_Palette();
QPalette Dark_Palette();

// The names of the windows, in the order they are shown.
QStringList Gallery_Names();

// Makes the game in `data_dir` (a fresh folder) and shows every window; `look` gets each one
// while it is on screen and laid out. False if a window did not come up within two seconds.
bool Show_Every_Window(const QString& data_dir, const std::function<void(const QString& name, QWidget* window)>& look);
