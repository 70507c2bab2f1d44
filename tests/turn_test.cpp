#include <gtest/gtest.h>

#include "test_support.h"

// The clock ends a turn when its bar runs out, and never inside a turn: a modal window in the
// middle of one lets the clock tick.
TEST(Turn, TheClockEndsATurnButNeverInsideOne) {
    Game game = Dealt_Game(11);
    Random rnd(11);
    Recording_Screens screens;
    game.Game_Timer_Enabled = true;
    game.Time_Status = Turn_Seconds;
    int ticks = 1;
    while (Tick_Clock(game, rnd, screens) == Turn_Result::Not_Played) ++ticks;
    EXPECT_EQ(ticks, Turn_Seconds - 1);
    EXPECT_EQ(game.Turn_Number.Text(), "2");
    game.In_Turn = true;
    game.Time_Status = 2;
    EXPECT_EQ(Tick_Clock(game, rnd, screens), Turn_Result::Not_Played);
    EXPECT_EQ(game.Time_Status, 2);
    EXPECT_EQ(game.Turn_Number.Text(), "2");
}
