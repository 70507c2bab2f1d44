#pragma once
// The File menu's saved games: Save Game, Save Game As, Load Game and the recent-games list,
// with their dialogs and messages.
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"

// The main window's caption for a game saved as or loaded from `path`.
std::string Caption_For(const std::string& path);

// Saves to Game_File_Name, asking for a name first when it is empty. True when the game
// was written. The data folder's own files are refused as targets; a refused or failed
// save changes nothing.
bool Save_Game(Game& game, Screens& screens);
// Always asks for a name.
bool Save_As(Game& game, Screens& screens);
// Asks for a file and loads it. A failed load changes nothing; only a complete, valid file
// replaces the game, which is then left (a challenge in play ends, the turns are counted).
bool Load_Game(Game& game, Screens& screens);
// Loads `path` without a dialog.
bool Load_Game_From(Game& game, Screens& screens, const std::string& path);
// The recent-games entry `index` (0..3) chosen from the File menu; false when it did not load.
bool Load_Recent(Game& game, Screens& screens, int index);
