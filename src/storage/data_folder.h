#pragma once
// The data folder: the game's own files, and the lock that keeps two copies of the game
// from overwriting each other's changes to them.
#include <chrono>
#include <string>

#include "storage/file_error.h"

inline const std::string Recent_File_Name = "Recent.txt";
inline const std::string Winners_File_Name = "Winners.txt";
inline const std::string First_Run_File_Name = "Data2.txt";
inline const std::string Lock_File_Name = "Bullquest.lock";

// How long a change waits for another copy of the game to finish its own; a copy holds
// the lock only while it reads and writes one small file.
constexpr std::chrono::milliseconds Lock_Patience{2000};

std::string Data_File(const std::string& data_dir, const std::string& name);

// True when `path`, however it is written (links, "..", hard links), is one of the data
// folder's own files: no saved game may be written there.
bool Is_Data_File(const std::string& data_dir, const std::string& path);

// Holds the data folder's lock (flock on its lock file) until it is destroyed.
class Data_Lock {
public:
    Data_Lock(Data_Lock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Data_Lock(const Data_Lock&) = delete;
    Data_Lock& operator=(const Data_Lock&) = delete;
    Data_Lock& operator=(Data_Lock&&) = delete;
    ~Data_Lock();

private:
    explicit Data_Lock(int fd) : fd_(fd) {}
    friend File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir);
    int fd_;
};

// Waits up to Lock_Patience for the lock: Busy when another copy keeps it, Unwritable when
// the lock file cannot be made.
File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir);
