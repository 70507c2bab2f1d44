#pragma once
// A window's help button: the one Help window of the program with the window's topics.
#include "engine/model/help_topics.h"

class QPushButton;
class QWidget;
class Game_Session;

void Run_Help(Game_Session& session, QWidget* from, Help_Owner owner);

// The Help button every window has, alike everywhere: "Help", and F1 presses it.
QPushButton* Make_Help_Button(QWidget* parent);
