#pragma once
#include "core/game.h"

// The computer's net worth, cash view and grid rows: the only place its net worth is computed.
void My_Form_Activate(Game& game);
