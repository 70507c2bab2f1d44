#pragma once
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// The 100-day pre-simulation run by the setup window's Go.
void Simulate_History(Game& game, Random& rnd, Screens& screens);
