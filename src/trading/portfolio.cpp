#include "trading/portfolio.h"

#include "core/grid_writer.h"
#include "core/numbers.h"
#include "trading/options.h"

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

void Refresh_Portfolio(Game& game) {
    Grid_Writer stocks(game.Stock_Portfolio);
    Grid_Writer options(game.Options_Portfolio);
    auto& stock_sources = game.Stock_Portfolio_Source;
    const std::size_t stock_rows_before = std::min(stock_sources.size(), game.Stock_Portfolio.size());
    std::size_t r = 0;
    // Long holdings first, then the shorts, each in stock order.
    auto stock_row = [&](int s, bool is_short) {
        const Holding& h = is_short ? game.Player_Short[s] : game.Player_Stock[s];
        if (h.Shares == 0) return;
        const Game::Stock_Row_Source source{s, is_short, h};
        Grid_Row& row = stocks.Next(5);
        if (r >= stock_sources.size()) stock_sources.resize(r + 1);
        if (r >= stock_rows_before || !(stock_sources[r] == source)) {
            row[0] = game.Symbol[s];
            Write_Grouped_Number(row[1], h.Shares);
            if (is_short) row[1].insert(0, 1, '-');
            Write_Number_Text(row[2], h.Avg_Price);
            stock_sources[r] = source;
        }
        row[3] = game.Price[s].Text();
        const double change = Change_Percent(Stock_Price(game, s), h.Avg_Price);
        Write_Number_Text(row[4], is_short ? 100 - change : change - 100);
        ++r;
    };
    for (int s = 0; s < Stock_Count; ++s) stock_row(s, false);
    for (int s = 0; s < Stock_Count; ++s) stock_row(s, true);
    stock_sources.resize(r);

    const auto premiums = Position_Premiums(game);
    auto& sources = game.Options_Portfolio_Source;
    const std::size_t rows_before = std::min(sources.size(), game.Options_Portfolio.size());
    const auto count = static_cast<std::size_t>(std::max<int>(game.Player_Option_Count, 0));
    sources.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        double now = premiums[k];
        double change = o.Purchase_Price == 0 ? 0 : Round_Even(100 * now / o.Purchase_Price) - 100;
        Grid_Row& row = options.Next(8);
        if (k >= rows_before || !(sources[k] == o)) {
            row[0] = game.Symbol[o.Stock];
            row[1] = o.Option_Type;
            Write_Number_Text(row[2], o.Strike);
            Write_Grouped_Number(row[3], o.Quantity);
            Write_Single_Text(row[4], o.Purchase_Price);
            Write_Number_Text(row[6], o.Expires);
            sources[k] = o;
        }
        Write_Number_Text(row[5], now);
        Write_Number_Text(row[7], change);
    }
}

std::optional<Stock_Grid_Close> Close_From_Stock_Grid(const Game& game, int row) {
    if (row < 0 || row >= static_cast<int>(game.Stock_Portfolio.size())) return std::nullopt;
    const Grid_Row& cells = game.Stock_Portfolio[row];
    const int stock = Find_Symbol(game, cells[0]);
    const std::optional<double> shares = Locale_Number(cells[1]);
    if (stock < 0 || !shares) return std::nullopt;
    // A short row shows its count with a minus sign.
    const double q = Int(*shares);
    return Stock_Grid_Close{stock, q <= 0, Number_Text(q > 0 ? q : -q)};
}
