#pragma once
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"

// The 100-day pre-simulation run by the setup window's Go.
void Simulate_History(Game& game, Random& rnd, Screens& screens);
