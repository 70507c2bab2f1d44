// What the golden transcripts cannot see of options: the strike and expiries the window offers
// for a stock, and the option grid's texts.
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "test_support.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/options.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/stock_trades.h"

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

// The line under the premium: what the box's contracts (one while it holds none) cost in all, as
// a purchase then takes from the cash, twice that should the premium double, nothing should it
// fall to nothing, and the turn they lapse in.
TEST(Option_Outlook, FiguresAreWhatAPurchaseCostsAndTheTurnItLapses) {
    Game g = Flat_Market(53, "12");
    g.Cash_On_Hand.Set(1000000);
    Option_Form f = Chosen(g, 4, true);
    f.Number = Read_Quantity("");
    Option_Outlook one = Outlook_Of(g, f);
    EXPECT_EQ(one.Contracts, 1);
    EXPECT_EQ(one.Lapses, 40);
    EXPECT_TRUE(one.Line.starts_with("1 contract costs $")) << one.Line;
    EXPECT_TRUE(one.Line.ends_with(" if it falls to nothing; it lapses in turn 40.")) << one.Line;

    f.Number = Read_Quantity("3");
    Spin_Exp(f, -1);
    const Option_Outlook three = Outlook_Of(g, f);
    EXPECT_NEAR(three.Cost, 3 * Option_Premium(g, "Call", 4, f.Strike, f.Expires) * Contract_Shares, 1e-9);
    EXPECT_GT(three.Cost, 0);
    EXPECT_EQ(three.Doubled, 2 * three.Cost);
    EXPECT_EQ(three.Nothing, 0);
    EXPECT_EQ(three.Lapses, 30);
    EXPECT_EQ(three.Line, "3 contracts cost " + Money_Text(three.Cost) + " in all, worth " + Money_Text(three.Doubled) +
                              " if the premium doubles, $0 if it falls to nothing; they lapse in turn 30.");
    const double cash = g.Cash_On_Hand.Value();
    Recording_Screens screens;
    ASSERT_EQ(Trade_Option(g, f, screens), Trade_Result::Done);
    EXPECT_NEAR(cash - g.Cash_On_Hand.Value(), three.Cost, 0.5);
    f.Buy = false;
    EXPECT_TRUE(Outlook_Of(g, f).Line.starts_with("3 contracts bring " + Money_Text(three.Cost) + " in all")) << Outlook_Of(g, f).Line;
}
