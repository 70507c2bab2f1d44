#pragma once
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"

// File > New Game: the confirmation first; false when the player answered Cancel, and the game
// in play goes on unchanged.
bool Start_New_Game(Game& game, Random& rnd, Screens& screens);
// A new game without the question, as after a finished game or from the start window.
void Deal_New_Game(Game& game, Random& rnd, Screens& screens);
