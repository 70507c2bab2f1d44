#include <cmath>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "test_support.h"
#include "core/numbers.h"
#include "trading/option_trades.h"
#include "trading/options.h"
#include "trading/portfolio.h"

namespace {
Game Market(int price, const std::string& turn, const std::string& cash = "5000") {
    Game g;
    Init_Game(g);
    g.Turn_Number = Shown_Number::Read(turn);
    g.Cash_On_Hand = Shown_Number::Read(cash);
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s].Set(price);
        g.Price_History[s].fill(static_cast<Byte>(price));
    }
    return g;
}

void Hold(Game& g, const std::string& type, int stock, int strike, int expires, float paid, double qty) {
    g.Player_Option[g.Player_Option_Count++] = Option_Position{type, static_cast<Integer>(stock),
        static_cast<Integer>(strike), static_cast<Integer>(expires), paid, qty};
}

Option_Form Chosen(Game& g, int stock, bool calls, bool buy) {
    Option_Form f;
    f.Stock = stock;
    f.Calls = calls;
    f.Buy = buy;
    Option_Symbol_Click(g, f);
    return f;
}
}  // namespace

TEST(Option_Form, StrikeAndExpiryOffered) {
    Game g = Market(53, "10");
    Option_Form call = Chosen(g, 0, true, true);
    EXPECT_EQ(call.Strike, "50");
    EXPECT_EQ(call.Exp, "40");
    EXPECT_EQ(call.Exp_Min, 20);
    EXPECT_EQ(call.Exp_Max, 40);
    EXPECT_EQ(Chosen(g, 0, false, true).Strike, "60");

    EXPECT_FALSE(Spin_Exp(call, +1));
    EXPECT_TRUE(Spin_Exp(call, -1));
    EXPECT_EQ(call.Exp, "30");
    call.Strike = "200";
    EXPECT_FALSE(Spin_Strike(call, +1));
    call.Strike = "10";
    EXPECT_FALSE(Spin_Strike(call, -1));

    g.Turn_Number.Set(15);
    EXPECT_EQ(Chosen(g, 0, true, true).Exp_Min, 20);

    // The box keeps the strike within its spin limits.
    g.Price[1].Set(9);
    EXPECT_EQ(Chosen(g, 1, true, true).Strike, "10");
    g.Price[2].Set(205);
    EXPECT_EQ(Chosen(g, 2, false, true).Strike, "200");
}

TEST(Option_Trades, BuyCapsMergesAndRefuses) {
    Recording_Screens screens;
    Game g = Market(50, "10");
    Option_Form f = Chosen(g, 0, true, true);  // premium 7.00 at the money, 30 turns to go
    Option_View v = Update_Option_Quote(g, f);
    EXPECT_EQ(v.Premium, "7");
    EXPECT_EQ(v.Max, "7");  // 5,000 / 700
    f.Number = "5";
    ASSERT_EQ(Transact_Option(g, f, screens), Trade_Result::Done);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "1500");
    ASSERT_EQ(g.Player_Option_Count, 1);
    EXPECT_FLOAT_EQ(g.Player_Option[0].Purchase_Price, 7.0f);
    EXPECT_EQ(g.Max_Number, 2);
    f.Number = "3";
    EXPECT_EQ(Transact_Option(g, f, screens), Trade_Result::Refused);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "1500");
    ASSERT_EQ(g.Options_Portfolio.size(), 1u);

    // A larger position averages in a smaller purchase; a smaller one keeps its price.
    Game m = Market(50, "10", "1000000");
    Hold(m, "Call", 0, 50, 40, 1.0f, 10);
    Option_Form add = Chosen(m, 0, true, true);
    add.Number = "5";
    ASSERT_EQ(Transact_Option(m, add, screens), Trade_Result::Done);
    EXPECT_FLOAT_EQ(m.Player_Option[0].Purchase_Price, 3.0f);  // (7*5 + 1*10) / 15
    add.Number = "20";
    ASSERT_EQ(Transact_Option(m, add, screens), Trade_Result::Done);
    EXPECT_FLOAT_EQ(m.Player_Option[0].Purchase_Price, 3.0f);
    EXPECT_EQ(m.Player_Option[0].Quantity, 35);
    EXPECT_EQ(m.Player_Option_Count, 1);
}

TEST(Option_Trades, ContractAndPositionLimits) {
    Recording_Screens screens;
    Game g = Market(50, "10", "100000000");
    Hold(g, "Call", 3, 40, 30, 1.0f, 3000);
    Hold(g, "Put", 3, 70, 20, 1.0f, 2000);
    for (bool calls : {true, false}) {
        Option_Form f = Chosen(g, 3, calls, true);
        EXPECT_EQ(Update_Option_Quote(g, f).Max, "0");
    }
    EXPECT_EQ(Update_Option_Quote(g, Chosen(g, 4, true, true)).Max, "5,000");

    while (g.Player_Option_Count < 191) Hold(g, "Call", 5, 10 * (g.Player_Option_Count % 20 + 1), 40, 1.0f, 1);
    Option_Form f = Chosen(g, 5, true, true);
    f.Strike = "10";
    Update_Option_Quote(g, f);
    f.Number = "1";
    EXPECT_EQ(Transact_Option(g, f, screens), Trade_Result::Refused);  // even into a position held
    EXPECT_TRUE(screens.Logged("message Too many options positions"));
    EXPECT_EQ(g.Player_Option_Count, 191);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "100000000");
}

TEST(Option_Trades, SellPartAndWholeAndPrefill) {
    Recording_Screens screens;
    Game g = Market(50, "10", "0");
    Hold(g, "Call", 0, 50, 40, 1.0f, 10);
    Hold(g, "Put", 2, 60, 30, 2.0f, 1234.5);
    Option_Form f = Chosen(g, 0, true, false);
    Update_Option_Quote(g, f);
    EXPECT_EQ(g.Max_Number, 10);
    f.Number = "11";
    EXPECT_EQ(Transact_Option(g, f, screens), Trade_Result::Refused);
    f.Number = "4";
    ASSERT_EQ(Transact_Option(g, f, screens), Trade_Result::Done);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "2800");
    EXPECT_DOUBLE_EQ(g.Player_Capital_Gains, 2400);  // (7 - 1) x 4 x 100
    EXPECT_FLOAT_EQ(g.Player_Option[0].Purchase_Price, 1.0f);
    f.Number = "6";
    ASSERT_EQ(Transact_Option(g, f, screens), Trade_Result::Done);
    ASSERT_EQ(g.Player_Option_Count, 1);
    EXPECT_EQ(g.Player_Option[0].Option_Type, "Put");
    ASSERT_EQ(g.Options_Portfolio.size(), 1u);
    EXPECT_EQ(Update_Option_Quote(g, f).Max, "0");  // nothing left on that key
    EXPECT_EQ(Transact_Option(g, f, screens), Trade_Result::Refused);

    Option_Form p;
    EXPECT_FALSE(Prefill_From_Grid(g, p, 1));
    ASSERT_TRUE(Prefill_From_Grid(g, p, 0));
    EXPECT_EQ(g.Status, Game_Status::Skip_Option_Update);
    EXPECT_EQ(p.Stock, 2);
    EXPECT_FALSE(p.Calls);
    EXPECT_FALSE(p.Buy);
    EXPECT_EQ(p.Strike, "60");
    EXPECT_EQ(p.Exp, "30");
    EXPECT_EQ(p.Number, "1234");
    Option_Symbol_Click(g, p);
    EXPECT_EQ(p.Strike, "60");
    EXPECT_EQ(g.Max_Number, 1234.5);
}

// The option grid of a full table: premiums from the one pass over the table equal each
// position's own quote, and every price paid reads as "%.7g" prints the float.
TEST(Option_Grid, FullTableShowsEachQuoteAndPricePaid) {
    Game g = Market(50, "10");
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
    Refresh_Portfolio(g);
    ASSERT_EQ(g.Options_Portfolio.size(), static_cast<size_t>(Option_Slots));
    for (int k = 0; k < Option_Slots; ++k) {
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.7g", static_cast<double>(g.Player_Option[k].Purchase_Price));
        EXPECT_EQ(g.Options_Portfolio[k][4], printed) << k;
        EXPECT_EQ(g.Options_Portfolio[k][5], Number_Text(Option_Premium(g, k))) << k;
    }
}

// The grids keep the texts of unchanged positions from turn to turn: after sales, removals
// that shift the tables, new average prices and a new turn they must read exactly as grids
// written afresh.
TEST(Option_Grid, RowsKeptFromTheLastTurnMatchAFreshGrid) {
    Game g = Market(50, "10");
    for (int k = 0; k < 40; ++k) Hold(g, k % 2 ? "Put" : "Call", k % Stock_Count, 40 + 10 * (k % 3), 20 + k % 20, 1.5f, 10 + k);
    for (int s = 0; s < Stock_Count; s += 2) g.Player_Stock[s] = {1000.0 + s, 45};
    for (int s = 1; s < Stock_Count; s += 5) g.Player_Short[s] = {300, 52};
    Refresh_Portfolio(g);
    g.Player_Stock[0] = {};                  // sold: every long row after it moves up
    g.Player_Stock[4].Shares = 1234567;
    g.Player_Stock[5] = {10, 60};            // a new holding between two others
    g.Player_Short[6].Avg_Price = 49;
    g.Price[8].Set(77);
    g.Player_Option[3].Quantity = 4;         // part sold
    Remove_Option(g, 7);                     // the rows after it move up
    g.Player_Option[12].Purchase_Price = 2.25f;
    g.Player_Option[20].Strike = 25;         // as a split leaves it
    g.Turn_Number.Set(11);
    g.Price[5].Set(61);
    Refresh_Portfolio(g);

    Game fresh = g;
    fresh.Options_Portfolio.clear();
    fresh.Options_Portfolio_Source.clear();
    fresh.Stock_Portfolio.clear();
    fresh.Stock_Portfolio_Source.clear();
    Refresh_Portfolio(fresh);
    EXPECT_EQ(g.Options_Portfolio, fresh.Options_Portfolio);
    EXPECT_EQ(g.Options_Portfolio.size(), 39u);
    EXPECT_EQ(g.Stock_Portfolio, fresh.Stock_Portfolio);
    EXPECT_EQ(g.Stock_Portfolio.size(), 21u + 9u);
}
