#include <gtest/gtest.h>

#include "cli/invariants.h"
#include "cli/soak.h"
#include "engine/model/numbers.h"
#include "engine/market/price_movement.h"
#include "engine/opponent/computer_turn.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"
#include "test_support.h"

// A split can leave the two players together above an exchange limit; the computer then buys
// or shorts nothing more of that stock, and never a negative number of shares.
TEST(Long_Game, TheComputerNeverTradesPastALimitAlreadyPassed) {
    for (bool shorts : {false, true}) {
        Game game = Dealt_Game(8);
        game.Setup.Short = 1;
        game.C_Portfolio.Cash.Set(100000000);
        for (int s = 0; s < Stock_Count; ++s) {
            game.Price[s].Set(120);
            game.Price_History[s].fill(120);
            // Steep momentum either way, so the computer wants every stock.
            for (int c = 90; c < 100; ++c) game.Price_History[s][c] = static_cast<Byte>(shorts ? 250 - 10 * (c - 90) : 30 + 10 * (c - 90));
            game.Price[s].Set(game.Price_History[s][99]);
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
    Game game = Dealt_Game(3);
    Random rnd(3);
    Recording_Screens screens;
    game.Setup.Options = 1;
    game.Setup.Play_To = 3;
    const Long start = 32700;
    game.Turn_Number.Set(start);
    for (int s = 0; s < Stock_Count; ++s) game.Earnings[s].Report_Turn += start;
    game.Player_Option_Count = 1;
    game.Player_Option[0] = {"Call", 0, 100, start + 30, 1.5f, 10};
    int reports = 0;
    for (Long t = start; t < start + 400; ++t) {
        Play_Turn(game, rnd, screens);
        ASSERT_NE(game.Turn_Number.Text(), "1") << "the game ended";
        reports += static_cast<int>(game.Earnings_News.size());
        const std::vector<std::string> broken = Turn_Invariants(game);
        ASSERT_TRUE(broken.empty()) << game.Turn_Number.Text() << ": " << broken.front();
    }
    EXPECT_GE(reports, 42 * 7);  // every company reports every 50 turns
    EXPECT_EQ(game.Player_Option_Count, 0);  // the option lapsed at turn 32,730
    const std::optional<Game> loaded = Loaded_Game(game, Saved_Game_Text(game));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Turn_Number.Text(), game.Turn_Number.Text());

    // On the calendar's last turn END TURN is refused and nothing changes.
    game.Turn_Number.Set(Last_Turn);
    const std::string before = Saved_Game_Text(game);
    screens.log.clear();
    EXPECT_EQ(Play_Turn(game, rnd, screens), Turn_Result::Not_Played);
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

// Once the record is full the long game lets three save moves in four pass, says how many, and
// still saves at the rest; before that it saves at every one. The moves are the same either way.
TEST(Long_Game, SavesLessOnlyOnceTheRecordIsFull) {
    const Soak_Result every = Run_Long_Game(6, 6000, Fresh_Dir("long_game_every"), {2000, 1});
    const Soak_Result fewer = Run_Long_Game(6, 6000, Fresh_Dir("long_game_fewer"), {2000, 4});
    const Soak_Result early = Run_Long_Game(6, 1900, Fresh_Dir("long_game_early"), {2000, 4});
    for (const Soak_Result* r : {&every, &fewer, &early}) EXPECT_TRUE(r->broken.empty()) << r->broken.front();
    EXPECT_EQ(every.saves_left_out, 0);
    EXPECT_EQ(early.saves_left_out, 0);
    EXPECT_GT(early.saves, 0);
    EXPECT_EQ(fewer.saves + fewer.saves_left_out, every.saves);
    // Of the moves after turn 2,000 (about two thirds of them) one in four still saves.
    EXPECT_GT(fewer.saves_left_out, every.saves / 3);
    EXPECT_LT(fewer.saves_left_out, every.saves * 3 / 4);
}

// At a split a count that has reached 2^40 keeps its size and one below it doubles, for every
// kind of count; averages and strikes halve as before.
TEST(Bounds, CountsAtTheCapStopDoublingAtASplit) {
    const std::pair<double, double> counts[] = {{3, 6},
                                                {Count_Cap - 1, 2 * Count_Cap - 2},
                                                {Count_Cap, Count_Cap},
                                                {Count_Bound, Count_Bound}};
    for (const auto& [count, after] : counts) {
        Game game = Dealt_Game(4);
        game.Price[0].Set(250);
        game.Price_History[0].fill(250);
        game.Index_Weight[0] = 4;
        for (Holding* h : {&game.Player_Stock[0], &game.Player_Short[0], &game.Computer_Stock[0], &game.Computer_Short[0]})
            *h = {count, 120};
        game.Computer_Option[0] = {count, "Call", 100, 20, 2.5};
        game.Player_Option_Count = 1;
        game.Player_Option[0] = {"Put", 0, 150, 20, 1.5f, count};
        Split_Stock(game, 0);
        for (const Holding* h : {&game.Player_Stock[0], &game.Player_Short[0], &game.Computer_Stock[0], &game.Computer_Short[0]}) {
            EXPECT_EQ(h->Shares, after) << Number_Text(count);
            EXPECT_EQ(h->Avg_Price, 60);
        }
        EXPECT_EQ(game.Computer_Option[0].Contracts, after);
        EXPECT_EQ(game.Computer_Option[0].Strike, 50);
        EXPECT_EQ(game.Player_Option[0].Quantity, after);
        EXPECT_EQ(game.Player_Option[0].Strike, 75);
    }
}

// A weight that has reached 2^30 stays at the split, so the index moves (by half the stock's
// term); one below it doubles and the index does not move.
TEST(Bounds, AWeightAtTheCapStaysAtASplit) {
    for (Long weight : {Weight_Cap / 2, Weight_Cap}) {
        Game game = Dealt_Game(4);
        game.Price[0].Set(240);
        game.Index_Weight[0] = weight;
        const double term = 240.0 * weight;
        Split_Stock(game, 0);
        EXPECT_EQ(game.Index_Weight[0], weight == Weight_Cap ? Weight_Cap : 2 * weight);
        EXPECT_EQ(game.Price[0].Value() * game.Index_Weight[0], weight == Weight_Cap ? term / 2 : term);
    }
}

// An index past 2^31 (every weight at the cap): its text stays the exact weighted sum, the
// history saturates instead of wrapping, every invariant holds and the game saved then loads.
TEST(Bounds, AnIndexPastThirtyTwoBitsSaturatesInTheHistory) {
    Game game = Dealt_Game(6);
    Random rnd(6);
    Recording_Screens screens;
    game.Setup.Play_To = 3;
    for (int s = 0; s < Stock_Count; ++s) game.Index_Weight[s] = Weight_Cap;
    for (int turn = 0; turn < 3; ++turn) {
        Play_Turn(game, rnd, screens);
        double sum = 0;
        for (int s = 0; s < Stock_Count; ++s) sum += game.Price[s].Value() * game.Index_Weight[s];
        EXPECT_EQ(game.Price[Index_Entry].Text(), Number_Text(sum));
        EXPECT_GT(sum, 1e12);
        EXPECT_EQ(game.Index_History[History_Length - 1], 2147483647);
        const std::vector<std::string> broken = Turn_Invariants(game);
        EXPECT_TRUE(broken.empty()) << broken.front();
    }
    EXPECT_EQ(game.DJIA_Change, "(0%)");
    const std::optional<Game> loaded = Loaded_Game(game, Saved_Game_Text(game));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Price[Index_Entry].Text(), game.Price[Index_Entry].Text());
    EXPECT_EQ(To_Long(-1e13), -2147483647 - 1);
    EXPECT_EQ(To_Long(2147483646.5), 2147483646);
}

// The computer's put on a stock at 255 is struck at 260, beyond the player's box: it loads.
TEST(Bounds, ALoadTakesTheComputersStrikes) {
    const Game game = Dealt_Game(4);
    for (const auto& [strike, loads] : {std::pair{260, true}, std::pair{270, false}}) {
        Game held = game;
        held.Computer_Option[6] = {3, "Put", static_cast<Integer>(strike), 30, 4.5};
        EXPECT_EQ(Loaded_Game(game, Saved_Game_Text(held)).has_value(), loads) << strike;
    }
}

// Money a game can reach loads again, written out in full: below 10^18, and any amount below
// zero; 10^18 and more is damage.
TEST(Bounds, ALoadTakesMoneyBelowTenToTheEighteenth) {
    const std::string far_below = "-1" + std::string(40, '0');
    const std::pair<std::string, bool> amounts[] = {{"100000000000000000", true},
                                                    {"-100000000000000000", true},
                                                    {"999999999999999000", true},
                                                    {"1000000000000000000", false},
                                                    {"10000000000000000000", false},
                                                    {"-10000000000000000000", true},
                                                    {far_below, true}};
    const Game game = Dealt_Game(2);
    for (const auto& [amount, loads] : amounts) {
        Game held = game;
        held.Cash_On_Hand = Shown_Number::Read(amount);
        held.Net_Worth = Shown_Number::Read(Add_Commas(amount));
        held.C_Portfolio.Cash = Shown_Number::Read(amount);
        const std::optional<Game> loaded = Loaded_Game(game, Saved_Game_Text(held));
        EXPECT_EQ(loaded.has_value(), loads) << amount;
        if (loaded) {
            EXPECT_EQ(loaded->Cash_On_Hand.Text(), amount);
            EXPECT_EQ(Number_Text(loaded->Net_Worth.Value()), amount);
        }
    }
}
