#pragma once
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"

enum class Turn_Result {
    Not_Played,  // the calendar's last turn (refused with a beep), or a tick of the clock alone
    Played,
    Quit,  // the end-of-game window's Quit: the program ends
};

// One whole turn (the END TURN button and the End Turn menu command).
Turn_Result Play_Turn(Game& game, Random& rnd, Screens& screens);
// The market part of the turn: net worth from cash, prices, the option term.
void Move_Market(Game& game, Random& rnd);
// The capital-gains tax of every hundredth turn, with the tax window.
void Pay_Taxes(Game& game, Screens& screens);
// One tick of the time limit; Played when it ended a turn, so the caller brings the trade,
// chart and research windows up to date.
Turn_Result Tick_Clock(Game& game, Random& rnd, Screens& screens);
