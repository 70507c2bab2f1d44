#pragma once
// A challenge: a market seed and the setup window's settings, written as a code a person can
// read out and type, such as "7KQM-3XRT-9HWP". Twelve characters from 31 letters and digits
// that cannot be taken for one another (no 0, 1, I, L or O), the last a check character that
// every mistyped character and every swap of two neighbours gives away.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/model/game.h"

struct Challenge_Code {
    std::uint32_t Seed = 0;
    // The goal, the handicap, the three difficulty boxes and the news settings (the sliders
    // and Random News Settings); the main window's two alert boxes are no part of a code.
    Settings Setup;
    bool operator==(const Challenge_Code& other) const;
};

// The code's characters, in three groups of four joined by "-".
std::string Code_Text(const Challenge_Code& code);

enum class Code_Problem { None, Length, Character, Mistyped };
struct Code_Reading {
    std::optional<Challenge_Code> Code;
    Code_Problem Problem = Code_Problem::None;
};
// A code as typed: blanks and "-" are skipped, small letters read as capitals.
Code_Reading Read_Code(const std::string& typed);
// What the player is told about a code that was refused.
std::string Code_Problem_Text(Code_Problem problem);

// The code of a seed and settings (values outside the setup window's are brought within it).
Challenge_Code Make_Code(std::uint32_t seed, const Settings& setup);
// The settings a challenge deals with: the code's, and the alert boxes of `current`.
Settings Code_Settings(const Challenge_Code& code, const Settings& current);
