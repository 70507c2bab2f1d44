// What the golden transcripts cannot see of options: the strike and expiries the window offers
// for a stock, and the option grid's texts.
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "test_support.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/options.h"
#include "engine/trading/portfolio.h"

namespace {
void Hold(Game& g, const std::string& type, int stock, int strike, int expires, float paid, double qty) {
    g.Player_Option[g.Player_Option_Count++] = Option_Position{type, static_cast<Integer>(stock),
        static_cast<Integer>(strike), static_cast<Integer>(expires), paid, qty};
}

Option_Form Chosen(const Game& g, int stock, bool calls) {
    Option_Form f;
    f.Stock = stock;
    f.Calls = calls;
    f.Buy = true;
    Choose_Strike_And_Expiry(g, f);
    return f;
}
}  // namespace

// A call is offered at the price rounded down to tens, a put rounded up, within the box's
// 10..200; the expiries are the next three tens after the turn, the last offered first.
TEST(Option_Form, StrikeAndExpiryOffered) {
    Game g = Flat_Market(53, "10");
    Option_Form call = Chosen(g, 0, true);
    EXPECT_EQ(call.Strike, 50);
    EXPECT_EQ(call.Expires, 40);
    EXPECT_EQ(call.Exp_Min, 20);
    EXPECT_EQ(call.Exp_Max, 40);
    EXPECT_EQ(Chosen(g, 0, false).Strike, 60);
    EXPECT_FALSE(Spin_Exp(call, +1));
    EXPECT_TRUE(Spin_Exp(call, -1));
    EXPECT_EQ(call.Expires, 30);
    call.Strike = 200;
    EXPECT_FALSE(Spin_Strike(call, +1));
    call.Strike = 10;
    EXPECT_FALSE(Spin_Strike(call, -1));
    g.Turn_Number.Set(15);
    EXPECT_EQ(Chosen(g, 0, true).Exp_Min, 20);
    g.Price[1].Set(9);
    EXPECT_EQ(Chosen(g, 1, true).Strike, 10);
    g.Price[2].Set(205);
    EXPECT_EQ(Chosen(g, 2, false).Strike, 200);
}

// The option grid of a full table: premiums from the one pass over the table equal each
// position's own quote, and every price paid reads as "%.7g" prints the float.
TEST(Option_Grid, FullTableShowsEachQuoteAndPricePaid) {
    Game g = Flat_Market(50, "10");
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s].Set(20 + 3 * s);
        g.Price_History[s][96] = static_cast<Byte>(15 + 4 * (s % 7));
        g.Price_History[s][99] = static_cast<Byte>(20 + 3 * s);
    }
    std::mt19937 gen(5);
    std::uniform_real_distribution<float> paid(0.01f, 150.0f);
    for (int k = 0; k < Option_Slots; ++k) {
        // Cents, as a purchase pays, and arbitrary floats, as averaging leaves them.
        float price = k % 2 ? std::nearbyint(paid(gen) * 100) / 100 : paid(gen);
        Hold(g, k % 3 ? "Put" : "Call", k % Stock_Count, 10 * (2 + k % 15), 12 + k % 30, price, 1 + k);
    }
    const std::vector<Option_Row> rows = Option_Grid_Rows(g);
    ASSERT_EQ(rows.size(), static_cast<size_t>(Option_Slots));
    for (int k = 0; k < Option_Slots; ++k) {
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.7g", static_cast<double>(g.Player_Option[k].Purchase_Price));
        EXPECT_EQ(rows[k].Cells[4], printed) << k;
        EXPECT_EQ(rows[k].Cells[5], Number_Text(Option_Premium(g, k))) << k;
    }
}
