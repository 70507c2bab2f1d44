#include <gtest/gtest.h>

#include "core/numbers.h"
#include "market/earnings.h"
#include "market/news.h"
#include "market/price_movement.h"
#include "trading/options.h"

namespace {
Game Flat_Market(int price) {
    Game g;
    Init_Game(g);
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s].Set(price);
        g.Index_Weight[s] = 1;
        g.Price_History[s].fill(static_cast<Byte>(price));
    }
    g.Price[Index_Entry].Set(0);
    g.Net_Worth = Shown_Number::Read("0");
    return g;
}

double Index_Sum(const Game& g) {
    double sum = 0;
    for (int s = 0; s < Stock_Count; ++s) sum += g.Price[s].Value() * g.Index_Weight[s];
    return sum;
}
}  // namespace

TEST(Price_Movement, SplitHalvesEverythingAndKeepsTheIndexWhole) {
    Game g = Flat_Market(100);
    g.Price[0].Set(201);
    g.Player_Stock[0] = {1001, 40};
    g.Player_Short[0] = {10, 30};
    g.Earnings[0].EPS = {Currency{12500}, Currency{-300}, Currency{10000}, Currency{0}};
    g.Player_Option[0] = {"Call", 0, 150, 40, 2.0f, 3};
    g.Player_Option_Count = 1;
    g.Price_History[0].fill(201);
    Split_Stock(g, 0);
    EXPECT_EQ(g.Price[0].Text(), "100.5");
    EXPECT_EQ(g.Player_Stock[0].Shares, 2002);
    EXPECT_EQ(g.Player_Stock[0].Avg_Price, 20);
    EXPECT_EQ(g.Player_Short[0].Avg_Price, 15);
    EXPECT_EQ(g.Earnings[0].EPS[0].units, 6200);   // 0.625 to even cents
    EXPECT_EQ(g.Earnings[0].EPS[1].units, -200);
    EXPECT_EQ(g.Player_Option[0].Quantity, 6);
    EXPECT_EQ(g.Player_Option[0].Strike, 75);
    EXPECT_EQ(g.Index_Weight[0], 2);
    EXPECT_EQ(g.Price_History[0][5], 100);  // 100.5 rounds to even
}

TEST(Price_Movement, TrendsLiftAndChangeLabelsOnWorkedNumbers) {
    Random rnd(1);
    Game g = Flat_Market(100);
    g.Stock_Trend.fill(6);
    g.Market_Trend = 3;
    g.Price[1].Set(8);
    g.Price_History[1].fill(8);
    g.Stock_Trend[1] = 0;
    g.Market_Trend = 3;
    Move_Prices(g, rnd);
    EXPECT_EQ(g.Price[0].Text(), "112");       // Int(100 + 9 + 3.9)
    EXPECT_EQ(g.Change[0], "12(12%)");
    EXPECT_EQ(g.Change_Colour[0], Colour::Blue);
    EXPECT_EQ(g.Price[1].Text(), "9");         // Int(8 + 0.312 + lift 1)
    EXPECT_EQ(g.Price[Index_Entry].Value(), Index_Sum(g));
    EXPECT_EQ(g.Index_History[99], static_cast<Long>(Index_Sum(g)));
    EXPECT_GE(g.Market_Trend, -3);
    EXPECT_LE(g.Market_Trend, 3);

    Game f = Flat_Market(10);
    f.Price_History[0][98] = 10;
    f.Price_History[0][99] = 8;
    Set_Change_Label(f, 0);
    EXPECT_EQ(f.Change[0], "-2(25%)");
    EXPECT_EQ(f.Change_Colour[0], Colour::Red);
    f.Price_History[0][98] = 8;
    f.Price_History[0][99] = 11;
    Set_Change_Label(f, 0);
    EXPECT_EQ(f.Change[0], "3(37.5%)");
}

TEST(Price_Movement, ThreeTurnRiseOfMoreThanTwentyPercentLowersTheTrend) {
    // Compare with a generator that draws the same numbers: only the C3 rule differs.
    for (int start : {80, 79}) {
        Game g = Flat_Market(100);
        g.Price_History[0][97] = static_cast<Byte>(start);  // column 96 after the shift
        g.Stock_Trend[0] = 0;
        Random rnd(5), copy(5);
        int expected = 0;
        g.Market_Trend = 0;
        Move_Prices(g, rnd);
        double c3 = Round_Even((100.0 - start) * 100 / 100);
        if (c3 > 20) expected -= static_cast<int>(Int(copy.Rnd() * 3 + 1));
        int step = static_cast<int>(Int(copy.Rnd() * 7));
        int d = Int(copy.Rnd() * 2) == 0 ? -1 : 1;
        expected = std::clamp(expected + step * d, -6, 6);
        EXPECT_EQ(g.Stock_Trend[0], expected) << "from " << start;
    }
}

TEST(News, EarningsListingReportAndFloorOfOne) {
    Random rnd(3);
    Game g = Flat_Market(10);
    g.Setup.Earnings_Slider = 1;
    g.Setup.Frequency_Slider = 1;
    g.Earnings[0].Report_Turn = 2;
    g.Earnings[0].EPS = {Currency{10000}, Currency{5000}, Currency{0}, Currency{0}};
    g.Earnings[1].Report_Turn = 4;
    for (int s = 2; s < Stock_Count; ++s) g.Earnings[s].Report_Turn = 40;
    g.Turn_Number.Set(2);
    g.Player_Stock[0].Shares = 5;
    Generate_News(g, rnd);
    ASSERT_EQ(g.Earnings_News.size(), 1u);
    EXPECT_EQ(g.Earnings[0].Report_Turn, 52);
    EXPECT_EQ(g.Earnings[0].EPS[1].units, 10000);
    EXPECT_EQ(g.Earnings_News[0].Text.rfind("AAPL reports earnings of ", 0), 0u);
    EXPECT_NE(g.Earnings_News[0].Text.find(" per share vs. 1 in the previous period."), std::string::npos);
    ASSERT_EQ(g.Reporting_Next_List.size(), 1u);
    EXPECT_EQ(g.Reporting_Next_List[0].Text, "ADBE (4)");
    EXPECT_EQ(g.Alert_List.front(), "AAPL");  // the report concerns a stock the player holds
    double p = g.Price[0].Value();
    EXPECT_EQ(p, 10);  // 1..3% of 10 rounds back to 10 either way

    Game one = Flat_Market(1);
    one.Earnings[0].Report_Turn = 2;
    one.Turn_Number.Set(2);
    one.Setup.Earnings_Slider = 10;
    one.Earnings[0].EPS = {Currency{0}, Currency{0}, Currency{0}, Currency{0}};
    for (int seed = 0; seed < 20; ++seed) {
        Random r(seed);
        Game copy = one;
        Generate_News(copy, r);
        EXPECT_GE(copy.Price[0].Value(), 1);
    }
}

TEST(News, QuickQuoteFollowsTheClickedLine) {
    Game g = Flat_Market(50);
    g.Change[3] = "-2(4%)";
    g.Change_Colour[3] = Colour::Red;
    Quick_Quote(g, 3);
    EXPECT_EQ(g.News_Symbol, "AHP");
    EXPECT_EQ(g.News_Price, "50");
    EXPECT_EQ(g.News_Change_Colour, Colour::Red);
    Quick_Quote(g, -1);
    EXPECT_EQ(g.News_Symbol, "");
    EXPECT_EQ(g.News_Change, "");
}

// The net worth and the index are sums kept as text, each addition read back by the
// leading-number rule: past fifteen digits the text rounds, and the sum must round with it.
TEST(Price_Movement, NetWorthRoundsThroughItsTextPastFifteenDigits) {
    Random rnd(4);
    Game g = Flat_Market(100);
    g.Net_Worth = Shown_Number::Read("7");
    g.Player_Stock[0] = {2000000000001.0, 90};  // about 2 x 10^14 from the first addition on
    // One share short everywhere else: (66 - p) / 2 leaves a half at every odd price, which
    // the fifteen digits of the text cannot keep.
    for (int s = 1; s < Stock_Count; ++s) {
        g.Player_Short[s] = {1, 33};
        g.Stock_Trend[s] = static_cast<Integer>(s % 7 - 3);  // prices of 95 to 104
    }
    Move_Prices(g, rnd);
    double expected = 7;
    int halves = 0;
    for (int s = 0; s < Stock_Count; ++s) {
        const double p = g.Price[s].Value();
        if (g.Player_Stock[s].Shares != 0)
            expected = Leading_Number(Number_Text(expected + p * g.Player_Stock[s].Shares));
        if (g.Player_Short[s].Shares != 0) {
            expected = Leading_Number(Number_Text(expected + (66 - p) / 2 * g.Player_Short[s].Shares));
            halves += static_cast<int>(p) % 2;
        }
    }
    EXPECT_EQ(g.Net_Worth.Text(), Number_Text(expected));
    EXPECT_GT(expected, 1e14);
    EXPECT_GT(halves, 0);

    // With nothing held the net worth keeps its text, whatever form it has.
    Game idle = Flat_Market(100);
    idle.Net_Worth = Shown_Number::Read("1e+20");
    Move_Prices(idle, rnd);
    EXPECT_EQ(idle.Net_Worth.Text(), "1e+20");

    // A price that does not move keeps the label and the colour of the turn before.
    Game f = Flat_Market(10);
    f.Change[0] = "-2(25%)";
    f.Change_Colour[0] = Colour::Red;
    Set_Change_Label(f, 0);
    EXPECT_EQ(f.Change[0], "-2(25%)");
    EXPECT_EQ(f.Change_Colour[0], Colour::Red);
}
