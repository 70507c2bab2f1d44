#pragma once
// The data folder: the game's own files, and the lock that keeps two copies of the game
// from overwriting each other's changes to them.
#include <chrono>
#include <string>

#include "engine/storage/file_error.h"

inline const std::string Recent_File_Name = "Recent.txt";
inline const std::string Winners_File_Name = "Winners.txt";
inline const std::string Statistics_File_Name = "Statistics.txt";
inline const std::string First_Run_File_Name = "Data2.txt";
inline const std::string Settings_File_Name = "Settings.txt";
inline const std::string Lock_File_Name = "Bullquest.lock";

// How long a change waits for another copy of the game to finish its own; a copy holds
// the lock only while it reads and writes one small file.
constexpr std::chrono::milliseconds Lock_Patience{2000};

std::string Data_File(const std::string& data_dir, const std::string& name);

// True when `path`, however it is written (links, "..", hard links), is one of the data
// folder's own files, the lock file among them: no saved game may be written there.
bool Is_Data_File(const std::string& data_dir, const std::string& path);

// Holds the data folder's lock until it is destroyed: a flock on the folder itself, which no
// file planted in it can stand in for, and on the lock file where that is a plain file of the
// player's own, which earlier versions of the game lock instead.
class Data_Lock {
public:
    Data_Lock(Data_Lock&& other) noexcept : folder_(other.folder_), file_(other.file_) { other.folder_ = other.file_ = -1; }
    Data_Lock(const Data_Lock&) = delete;
    Data_Lock& operator=(const Data_Lock&) = delete;
    Data_Lock& operator=(Data_Lock&&) = delete;
    ~Data_Lock();

private:
    explicit Data_Lock(int folder) : folder_(folder) {}
    friend File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir);
    int folder_;
    int file_ = -1;
};

// Waits up to Lock_Patience for the lock: Busy when another copy keeps it, Unwritable when
// the data folder cannot be opened.
File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir);
