#pragma once
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"

// Start-up: the game's texts, Recent.txt, Winners.txt and the first-run marker in the
// data folder (created when missing). False after "Error: The game is not able to load
// properly." was shown; the program then ends.
bool Start_Up(Game& game, Screens& screens, const std::string& data_dir);
