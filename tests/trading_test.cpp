#include <gtest/gtest.h>

#include "core/numbers.h"
#include "trading/options.h"
#include "trading/portfolio.h"
#include "trading/short_trades.h"

namespace {
struct Alert_Recorder : Screens {
    std::string caption, text;
    std::vector<std::string> lines;
    void Show_Alert(const std::string& c, const std::string& t, const std::vector<std::string>& l) override {
        caption = c; text = t; lines = l;
    }
    void Show_Tax(const std::string&, const std::string&) override {}
    bool Ask_Confirmation(const std::string&) override { return true; }
    void Run_New_Game_Setup(Game&) override {}
    void Message_Box(const std::string&) override {}
    void Beep() override {}
    std::optional<std::string> Input_Box(const std::string&, const std::string&) override { return {}; }
    End_Choice Run_End_Of_Game(Game&, const std::string&, const std::string&, const std::string&,
                               const std::string&, bool) override { return End_Choice::Quit; }
    void Show_Winners(Game&) override {}
    void Show_Help(int) override {}
    std::optional<std::string> Choose_Open_File(const std::string&) override { return {}; }
    std::optional<std::string> Choose_Save_File(const std::string&) override { return {}; }
};

Game Flat_Market(int price, const std::string& turn) {
    Game g;
    Init_Game(g);
    g.Turn_Number = Shown_Number::Read(turn);
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s].Set(price);
        g.Price_History[s].fill(static_cast<Byte>(price));
    }
    return g;
}

void Add(Game& g, const std::string& type, int stock, int strike, int expires, double qty) {
    g.Player_Option[g.Player_Option_Count++] = Option_Position{type, static_cast<Integer>(stock),
        static_cast<Integer>(strike), static_cast<Integer>(expires), 1.0f, qty};
}
}  // namespace

TEST(Option_Premium, TimeMoneynessAndMomentum) {
    Game g = Flat_Market(50, "10");
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 50, 40), 7.0);   // 2 time value + 5 at the money
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Put", 0, 47, 40), 4.5);    // three dollars out: 2.5
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 40, 30), 11.79); // 10 in the money, 20 turns to go
    g.Price_History[1][96] = 40;  // rose from 40 to 50: x1.4
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 1, 50, 40), 9.8);
    g.Price[2].Set(25); g.Price_History[2][99] = 25; g.Price_History[2][96] = 50;  // halved: x0.3
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 2, 25, 40), 2.1);

    // At the expiry turn the time value is 2 - 0.0021 x 30^2 = 0.11; ten dollars out of the money
    // adds 10 / 2^4 = 0.625, and 0.735 goes to the even cent.
    Game expiring = Flat_Market(50, "40");
    EXPECT_DOUBLE_EQ(Option_Premium(expiring, "Call", 0, 60, 40), 0.74);
    EXPECT_DOUBLE_EQ(Option_Premium(expiring, "Put", 0, 40, 40), 0.74);
}

TEST(Option_Table, RemoveWarnLapseAndGrid) {
    Game g = Flat_Market(50, "19");
    Add(g, "Call", 0, 50, 20, 3);
    Add(g, "Put", 1, 60, 21, 2);
    Add(g, "Call", 2, 40, 20, 1);
    Alert_Recorder screens;
    Warn_Expiring_Options(g, screens);
    EXPECT_EQ(screens.caption, "Option Expiration Warning!");
    ASSERT_EQ(screens.lines.size(), 2u);
    EXPECT_EQ(screens.lines[0], "Call  AAPL,   Strike: 50,   Quantity: 3");

    Refresh_Portfolio(g);
    ASSERT_EQ(g.Options_Portfolio.size(), 3u);
    EXPECT_EQ(g.Options_Portfolio[1][0], "ADBE");

    g.Turn_Number.Set(20);
    g.Net_Worth = Shown_Number::Read("10000");
    std::string cash = g.Cash_On_Hand.Text();
    double lost = 3 * Option_Premium(g, 0) * 100 + Option_Premium(g, 2) * 100;
    Lapse_Expired_Options(g);
    EXPECT_EQ(g.Player_Option_Count, 1);
    EXPECT_EQ(g.Player_Option[0].Option_Type, "Put");
    EXPECT_DOUBLE_EQ(g.Net_Worth.Value(), 10000 - lost);
    EXPECT_EQ(g.Cash_On_Hand.Text(), cash);
    Remove_Option(g, 0);
    Remove_Option(g, 0);
    EXPECT_EQ(g.Player_Option_Count, 0);
}

TEST(Portfolio, StockAndShortRows) {
    Game g = Flat_Market(55, "5");
    g.Player_Stock[3] = Holding{1500, 50};
    g.Player_Short[3] = Holding{2000, 50};
    Refresh_Portfolio(g);
    ASSERT_EQ(g.Stock_Portfolio.size(), 2u);
    EXPECT_EQ(g.Stock_Portfolio[0][1], "1,500");
    EXPECT_EQ(g.Stock_Portfolio[0][4], "10");
    EXPECT_EQ(g.Stock_Portfolio[1][1], "-2,000");
    EXPECT_EQ(g.Stock_Portfolio[1][4], "-10");
}

#include "trading/stock_trades.h"

TEST(Stock_Trades, MaximaAveragesAndGains) {
    Game g = Flat_Market(30, "5");
    g.Cash_On_Hand.Set(10000);
    EXPECT_EQ(Buy_Symbol_Click(g, 0).Max, "The Most You Can Buy Is 333");
    std::string box = "334";
    EXPECT_EQ(Buy_Click(g, 0, box), Trade_Result::Refused);
    EXPECT_EQ(box, "0");
    box = "333";
    EXPECT_EQ(Buy_Click(g, 0, box), Trade_Result::Done);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "10");

    g.Cash_On_Hand.Set(1000000000);
    g.Player_Stock[1].Shares = 60000000;
    g.Computer_Stock[1].Shares = 39999990;
    Buy_Symbol_Click(g, 1);
    EXPECT_DOUBLE_EQ(g.Max_Number, 10);

    g.Price[2].Set(20);
    Buy_Symbol_Click(g, 2);
    box = "100";
    Buy_Click(g, 2, box);
    g.Price[2].Set(25);
    Buy_Symbol_Click(g, 2);
    box = "100";
    Buy_Click(g, 2, box);
    EXPECT_EQ(g.Player_Stock[2].Avg_Price, 22);  // 22.5 to the even dollar

    g.Player_Stock[3] = Holding{100, 20};
    g.Price[3].Set(30);
    double cash = g.Cash_On_Hand.Value();
    box = "50";
    EXPECT_EQ(Sell_Click(g, 3, box), Trade_Result::Done);
    EXPECT_DOUBLE_EQ(g.Player_Capital_Gains, 500);
    EXPECT_DOUBLE_EQ(g.Cash_On_Hand.Value(), cash + 1500);
    box = "51";
    EXPECT_EQ(Sell_Click(g, 3, box), Trade_Result::Refused);
}

TEST(Short_Trades, DepositLimitsAndHalfTheDifference) {
    Game g = Flat_Market(40, "5");
    g.Cash_On_Hand.Set(10000);
    auto view = Short_Symbol_Click(g, 0, Short_Mode::Sell_Short);
    EXPECT_EQ(view.Max, "The Most You Can Short Is 500");  // 10,000 / 20
    EXPECT_EQ(Transact_Click(g, 0, Short_Mode::Sell_Short, "501"), Trade_Result::Refused);
    EXPECT_EQ(Transact_Click(g, 0, Short_Mode::Sell_Short, "100"), Trade_Result::Done);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "8000");
    g.Price[0].Set(30);
    Short_Symbol_Click(g, 0, Short_Mode::Buy_Back);
    EXPECT_EQ(Transact_Click(g, 0, Short_Mode::Buy_Back, "101"), Trade_Result::Refused);
    EXPECT_EQ(Transact_Click(g, 0, Short_Mode::Buy_Back, "100"), Trade_Result::Done);
    EXPECT_EQ(g.Cash_On_Hand.Text(), "10500");  // back 100 x (80 - 30) / 2 = 2,500
    EXPECT_EQ(g.Player_Capital_Gains, 2500);

    g.Player_Short[1] = {30000000, 20};
    g.Computer_Short[1].Shares = 19999000;
    g.Cash_On_Hand.Set(1000000000);
    Short_Symbol_Click(g, 1, Short_Mode::Sell_Short);
    EXPECT_EQ(g.Max_Number, 1000);
    g.Player_Short[2] = {100, 20};
    g.Price[2].Set(21);
    Short_Symbol_Click(g, 2, Short_Mode::Sell_Short);
    EXPECT_EQ(Transact_Click(g, 2, Short_Mode::Sell_Short, "100"), Trade_Result::Done);
    EXPECT_EQ(g.Player_Short[2].Avg_Price, 20);  // 20.5 to even
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
        std::string line, text = box;
        Trade_Result result;
        if (kind == Buy || kind == Sell) {
            Buy_Symbol_Click(g, 0);
            line = kind == Buy ? Buy_Cash_After(g, 0, box) : Sell_Cash_After(g, 0, box);
            result = kind == Buy ? Buy_Click(g, 0, text) : Sell_Click(g, 0, text);
        } else {
            const Short_Mode mode = kind == Sell_Short ? Short_Mode::Sell_Short : Short_Mode::Buy_Back;
            Short_Symbol_Click(g, 0, mode);
            line = Short_Cash_After(g, 0, mode, box);
            result = Transact_Click(g, 0, mode, box);
        }
        const std::string expected = result == Trade_Result::Done ? "Cash after: $" + g.Cash_View : "";
        EXPECT_EQ(line, expected) << kind << " " << box;
    }
    Game g = start;
    Short_Symbol_Click(g, 0, Short_Mode::Sell_Short);
    EXPECT_EQ(Short_Cash_After(g, 0, Short_Mode::Sell_Short, "100"), "Cash after: $8,500");  // half of 3,000 put up
    EXPECT_EQ(Short_Cash_After(g, 0, Short_Mode::Buy_Back, "10"), "Cash after: $10,250");   // 10 x (80 - 30) / 2 back
}
