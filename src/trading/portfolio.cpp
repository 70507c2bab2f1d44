#include "trading/portfolio.h"

#include "core/numbers.h"
#include "trading/options.h"

#include <charconv>
#include <utility>
#include <vector>
#include <cmath>

namespace {
double Change_Percent(double price, int avg) { return avg == 0 ? 0 : Round_Even(price * 100 / avg); }
// A 32-bit price is shown with the seven digits it really carries.
std::string Single_Text(Single x) {
    // A premium paid is nearly always a number of cents: the float nearest to it, which
    // "%.7g" prints as those cents (at most six digits, so well within a float's precision).
    const double cents = std::nearbyint(static_cast<double>(x) * 100);
    if (std::fabs(cents) < 1e6 && static_cast<Single>(cents / 100) == x) return Number_Text(cents / 100);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x), std::chars_format::general, 7);
    return std::string(buf, r.ptr);
}

// Rewrites a grid row by row into the rows of the last turn, whose storage it keeps: the
// grids are rebuilt every turn, and mostly with the same number of rows.
class Grid_Writer {
public:
    explicit Grid_Writer(std::vector<Grid_Row>& grid) : grid(grid) {}
    Grid_Writer(const Grid_Writer&) = delete;
    Grid_Writer& operator=(const Grid_Writer&) = delete;
    ~Grid_Writer() { grid.resize(used); }

    template <typename... Cells>
    void Row(Cells&&... cells) {
        if (used == grid.size()) grid.emplace_back();
        Grid_Row& row = grid[used++];
        row.resize(sizeof...(cells));
        std::size_t i = 0;
        ((row[i++] = std::forward<Cells>(cells)), ...);
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
        stocks.Row(game.Symbol[s], Add_Commas(Number_Text(h.Shares)), Number_Text(h.Avg_Price), game.Price[s],
                   Number_Text(Change_Percent(p, h.Avg_Price) - 100));
    }
    for (int s = 0; s < Stock_Count; ++s) {
        const Holding& h = game.Player_Short[s];
        if (h.Shares == 0) continue;
        double p = Leading_Number(game.Price[s]);
        stocks.Row(game.Symbol[s], "-" + Add_Commas(Number_Text(h.Shares)), Number_Text(h.Avg_Price), game.Price[s],
                   Number_Text(100 - Change_Percent(p, h.Avg_Price)));
    }
    const auto premiums = Position_Premiums(game);
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        double now = premiums[k];
        double change = o.Purchase_Price == 0 ? 0 : Round_Even(100 * now / o.Purchase_Price) - 100;
        options.Row(game.Symbol[o.Stock], o.Option_Type, Number_Text(o.Strike), Add_Commas(Number_Text(o.Quantity)),
                    Single_Text(o.Purchase_Price), Number_Text(now), Number_Text(o.Expires), Number_Text(change));
    }
}
