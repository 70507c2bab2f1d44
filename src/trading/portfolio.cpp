#include "trading/portfolio.h"

#include "core/numbers.h"
#include "trading/options.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {
double Change_Percent(double price, int avg) { return avg == 0 ? 0 : Round_Even(price * 100 / avg); }
// A 32-bit price is shown with the seven digits it really carries.
void Write_Single_Text(std::string& out, Single x) {
    // A premium paid is nearly always a number of cents: the float nearest to it, which
    // "%.7g" prints as those cents (at most six digits, so well within a float's precision).
    const double cents = std::nearbyint(static_cast<double>(x) * 100);
    if (std::fabs(cents) < 1e6 && static_cast<Single>(cents / 100) == x) return Write_Number_Text(out, cents / 100);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x), std::chars_format::general, 7);
    out.assign(buf, r.ptr);
}

// Rewrites a grid row by row into the rows of the last turn, whose storage it keeps: the
// grids are rebuilt every turn, and mostly with the same number of rows.
class Grid_Writer {
public:
    explicit Grid_Writer(std::vector<Grid_Row>& grid) : grid(grid) {}
    Grid_Writer(const Grid_Writer&) = delete;
    Grid_Writer& operator=(const Grid_Writer&) = delete;
    ~Grid_Writer() { grid.resize(used); }

    // The next row with `cells` cells, holding last turn's texts until they are written.
    Grid_Row& Next(std::size_t cells) {
        if (used == grid.size()) grid.emplace_back();
        Grid_Row& row = grid[used++];
        row.resize(cells);
        return row;
    }

private:
    std::vector<Grid_Row>& grid;
    std::size_t used = 0;
};
}  // namespace

void Refresh_Portfolio(Game& game) {
    Grid_Writer stocks(game.Stock_Portfolio);
    Grid_Writer options(game.Options_Portfolio);
    for (int s = 0; s < Stock_Count; ++s) {
        const Holding& h = game.Player_Stock[s];
        if (h.Shares == 0) continue;
        double p = Leading_Number(game.Price[s]);
        Grid_Row& row = stocks.Next(5);
        row[0] = game.Symbol[s];
        Write_Grouped_Number(row[1], h.Shares);
        Write_Number_Text(row[2], h.Avg_Price);
        row[3] = game.Price[s];
        Write_Number_Text(row[4], Change_Percent(p, h.Avg_Price) - 100);
    }
    for (int s = 0; s < Stock_Count; ++s) {
        const Holding& h = game.Player_Short[s];
        if (h.Shares == 0) continue;
        double p = Leading_Number(game.Price[s]);
        Grid_Row& row = stocks.Next(5);
        row[0] = game.Symbol[s];
        Write_Grouped_Number(row[1], h.Shares);
        row[1].insert(0, 1, '-');
        Write_Number_Text(row[2], h.Avg_Price);
        row[3] = game.Price[s];
        Write_Number_Text(row[4], 100 - Change_Percent(p, h.Avg_Price));
    }
    const auto premiums = Position_Premiums(game);
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        double now = premiums[k];
        double change = o.Purchase_Price == 0 ? 0 : Round_Even(100 * now / o.Purchase_Price) - 100;
        Grid_Row& row = options.Next(8);
        row[0] = game.Symbol[o.Stock];
        row[1] = o.Option_Type;
        Write_Number_Text(row[2], o.Strike);
        Write_Grouped_Number(row[3], o.Quantity);
        Write_Single_Text(row[4], o.Purchase_Price);
        Write_Number_Text(row[5], now);
        Write_Number_Text(row[6], o.Expires);
        Write_Number_Text(row[7], change);
    }
}
