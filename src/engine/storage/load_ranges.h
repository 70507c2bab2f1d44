#pragma once
// What a load accepts: only values a game can reach. Each range comes from the rules that
// move the field; a file holding anything else was not written by the game, and loading it
// would break a later turn, so it is damage. The saved game's own records and the record of
// the race that follows them are read against the same ranges.
#include <limits>

#include "engine/model/constants.h"
#include "engine/model/types.h"

struct Range {
    double low, high;
    bool Holds(double v) const { return v >= low && v <= high; }
};

// Cash and net worth of either player: below Money_Bound (the largest double below it is the
// highest accepted), and any finite amount below zero, where play has no floor. Cash is whole
// dollars except the computer's, which options leave in cents.
inline constexpr double Money_Highest = Money_Bound - 128;
inline constexpr Range Money_Range{-std::numeric_limits<double>::max(), Money_Highest};
// Prices are whole dollars, never below 1; a price above 200 is split before it moves, so
// the newest history byte holds the current price.
inline constexpr Range Price_Range{1, Price_Bound};
// Older history bytes: a split halves a price of 1 to 0.
inline constexpr Range History_Range{0, Price_Bound};
// Every step that moves a stock's trend clamps it to -6..6; the market's drift keeps it
// within -3..3, world news within -4..4 and the cheat within -6..6.
inline constexpr Range Trend_Range{-Stock_Trend_Limit, Stock_Trend_Limit};
// An average of prices paid, halved by splits.
inline constexpr Range Avg_Price_Range{0, Price_Bound};
// The player's strikes are 10..200 in steps of 10 when bought; the computer's are the price
// rounded to a multiple of 10, up for a put (so up to 260 for a price of 255); splits halve both.
inline constexpr Range Strike_Range{0, 260};
// A premium per share: at most twice (the momentum boost) the time value, the largest
// price over the lowest strike and the out-of-the-money bonus; never 0 (the boost's clamp).
inline constexpr Range Premium_Range{0.01, 2 * (2 + Price_Bound + 5)};
// Share counts: the exchange caps when bought, doubled by each split below Count_Cap.
inline constexpr Range Count_Range{0, Count_Bound};
// Option contracts of one player in one stock, all positions together: an option lapses
// before its stock can split more than Option_Life_Splits times.
inline constexpr Range Contract_Range{0, Option_Count_Bound};
// Earnings per share: at most 3.5 below or 5.5 above 0 at a new game, then one report every
// 50 turns moves them by -0.50..+1.50.
inline constexpr double EPS_Limit = 6 + 1.5 * (Last_Turn / Report_Period + 1);
// The turn; the report and expiry turns lie within their spans after it.
inline constexpr Range Turn_Range{1, Last_Turn};
inline constexpr Long Report_Span = Report_Period;  // a report sets the next one a period on
inline constexpr Long Expiry_Span = Option_Life;
// An index weight is 1 at a new game and after a crash, and doubles at each split up to
// Weight_Cap.
inline constexpr Range Weight_Range{1, Weight_Cap};
// The index: the weighted sum of the prices.
inline constexpr Range Index_Range{0, Index_Bound};
inline constexpr Range Slider_Range{1, 10};
inline constexpr Range Check_Range{0, 1};
inline constexpr Range List_Index_Range{0, 3};
inline constexpr Range Option_Count_Range{0, Most_Option_Positions};
inline constexpr Range Stock_Range{0, Stock_Count - 1};
// Whatever the field's type holds.
inline constexpr Range Any{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
