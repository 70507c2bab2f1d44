#pragma once
#include "engine/model/game.h"
#include "engine/model/screens.h"

// The Cheat menu. Each returns false when the command was refused (a disabled item,
// a cancelled confirmation is not a refusal) and beeps where the game beeps.
bool Enable_Cheat_Mode(Game& game, Screens& screens);
bool Set_Your_Cash(Game& game, Screens& screens);
bool Set_Computer_Cash(Game& game, Screens& screens);
bool Set_Market_Trend(Game& game, Screens& screens);
