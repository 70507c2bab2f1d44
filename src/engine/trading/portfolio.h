#pragma once
// The rows of the player's two grids on the Portfolio tab, worked out from the holdings when
// they are shown: the window, the console's `close` and the soak's checks read the same rows.
#include <optional>
#include <string>
#include <vector>

#include "engine/model/game.h"

// A row of the stock grid: holdings first, then the shorts, each in stock order.
struct Stock_Row {
    int Stock = -1;
    bool Short = false;
    Grid_Row Cells;  // symbol, shares (a short's with "-"), price paid, price now, change
};
std::vector<Stock_Row> Stock_Grid_Rows(const Game& game);

// A row of the option grid, one per position in table order.
struct Option_Row {
    int Position = -1;
    Grid_Row Cells;  // symbol, type, strike, quantity, paid, premium now, expires, change
};
std::vector<Option_Row> Option_Grid_Rows(const Game& game);

// What a double-click on data row `row` (0 = the first) of the stock grid opens for closing the
// position: the Sell window, or the Short window buying back, on the row's stock with its share
// count in the quantity box. Nullopt for a row the grid does not have.
struct Stock_Grid_Close {
    int Stock = -1;
    bool Buy_Back = false;
    std::string Quantity;
};
std::optional<Stock_Grid_Close> Close_From_Stock_Grid(const Game& game, int row);
