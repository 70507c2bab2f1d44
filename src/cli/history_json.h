#pragma once
// The record of the race as the console gives it: `history` in one line, `journal` in a line
// per entry.
#include <string>
#include <vector>

#include "engine/model/game.h"

// {"Turn":[...],"Net_Worth":[...],"Computer_Net_Worth":[...]}
std::string History_Json(const Game& game);
// {"Turn":12,"Who":"You","What":"Buy","Symbol":"AAPL","Quantity":100,"Price":88,"Gain":null,"Cash":11200}
std::vector<std::string> Journal_Json(const Game& game);
