#include <gtest/gtest.h>

#include "engine/model/game.h"
#include "engine/market/research.h"

namespace {
void Set_EPS(Game& game, int stock, std::array<double, 4> eps) {
    for (int q = 0; q < 4; ++q) game.Earnings[stock].EPS[q] = Currency::From_Double(eps[q]);
}
}  // namespace

// The shortest forms and the colours by sign are the research window's and the themes test's.
TEST(Research, FiguresRoundToCentsHalfToEven) {
    Game game;
    Set_EPS(game, 0, {1.125, 1.135, -2.005, 0.3333});
    Research_View view = Research_Company(game, 0);
    EXPECT_EQ(view.EPS, (std::array<std::string, 4>{"1.12", "1.14", "-2", "0.33"}));
    EXPECT_EQ(view.EPS_Colour[2], Colour::Red);
}
