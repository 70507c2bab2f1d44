#pragma once
#include <vector>

#include "engine/model/game.h"

// The computer's net worth (the only place it is worked out) and its cash as its window shows
// them, after its trades of a turn and after a load.
void Value_Computer_Portfolio(Game& game);
// The rows of the computer's window under its title row, padded to seven: each holding, short
// and option with what it was bought at, what it is at now and the change.
std::vector<Grid_Row> Computer_Grid_Rows(const Game& game);
