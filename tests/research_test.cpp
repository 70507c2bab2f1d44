#include <gtest/gtest.h>

#include "core/game.h"
#include "market/research.h"

namespace {
void Set_EPS(Game& game, int stock, std::array<double, 4> eps) {
    for (int q = 0; q < 4; ++q) game.Earnings[stock].EPS[q] = Currency::From_Double(eps[q]);
}
}  // namespace

TEST(Research, FiguresInShortestFormWithTheirColours) {
    Game game;
    game.Earnings[7].Report_Turn = 57;
    Set_EPS(game, 7, {-0.5, 0, 0.25, 1});
    Research_View view = Research_Company(game, 7);
    EXPECT_EQ(view.Earnings_Due, "57");
    EXPECT_EQ(view.EPS, (std::array<std::string, 4>{"-0.5", "0", "0.25", "1"}));
    EXPECT_EQ(view.EPS_Colour, (std::array<Colour, 4>{Colour::Red, Colour::Black, Colour::Blue, Colour::Blue}));
}

TEST(Research, FiguresRoundToCentsHalfToEven) {
    Game game;
    Set_EPS(game, 0, {1.125, 1.135, -2.005, 0.3333});
    Research_View view = Research_Company(game, 0);
    EXPECT_EQ(view.EPS, (std::array<std::string, 4>{"1.12", "1.14", "-2", "0.33"}));
    EXPECT_EQ(view.EPS_Colour[2], Colour::Red);
}
