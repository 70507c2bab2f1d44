// The market's rules by what they do to a market: the move of a price, the three-turn rule,
// company and world news, the crash, the floor of $1, random news settings and the
// pre-simulated history of a new game. Each turn's draws are the generator's, so the rules
// that draw are checked over many seeds against what the rules allow and what they must reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "engine/market/news.h"
#include "engine/market/price_movement.h"
#include "test_support.h"

namespace {
const List_Line* Line(const Game& game, const std::string& text) {
    for (const List_Line& line : game.News_Items)
        if (line.Text == text) return &line;
    return nullptr;
}

double Price(const Game& game, int stock) { return game.Price[stock].Value(); }

// The market after the news of a turn drawn from `seed`, and the turn's alerts.
Game After_News(Game game, int seed, std::vector<std::string>* alerts = nullptr) {
    Random rnd(seed);
    std::vector<std::string> drawn;
    Generate_News(game, rnd, alerts ? *alerts : drawn);
    return game;
}
}  // namespace

TEST(Price_Movement, WorkedMovesAndLabels) {
    Random rnd(1);
    Game g = Flat_Market(100);
    g.Stock_Trend.fill(6);
    g.Market_Trend = 3;
    g.Price[1].Set(8);
    g.Price_History[1].fill(8);
    Move_Prices(g, rnd);
    EXPECT_EQ(g.Price[0].Text() + " " + g.Change[0].Text(), "112 12(12%)");  // 100 + 9 by its trend + 3.9 by the market's
    EXPECT_EQ(g.Price[1].Text(), "10");  // 8 + 0.72 + 0.312, and a stock at 8 is lifted a dollar
    // The index as the weighted sum is the bounds tests' and the new game's.

    // A fall shows the larger price over the smaller; an unchanged price keeps its label.
    for (const auto& [before, after, label, colour] : {std::tuple{10, 8, "-2(25%)", Colour::Red},
                                                       std::tuple{8, 11, "3(37.5%)", Colour::Blue},
                                                       std::tuple{11, 11, "3(37.5%)", Colour::Blue}}) {
        g.Price_History[0][98] = static_cast<Byte>(before);
        g.Price_History[0][99] = static_cast<Byte>(after);
        Set_Change_Label(g, 0);
        EXPECT_EQ(g.Change[0].Text(), label);
        EXPECT_EQ(g.Change_Colour[0], colour);
    }
}

// A rise of more than 20% over three turns pulls the trend down by 1 to 3; 20% does not.
TEST(Price_Movement, ARiseOfMoreThanTwentyPercentLowersTheTrend) {
    constexpr int Seeds = 1000;
    for (const auto& [from, lowered] : {std::pair{80, false}, std::pair{79, true}}) {
        double sum = 0;
        for (int seed = 0; seed < Seeds; ++seed) {
            Game g = Flat_Market(100);
            g.Stock_Trend.fill(0);
            g.Market_Trend = 0;
            g.Price_History[0][97] = static_cast<Byte>(from);  // three turns back after the shift
            Random rnd(seed);
            Move_Prices(g, rnd);
            ASSERT_EQ(g.Price[0].Text(), "100");
            sum += g.Stock_Trend[0];
        }
        // The random step alone averages 0; the pull averages -2.
        const double mean = sum / Seeds;
        if (lowered) {
            EXPECT_LT(mean, -1.5) << from;
        } else {
            EXPECT_GT(mean, -0.5) << from;
            EXPECT_LT(mean, 0.5) << from;
        }
    }
}

// Company news: at most one item per stock, the price moved 1 to 5 x power percent and the
// trend half the power in the item's direction (either way for a neutral item). Below a
// frequency of 4 no company news comes. Whom the alerts name, the news transcript shows.
TEST(Company_News, MovesPriceAndTrendItsWayAndAlertsWhatIsHeld) {
    Game base = Flat_Market(100);
    base.Setup.Frequency_Slider = 10;
    base.Setup.Power_Slider = 4;
    base.Stock_Trend.fill(0);
    int items = 0, neutral = 0;
    for (int seed = 0; seed < 3000; ++seed) {
        Game g = After_News(base, seed);
        std::set<int> stocks;
        for (const List_Line& line : g.News_Items) {
            const int s = line.Item_Data;
            if (s < 0) continue;
            ++items;
            EXPECT_TRUE(stocks.insert(s).second) << "two items on " << s;
            int effect = 2;
            for (const auto& item : g.News_Item)
                if (line.Text == g.Symbol[s] + " " + item.Text) effect = item.Effect;
            ASSERT_NE(effect, 2) << line.Text;
            const double move = Price(g, s) - 100;
            EXPECT_GE(std::abs(move), 1) << line.Text;
            EXPECT_LE(std::abs(move), 20) << line.Text;
            if (effect != 0) { EXPECT_GT(move * effect, 0) << line.Text; }
            neutral += effect == 0;
            EXPECT_EQ(g.Stock_Trend[s], move > 0 ? 2 : -2) << line.Text;
        }
        EXPECT_LE(stocks.size(), 2u);
    }
    EXPECT_GT(items, 300);
    EXPECT_GT(neutral, 50);

    base.Setup.Frequency_Slider = 3;
    for (int seed = 0; seed < 1000; ++seed) {
        Game g = After_News(base, seed);
        for (const List_Line& line : g.News_Items) EXPECT_LT(line.Item_Data, 0) << seed;
    }
}

// No news pushes a price below $1: a stock at $1 hit by a fall of 50% (which would round to 0)
// stays at $1, and the next move lifts it.
TEST(Company_News, AStockAtOneDollarIsKeptThere) {
    Game base = Flat_Market(1);
    base.Setup.Frequency_Slider = 10;
    base.Setup.Power_Slider = 10;
    base.Stock_Trend.fill(0);
    int falls = 0;
    for (int seed = 0; seed < 5000; ++seed) {
        Game g = After_News(base, seed);
        bool fell = false;
        for (int s = 0; s < Stock_Count; ++s) {
            ASSERT_GE(Price(g, s), Lowest_Price) << seed;
            fell = fell || g.Stock_Trend[s] < 0;
            falls += g.Stock_Trend[s] < 0;
        }
        if (!fell) continue;
        g.Price[Index_Entry].Set(0);
        Random rnd(seed);
        Move_Prices(g, rnd);
        for (int s = 0; s < Stock_Count; ++s) ASSERT_GE(Price(g, s), 2) << seed;
    }
    // Falls are 1..50% at random: among this many, the 50% fall comes (at 1 in 50 each).
    EXPECT_GT(falls, 500);
}

// World news: below an index of 1,000 only the first three texts, from 10,000 only the next
// three; whatever the text, the market trend mostly falls, and stays within +-4. Its alert is
// the news transcript's.
TEST(World_News, TextsFollowTheIndexAndTheTrendMostlyFalls) {
    Game base = Flat_Market(50);
    base.Setup.Frequency_Slider = 10;
    base.Setup.Power_Slider = 10;
    int rises = 0, falls = 0, at_floor = 0;
    std::set<int> middle_texts;
    for (const std::string index : {"999", "5000", "10000"}) {
        for (int seed = 0; seed < 600; ++seed) {
            base.Price[Index_Entry] = Shown_Number::Read(index);
            base.Market_Trend = -3;
            Game g = After_News(base, seed);
            const auto world = std::find_if(g.News_Items.begin(), g.News_Items.end(),
                                            [](const List_Line& l) { return l.Item_Data == -1; });
            if (world == g.News_Items.end()) continue;
            const int text = static_cast<int>(std::find(g.News_Text.begin(), g.News_Text.end(), world->Text) - g.News_Text.begin());
            ASSERT_LT(text, World_News_Count) << world->Text;
            if (index == "999") { EXPECT_LT(text, 3); }
            if (index == "5000") middle_texts.insert(text);
            if (index == "10000") { EXPECT_TRUE(text >= 3 && text <= 5) << text; }
            EXPECT_GE(g.Market_Trend, -World_News_Trend_Limit);
            EXPECT_LE(g.Market_Trend, World_News_Trend_Limit);
            rises += g.Market_Trend > -3;
            falls += g.Market_Trend < -3;
            at_floor += g.Market_Trend == -World_News_Trend_Limit;
            // A world line has no stock: its quick quote is empty.
            const Quick_Quote_View quote = Quick_Quote(g, world->Item_Data);
            EXPECT_EQ(quote.Symbol + quote.Price + quote.Change, "");
        }
    }
    EXPECT_GT(middle_texts.size(), 10u);
    EXPECT_GT(rises, 0);
    EXPECT_GT(falls, 5 * rises);
    EXPECT_GT(at_floor, 0);
}

// A crash comes only with the index above 70,000, about once in 101 turns, and throws the whole
// market down: every price to 10..20, every trend to -6, the market's to -3. That the weights
// go back to 1 and the histories stay, the crash transcript shows.
TEST(Crash, OnlyAboveTheMarkAndItResetsTheWholeMarket) {
    Game base = Flat_Market(180);
    base.Setup.Frequency_Slider = 1;
    base.Stock_Trend.fill(5);
    int crashes = 0;
    for (const std::string index : {"70000", "70001"}) {
        for (int seed = 0; seed < 2000; ++seed) {
            base.Price[Index_Entry] = Shown_Number::Read(index);
            std::vector<std::string> alerts;
            const Game g = After_News(base, seed, &alerts);
            const List_Line* line = Line(g, "OH S#!*");
            if (!line) continue;
            ASSERT_EQ(index, "70001") << seed;
            ++crashes;
            EXPECT_EQ(std::count(alerts.begin(), alerts.end(), "Crash and burn!"), 1);
            EXPECT_EQ(g.Market_Trend, -3);
            for (int s = 0; s < Stock_Count; ++s) {
                EXPECT_TRUE(Price(g, s) >= 10 && Price(g, s) <= 20 && Price(g, s) == Int(Price(g, s))) << g.Price[s].Text();
                EXPECT_EQ(g.Stock_Trend[s], -6);
                EXPECT_EQ(g.Change[s].Text(), "CRASH!");
                EXPECT_EQ(g.Change_Colour[s], Colour::Red);
            }
        }
    }
    EXPECT_GT(crashes, 8);
    EXPECT_LT(crashes, 40);
}

// Random news settings give each of the three sliders a value of 1 to 10 at Go, every value
// in time. That the sliders otherwise keep what the player set, the transcripts' news shows.
TEST(New_Game_Setup, RandomNewsSettingsDrawEachSliderFromOneToTen) {
    std::array<std::set<int>, 3> seen;
    for (int seed = 0; seed < 100; ++seed) {
        Game g = Blank_Game();
        g.Setup.Suprise = 1;
        Random rnd(seed);
        Recording_Screens screens;
        Deal_New_Game(g, rnd, screens);
        for (int k = 0; k < 3; ++k) {
            const int value = std::array{g.Setup.Frequency_Slider, g.Setup.Power_Slider, g.Setup.Earnings_Slider}[k];
            ASSERT_TRUE(value >= 1 && value <= 10) << value;
            seen[k].insert(value);
        }
    }
    for (const std::set<int>& values : seen) EXPECT_EQ(values.size(), 10u);
}

// A new game starts from 100 turns already played: full histories that end at today's prices,
// an index that is their weighted sum, and the progress bar run to its end. The splits of those
// turns halve the history and double the weight but touch no holding or option.
TEST(New_Game, ThePreSimulatedHistoryEndsAtTodaysMarket) {
    struct Progress_Screens : Recording_Screens {
        std::vector<int> progress;
        void Setup_Progress(int value) override { progress.push_back(value); }
    };
    int split = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Game g = Blank_Game();
        for (int s = 0; s < Stock_Count; ++s) {
            for (Holding* h : {&g.Player_Stock[s], &g.Player_Short[s], &g.Computer_Stock[s], &g.Computer_Short[s]})
                h->Avg_Price = 100;
            g.Computer_Option[s].Strike = 100;
        }
        g.Player_Option[0] = {"Call", 0, 100, 40, 1.0f, 4};
        Random rnd(seed);
        Progress_Screens screens;
        Deal_New_Game(g, rnd, screens);
        EXPECT_EQ(std::count_if(screens.progress.begin(), screens.progress.end(), [](int p) { return p > 0; }), 100);
        EXPECT_EQ(screens.progress.back(), 100);
        EXPECT_TRUE(std::is_sorted(screens.progress.begin(), screens.progress.end()));
        double index = 0;
        for (int s = 0; s < Stock_Count; ++s) {
            EXPECT_EQ(Price(g, s), g.Price_History[s][99]) << s;
            for (Byte h : g.Price_History[s]) EXPECT_GE(h, 1) << s;
            EXPECT_LE(Price(g, s), Price_Bound);
            EXPECT_TRUE(g.Stock_Trend[s] >= -Stock_Trend_Limit && g.Stock_Trend[s] <= Stock_Trend_Limit);
            index += Price(g, s) * g.Index_Weight[s];
            if (g.Index_Weight[s] == 1) continue;
            ++split;
            EXPECT_EQ(g.Player_Stock[s].Avg_Price + g.Player_Short[s].Avg_Price + g.Computer_Stock[s].Avg_Price +
                          g.Computer_Short[s].Avg_Price + g.Computer_Option[s].Strike,
                      500);
            if (s == 0) { EXPECT_EQ(g.Player_Option[0].Strike * 100 + g.Player_Option[0].Quantity, 10004); }
        }
        EXPECT_EQ(g.Price[Index_Entry].Text(), Number_Text(index));
        EXPECT_EQ(g.Index_History[99], To_Long(index));
        EXPECT_TRUE(g.Market_Trend >= -Market_Drift_Limit && g.Market_Trend <= Market_Drift_Limit);
    }
    EXPECT_GT(split, 0);
}
