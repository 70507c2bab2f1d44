#pragma once
// Reading and writing whole files, safely against what a player's folders may hold:
// folders, FIFOs and devices where a file is due, huge files, symbolic links, files
// without permissions, and a crash or a full disk in the middle of a write.
#include <cstddef>
#include <string>

#include "engine/storage/file_error.h"

// No file the game reads may be longer: far beyond anything it writes (a saved game is
// some tens of kilobytes), and short of what would stall the game or exhaust its memory.
constexpr std::size_t Largest_File = 16 * 1024 * 1024;

// A whole regular file. A folder, FIFO or device is refused at once, without waiting for
// it, and so is a file longer than Largest_File.
File_Result<std::string> Read_File(const std::string& path);
// The first `bytes` of a regular file (all of a shorter one), refused as Read_File refuses.
File_Result<std::string> Read_File_Start(const std::string& path, std::size_t bytes);

// Replaces the file with `content` in one step: the text goes to a new temporary file in
// the target's folder, which is flushed to the disk and renamed over the target, so a
// failed or interrupted write never damages the old file. A symbolic link is written
// through: its target is replaced and the link stays. An existing file keeps its
// permissions; a new one gets those the umask allows. Only a regular file that the user
// may write is ever replaced.
File_Result<> Write_File_Atomic(const std::string& path, const std::string& content);

// A whole file; a missing one is first created holding `fallback`. A file that exists
// but cannot be read is reported, never replaced.
File_Result<std::string> Read_Or_Create(const std::string& path, const std::string& fallback);

// True when the two paths name the same file however they are written: symbolic links,
// "." and "..", and hard links are seen through. Also true for two paths of a file that
// does not exist yet when both would create it.
bool Same_File(const std::string& a, const std::string& b);
