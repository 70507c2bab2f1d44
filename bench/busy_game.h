#pragma once
// A game in full swing for the benchmarks: both players hold stock, shorts and options,
// with the options and short settings on and the busiest news settings.
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/silent_screens.h"

// Answers every window at once, as a player who never hesitates, with the busiest settings.
class Quiet_Screens : public Silent_Screens {
public:
    Settings Run_New_Game_Setup(const Game& game) override;
};

// Gives both players their busy holdings in a game already dealt.
// Every stock held and every third one short; `options_per_stock` (up to 3) positions on each.
void Fill_Portfolios(Game& game, int options_per_stock = 3);
Game Busy_Game(Random& rnd, Quiet_Screens& screens, int options_per_stock = 3);
// The game's own dates after its turn moved `turns` on, so that it still loads: the report
// turns and the computer's expiries move with it, and the player's options (dated for a game
// that plays on) expire within the turns the options window offers.
void Move_Dates_On(Game& game, Long turns);
