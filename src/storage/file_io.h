#pragma once
#include <optional>
#include <string>

// A whole file, or nullopt when it cannot be read.
std::optional<std::string> Read_File(const std::string& path);
// Writes a temporary file beside the target and renames it over it, so a failed
// write never damages the old file. False on failure.
bool Write_File_Atomic(const std::string& path, const std::string& content);
// A whole file; a missing one is first created holding fallback. Nullopt when it
// can be neither read nor created.
std::optional<std::string> Read_Or_Create(const std::string& path, const std::string& fallback);
