#include <gtest/gtest.h>

#include "core/game.h"
#include "game/scoring.h"
#include "opponent/computer_portfolio.h"
#include "opponent/computer_turn.h"

namespace {
Game Quiet_Game() {
    Game g;
    Init_Game(g);
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s] = "20";
        g.Price_History[s].fill(20);
    }
    g.Setup.Options = 0;
    g.Setup.Short = 0;
    g.Setup.Earnings_Slider = 1;
    g.C_Portfolio.Cash = "10000";
    g.C_Portfolio.Net_Worth = "10,000";
    return g;
}
}  // namespace

TEST(Opponent, MomentumSellsKeepsAndSplitsCash) {
    Game g = Quiet_Game();
    g.Computer_Stock[0] = {100, 50};
    g.Price[0] = "55";
    g.Price_History[0].fill(50);
    g.Price_History[0][99] = 55;  // C3 = 9: sold
    g.Computer_Stock[1] = {100, 50};
    g.Price[1] = "56";
    g.Price_History[1].fill(50);
    g.Price_History[1][99] = 56;  // C3 = 11: kept, and a lone buy candidate
    Computer_Turn(g);
    EXPECT_EQ(g.Computer_Stock[0].Shares, 0);
    // 10000 + 5500 = 15500; below 50,000 a held stock is not added to, so no candidates.
    EXPECT_EQ(g.Computer_Stock[1].Shares, 100);
    EXPECT_EQ(g.C_Portfolio.Cash, "15500");
    g.C_Portfolio.Cash = "60000";
    Computer_Turn(g);  // rich: the lone candidate gets half: 30000 / 56 = 535
    EXPECT_EQ(g.Computer_Stock[1].Shares, 635);
    EXPECT_EQ(g.C_Portfolio.Cash, "30040");
}

TEST(Opponent, PortfolioWorthAndRows) {
    Game g = Quiet_Game();
    My_Form_Activate(g);
    EXPECT_EQ(g.C_Portfolio.Net_Worth, "10,000");
    ASSERT_EQ(g.C_Portfolio.Grid.size(), 7u);
    EXPECT_EQ(g.C_Portfolio.Grid[0][0], "");
    g.Price[3] = "50";
    g.Computer_Stock[3] = {10, 40};
    g.Computer_Short[3] = {10, 40};
    My_Form_Activate(g);
    // 10000 + 500 + 10 * (80 - 25)
    EXPECT_EQ(g.C_Portfolio.Net_Worth, "11,050");
    EXPECT_EQ(g.C_Portfolio.Grid[0][4], "25");
    EXPECT_EQ(g.C_Portfolio.Grid[1][1], "-10");
    EXPECT_EQ(g.C_Portfolio.Grid[1][4], "-25");
}

TEST(Opponent, GoalScoreAndPlace) {
    EXPECT_FALSE(Goal_Reached(99999999, 9));
    EXPECT_TRUE(Goal_Reached(100000000, 9));
    EXPECT_EQ(Score(250000000, 100000000), 200);
    std::array<High_Score, 3> level{};
    level[0].Final_Score = 300;
    level[1].Final_Score = 200;
    level[2].Final_Score = 100;
    int k = Find_Place(level, 200);
    EXPECT_EQ(k, 2);
    Enter_Place(level, k, High_Score{"CHEATER!", "None", 1, 1, 200});
    EXPECT_EQ(level[2].Player_Name, "CHEATER!");
    EXPECT_EQ(level[1].Final_Score, 200);
}
