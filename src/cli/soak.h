#pragma once
// Long reproducible games of random commands, with the game's invariants checked after
// every turn and every command.
#include <cstdint>
#include <string>
#include <vector>

// The commands of one soak game: every setting combination over its games, trades of every
// kind (refused ones too), cheats at the edges of cash, saves and loads, games that end.
// Saved games go to `data_dir`.
std::string Soak_Script(std::uint32_t seed, long long turns, const std::string& data_dir);

struct Soak_Result {
    long long turns = 0;
    std::vector<std::string> broken;  // "turn T after `command`: what"; empty when all held
};

// Plays Soak_Script(seed, turns) through the console driver, stopping at the first
// broken invariant.
Soak_Result Run_Soak(std::uint32_t seed, long long turns, const std::string& data_dir);
