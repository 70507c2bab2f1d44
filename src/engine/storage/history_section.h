#pragma once
// The record of the race in a saved game: a section of its own after the game's records, where
// a reader of those stops. A file without it loads with a record that begins at its turn.
#include <optional>
#include <string>
#include <vector>

#include "engine/model/game.h"

class Record_Reader;
class Record_Writer;
struct Game_History;

// The kinds of trade a journal entry may name, as the record writes them ("Buy", "Lapse", ...).
std::vector<std::string> Journal_Kind_Names();

void Write_History_Section(Record_Writer& writer, const Game_History& history);
// Reads the section from where the game's records ended, up to the end of the file; nullopt
// when it is damaged or holds what no game records (a turn past the game's, too many entries).
std::optional<Game_History> Read_History_Section(Record_Reader& reader, const Game& loaded);
