#include "engine/market/news.h"

#include <algorithm>

#include "engine/model/numbers.h"
#include "engine/market/earnings.h"
#include "engine/market/news_alerts.h"
#include "engine/model/string_table.h"

namespace {
bool Has_News_Line(const Game& game, int stock) {
    return std::any_of(game.News_Items.begin(), game.News_Items.end(),
                       [stock](const List_Line& l) { return l.Item_Data == stock; });
}

void Company_News_Item(Game& game, Random& rnd, int power, std::vector<std::string>& alerts) {
    int kind = 0, stock = 0;
    do {
        kind = static_cast<int>(Int(rnd.Rnd() * Company_News_Count));
        stock = static_cast<Integer>(Int(rnd.Rnd() * Stock_Count));
    } while (Has_News_Line(game, stock));
    game.News_Items.push_back({game.Symbol[stock] + " " + game.News_Item[kind].Text, stock});
    int x = game.News_Item[kind].Effect;
    if (x == 0) x = Int(rnd.Rnd() * 2) == 0 ? -1 : 1;
    double p = Stock_Price(game, stock);
    double k = Int(rnd.Rnd() * 5 * power + 1);
    game.Price[stock].Set(std::max(Lowest_Price, Round_Even(p + k * x * p * 0.01)));
    game.Stock_Trend[stock] = To_Integer(game.Stock_Trend[stock] + power * x / 2.0);
    Alert_Owned_Stock(game, stock, alerts);
    game.Stock_Trend[stock] = static_cast<Integer>(std::clamp<int>(game.Stock_Trend[stock], -Stock_Trend_Limit, Stock_Trend_Limit));
}

void Company_News(Game& game, Random& rnd, std::vector<std::string>& alerts) {
    int f = game.Setup.Frequency_Slider, power = game.Setup.Power_Slider;
    if (!(Int(rnd.Rnd() * 101) < 2 * f)) return;
    int count = static_cast<int>(Int(rnd.Rnd() * (Int(f / 4.0) + 1)));
    for (int n = 0; n < count; ++n) Company_News_Item(game, rnd, power, alerts);
}

void World_News(Game& game, Random& rnd, std::vector<std::string>& alerts) {
    int f = game.Setup.Frequency_Slider, power = game.Setup.Power_Slider;
    if (!(Int(rnd.Rnd() * 71) < f + 1)) return;
    int w = static_cast<int>(Int(rnd.Rnd() * World_News_Count));
    double index = Index_Value(game);
    if (index < 1000) w = static_cast<int>(Int(rnd.Rnd() * 3));
    if (index >= 10000) w = static_cast<int>(Int(rnd.Rnd() * 3 + 3));
    // The direction does not follow the text: most world news is bad news.
    int v = static_cast<int>(Int(rnd.Rnd() * 101));
    double step = Int(rnd.Rnd() * (power + 1));
    double trend = v <= 7 ? game.Market_Trend + step : game.Market_Trend - step;
    game.Market_Trend = static_cast<Integer>(std::clamp<int>(To_Integer(trend), -World_News_Trend_Limit, World_News_Trend_Limit));
    game.News_Items.push_back({game.News_Text[w], -1});
    if (game.Setup.World_Alert == 1) alerts.push_back("World/Markets");
}

void Crash(Game& game, Random& rnd, std::vector<std::string>& alerts) {
    double r = rnd.Rnd();
    if (!(Index_Value(game) > Crash_Index && Int(r * 101) == 13)) return;
    game.Market_Trend = -3;
    for (int i = 0; i < Stock_Count; ++i) {
        game.Stock_Trend[i] = -6;
        game.Index_Weight[i] = 1;
        game.Price[i].Set(Int(rnd.Rnd() * (Crash_Highest_Price - Crash_Lowest_Price + 1) + Crash_Lowest_Price));
        game.Change[i].Set_Text("CRASH!");
        game.Change_Colour[i] = Colour::Red;
    }
    game.Last_Turn_Record.Crash = true;
    alerts.push_back("Crash and burn!");
    game.News_Items.push_back({Crash_Headline, -1});
}
}  // namespace

void Generate_News(Game& game, Random& rnd, std::vector<std::string>& alerts) {
    game.News_Items.clear();
    game.Earnings_News.clear();
    alerts.clear();
    int turn = static_cast<int>(game.Turn_Number.Value());
    for (int s = 0; s < Stock_Count; ++s) Earnings_Stage(game, rnd, s, turn, alerts);
    Company_News(game, rnd, alerts);
    World_News(game, rnd, alerts);
    Crash(game, rnd, alerts);
}

Quick_Quote_View Quick_Quote(const Game& game, int item_data) {
    if (item_data < 0 || item_data >= Stock_Count) return {};
    return {game.Symbol[item_data], game.Price[item_data].Text(), game.Change[item_data].Text(), game.Change_Colour[item_data]};
}
