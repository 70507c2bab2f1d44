#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// The File menu's New Game (with Status "FORCE_NEW_GAME" it does not ask).
void New_Game_Menu_Click(Game& game, Random& rnd, Screens& screens);
