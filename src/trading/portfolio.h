#pragma once
#include <optional>
#include <string>

#include "core/game.h"

// Rebuilds the rows of the player's stock grid and option grid.
void Refresh_Portfolio(Game& game);

// What a double-click on data row `row` (0 = the first) of the stock grid opens for closing the
// position: the Sell window, or the Short window buying back, on the row's stock with its share
// count in the quantity box. Nullopt for a row the grid does not have.
struct Stock_Grid_Close {
    int Stock = -1;
    bool Buy_Back = false;
    std::string Quantity;
};
std::optional<Stock_Grid_Close> Close_From_Stock_Grid(const Game& game, int row);
