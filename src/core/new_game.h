#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// The File menu's New Game (with Status Force_New_Game it does not ask).
void New_Game_Menu_Click(Game& game, Random& rnd, Screens& screens);
