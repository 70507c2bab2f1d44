#pragma once
#include "core/game.h"

// Winners.txt in the data folder: twelve records of five ciphered fields.
// Read_Winners throws on a damaged or unreadable file; Write_Winners returns false on failure.
void Read_Winners(Game& game);
bool Write_Winners(const Game& game);
std::string Winners_Path(const Game& game);
