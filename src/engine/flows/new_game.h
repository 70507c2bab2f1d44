#pragma once
#include "engine/model/challenge_code.h"
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"

// File > New Game: the confirmation first; false when the player answered Cancel, and the game
// in play goes on unchanged.
bool Start_New_Game(Game& game, Random& rnd, Screens& screens);
// A new game without the question, as after a finished game or from the start window.
void Deal_New_Game(Game& game, Random& rnd, Screens& screens);
// The challenge of `code` without the question: the game in play is left, the generator seeded
// from the code, and the market dealt in the same order of draws with the code's settings,
// without the setup window. Every program that deals a code gets the same game.
void Deal_Challenge(Game& game, Random& rnd, Screens& screens, const Challenge_Code& code);
