#pragma once
// The player's own choices of look and sound, kept in the data folder's Settings.txt beside the
// guide's: never part of a game, the console's or a saved one. A setting missing from the file,
// or holding a value this version does not know, is its default.
#include <functional>
#include <string>

#include "engine/storage/file_error.h"

enum class Theme_Choice { Desktop, Light, Dark };
enum class Language_Choice { Desktop, English, German };

struct Player_Settings {
    Theme_Choice Theme = Theme_Choice::Desktop;
    bool Change_Arrows = false;    // ▲ and ▼ beside every gain and loss
    bool Safe_Colours = false;     // gains and losses in colours apart for colour-blind eyes
    bool Refusal_Sound = true;     // the beep of a refusal; the flash is always shown
    Language_Choice Language = Language_Choice::Desktop;  // read at start-up
    bool operator==(const Player_Settings&) const = default;
};

// The settings in the file, the defaults when there is none. A file that cannot be read or is
// damaged gives its error; the caller then plays with the defaults.
File_Result<Player_Settings> Read_Player_Settings(const std::string& data_dir);

// `change` applied to `settings`, and what it changed stored, under the data folder's lock, with
// everything else the file holds kept as it is; `settings` then holds what the file says, so what
// another copy of the game stored meanwhile counts. A file that cannot be read or is damaged is
// never written over: its error is returned and `settings` keeps the change until the program ends.
File_Result<> Change_Player_Settings(const std::string& data_dir, Player_Settings& settings,
                                     const std::function<void(Player_Settings&)>& change);
