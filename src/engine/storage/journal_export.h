#pragma once
// The History window's Export CSV.
#include <string>

#include "engine/model/game.h"
#include "engine/storage/file_error.h"

// The whole journal as comma-separated values, one line per entry after a title line.
std::string Journal_Csv(const Game& game);
// Writes it to `path`, as a saved game is written; never over the data folder's own files or
// a saved game.
File_Result<> Export_Journal(const Game& game, const std::string& path);
