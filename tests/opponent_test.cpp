// The computer's trades on worked numbers: momentum, earnings ahead, the split of its cash,
// its options and their strikes, and how its window values what it holds.
#include <gtest/gtest.h>

#include "opponent/computer_portfolio.h"
#include "opponent/computer_turn.h"
#include "test_support.h"

namespace {
// A market at one price in which nobody reports for a long while.
Game Quiet_Market(int price) {
    Game g = Flat_Market(price, "50");
    for (int s = 0; s < Stock_Count; ++s) g.Earnings[s].Report_Turn = 500;
    g.C_Portfolio.Cash = "10000";
    g.C_Portfolio.Net_Worth = "10,000";
    g.Setup.Earnings_Slider = 1;
    return g;
}
}  // namespace

TEST(Computer_Turn, SellsOnFadingMomentumAndSplitsCashOverCandidates) {
    Game g = Quiet_Market(55);
    g.Price_History[0][96] = 50;  // 50 -> 55: C3 = 9, sold in full
    g.Computer_Stock[0] = {100, 50};
    g.Price[1] = "56";
    g.Price_History[1][99] = 56;
    g.Price_History[1][96] = 50;  // 50 -> 56: C3 = 11 and C9 11, kept
    g.Computer_Stock[1] = {100, 50};
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Stock[0].Shares, 0);
    EXPECT_EQ(g.Computer_Capital_Gains, 500);
    EXPECT_EQ(g.Computer_Stock[1].Shares, 100);
    EXPECT_EQ(g.C_Portfolio.Cash, "15500");

    // A lone candidate gets half the cash: 10,000 / 2 / 40 = 125 shares.
    Game one = Quiet_Market(40);
    one.Price_History[2][96] = 30;  // C3 = 25 > 15
    Computer_Turn(one);
    EXPECT_EQ(one.Computer_Stock[2].Shares, 125);
    EXPECT_EQ(one.Computer_Stock[2].Avg_Price, 40);
    EXPECT_EQ(one.C_Portfolio.Cash, "5000");
    // Two candidates: the first gets cash / 2, the second half of what is left.
    Game two = Quiet_Market(40);
    two.Price_History[2][96] = 30;
    two.Price_History[3][96] = 30;
    Computer_Turn(two);
    EXPECT_EQ(two.Computer_Stock[2].Shares, 125);
    EXPECT_EQ(two.Computer_Stock[3].Shares, 62);
}

TEST(Computer_Portfolio, NetWorthAndRows) {
    Game g = Quiet_Market(50);
    My_Form_Activate(g);
    EXPECT_EQ(g.C_Portfolio.Net_Worth, "10,000");
    EXPECT_EQ(g.C_Portfolio.Grid.size(), 7u);
    EXPECT_EQ(g.C_Portfolio.Grid[0][0], "");
    g.Computer_Stock[0] = {1000, 40};
    g.Computer_Short[0] = {1000, 40};
    My_Form_Activate(g);
    ASSERT_GE(g.C_Portfolio.Grid.size(), 2u);
    EXPECT_EQ(g.C_Portfolio.Grid[0], (Grid_Row{"AAPL", "1,000", "40", "50", "25"}));
    EXPECT_EQ(g.C_Portfolio.Grid[1], (Grid_Row{"AAPL", "-1000", "40", "50", "-25"}));
    // 10,000 + 1,000 x 50 + 1,000 x (2 x 40 - Int(50 / 2)): a short counts for its cash at
    // twice its average less half the price, though its gain shows as -Int(50) / 2.
    EXPECT_EQ(g.C_Portfolio.Net_Worth, "115,000");
}

TEST(Computer_Turn, ClosesFadingOptionsAndBuysOnMomentum) {
    Game g = Quiet_Market(40);
    g.Setup.Options = 1;
    g.Computer_Option[5] = {10, "Call", 40, 60, 1.0};  // flat stock: closed at 6.16
    g.Price_History[2][96] = 30;  // C3 = 25
    g.Price_History[2][90] = 10;  // C9 = 75: a call candidate
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Option[5].Contracts, 0);
    EXPECT_DOUBLE_EQ(g.Computer_Capital_Gains, 5160);
    const Computer_Option_Position& o = g.Computer_Option[2];
    EXPECT_EQ(o.Option_Type, "Call");
    EXPECT_EQ(o.Strike, 40);
    EXPECT_EQ(o.Expires, 80);
    EXPECT_DOUBLE_EQ(o.Premium, 10.5);  // (2 + 5) x 1.5
    EXPECT_EQ(o.Contracts, 7);          // 16,160 / 2 / 1,050, the closing's proceeds included
    EXPECT_EQ(g.C_Portfolio.Cash, "8810");
    EXPECT_EQ(g.Computer_Stock[2].Shares, 0);  // below 9 digits of worth: options only

    Game fall = Quiet_Market(40);
    fall.Setup.Options = 1;
    fall.Price_History[7][96] = 60;  // C3 = -50
    Computer_Turn(fall);
    EXPECT_EQ(fall.Computer_Option[7].Option_Type, "Put");
    EXPECT_EQ(fall.Computer_Option[7].Strike, 40);
}

TEST(Computer_Turn, TradesAheadOfEarnings) {
    auto reporting = [](int options) {
        Game g = Quiet_Market(40);
        g.Setup.Options = options;
        g.Setup.Earnings_Slider = 5;
        g.Earnings[4] = {{3, 2, 1, 0}, 51};  // rising, reports next turn
        g.Earnings[6] = {{1, 2, 3, 0}, 51};  // falling
        g.Earnings[8] = {{3, 2, 1, 0}, 52};  // not yet
        return g;
    };
    Game g = reporting(1);
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Option[4].Option_Type, "Call");
    EXPECT_EQ(g.Computer_Option[4].Contracts, 7);  // 10,000 / 2 / 700
    EXPECT_EQ(g.Computer_Option[6].Option_Type, "Put");
    EXPECT_EQ(g.Computer_Option[6].Contracts, 3);  // 5,100 / 2 / 700
    EXPECT_EQ(g.Computer_Option[8].Contracts, 0);
    EXPECT_EQ(g.C_Portfolio.Cash, "3000");

    Game stocks = reporting(0);
    Computer_Turn(stocks);
    EXPECT_EQ(stocks.Computer_Stock[4].Shares, 125);
    EXPECT_EQ(stocks.Computer_Option[6].Contracts, 0);
    EXPECT_EQ(stocks.Computer_Stock[6].Shares, 0);

    Game quiet = reporting(1);
    quiet.Setup.Earnings_Slider = 3;
    Computer_Turn(quiet);
    EXPECT_EQ(quiet.C_Portfolio.Cash, "10000");
}

TEST(Computer_Turn, StrikeIsThePriceRoundedToTensOutsideTheBoxLimits) {
    Game g = Quiet_Market(40);
    g.Setup.Options = 1;
    g.Setup.Earnings_Slider = 5;
    g.Price[4] = "9";
    g.Price_History[4].fill(9);
    g.Earnings[4] = {{3, 2, 1, 0}, 51};  // rising and reporting next turn: a call at any price
    g.Price[6] = "205";
    g.Price_History[6].fill(205);
    g.Price_History[6][96] = 255;  // C3 = -24 above 80 dollars: a put
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Option[4].Option_Type, "Call");
    EXPECT_EQ(g.Computer_Option[4].Strike, 0);
    EXPECT_EQ(g.Computer_Option[6].Option_Type, "Put");
    EXPECT_EQ(g.Computer_Option[6].Strike, 210);
}
