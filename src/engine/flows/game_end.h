#pragma once
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/scoring/scoring.h"

// What the end of a game does, once a winner is known: the clock stops, the end-of-game window
// shows the result, a winning player's score may enter the winners circle (Winners.txt), and
// a new game follows without asking. Quit when the player chose to end the program instead.
End_Choice End_Game(Game& game, Random& rnd, Screens& screens, Winner winner);
// The Winners window's Clear High Scores, with its confirmation.
void Clear_High_Scores(Game& game, Screens& screens);
