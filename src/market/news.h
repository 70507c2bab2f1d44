#pragma once
#include "core/game.h"
#include "core/random.h"

// The news line of a crash.
inline constexpr const char* Crash_Headline = "OH S#!*";

// The turn's news: earnings stage for every stock, company news, world news, crash.
// Reads the turn number already advanced to the new turn.
void Generate_News(Game& game, Random& rnd);
void Alert_Owned_Stock(Game& game, int stock);
// A click on a line of News_Items or Earnings_News with that line's item data.
void Quick_Quote(Game& game, int item_data);
