#pragma once
// The rules of a position that both players follow: each is written once and called for the
// player and for the computer. Where the two players' rules differ, the difference is a named
// parameter or a function of its own beside the shared one.
#include "engine/model/game.h"

// How a new average price paid is rounded: the player's to the nearest dollar (halves to
// even), the computer's down.
enum class Average_Rounding { Nearest, Down };
// The average price paid of a holding after `added` shares more at `price`. A holding of no
// shares takes the price, rounded to the nearest dollar, for either player.
Integer Average_Price_After(const Holding& held, double price, double added, Average_Rounding rounding);

// The most that can be traded: what the money allows (`affordable`), no more than the room an
// exchange limit leaves, and never below 0.
double Most_Within_Limit(double affordable, double room);
// The room an exchange limit shared by the two players leaves.
inline double Room_Under(double limit, double held, double held_by_other) { return limit - held - held_by_other; }

// What buying back one share sold short at `avg` returns at `price`: the deposit of half the
// price sold at, plus half the fall (or less half the rise). The player's trades, net worth
// and grid use it.
double Short_Value(Integer avg, double price);
// The computer values its short positions by rules of its own: 2 x Avg - Int(p / 2) a share
// for its cash and net worth, but 2 x Avg - Int(p) / 2 for its gains. Both are the rules, odd
// as they are.
double Computer_Short_Value(Integer avg, double price);
double Computer_Short_Gain(Integer avg, double price);
