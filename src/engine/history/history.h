#pragma once
// The record of the race: each turn's net worths and every trade of either player, kept with
// the saved game in a section of its own after the game's records. It is not part of the rules:
// nothing the game decides ever reads it.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/types.h"

struct Game;

// A saved game keeps no more than these, the newest; so does the game in play.
inline constexpr std::size_t History_Turns_Kept = 100000;
inline constexpr std::size_t Journal_Entries_Kept = 20000;

enum class Trader { You, Computer };
// "You" or "Computer", as the journal shows and saves it.
const char* Trader_Name(Trader who);
// An amount as the record shows it: "$1,234" or "-$1,234".
std::string Dollars(double amount);

struct History_Point {
    Long Turn = 0;
    double Net_Worth = 0;           // the player's, as that turn's end-of-game check read it
    double Computer_Net_Worth = 0;  // the computer's, as last computed
    double Index = 0;               // the market index
    bool Crash = false;             // the market crashed in this turn
    bool Tax = false;               // the tax notice came with this turn
    bool operator==(const History_Point&) const = default;
};

struct Journal_Entry {
    Long Turn = 0;
    Trader Who = Trader::You;
    // Buy, Sell, Short, Buy Back, Buy Call, Sell Call, Buy Put, Sell Put, Lapse, Tax, Cheat.
    std::string What;
    std::string Symbol;  // empty for a tax or a cheat
    double Quantity = 0;
    // A share's price or an option's premium; the amount of a tax or of cheated cash; the
    // trend a cheat set.
    double Price = 0;
    // What the trade made against what was paid: for a sale, a buy-back, an option sold or lapsed.
    std::optional<double> Gain;
    double Cash = 0;  // the trader's cash after it
    bool operator==(const Journal_Entry&) const = default;
};

struct Game_History {
    // Where the index line starts: the player's worth and the market index when the record
    // began (a new game's starting cash, or a loaded game's net worth at its turn).
    double Base_Worth = 0;
    double Base_Index = 0;
    std::deque<History_Point> Points;
    std::deque<Journal_Entry> Journal;
    // How many of the oldest were dropped beyond what a record keeps, for the views that follow
    // it by counting (not saved).
    std::size_t Dropped_Points = 0, Dropped_Entries = 0;
    bool operator==(const Game_History&) const = default;
};

// A fresh record that begins at the game's current turn (a new game, or a game loaded from a
// file without one).
void Begin_History(Game& game);
// The point of the turn, at its end-of-game check.
void Record_Turn(Game& game);
// The tax notice of this turn, and a journal line for each player who paid.
void Record_Taxes(Game& game, double player_tax, double computer_tax);
// One journal line; the trader's cash after it is read from the game. A quantity of 0 makes
// none. Symbol -1 is a trade of no stock (a tax, a cheat).
void Record_Trade(Game& game, Trader who, const std::string& what, int stock, double quantity, double price,
                  std::optional<double> gain);

// What the index line is worth at `index`: the base worth, had it bought the market and held it.
double Index_Line(const Game_History& history, double index);

// The short account above the game-over window's chart.
struct History_Summary {
    std::string Best_Trade, Worst_Trade;  // empty when no trade made or lost anything
    std::string Turns_Played;
    std::string Against_The_Index;
};
History_Summary Summarize(const Game& game);
