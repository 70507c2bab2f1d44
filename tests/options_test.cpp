#include <gtest/gtest.h>

#include "core/numbers.h"
#include "test_support.h"
#include "trading/options.h"
#include "trading/portfolio.h"

namespace {
Game Market_At(int price, int turn) {
    Game g;
    Init_Game(g);
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s] = Number_Text(price);
        g.Price_History[s].fill(static_cast<Byte>(price));
    }
    g.Turn_Number = Number_Text(turn);
    return g;
}
}  // namespace

TEST(Option_Premium, TimeValueMoneynessAndMomentum) {
    Game g = Market_At(50, 10);
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 50, 40), 7);     // 2 + 5 at the money
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Put", 0, 47, 40), 4.5);    // 2 + 2.5 three out
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 40, 40), 12);    // 2 + 10 in the money
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 50, 30), 6.79);  // 1.79 at 20 turns
    g.Price_History[0][96] = 40;  // rose 40 -> 50: boost 40%
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 50, 40), 9.8);
    g.Price_History[0][96] = 100;  // halved: boost clamped to -70%
    EXPECT_DOUBLE_EQ(Option_Premium(g, "Call", 0, 50, 40), 2.1);
}

TEST(Option_Table, RemovalWarningAndLapse) {
    Recording_Screens screens;
    Game g = Market_At(50, 19);
    g.Player_Option[0] = {"Call", 0, 50, 20, 1.0f, 2};
    g.Player_Option[1] = {"Put", 1, 50, 21, 1.0f, 3};
    g.Player_Option[2] = {"Call", 2, 50, 20, 1.0f, 1};
    g.Player_Option_Count = 3;
    Warn_Expiring_Options(g, screens);
    ASSERT_EQ(screens.log.size(), 1u);
    EXPECT_EQ(screens.log[0],
              "alert Option Expiration Warning!: ALERT! The following option(s) are due to expire next turn."
              " | Call  AAPL,   Strike: 50,   Quantity: 2 | Call  AET,   Strike: 50,   Quantity: 1");
    Refresh_Portfolio(g);
    EXPECT_EQ(g.Options_Portfolio.size(), 3u);

    g.Turn_Number = "20";
    g.Cash_On_Hand = "1000";
    double premium = Option_Premium(g, 0);
    g.Net_Worth = "100000";
    Lapse_Expired_Options(g);
    EXPECT_EQ(g.Player_Option_Count, 1);
    EXPECT_EQ(g.Player_Option[0].Option_Type, "Put");
    EXPECT_EQ(Locale_Number(g.Net_Worth), 100000 - 3 * premium * 100);
    EXPECT_EQ(g.Cash_On_Hand, "1000");  // a lapse pays nothing
}
