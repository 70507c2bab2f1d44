#include "engine/trading/portfolio.h"

#include "engine/model/numbers.h"
#include "engine/trading/options.h"

#include <algorithm>
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

}  // namespace

std::vector<Stock_Row> Stock_Grid_Rows(const Game& game) {
    std::vector<Stock_Row> rows;
    auto row = [&](int s, bool is_short) {
        const Holding& h = is_short ? game.Player_Short[s] : game.Player_Stock[s];
        if (h.Shares == 0) return;
        const double change = Change_Percent(Stock_Price(game, s), h.Avg_Price);
        std::string shares = Add_Commas(Number_Text(h.Shares));
        if (is_short) shares.insert(0, 1, '-');
        rows.push_back({s, is_short,
                        {game.Symbol[s], shares, Number_Text(h.Avg_Price), game.Price[s].Text(),
                         Number_Text(is_short ? 100 - change : change - 100)}});
    };
    for (int s = 0; s < Stock_Count; ++s) row(s, false);
    for (int s = 0; s < Stock_Count; ++s) row(s, true);
    return rows;
}

std::vector<Option_Row> Option_Grid_Rows(const Game& game) {
    std::vector<Option_Row> rows;
    const auto premiums = Position_Premiums(game);
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        const double now = premiums[k];
        const double change = o.Purchase_Price == 0 ? 0 : Round_Even(100 * now / o.Purchase_Price) - 100;
        std::string paid;
        Write_Single_Text(paid, o.Purchase_Price);
        rows.push_back({k,
                        {game.Symbol[o.Stock], o.Option_Type, Number_Text(o.Strike), Add_Commas(Number_Text(o.Quantity)),
                         paid, Number_Text(now), Number_Text(o.Expires), Number_Text(change)}});
    }
    return rows;
}

std::optional<Stock_Grid_Close> Close_From_Stock_Grid(const Game& game, int row) {
    const std::vector<Stock_Row> rows = Stock_Grid_Rows(game);
    if (row < 0 || row >= static_cast<int>(rows.size())) return std::nullopt;
    const Grid_Row& cells = rows[row].Cells;
    const int stock = Find_Symbol(game, cells[0]);
    const std::optional<double> shares = Locale_Number(cells[1]);
    if (stock < 0 || !shares) return std::nullopt;
    // A short row shows its count with a minus sign.
    const double q = Int(*shares);
    return Stock_Grid_Close{stock, q <= 0, Number_Text(q > 0 ? q : -q)};
}
