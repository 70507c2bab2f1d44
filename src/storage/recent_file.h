#pragma once
#include <string>

#include "core/game.h"

// Recent.txt in the data folder: four records of one quoted path each, newest first.
// A missing file is created empty first; a damaged one throws Record_Error.
void Read_Recent(Game& game);
bool Write_Recent(const Game& game);
// A path already listed stays where it is; a new one goes to the top and the oldest drops out.
void Add_Recent(Game& game, const std::string& path);
