#include <gtest/gtest.h>

#include "core/cheats.h"
#include "core/new_game.h"
#include "core/numbers.h"
#include "core/turn.h"
#include "test_support.h"

namespace {
struct Fixture {
    Game game;
    Random rnd{11};
    Recording_Screens screens;
    Fixture() {
        Init_Game(game);
        game.Status = Game_Status::Force_New_Game;
        New_Game_Menu_Click(game, rnd, screens);
        game.Status = Game_Status::None;
    }
};
}  // namespace

TEST(New_Game, DealsAMarketWithFullHistories) {
    Fixture f;
    EXPECT_TRUE(f.screens.Logged("setup"));
    EXPECT_FALSE(f.screens.Logged("confirm"));
    EXPECT_EQ(f.game.Turn_Number.Text(), "1");
    EXPECT_EQ(f.game.Cash_On_Hand.Text(), "5000");
    EXPECT_EQ(f.game.Net_Worth.Text(), "5,000");
    for (int s = 0; s < Stock_Count; ++s) {
        EXPECT_GE(f.game.Earnings[s].Report_Turn, 2);
        EXPECT_LE(f.game.Earnings[s].Report_Turn, 50);
        EXPECT_GE(f.game.Price[s].Value(), 1);
        EXPECT_EQ(f.game.Price_History[s][99], f.game.Price[s].Value());
    }
    int due = 0;
    for (const auto& e : f.game.Earnings) due += e.Report_Turn == 2 || e.Report_Turn == 3;
    EXPECT_EQ(f.game.Reporting_Next_List.size(), static_cast<std::size_t>(due));

    // Cancelling a new game keeps every field; only the caption changes.
    f.game.Caption = "x.bqg  -  Bullquest";
    f.screens.confirm_answer = false;
    std::string before = f.game.Price[0].Text() + f.game.Turn_Number.Text();
    New_Game_Menu_Click(f.game, f.rnd, f.screens);
    EXPECT_EQ(f.game.Caption, "Bullquest");
    EXPECT_EQ(before, f.game.Price[0].Text() + f.game.Turn_Number.Text());
}

TEST(Turn, TaxAtEveryHundredthTurnOnGainsOnly) {
    Fixture f;
    f.game.Turn_Number.Set(99);
    f.game.Player_Capital_Gains = 1000;
    f.game.Computer_Capital_Gains = -50;
    f.game.Setup.News_Alert = 0;
    f.game.Setup.World_Alert = 0;
    End_Turn_Menu_Click(f.game, f.rnd, f.screens);
    EXPECT_EQ(f.game.Turn_Number.Text(), "100");
    EXPECT_TRUE(f.screens.Logged("tax $280 0"));
    EXPECT_EQ(f.game.Player_Capital_Gains, 0);
    EXPECT_EQ(f.game.Computer_Capital_Gains, -50);  // a loss carries over
    EXPECT_EQ(f.game.Time_Status, 30);
    EXPECT_EQ(f.game.Net_Worth.Text().find('.'), std::string::npos);
}

TEST(Turn, TimeLimitEndsATurnEveryTwentyNineTicks) {
    Fixture f;
    f.game.Game_Timer_Enabled = true;
    f.game.Time_Status = 30;
    int ticks = 0;
    while (!Game_Timer_Timer(f.game, f.rnd, f.screens)) ++ticks;
    EXPECT_EQ(ticks + 1, 29);
    EXPECT_EQ(f.game.Turn_Number.Text(), "2");
    f.game.In_Turn = true;  // a tick inside a turn never starts another
    f.game.Time_Status = 2;
    EXPECT_FALSE(Game_Timer_Timer(f.game, f.rnd, f.screens));
    EXPECT_EQ(f.game.Time_Status, 2);
}

TEST(Cheats, LockedUntilEnabledThenCheckedByValue) {
    Fixture f;
    f.screens.input_answers = {std::string("5000")};
    EXPECT_FALSE(Set_Your_Cash(f.game, f.screens));
    EXPECT_TRUE(Enable_Cheat_Mode(f.game, f.screens));
    EXPECT_TRUE(f.game.Cheats_Enabled);
    EXPECT_FALSE(Enable_Cheat_Mode(f.game, f.screens));
    f.screens.input_answers = {std::string("999999999999"), std::string("1000000000000"), std::string("0"),
                               std::string("2500.75")};
    EXPECT_TRUE(Set_Your_Cash(f.game, f.screens));
    EXPECT_EQ(f.game.Cash_View, "999,999,999,999");
    EXPECT_FALSE(Set_Your_Cash(f.game, f.screens));
    EXPECT_FALSE(Set_Your_Cash(f.game, f.screens));
    EXPECT_TRUE(Set_Your_Cash(f.game, f.screens));
    EXPECT_EQ(f.game.Cash_On_Hand.Text(), "2500");
    EXPECT_EQ(f.game.Cash_View, "2,500.75");
    f.screens.input_answers = {std::string("6"), std::string("-6.5"), std::string("2.5")};
    EXPECT_TRUE(Set_Market_Trend(f.game, f.screens));
    EXPECT_EQ(f.game.Market_Trend, 6);
    EXPECT_FALSE(Set_Market_Trend(f.game, f.screens));
    EXPECT_TRUE(Set_Market_Trend(f.game, f.screens));
    EXPECT_EQ(f.game.Market_Trend, 2);
}
