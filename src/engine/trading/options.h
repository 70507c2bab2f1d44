#pragma once
#include <array>
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"

// Premium per share, rounded to cents, of an option at the current turn and price.
double Option_Premium(const Game& game, const std::string& type, int stock, int strike, int expires);
// The premium of the player's entry k.
double Option_Premium(const Game& game, int k);
// The premiums of all the player's entries at once, in table order: the turn and each price
// are read once for the whole table, which every turn values twice.
std::array<double, Option_Slots> Position_Premiums(const Game& game);
// The strike an option on a stock at `price` is opened at: the price rounded down to a multiple
// of 10 for a call, up for a put. The player's strike box then keeps it within its spin limits;
// the computer takes it as it is.
int Strike_For(double price, bool call);
void Warn_Expiring_Options(Game& game, Screens& screens);
void Lapse_Expired_Options(Game& game);
