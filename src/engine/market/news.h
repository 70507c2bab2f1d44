#pragma once
#include <string>
#include <vector>

#include "engine/model/game.h"
#include "engine/model/random.h"

// The turn's news: earnings stage for every stock, company news, world news, crash. Reads the
// turn number already advanced to the new turn; the stocks and news the player asked to be
// alerted to are appended to `alerts`.
void Generate_News(Game& game, Random& rnd, std::vector<std::string>& alerts);

// What the quick quote shows for a click on a news line with that line's item data: nothing
// for a line about no stock.
struct Quick_Quote_View {
    std::string Symbol, Price, Change;
    Colour Change_Colour = Colour::Black;
};
Quick_Quote_View Quick_Quote(const Game& game, int item_data);
