#pragma once
#include "core/game.h"

// Rebuilds the rows of the player's stock grid and option grid.
void Refresh_Portfolio(Game& game);
