#pragma once
// Long reproducible games of random commands, with the game's invariants checked after
// every turn and every command.
#include <cstdint>
#include <string>
#include <vector>

// The commands of one soak run: every setting combination over many games, trades of every
// kind (refused ones too), cheats at the edges of cash, saves and loads, games that end.
// Saved games go to `data_dir`.
std::string Soak_Script(std::uint32_t seed, long long turns, const std::string& data_dir);

struct Soak_Result {
    long long turns = 0;
    long long highest_turn = 0;       // the highest turn number a game reached
    std::vector<std::string> broken;  // "turn T after `command`: what"; empty when all held
};

// Plays Soak_Script(seed, turns) through the console driver, stopping at the first
// broken invariant.
Soak_Result Run_Soak(std::uint32_t seed, long long turns, const std::string& data_dir);

// One game, goal $100 Billion with shorts and options on, played through the engine for `turns`
// turns: runs of turns between trades of every kind, cheats, and saves and loads of the game,
// every invariant checked after each. The computer would win within a few hundred turns; to
// keep the one game going, its positions are taken away whenever its net worth passes $1
// billion (a stand-in for a market that does so, not a rule of the game).
Soak_Result Run_Long_Game(std::uint32_t seed, long long turns, const std::string& data_dir);
