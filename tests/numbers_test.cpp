#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/numbers.h"

TEST(Conversion_Rules, LeadingNumberStopsAtSeparatorLocaleReadsIt) {
    EXPECT_EQ(Leading_Number("5,000"), 5);
    EXPECT_EQ(Locale_Number("5,000"), 5000);
    EXPECT_EQ(Leading_Number(" 1 000"), 1000);
    EXPECT_EQ(Leading_Number("-2(25%)"), -2);
    EXPECT_EQ(Leading_Number("abc"), 0);
    EXPECT_EQ(Leading_Number("12.9"), 12.9);
    EXPECT_EQ(Leading_Number(""), 0);
    EXPECT_EQ(Leading_Number("1 2.5 7"), 12.57);  // blanks inside are skipped
    EXPECT_EQ(Leading_Number("-.5x"), -0.5);
    EXPECT_EQ(Leading_Number("3."), 3);
    EXPECT_EQ(Leading_Number("007"), 7);
    EXPECT_EQ(Leading_Number("123456789012345"), 123456789012345.0);
    EXPECT_EQ(Leading_Number("12345678901234567"), 12345678901234567.0);
    EXPECT_EQ(Leading_Number("0.1"), 0.1);
    EXPECT_EQ(Leading_Number("12.5(3.5%)"), 12.5);
    EXPECT_EQ(Locale_Number("1,234,567.891"), 1234567.891);
    EXPECT_EQ(Locale_Number(" 2,500.75 "), 2500.75);
    EXPECT_THROW(Locale_Number("12abc"), Number_Error);
    EXPECT_THROW(Locale_Number(""), Number_Error);
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(Round_Even(2.5), 2);
    EXPECT_EQ(Round_Even(3.5), 4);
    EXPECT_EQ(Round(37.45, 1), 37.4);  // binary 37.45 lies just below
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Round2(Currency{12350}).units, 12400);
    EXPECT_EQ(Round2(Currency{12250}).units, 12200);
    EXPECT_EQ(Round2(Currency{-12250}).units, -12200);
    EXPECT_EQ(Half_Round2(Currency{12500}).units, 6200);  // 0.625 -> 0.62
    EXPECT_EQ(Half_Round2(Currency{-300}).units, -200);   // -0.015 -> -0.02
}

TEST(Number_Texts, PlainAndGrouped) {
    EXPECT_EQ(Number_Text(5000), "5000");
    EXPECT_EQ(Number_Text(100.5), "100.5");
    EXPECT_EQ(Number_Text(-0.0), "0");
    EXPECT_EQ(Number_Text_Blank(150), " 150");
    EXPECT_EQ(Number_Text_Blank(-150), "-150");
    EXPECT_EQ(Add_Commas("5000"), "5,000");
    EXPECT_EQ(Add_Commas("123"), "123");
    EXPECT_EQ(Add_Commas("1234567"), "1,234,567");
    EXPECT_EQ(Add_Commas("-1234"), "-1,234");
    EXPECT_EQ(Add_Commas("-123456"), "-123,456");
    EXPECT_EQ(Add_Commas("2500.75"), "2,500.75");
}

// The number texts take shortcuts for whole numbers and cents; whatever path a value takes,
// its text must be the one printf's "%.15g" gives.
TEST(Number_Texts, EveryPathPrintsAsFifteenSignificantDigits) {
    std::mt19937_64 gen(17);
    std::uniform_int_distribution<long long> cents(-2'000'000'000'000LL, 2'000'000'000'000LL);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    auto printf_text = [](double x) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", x);
        return std::string(buf) == "-0" ? std::string("0") : std::string(buf);
    };
    std::vector<double> values{0.01, -0.01, 0.1, 0.05, 7.33, -7.3, 999999999999.99, 1e12 + 0.5,
                               1e-5, 123456789.123, 2.675, 0.1 + 0.2, -0.5};
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<double>(cents(gen)) / 100);
        values.push_back(static_cast<double>(cents(gen) % 100000) / 10);
        values.push_back(any(gen));
    }
    for (double x : values) ASSERT_EQ(Number_Text(x), printf_text(x)) << x;
    EXPECT_EQ(Add_Commas("12.5(3%)"), "12.5(3%)");
    EXPECT_EQ(Add_Commas("-1000000.25"), "-1,000,000.25");
    EXPECT_EQ(Add_Commas(""), "");
}
