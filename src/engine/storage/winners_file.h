#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/model/game.h"
#include "engine/storage/file_error.h"

using Winners_Table = std::array<std::array<High_Score, 3>, 4>;

// Winners.txt in the data folder: twelve records of five ciphered fields.
// At start-up a missing file is created with a cleared table; a damaged one is refused.
File_Result<> Read_Winners(Game& game);
// Writes game.High_Scores as it stands, under the data folder's lock: what Clear High
// Scores does, whatever the file held.
File_Result<> Write_Winners(const Game& game);
// Under the data folder's lock: the table in Winners.txt (a cleared one when there is no
// file) is changed by `change` and written back, and game.High_Scores becomes it, so that
// what another copy of the game entered meanwhile is kept. A file that cannot be read or
// is damaged is left as it is, and so is game.High_Scores.
File_Result<> Change_Winners(Game& game, const std::function<void(Winners_Table&)>& change);
std::string Winners_Path(const Game& game);
