#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// Goal test, score, winners circle and the new game that follows the end of a game.
void Check_Game_End(Game& game, Random& rnd, Screens& screens);
// The Winners window's Clear High Scores, with its confirmation.
void Clear_High_Scores(Game& game, Screens& screens);
