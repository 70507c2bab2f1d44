#include "engine/trading/option_trades.h"

#include <algorithm>
#include <cmath>

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/trading/options.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/positions.h"
#include "engine/trading/stock_trades.h"

namespace {
std::string Kind(const Option_Form& form) { return form.Calls ? "Call" : "Put"; }
int Strike_Of(const Option_Form& form) { return form.Strike; }
int Exp_Of(const Option_Form& form) { return form.Expires; }

int Find(const Game& game, const std::string& kind, int stock, int strike, int expires) {
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        if (o.Option_Type == kind && o.Stock == stock && o.Strike == strike && o.Expires == expires) return k;
    }
    return -1;
}

void Set_Expiry_Limits(const Game& game, Option_Form& form) {
    form.Exp_Min = First_Expiry(game);
    form.Exp_Max = form.Exp_Min + (Expiry_Choices - 1) * Expiry_Step;
}

// Why a purchase of n contracts is refused: nothing typed, the cash, or the limit per stock.
std::string Buy_Refusal(const Game& game, const Option_Form& form, double n, double premium) {
    if (!(n > 0)) return "Type how many contracts to buy.";
    double held = 0;
    for (int k = 0; k < game.Player_Option_Count; ++k)
        if (game.Player_Option[k].Stock == form.Stock) held += game.Player_Option[k].Quantity;
    const double affordable = Int(Player_Cash(game) / (premium * Contract_Shares));
    if (affordable < Option_Contract_Limit - held)
        return Cash_Covers(affordable, "contracts", "contract", premium,
                           " a share (" + Money_Text(premium * Contract_Shares) + " a contract)");
    return "You may hold " + Count_Text(Option_Contract_Limit) + " contracts on " + game.Symbol[form.Stock] +
           ", calls and puts together; you hold " + Count_Text(held) + ".";
}

std::string Price_Caption(const Game& game, int stock) {
    return "Current Price Of " + game.Symbol[stock] + ": " + game.Price[stock].Text();
}
}  // namespace

int First_Expiry(const Game& game) {
    int turn = static_cast<int>(game.Turn_Number.Value());
    return (turn / Expiry_Step + 1) * Expiry_Step;
}

bool Strike_Allowed(int strike) {
    return strike >= Lowest_Strike && strike <= Highest_Strike && strike % Strike_Step == 0;
}

bool Expiry_Allowed(const Option_Form& form, int expires) {
    return expires >= form.Exp_Min && expires <= form.Exp_Max && (expires - form.Exp_Min) % Expiry_Step == 0;
}

void Choose_Strike_And_Expiry(const Game& game, Option_Form& form) {
    const double price = Stock_Price(game, form.Stock);
    form.Strike = std::clamp(Strike_For(price, form.Calls), Lowest_Strike, Highest_Strike);
    Set_Expiry_Limits(game, form);
    form.Expires = form.Exp_Max;
}

double Most_Contracts(const Game& game, const Option_Form& form) {
    const int stock = form.Stock;
    if (form.Buy) {
        const double premium = Option_Premium(game, Kind(form), stock, Strike_Of(form), Exp_Of(form));
        double held = 0;
        for (int k = 0; k < game.Player_Option_Count; ++k)
            if (game.Player_Option[k].Stock == stock) held += game.Player_Option[k].Quantity;
        const double affordable = Int(Player_Cash(game) / (premium * Contract_Shares));
        return Most_Within_Limit(affordable, Option_Contract_Limit - held);
    }
    const int k = Find(game, Kind(form), stock, Strike_Of(form), Exp_Of(form));
    const double q = k >= 0 ? game.Player_Option[k].Quantity : 0;
    return q > 0 ? q : 0;
}

Option_View Option_Quote(const Game& game, const Option_Form& form) {
    const double premium = Option_Premium(game, Kind(form), form.Stock, Strike_Of(form), Exp_Of(form));
    const double most = Most_Contracts(game, form);
    return {Price_Caption(game, form.Stock), Number_Text(premium), Add_Commas(Number_Text(most)),
            form.Buy ? "Most You Can Buy:" : "Most You Can Sell:", Stock_Price(game, form.Stock), premium, most};
}

bool Spin_Strike(Option_Form& form, int direction) {
    int next = Strike_Of(form) + direction * Strike_Step;
    if (!Strike_Allowed(next)) return false;
    form.Strike = next;
    return true;
}

bool Spin_Exp(Option_Form& form, int direction) {
    int next = Exp_Of(form) + direction * Expiry_Step;
    if (!Expiry_Allowed(form, next)) return false;
    form.Expires = next;
    return true;
}

Trade_Result Trade_Option(Game& game, const Option_Form& form, Screens& screens) {
    const double n = form.Number.Value;
    const std::string kind = Kind(form);
    const int strike = Strike_Of(form), expires = Exp_Of(form);
    const double premium = Option_Premium(game, kind, form.Stock, strike, expires);
    int k = Find(game, kind, form.Stock, strike, expires);
    const double most = Most_Contracts(game, form);
    if (form.Buy) {
        if (!(n > 0 && n <= most)) return Trade_Result::Refused_Because(Buy_Refusal(game, form, n, premium));
        if (game.Player_Option_Count > Option_Position_Limit) {
            screens.Message_Box("Too many options positions");
            return Trade_Result::Refused_Because("You hold " + Count_Text(game.Player_Option_Count) +
                                                 " option positions, the most there may be: close one first.");
        }
        Set_Player_Cash(game, Round_Even(Player_Cash(game) - premium * n * Contract_Shares));
        if (k >= 0) {
            Option_Position& o = game.Player_Option[k];
            // A small top-up does not move the price paid for a larger position.
            if (o.Quantity > n)
                o.Purchase_Price = static_cast<Single>((premium * n + o.Purchase_Price * o.Quantity) / (n + o.Quantity));
            o.Quantity += n;
        } else {
            game.Player_Option[game.Player_Option_Count++] =
                Option_Position{kind, static_cast<Integer>(form.Stock), static_cast<Integer>(strike),
                                static_cast<Long>(expires), static_cast<Single>(premium), n};
        }
        Record_Trade(game, Trader::You, "Buy " + kind, form.Stock, n, premium, std::nullopt);
    } else {
        if (n == 0) return Trade_Result::Refused_Because("Type how many contracts to sell.");
        if (k < 0)
            return Trade_Result::Refused_Because("You hold no " + game.Symbol[form.Stock] + (form.Calls ? " calls" : " puts") + " at strike " +
                                                 Number_Text(strike) + " expiring in turn " + Number_Text(expires) + ".");
        if (n > most) return Trade_Result::Refused_Because("You hold " + Count_Text(most) + " of these contracts.");
        Set_Player_Cash(game, Round_Even(Player_Cash(game) + n * Contract_Shares * premium));
        Option_Position& o = game.Player_Option[k];
        game.Player_Capital_Gains = game.Player_Capital_Gains + premium * n * Contract_Shares - o.Purchase_Price * n * Contract_Shares;
        Record_Trade(game, Trader::You, "Sell " + kind, form.Stock, n, premium,
                     premium * n * Contract_Shares - o.Purchase_Price * n * Contract_Shares);
        o.Quantity -= n;
        if (o.Quantity <= 0) Remove_Option(game, k);
    }
    return Trade_Result::Done;
}

Grid_Close Prefill_From_Grid(const Game& game, Option_Form& form, int row) {
    const std::vector<Option_Row> rows = Option_Grid_Rows(game);
    if (row < 0 || row >= static_cast<int>(rows.size())) return Grid_Close::No_Row;
    // As the double-click reads them: the row's texts.
    const Grid_Row& r = rows[row].Cells;
    const int stock = Find_Symbol(game, r[0]);
    if (stock < 0) return Grid_Close::No_Row;
    Option_Form filled = form;
    filled.Stock = stock;
    filled.Calls = r[1] == "Call";
    Set_Expiry_Limits(game, filled);
    filled.Expires = static_cast<int>(Leading_Number(r[6]));
    filled.Strike = static_cast<int>(Leading_Number(r[2]));
    filled.Buy = false;
    filled.Number = Quantity_Of(Int(Locale_Number(r[3]).value_or(0)));
    if (filled.Strike < Lowest_Strike || filled.Strike > Highest_Strike || filled.Expires < filled.Exp_Min ||
        filled.Expires > filled.Exp_Max)
        return Grid_Close::Refused;
    form = filled;
    return Grid_Close::Ready;
}

std::string Strikes_Offered() {
    return "The strike box offers " + Number_Text(Lowest_Strike) + " to " + Number_Text(Highest_Strike) +
           " in steps of " + Number_Text(Strike_Step) + ".";
}

std::string Expiries_Offered(const Option_Form& form) {
    return "The expiry box offers turns " + Number_Text(form.Exp_Min) + ", " +
           Number_Text(form.Exp_Min + Expiry_Step) + " and " + Number_Text(form.Exp_Max) + ".";
}

std::string Grid_Refusal(const Game& game, int row) {
    const std::vector<Option_Row> rows = Option_Grid_Rows(game);
    if (row < 0 || row >= static_cast<int>(rows.size())) return {};
    const Option_Position& o = game.Player_Option[rows[row].Position];
    const std::string lapse = ": it can only lapse, in turn " + Number_Text(o.Expires) + ".";
    if (o.Strike < Lowest_Strike)
        return "A split took this option's strike to " + Number_Text(o.Strike) + ", below the " +
               Number_Text(Lowest_Strike) + " the strike box holds" + lapse;
    return "The strike box cannot hold this option's strike of " + Number_Text(o.Strike) + " or the expiry box its turn" +
           lapse;
}
