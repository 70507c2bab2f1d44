#include "opponent/computer_portfolio.h"

#include "core/grid_writer.h"
#include "core/numbers.h"
#include "core/text_sum.h"
#include "trading/options.h"
#include "trading/positions.h"

namespace {
// The change column: "0" without a price paid.
void Write_Change(std::string& out, double now, double then) {
    if (then == 0)
        out = "0";
    else
        Write_Number_Text(out, Round_Even(100 * now / then - 100));
}
}  // namespace

void My_Form_Activate(Game& game) {
    auto& c = game.C_Portfolio;
    // The net worth is built in its label: the cash, then each position added as text.
    Text_Sum worth(c.Cash.Text());
    {
        Grid_Writer grid(c.Grid);
        for (int s = 0; s < Stock_Count; ++s) {
            double price = Stock_Price(game, s);
            const auto& held = game.Computer_Stock[s];
            if (held.Shares != 0) {
                worth.Add(held.Shares * price);
                Grid_Row& row = grid.Next(5);
                row[0] = game.Symbol[s];
                Write_Grouped_Number(row[1], held.Shares);
                Write_Number_Text(row[2], held.Avg_Price);
                row[3] = game.Price[s].Text();
                Write_Change(row[4], price, held.Avg_Price);
            }
            const auto& shorted = game.Computer_Short[s];
            if (shorted.Shares != 0) {
                worth.Add(shorted.Shares * Computer_Short_Value(shorted.Avg_Price, price));
                Grid_Row& row = grid.Next(5);
                row[0] = game.Symbol[s];
                Write_Number_Text(row[1], -shorted.Shares);
                Write_Number_Text(row[2], shorted.Avg_Price);
                row[3] = game.Price[s].Text();
                if (shorted.Avg_Price == 0)
                    row[4] = "0";
                else
                    Write_Number_Text(row[4], Round_Even(100 - 100 * price / shorted.Avg_Price));
            }
            const auto& option = game.Computer_Option[s];
            if (option.Contracts != 0) {
                double v = Option_Premium(game, option.Option_Type, s, option.Strike, option.Expires);
                worth.Add(option.Contracts * v * Contract_Shares);
                double paid = Round(option.Premium, 2), now = Round(v, 2);
                Grid_Row& row = grid.Next(5);
                row[0] = game.Symbol[s] + " " + option.Option_Type;
                Write_Grouped_Number(row[1], option.Contracts);
                Write_Number_Text(row[2], paid);
                Write_Number_Text(row[3], now);
                Write_Change(row[4], now, paid);
            }
        }
        // Padded to seven rows under the title row.
        while (grid.Rows() < 7)
            for (std::string& cell : grid.Next(5)) cell.clear();
    }
    c.Net_Worth = Shown_Number::Read(worth.Text());
    c.Net_Worth.Group();
    c.Cash_View = Add_Commas(c.Cash.Text());
}
