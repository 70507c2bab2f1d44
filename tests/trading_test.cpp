// What the golden transcripts cannot see of the trades: the limits the two players share,
// the "Cash after" line of the trade windows and the rows of the stock grid.
#include <gtest/gtest.h>

#include "test_support.h"
#include "engine/flows/player_input.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

// The exchange's limits count the computer's shares with the player's.
TEST(Exchange_Limits, CountBothPlayers) {
    Game g = Flat_Market(30);
    g.Cash_On_Hand.Set(1000000000);
    g.Player_Stock[1].Shares = 60000000;
    g.Computer_Stock[1].Shares = 39999990;
    EXPECT_EQ(Buy_Texts(g, 1).Most, 10);
    std::string box = "11";
    EXPECT_EQ(Buy_Shares(g, 1, Read_Quantity(box)), Trade_Result::Refused);
    g.Player_Short[2] = {30000000, 20};
    g.Computer_Short[2].Shares = 19999000;
    EXPECT_EQ(Short_Texts(g, 2, Short_Mode::Sell_Short).Most, 1000);
    EXPECT_EQ(Trade_Short(g, 2, Short_Mode::Sell_Short, Read_Quantity("1001")), Trade_Result::Refused);
    EXPECT_EQ(Trade_Short(g, 2, Short_Mode::Sell_Short, Read_Quantity("1000")), Trade_Result::Done);
}

// The trade windows' "Cash after" line says what pressing the trade button would do: the cash
// the main window would then show, or nothing where the trade is refused.
TEST(Cash_After, TheLineForeseesEveryTrade) {
    Game start = Flat_Market(30, "5");
    start.Cash_On_Hand.Set(10000);
    start.Player_Stock[0] = Holding{100, 20};
    start.Player_Short[0] = Holding{60, 40};
    enum Kind { Buy, Sell, Sell_Short, Buy_Back };
    const std::vector<std::pair<Kind, std::string>> cases = {
        {Buy, "5"},          {Buy, "333"},      {Buy, "334"},      {Buy, "0"},   {Buy, ""},   {Buy, "12.9"},
        {Sell, "100"},       {Sell, "101"},     {Sell, "0"},       {Sell, "00"}, {Sell, ""},  {Sell, " 7"},
        {Sell_Short, "666"}, {Sell_Short, "667"}, {Sell_Short, "1"}, {Sell_Short, "0.5"},
        {Buy_Back, "60"},    {Buy_Back, "61"},  {Buy_Back, "0"},   {Buy_Back, "3"}};
    for (const auto& [kind, box] : cases) {
        Game g = start;
        const Typed_Quantity typed = Read_Quantity(box);
        std::string line;
        Trade_Result result;
        if (kind == Buy || kind == Sell) {
            line = kind == Buy ? Buy_Cash_After(g, 0, typed) : Sell_Cash_After(g, 0, typed);
            result = kind == Buy ? Buy_Shares(g, 0, typed) : Sell_Shares(g, 0, typed);
        } else {
            const Short_Mode mode = kind == Sell_Short ? Short_Mode::Sell_Short : Short_Mode::Buy_Back;
            line = Short_Cash_After(g, 0, mode, typed);
            result = Trade_Short(g, 0, mode, typed);
        }
        const std::string expected = result == Trade_Result::Done ? "Cash after: $" + Cash_View(g) : "";
        EXPECT_EQ(line, expected) << kind << " " << box;
    }
    Game g = start;
    EXPECT_EQ(Short_Cash_After(g, 0, Short_Mode::Sell_Short, Read_Quantity("100")), "Cash after: $8,500");  // half of 3,000 put up
    EXPECT_EQ(Short_Cash_After(g, 0, Short_Mode::Buy_Back, Read_Quantity("10")), "Cash after: $10,250");   // 10 x (80 - 30) / 2 back
}

TEST(Portfolio, StockAndShortRows) {
    Game g = Flat_Market(55, "5");
    g.Player_Stock[3] = Holding{1500, 50};
    g.Player_Short[3] = Holding{2000, 50};
    const std::vector<Stock_Row> rows = Stock_Grid_Rows(g);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Cells[1], "1,500");
    EXPECT_EQ(rows[0].Cells[4], "10");
    EXPECT_EQ(rows[1].Cells[1], "-2,000");
    EXPECT_EQ(rows[1].Cells[4], "-10");
}

// A refusal says why and what would pass: nothing typed, the cash, the exchange's room, what is
// held, for each trade.
TEST(Refusals, SayWhyAndWhatWouldPass) {
    Game g = Flat_Market(101, "5");
    g.Cash_On_Hand.Set(1300);
    g.Player_Stock[25] = Holding{40, 90};
    g.Player_Short[25] = Holding{12, 100};
    g.Computer_Stock[25].Shares = Stock_Limit - 3200 - 40;
    g.Computer_Short[25].Shares = Short_Limit - 5 - 12;
    const auto why = [&](Player_Input::Kind kind, int stock, const std::string& box) {
        Game copy = g;
        Random rnd(1);
        Recording_Screens screens;
        return Play_Input(copy, rnd, screens, Player_Input::Trade(kind, stock, Read_Quantity(box))).Trade.Reason();
    };
    using Kind = Player_Input::Kind;
    EXPECT_EQ(why(Kind::Buy, 0, "0"), "Type how many shares to buy.");
    EXPECT_EQ(why(Kind::Buy, 0, "13"), "Your cash covers at most 12 shares at $101.");
    g.Cash_On_Hand.Set(100000000);
    EXPECT_EQ(why(Kind::Buy, 25, "3201"), "The exchange allows 3,200 more shares of KO.");
    EXPECT_EQ(why(Kind::Buy, 25, "3200"), "");
    EXPECT_EQ(why(Kind::Sell, 25, ""), "Type how many shares to sell.");
    EXPECT_EQ(why(Kind::Sell, 25, "41"), "You hold 40 shares of KO.");
    EXPECT_EQ(why(Kind::Sell_Short, 25, "6"), "The exchange allows 5 more shares of KO to be sold short.");
    EXPECT_EQ(why(Kind::Buy_Back, 25, "13"), "You have sold 12 shares of KO short.");
    g.Cash_On_Hand.Set(100);
    EXPECT_EQ(why(Kind::Sell_Short, 0, "2"), "Your cash covers at most 1 share at $101 (a deposit of $50.50 a share).");
    g.Cash_On_Hand.Set(50);
    EXPECT_EQ(why(Kind::Buy, 0, "1"), "Your cash does not cover one share at $101.");

    // Options: the cash per contract, the limit per stock, the position sold.
    Option_Form form;
    form.Stock = 0;
    Choose_Strike_And_Expiry(g, form);
    Random rnd(1);
    Recording_Screens screens;
    form.Number = Read_Quantity("1");
    const std::string cash = Trade_Option(g, form, screens).Reason();
    EXPECT_TRUE(cash.starts_with("Your cash does not cover one contract at $")) << cash;
    EXPECT_TRUE(cash.ends_with(" a contract).")) << cash;
    g.Cash_On_Hand.Set(1e9);
    g.Player_Option[0] = {"Put", 0, 200, form.Expires, 1, 5000};
    g.Player_Option_Count = 1;
    EXPECT_EQ(Trade_Option(g, form, screens).Reason(), "You may hold 5,000 contracts on AAPL, calls and puts together; you hold 5,000.");
    form.Buy = false;
    EXPECT_EQ(Trade_Option(g, form, screens).Reason(), "You hold no AAPL calls at strike 100 expiring in turn " +
                                                           Number_Text(form.Expires) + ".");
}
