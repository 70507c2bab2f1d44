#pragma once
// Settings.txt in the data folder: the player's own choices, kept across games and across copies
// of the game, never in a saved game. One record a setting: its name and its value, both texts.
// A name may come more than once, one record for each entry of a list. A setting this version
// does not know is kept as it is, in its place, so that what a later version stores outlives a
// write by this one; a setting it knows but whose value it does not is read as its default.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/storage/file_error.h"

struct Setting {
    std::string Name, Value;
    bool operator==(const Setting&) const = default;
};
using Setting_List = std::vector<Setting>;

std::string Settings_Path(const std::string& data_dir);

// The settings in the file, none when there is no file. One that cannot be read (a folder in
// its place, no permission) or is damaged is reported and left as it is.
File_Result<Setting_List> Read_Settings(const std::string& data_dir);
// Under the data folder's lock the settings in the file (none when there is none) are changed
// by `change`, written back and returned, so that what another copy of the game stored meanwhile
// is kept. A file that cannot be read or is damaged is never written over: the error is
// returned and the file left in place. A value a record cannot hold (a double quote) is refused
// with nothing written.
File_Result<Setting_List> Change_Settings(const std::string& data_dir, const std::function<void(Setting_List&)>& change);

// The first value stored under `name`.
std::optional<std::string> Setting_Value(const Setting_List& settings, const std::string& name);
// Every value stored under `name`, in the file's order.
std::vector<std::string> Setting_Values(const Setting_List& settings, const std::string& name);
// `name` holds `value` alone: the first record of that name takes it, in its place, any later
// ones go; a new name is added at the end.
void Set_Setting(Setting_List& settings, const std::string& name, const std::string& value);
// Every record of `name` goes.
void Remove_Setting(Setting_List& settings, const std::string& name);
