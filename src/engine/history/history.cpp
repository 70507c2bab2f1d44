#include "engine/history/history.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "engine/model/game.h"
#include "engine/model/numbers.h"
#include "engine/model/string_table.h"

namespace {

double Turn_Of(const Game& game) { return game.Turn_Number.Value(); }

bool Crashed(const Game& game) {
    return std::any_of(game.News_Items.begin(), game.News_Items.end(),
                       [](const List_Line& line) { return line.Text == Crash_Headline; });
}

template <typename T>
void Keep_Newest(std::deque<T>& items, std::size_t kept, std::size_t& dropped) {
    while (items.size() > kept) {
        items.pop_front();
        ++dropped;
    }
}


}  // namespace

const char* Trader_Name(Trader who) { return who == Trader::You ? "You" : "Computer"; }

std::string Dollars(double amount) {
    const std::string text = Add_Commas(Number_Text(std::fabs(amount)));
    return (amount < 0 ? "-$" : "$") + text;
}

void Begin_History(Game& game) {
    auto history = std::make_shared<Game_History>();
    history->Base_Worth = game.Net_Worth.Value();
    history->Base_Index = game.Price[Index_Entry].Value();
    history->Points.push_back({static_cast<Long>(Turn_Of(game)), history->Base_Worth,
                               game.C_Portfolio.Net_Worth.Value(), history->Base_Index, false, false});
    game.History = std::move(history);
}

void Record_Turn(Game& game) {
    if (!game.History) return;
    game.History->Points.push_back({static_cast<Long>(Turn_Of(game)), game.Net_Worth.Value(),
                                    game.C_Portfolio.Net_Worth.Value(),
                                    game.Price[Index_Entry].Value(), Crashed(game), false});
    Keep_Newest(game.History->Points, History_Turns_Kept, game.History->Dropped_Points);
}

void Record_Taxes(Game& game, double player_tax, double computer_tax) {
    if (!game.History) return;
    auto& points = game.History->Points;
    if (!points.empty() && points.back().Turn == static_cast<Long>(Turn_Of(game))) points.back().Tax = true;
    if (player_tax > 0) Record_Trade(game, Trader::You, "Tax", -1, 0, player_tax, std::nullopt);
    if (computer_tax > 0) Record_Trade(game, Trader::Computer, "Tax", -1, 0, computer_tax, std::nullopt);
}

void Record_Trade(Game& game, Trader who, const std::string& what, int stock, double quantity, double price,
                  std::optional<double> gain) {
    if (!game.History || (stock >= 0 && quantity == 0)) return;
    const Shown_Number& cash = who == Trader::You ? game.Cash_On_Hand : game.C_Portfolio.Cash;
    // Premiums are kept in single precision; the journal shows cents, not the float's tail.
    const auto cents = [](double x) { return std::round(x * 100) / 100; };
    if (gain) gain = cents(*gain);
    game.History->Journal.push_back({static_cast<Long>(Turn_Of(game)), who, what,
                                     stock >= 0 ? game.Symbol[stock] : std::string(), quantity, cents(price), gain,
                                     cash.Value()});
    Keep_Newest(game.History->Journal, Journal_Entries_Kept, game.History->Dropped_Entries);
}

double Index_Line(const Game_History& history, double index) {
    if (!(history.Base_Index > 0)) return history.Base_Worth;
    // A base worth far beyond any game's would take the line past a double: it stops at the largest.
    const double most = std::numeric_limits<double>::max();
    return std::clamp(history.Base_Worth * index / history.Base_Index, -most, most);
}

History_Summary Summarize(const Game& game) {
    History_Summary summary;
    if (!game.History || game.History->Points.empty()) return summary;
    const Game_History& h = *game.History;
    const Journal_Entry* best = nullptr;
    const Journal_Entry* worst = nullptr;
    for (const Journal_Entry& e : h.Journal) {
        if (e.Who != Trader::You || !e.Gain) continue;
        if (!best || *e.Gain > *best->Gain) best = &e;
        if (!worst || *e.Gain < *worst->Gain) worst = &e;
    }
    auto describe = [](const char* title, const Journal_Entry& e) {
        return std::string(title) + e.What + " " + Add_Commas(Number_Text(e.Quantity)) + " " + e.Symbol +
               " in turn " + Number_Text(e.Turn) + ": " + Dollars(*e.Gain);
    };
    if (best && *best->Gain > 0) summary.Best_Trade = describe("Best trade: ", *best);
    if (worst && *worst->Gain < 0) summary.Worst_Trade = describe("Worst trade: ", *worst);
    const History_Point& last = h.Points.back();
    summary.Turns_Played = "Turns played: " + Add_Commas(Number_Text(last.Turn));
    summary.Against_The_Index = "Your net worth: " + Dollars(last.Net_Worth) +
                                "; bought and held, the market index would have made it " +
                                Dollars(Int(Index_Line(h, last.Index))) + ".";
    return summary;
}
