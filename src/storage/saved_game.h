#pragma once
// Saved games (*.bqg): records written field by field in a fixed order, the player's
// share counts through the field cipher.
#include <optional>
#include <string>

#include "core/game.h"
#include "core/screens.h"

class Record_Writer;

// The whole file a save writes; a text that cannot be stored leaves the writer incomplete.
void Write_Saved_Game(Record_Writer& writer, const Game& game);
std::string Saved_Game_Text(const Game& game);

// The game that loading `content` over `game` gives, everything a load computes from the
// file included (the reporting-next list, both portfolios, the cash view). `game` itself
// is never touched. Nothing for a damaged, truncated or hostile file: one that holds a value
// no game can reach is damaged too.
std::optional<Game> Loaded_Game(const Game& game, const std::string& content);

// True when `path` holds a saved game, judged by the start of its records (its first stock
// block, read whole), or names one, by its suffix ".bqg"; a file that cannot be read is
// judged by its name alone. Other files the game writes never go over a saved game.
bool Is_Saved_Game(const std::string& path);

// Saves to Game_File_Name, asking for a name first when it is empty. True when the game
// was written. The data folder's own files are refused as targets; a refused or failed
// save changes nothing.
bool Save_Game(Game& game, Screens& screens);
// Always asks for a name.
bool Save_As(Game& game, Screens& screens);
// Asks for a file, unless Status is Recent_Click (then Game_File_Name is read), and
// loads it. A failed load changes nothing; only a complete, valid file replaces the game.
bool Load_Game(Game& game, Screens& screens);
// The recent-games entry `index` (0..3) chosen from the File menu.
void Recent_Click(Game& game, Screens& screens, int index);
