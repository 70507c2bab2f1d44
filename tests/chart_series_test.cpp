#include <gtest/gtest.h>

#include "engine/model/game.h"
#include "engine/market/chart_series.h"

// The series of a stock and of the index are the chart window's test's.
// The mean of the turns so far until the window is full, then of the window; floored.
TEST(Chart_Series, MovingAverageRunsFromTheStartThenOverTheWindow) {
    std::vector<double> ramp(100);
    for (int c = 0; c < 100; ++c) ramp[c] = c + 1;
    std::vector<double> a = Moving_Average(ramp, 10);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 1);  // 1.5 goes down
    EXPECT_EQ(a[8], 5);
    EXPECT_EQ(a[10], 6);   // 2..11: the window has moved on
    EXPECT_EQ(a[99], 95);  // 91..100 averages 95.5
    EXPECT_EQ(Moving_Average(ramp, 1), ramp);
}

TEST(Chart_Series, DaysStayWithinTheHistory) {
    EXPECT_EQ(Clamp_Days(0), 1);
    EXPECT_EQ(Clamp_Days(-4), 1);
    EXPECT_EQ(Clamp_Days(100), 100);
    EXPECT_EQ(Clamp_Days(250), 100);
    std::vector<double> h(100, 7.0);
    h[99] = 107;
    EXPECT_EQ(Moving_Average(h, 0), h);
    EXPECT_EQ(Moving_Average(h, 500)[99], 8);  // (99 * 7 + 107) / 100
}
