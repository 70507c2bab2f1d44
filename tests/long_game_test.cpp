#include <gtest/gtest.h>

#include "cli/invariants.h"
#include "cli/soak.h"
#include "core/new_game.h"
#include "core/numbers.h"
#include "core/turn.h"
#include "opponent/computer_turn.h"
#include "storage/saved_game.h"
#include "test_support.h"

namespace {
Game Dealt(std::uint32_t seed) {
    Game game;
    Random rnd(seed);
    Recording_Screens screens;
    Init_Game(game);
    game.Status = "FORCE_NEW_GAME";
    New_Game_Menu_Click(game, rnd, screens);
    game.Status = "";
    return game;
}
}  // namespace

// A split can leave the two players together above an exchange limit; the computer then buys
// or shorts nothing more of that stock, and never a negative number of shares.
TEST(Long_Game, TheComputerNeverTradesPastALimitAlreadyPassed) {
    for (bool shorts : {false, true}) {
        Game game = Dealt(8);
        game.Setup.Short = 1;
        game.C_Portfolio.Cash = "100000000";
        for (int s = 0; s < Stock_Count; ++s) {
            game.Price[s] = "120";
            game.Price_History[s].fill(120);
            // Steep momentum either way, so the computer wants every stock.
            for (int c = 90; c < 100; ++c) game.Price_History[s][c] = static_cast<Byte>(shorts ? 250 - 10 * (c - 90) : 30 + 10 * (c - 90));
            game.Price[s] = Number_Text(game.Price_History[s][99]);
            (shorts ? game.Player_Short[s] : game.Player_Stock[s]) = {shorts ? 60000000.0 : 120000000.0, 100};
        }
        Computer_Turn(game);
        for (int s = 0; s < Stock_Count; ++s) {
            EXPECT_GE(game.Computer_Stock[s].Shares, 0) << s;
            EXPECT_GE(game.Computer_Short[s].Shares, 0) << s;
        }
    }
}

// Turns past 32,767 and 65,535: reports still come, options still lapse, the computer still
// buys options, and the game saved there loads again.
TEST(Long_Game, TurnsPastSixteenBits) {
    Game game = Dealt(3);
    Random rnd(3);
    Recording_Screens screens;
    game.Setup.Options = 1;
    game.Setup.Play_To = 3;
    const Long start = 32700;
    game.Turn_Number = Number_Text(start);
    for (int s = 0; s < Stock_Count; ++s) game.Earnings[s].Report_Turn += start;
    game.Player_Option_Count = 1;
    game.Player_Option[0] = {"Call", 0, 100, start + 30, 1.5f, 10};
    int reports = 0;
    for (Long t = start; t < start + 400; ++t) {
        End_Turn_Menu_Click(game, rnd, screens);
        ASSERT_NE(game.Turn_Number, "1") << "the game ended";
        reports += static_cast<int>(game.Earnings_News.size());
        const std::vector<std::string> broken = Turn_Invariants(game);
        ASSERT_TRUE(broken.empty()) << game.Turn_Number << ": " << broken.front();
    }
    EXPECT_GE(reports, 42 * 7);  // every company reports every 50 turns
    EXPECT_EQ(game.Player_Option_Count, 0);  // the option lapsed at turn 32,730
    const std::optional<Game> loaded = Loaded_Game(game, Saved_Game_Text(game));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Turn_Number, game.Turn_Number);

    // On the calendar's last turn END TURN is refused and nothing changes.
    game.Turn_Number = Number_Text(Last_Turn);
    const std::string before = Saved_Game_Text(game);
    screens.log.clear();
    EXPECT_FALSE(End_Turn_Menu_Click(game, rnd, screens));
    EXPECT_EQ(screens.log, std::vector<std::string>{"beep"});
    EXPECT_EQ(Saved_Game_Text(game), before);
}

// One game of shorts, options and cheats, saved and loaded along the way, every invariant
// checked after every turn and move (the long runs are scripts/soak's).
TEST(Long_Game, OneGameKeepsEveryInvariant) {
    const Soak_Result result = Run_Long_Game(5, 20000, Fresh_Dir("long_game"));
    EXPECT_TRUE(result.broken.empty()) << result.broken.front();
    EXPECT_EQ(result.highest_turn, 20001);
}
