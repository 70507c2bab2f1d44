#include "engine/trading/options.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/model/numbers.h"
#include "engine/history/history.h"

namespace {
double Turn(const Game& game) { return game.Turn_Number.Value(); }

// Out of the money: half the bonus for every three dollars (or part) away.
double Out_Bonus(double distance_within) {
    double x = 10;
    for (double k = distance_within; k >= 0; k -= 3) x /= 2;
    return x;
}

double Net_Worth_Value(const Game& game) { return game.Net_Worth.Value(); }
}  // namespace

namespace {
// The kind of a position, without a string comparison on every quote.
bool Is_Call(const std::string& type) {
    return type.size() == 4 && type[0] == 'C' && type[1] == 'a' && type[2] == 'l' && type[3] == 'l';
}

// The momentum boost of a stock in percent: twice its three-turn change, within -70..100.
double Boost_Of(const Game& game, int stock) {
    const auto& h = game.Price_History[stock];
    double m = h[99] == 0 ? 0 : Round_Even((h[99] - h[96]) * 100.0 / h[99]);
    return std::clamp(2 * m, -70.0, 100.0);
}

double Premium_At(bool call, int strike, int expires, double turn, double price, double boost) {
    // The time value is highest for an option as far off as one can be bought.
    const double to_go = expires - turn - Option_Life;
    double p = 2 + (-0.0021) * (to_go * to_go);
    if (call)
        p += price > strike ? price - strike : Out_Bonus(strike - price);
    else
        p += price < strike ? strike - price : Out_Bonus(price - strike);
    p = p + p * boost * 0.01;
    return Round(p, 2);
}
}  // namespace

int Strike_For(double price, bool call) {
    const double steps = call ? std::floor(price / Strike_Step) : std::ceil(price / Strike_Step);
    return static_cast<int>(steps * Strike_Step);
}

double Option_Premium(const Game& game, const std::string& type, int stock, int strike, int expires) {
    return Premium_At(Is_Call(type), strike, expires, Turn(game), Stock_Price(game, stock), Boost_Of(game, stock));
}

double Option_Premium(const Game& game, int k) {
    const Option_Position& o = game.Player_Option[k];
    return Option_Premium(game, o.Option_Type, o.Stock, o.Strike, o.Expires);
}

std::array<double, Option_Slots> Position_Premiums(const Game& game) {
    std::array<double, Option_Slots> premiums{};
    std::array<double, Stock_Count> prices{}, boosts{};
    std::array<bool, Stock_Count> read{};
    const double turn = Turn(game);
    for (int k = 0; k < game.Player_Option_Count && k < Option_Slots; ++k) {
        const Option_Position& o = game.Player_Option[k];
        if (!read[o.Stock]) {
            prices[o.Stock] = Stock_Price(game, o.Stock);
            boosts[o.Stock] = Boost_Of(game, o.Stock);
            read[o.Stock] = true;
        }
        premiums[k] = Premium_At(Is_Call(o.Option_Type), o.Strike, o.Expires, turn, prices[o.Stock], boosts[o.Stock]);
    }
    return premiums;
}

void Warn_Expiring_Options(Game& game, Screens& screens) {
    int next = static_cast<int>(Turn(game)) + 1;
    std::vector<std::string> lines;
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        if (o.Expires != next) continue;
        lines.push_back(o.Option_Type + "  " + game.Symbol[o.Stock] + ",   Strike: " + Number_Text(o.Strike) +
                        ",   Quantity: " + Number_Text(o.Quantity));
    }
    if (lines.empty()) return;
    screens.Show_Alert("Option Expiration Warning!",
                       "ALERT! The following option(s) are due to expire next turn.", lines);
}

// A lapsed position is simply lost: its value leaves the net worth, no cash is paid.
void Lapse_Expired_Options(Game& game) {
    int t = static_cast<int>(Turn(game));
    int k = 0;
    while (k < game.Player_Option_Count) {
        if (game.Player_Option[k].Expires != t) { ++k; continue; }
        const Option_Position& o = game.Player_Option[k];
        const double premium = Option_Premium(game, k);
        double value = o.Quantity * premium * Contract_Shares;
        game.Net_Worth.Set(Net_Worth_Value(game) - value);
        // Lost with it: what was paid for it.
        Record_Trade(game, Trader::You, "Lapse", o.Stock, o.Quantity, premium, -(o.Purchase_Price * o.Quantity * Contract_Shares));
        Remove_Option(game, k);
    }
}
