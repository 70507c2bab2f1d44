#pragma once
// Long reproducible games of random commands, with the game's invariants checked after
// every turn and every command.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/history/history.h"

// The commands of one soak run: every setting combination over many games, trades of every
// kind (refused ones too), cheats at the edges of cash, saves and loads, games that end.
// Saved games go to `data_dir`.
std::string Soak_Script(std::uint32_t seed, long long turns, const std::string& data_dir);

struct Soak_Result {
    long long turns = 0;
    long long highest_turn = 0;       // the highest turn number a game reached
    std::vector<std::string> broken;  // "turn T after `command`: what"; empty when all held
    // What the long game reached: crashes, saves that loaded again, the highest index, the
    // largest count held and the widest money figures (cash and net worth of either player).
    long long crashes = 0, saves = 0;
    long long saves_left_out = 0;  // save moves the long game let pass while its record was full
    double highest_index = 0, largest_count = 0, lowest_money = 0, highest_money = 0;
};

// Plays Soak_Script(seed, turns) through the console driver, stopping at the first
// broken invariant.
Soak_Result Run_Soak(std::uint32_t seed, long long turns, const std::string& data_dir);

// One game, goal $100 Billion with shorts and options on, played through the engine for `turns`
// turns: runs of turns between trades of every kind, cheats (runs with the market trend set to
// 6 every turn, so the index climbs and crashes come), and saves and loads of the game, every
// invariant checked after each. Either player would reach the goal before long; to keep the
// one game going, the computer's positions are taken away whenever its net worth passes $1
// billion, and the player's before a turn that could take theirs past $50 billion (stand-ins
// for a market that does so, not rules of the game).
//
// Once the record of the race is at its caps every save holds all of it (some 6 MB, written,
// flushed, read back and compared: some 20 ms of processor, and the disk's time on top), and
// in a game of a million turns they would be most of its time. From then on the long game
// saves and loads at one in `full_record_share` of the moves it picks for it, and reports the
// others in `saves_left_out`; before then, at every one.
struct Long_Game_Saves {
    std::size_t full_record_points = History_Turns_Kept;  // the record counts as full from here
    long long full_record_share = 4;
};
Soak_Result Run_Long_Game(std::uint32_t seed, long long turns, const std::string& data_dir,
                          Long_Game_Saves saves = {});
