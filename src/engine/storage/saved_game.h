#pragma once
// Saved games (*.bqg): records written field by field in a fixed order, the player's
// share counts through the field cipher.
#include <optional>
#include <string>

#include "engine/model/game.h"
#include "engine/storage/file_error.h"

class Record_Writer;

// The whole file a save writes; a text that cannot be stored leaves the writer incomplete.
void Write_Saved_Game(Record_Writer& writer, const Game& game);
std::string Saved_Game_Text(const Game& game);

// The game that loading `content` over `game` gives, everything a load computes from the
// file included (the computer's net worth and shown cash). `game` itself
// is never touched. Nothing for a damaged, truncated or hostile file: one that holds a value
// no game can reach is damaged too.
std::optional<Game> Loaded_Game(const Game& game, const std::string& content);

// True when `path` holds a saved game, judged by the start of its records (its first stock
// block, read whole), or names one, by its suffix ".bqg"; a file that cannot be read is
// judged by its name alone. Other files the game writes never go over a saved game.
bool Is_Saved_Game(const std::string& path);

// Writes the game to `path`; nothing is written when it is refused (a data folder's file, a text
// the records cannot hold) or fails.
File_Result<> Write_Game_File(const Game& game, const std::string& path);
