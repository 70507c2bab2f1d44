#pragma once
// Every limit, rate, period and bound of the game's rules, in one place. A rule reads its
// number from here; a window that shows one of them (a spin box's range, a progress bar)
// takes it from here too.
#include "engine/model/types.h"

// The market.
constexpr int Stock_Count = 42;
constexpr int Index_Entry = 42;  // the market index's entry in the price table
constexpr int History_Length = 100;
constexpr double Lowest_Price = 1;    // news and reports never push a price below it: the next move divides by it
constexpr double Split_Price = 200;   // a price above it splits 2 for 1
constexpr int Stock_Trend_Limit = 6;  // every step of a stock's trend keeps it within +-6
constexpr int Market_Drift_Limit = 3;  // the market's own drift keeps its trend within +-3
constexpr int World_News_Trend_Limit = 4;  // world news keeps the market's trend within +-4
constexpr int Cheat_Trend_Limit = 6;  // the cheat sets the market's trend within +-6
constexpr double Crash_Index = 70000;  // a crash may come only while the index is above it
constexpr double Crash_Lowest_Price = 10;  // a crash sets every price anew, within these two
constexpr double Crash_Highest_Price = 20;

// The calendar. Turn-valued fields (the turn, report turns, expiry turns) are 32 bits. The
// game's calendar ends where a report 50 turns on and an option bought 30 turns ahead still
// fit: END TURN is refused on the last turn.
constexpr Long Last_Turn = 2147483647 - 100;
constexpr int Report_Period = 50;  // every company reports earnings this many turns apart
constexpr int Tax_Period = 100;    // taxes are levied on every hundredth turn
constexpr double Tax_Rate = 0.28;  // of the realised gains since the last notice
constexpr int Turn_Seconds = 30;   // the time limit of a turn, when it is on

// The exchange's limits, the two players together, per stock.
constexpr double Stock_Limit = 100000000;
constexpr double Short_Limit = 50000000;
// Option contracts per player and stock, calls and puts together.
constexpr double Option_Contract_Limit = 5000;

// Options.
constexpr double Contract_Shares = 100;  // a contract is 100 shares; premiums are per share
constexpr int Option_Slots = 200;        // the player's table of positions
// A purchase is refused while more than this many positions are held, so the table holds at
// most one more.
constexpr int Option_Position_Limit = 190;
constexpr int Most_Option_Positions = Option_Position_Limit + 1;
// Strikes are multiples of Strike_Step; the player's strike box keeps them within 10..200.
constexpr int Lowest_Strike = 10;
constexpr int Highest_Strike = 200;
constexpr int Strike_Step = 10;
// Expiry turns come in steps of 10; three are offered, the first the next multiple of 10.
constexpr int Expiry_Step = 10;
constexpr int Expiry_Choices = 3;
constexpr int Option_Life = 30;  // no option expires more than 30 turns ahead

// Money.
constexpr double Starting_Cash = 5000;         // the computer's, and the player's before the handicap
constexpr double Rescue_Cash = 5000;           // what the computer is given when it runs dry
constexpr double Cheat_Cash_Limit = 1e12;      // the cheat takes less than a trillion
constexpr double Computer_Rich_Cash = 50000;   // from here on the computer adds to what it holds

// Bounds that keep the longest or strangest game exact and finite. A count of shares held or
// short, or of option contracts, that has reached Count_Cap (ten thousand times any exchange
// limit) no longer doubles at a split, so no count passes twice the cap. An index weight that
// has reached Weight_Cap no longer doubles, so weights keep to 32 bits.
constexpr double Count_Cap = 1099511627776.0;  // 2^40
constexpr double Count_Bound = 2 * Count_Cap;
constexpr Long Weight_Cap = Long{1} << 30;
// A stock splits at most 25 times in the 30 turns an option lives, even with the strongest
// news, a report and the highest trends every turn. So the contracts one player holds in one
// stock, bought up to the exchange limit plus the half contract each of at most
// Most_Option_Positions fractional positions can gain by rounding at a split, stay below this.
constexpr int Option_Life_Splits = 25;
constexpr double Option_Count_Bound =
    (Option_Contract_Limit + 0.5 * Most_Option_Positions) * (1 << Option_Life_Splits);
// A price between turns is at most 233 (200 moved by the highest trends); a loaded game may
// hold up to the 255 its history byte keeps.
constexpr double Price_Bound = 255;
// The index: every stock at the highest price and weight.
constexpr double Index_Bound = Stock_Count * Price_Bound * Weight_Cap;
// Money stays below this: docs/reliability.md works out each figure. Below zero there is no
// floor: a player set on it can keep a short through split after split and buy back part of it
// at every split, each time at a loss. Money texts keep fifteen significant digits, written
// out in full whatever the size.
constexpr double Money_Bound = 1e18;

// The guide: the player is told the goal is near once the net worth is this share of it.
constexpr double Near_Goal_Share = 0.9;

// The string table's entries: each kind starts at its id, one entry after another.
enum class String_Id {
    Symbol = 101,               // the 42 symbols
    World_News = 200,           // 16 texts
    Company_News = 300,         // 14 texts, each after a symbol
    Company_News_Effect = 400,  // the direction of each: -1, 1, or 0 for either
    Stock_Grid_Titles = 500,
    Stock_Grid_Widths = 600,
    Computer_Grid_Titles = 700,
    Computer_Grid_Widths = 800,
    Option_Grid_Titles = 900,
    Option_Grid_Widths = 1000,
    Winners_Grid_Titles = 1100,
    Winners_Grid_Widths = 1200,
};
constexpr int World_News_Count = 16;
constexpr int Company_News_Count = 14;
