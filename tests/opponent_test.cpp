// Every trade of the computer is pinned by the long golden transcripts; here, how its window
// values what it holds, and the one way its strikes differ from the player's.
#include <gtest/gtest.h>

#include "engine/opponent/computer_portfolio.h"
#include "engine/opponent/computer_turn.h"
#include "test_support.h"

namespace {
// A market at one price in which nobody reports for a long while.
Game Quiet_Market(int price) {
    Game g = Flat_Market(price, "50");
    for (int s = 0; s < Stock_Count; ++s) g.Earnings[s].Report_Turn = 500;
    g.C_Portfolio.Cash.Set(10000);
    g.C_Portfolio.Net_Worth = Shown_Number::Read("10,000");
    g.Setup.Earnings_Slider = 1;
    return g;
}
}  // namespace

TEST(Computer_Portfolio, NetWorthAndRows) {
    Game g = Quiet_Market(50);
    Value_Computer_Portfolio(g);
    EXPECT_EQ(g.C_Portfolio.Net_Worth.Text(), "10,000");
    EXPECT_EQ(Computer_Grid_Rows(g).size(), 7u);
    EXPECT_EQ(Computer_Grid_Rows(g)[0][0], "");
    g.Computer_Stock[0] = {1000, 40};
    g.Computer_Short[0] = {1000, 40};
    Value_Computer_Portfolio(g);
    const std::vector<Grid_Row> rows = Computer_Grid_Rows(g);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (Grid_Row{"AAPL", "1,000", "40", "50", "25"}));
    EXPECT_EQ(rows[1], (Grid_Row{"AAPL", "-1000", "40", "50", "-25"}));
    // 10,000 + 1,000 x 50 + 1,000 x (2 x 40 - Int(50 / 2)): a short counts at twice its
    // average less half the price.
    EXPECT_EQ(g.C_Portfolio.Net_Worth.Text(), "115,000");
}

// Its strike is the price rounded to tens, without the 10..200 of the player's strike box.
TEST(Computer_Turn, StrikeIsThePriceRoundedToTensOutsideTheBoxLimits) {
    Game g = Quiet_Market(40);
    g.Setup.Options = 1;
    g.Setup.Earnings_Slider = 5;
    g.Price[4].Set(9);
    g.Price_History[4].fill(9);
    g.Earnings[4] = {{3, 2, 1, 0}, 51};  // rising and reporting next turn: a call at any price
    g.Price[6].Set(205);
    g.Price_History[6].fill(205);
    g.Price_History[6][96] = 255;  // C3 = -24 above 80 dollars: a put
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Option[4].Option_Type, "Call");
    EXPECT_EQ(g.Computer_Option[4].Strike, 0);
    EXPECT_EQ(g.Computer_Option[6].Option_Type, "Put");
    EXPECT_EQ(g.Computer_Option[6].Strike, 210);
}
