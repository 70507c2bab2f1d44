#include <gtest/gtest.h>

#include "cli/invariants.h"
#include "cli/soak.h"
#include "test_support.h"

TEST(Soak, ShortGamesKeepEveryInvariant) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        Soak_Result result = Run_Soak(seed, 1500, Fresh_Dir(std::to_string(seed)));
        EXPECT_GE(result.turns, 1500) << "seed " << seed;
        EXPECT_TRUE(result.broken.empty()) << "seed " << seed << ": " << result.broken.front();
    }
}

TEST(Soak, TheSameSeedWritesTheSameScript) {
    EXPECT_EQ(Soak_Script(9, 500, "d"), Soak_Script(9, 500, "d"));
    EXPECT_NE(Soak_Script(9, 500, "d"), Soak_Script(10, 500, "d"));
}

TEST(Invariants, FindWhatABrokenGameHolds) {
    Game game = Dealt_Game(4);
    EXPECT_TRUE(Turn_Invariants(game).empty());

    Game bad = game;
    bad.Player_Stock[3].Shares = -1;
    bad.Price[Index_Entry].Set(1);
    bad.Cash_On_Hand = Shown_Number::Read("nan");
    bad.Player_Option_Count = 1;  // entry 0 holds no quantity and expires at turn 0
    auto broken = Turn_Invariants(bad);
    // The cash text counts twice (nan, and not a number), and so does the cash as shown.
    ASSERT_EQ(broken.size(), 8u);

    Game cheated = game;
    cheated.Market_Trend = 5;  // the cheat's reach, but no drift leaves it there
    EXPECT_TRUE(Turn_Invariants(cheated).empty());
    EXPECT_EQ(Drift_Invariants(cheated).size(), 1u);
    EXPECT_TRUE(Drift_Invariants(game).empty());

    Game split = game;
    split.Player_Stock[0].Shares = 60000000;
    split.Computer_Stock[0].Shares = 60000000;
    Game bought = split;
    bought.Player_Stock[0].Shares += 1;
    EXPECT_EQ(Command_Invariants(game, split).size(), 1u);  // bought past the limit
    EXPECT_TRUE(Command_Invariants(bought, split).empty());  // sold, still above it: fine
}
