#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// The File menu's New Game (with Status Force_New_Game it does not ask).
void New_Game_Menu_Click(Game& game, Random& rnd, Screens& screens);
// A new game without the question, as after a finished game or from the start window.
void Deal_New_Game(Game& game, Random& rnd, Screens& screens);
