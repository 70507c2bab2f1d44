#pragma once
#include <string>
#include <vector>

#include "engine/model/game.h"

// News or a report about a stock the player holds (shares, a short or an option), when the
// player asked to be alerted to it: its symbol joins the turn's alerts.
void Alert_Owned_Stock(const Game& game, int stock, std::vector<std::string>& alerts);
