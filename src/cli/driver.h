#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// The console driver: reads commands, one a line, and plays the engine without windows.
// Returns the program's exit status.
int Run_Console(std::istream& in, std::ostream& out, std::uint32_t seed, const std::string& data_dir);
