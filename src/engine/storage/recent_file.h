#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "engine/model/game.h"
#include "engine/storage/file_error.h"

using Recent_List = std::array<std::string, 4>;

// Recent.txt in the data folder: four records of one quoted path each, newest first.
// At start-up a missing file is created empty first; a damaged one is refused.
File_Result<> Read_Recent(Game& game);
// Writes game.Recent as it stands, under the data folder's lock.
File_Result<> Write_Recent(const Game& game);
// No path of a file the system can open is longer; a longer entry is damage.
constexpr std::size_t Longest_Path = 4096;

// False for a path the recent-games list never holds: one with a double quote (a record
// cannot hold it), a CR or an LF (either would split the record for another reader), or
// one longer than Longest_Path. Such a game saves and loads as any other.
bool Recent_Can_Hold(const std::string& path);
// A path already listed stays where it is; a new one goes to the top and the oldest drops out.
void Add_Recent(Game& game, const std::string& path);
// `path` was saved or loaded. Under the data folder's lock the list in Recent.txt is read,
// the path added to it by Add_Recent's rule (so what another copy of the game stored there
// stays, in the file's order) and the list written back; game.Recent becomes that list.
// On failure Recent.txt is left as it was and the path is added to game.Recent alone.
// A path the list never holds changes nothing.
File_Result<> Store_Recent(Game& game, const std::string& path);
