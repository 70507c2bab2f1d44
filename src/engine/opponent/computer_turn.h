#pragma once
#include "engine/model/game.h"

// The computer opponent's trades of one turn; draws no random numbers.
void Computer_Turn(Game& game);
