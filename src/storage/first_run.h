#pragma once
#include "core/game.h"

// Data2.txt in the data folder marks that the game has run before.
// Creates it and returns true on the first run; false when it is already there.
bool First_Run_Marker(Game& game);
