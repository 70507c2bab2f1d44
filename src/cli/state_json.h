#pragma once
#include <string>

#include "engine/model/game.h"

// The whole game state as one line of compact JSON, keys in a fixed order.
std::string State_Json(const Game& game);
