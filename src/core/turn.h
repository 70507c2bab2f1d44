#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// One whole turn (the END TURN button and the End Turn menu command). On the calendar's last
// turn it is refused with a beep and returns false.
bool End_Turn_Menu_Click(Game& game, Random& rnd, Screens& screens);
// The market part of the turn: net worth from cash, prices, the option term.
void End_Turn_Sequence(Game& game, Random& rnd);
// The capital-gains tax of every hundredth turn, with the tax window.
void Pay_Taxes(Game& game, Screens& screens);
// One tick of the time limit; true when it ended a turn, so the caller brings
// the trade, chart and research windows up to date.
bool Game_Timer_Timer(Game& game, Random& rnd, Screens& screens);
