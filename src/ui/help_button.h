#pragma once
// A window's help button: the one Help window of the program with the window's topics.
#include "core/help_topics.h"

class QPushButton;
class QWidget;
class Screens;
struct Game;

void Run_Help(Game& game, Screens& screens, QWidget* from, Help_Owner owner);

// The small "?" button of the windows that have no room for a captioned one.
QPushButton* Make_Help_Button(QWidget* parent);
