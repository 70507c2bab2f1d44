#pragma once
// The record of a challenge: every input of the player that changes the game, in order, each
// with what it did and a digest of the game after it, so that a replay from the code alone can
// name the first input at which it departs from the record.
#include <cstdint>
#include <vector>

#include "engine/model/challenge_code.h"
#include "engine/model/game.h"

enum class Challenge_Move {
    End_Turn,    // END TURN or Game > End Turn
    Clock_Turn,  // the time limit's tick that ended a turn
    Buy,
    Sell,
    Sell_Short,
    Buy_Back,
    Option,
    Enable_Cheats,
    Cheat,
    Alerts,
};

// One input as the window received it. Only the fields of its move count; the rest keep their
// defaults, and the files write only those that count.
struct Challenge_Entry {
    Challenge_Move Move = Challenge_Move::End_Turn;
    int Stock = -1;                 // a trade's
    double Quantity = 0;            // the quantity box's leading number
    bool Blank = true;              // and whether it was empty or "0"
    bool Calls = true, Buy = true;  // an option trade's form
    int Strike = 0, Expires = 0, Exp_Min = 0, Exp_Max = 0;
    int Cheat_Item = 0;             // a cheat's item (as ::Cheat) and its input box's answer:
    bool Answered = false;          // false when the box was cancelled
    double Answer = 0;              // the answer's leading number, all a cheat reads of it
    bool Confirmed = false;         // Enable Cheats: the confirmation's Yes
    int News = -1, World = -1;      // the alert boxes as set; -1 for a box left alone
    bool Done = true;               // false for a refused input
    std::uint32_t Digest = 0;       // of the game after the input
    bool operator==(const Challenge_Entry&) const = default;
};

enum class Challenge_End { In_Play, Won, Lost, Left };

// What a result says of the game: at its end, or where it stands while it is in play.
struct Challenge_Claim {
    Challenge_End End = Challenge_End::In_Play;
    double Turn = 1;
    double Net_Worth = 0, Computer = 0;  // whole dollars
    double Score = 0;                    // a win's; 0 otherwise
    bool Cheated = false;
    bool operator==(const Challenge_Claim&) const = default;
};

struct Challenge_Record {
    Challenge_Code Code;
    int News_Alert = 1, World_Alert = 1;  // the alert boxes when the challenge began
    std::uint32_t Start_Digest = 0;        // the game as the code dealt it
    std::vector<Challenge_Entry> Entries;
    // The generator's draws since the code's seed, after the last input: where a loaded
    // challenge takes up its market again.
    std::uint64_t Draws = 0;
    bool Ended = false;
    Challenge_Claim Claim;  // once it ended
    std::uint32_t End_Digest = 0;  // the game at its end, before a new game was dealt
    bool operator==(const Challenge_Record&) const = default;
};

// No challenge keeps more inputs: a file of them stays well within what the game reads, and
// a replay of them within seconds. A challenge that reaches it goes on as an ordinary game.
inline constexpr std::size_t Challenge_Inputs_Kept = 100000;

// A digest of everything in the game that later turns depend on, and of the generator's
// place (`draws`): two games with the same digest play on alike.
std::uint32_t State_Digest(const Game& game, std::uint64_t draws);
// The claim of a game in play, or at its end with `end` and `score`.
Challenge_Claim Claim_Of(const Game& game, Challenge_End end, double net_worth, double computer, double score);
// The words a result file and the statistics use for an end: "in play", "won", "lost", "left".
const char* End_Name(Challenge_End end);
