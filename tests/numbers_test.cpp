#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/numbers.h"

TEST(Conversion_Rules, LeadingNumberStopsAtSeparatorLocaleReadsIt) {
    const std::pair<const char*, double> leading[] = {
        {"5,000", 5}, {" 1 000", 1000}, {"-2(25%)", -2}, {"abc", 0}, {"", 0}, {"-.5x", -0.5}, {"3.", 3}, {"007", 7},
        {"12.5(3.5%)", 12.5}, {"12345678901234567", 12345678901234567.0},
        {"1 2.5 7", 12.57}};  // blanks inside are skipped
    for (const auto& [text, value] : leading) EXPECT_EQ(Leading_Number(text), value) << text;
    const std::pair<const char*, double> grouped[] = {{"5,000", 5000}, {"1,234,567.891", 1234567.891}, {" 2,500.75 ", 2500.75}};
    for (const auto& [text, value] : grouped) EXPECT_EQ(Locale_Number(text), value) << text;
    for (const char* text : {"12abc", ""}) EXPECT_FALSE(Locale_Number(text)) << text;
    EXPECT_EQ(Locale_Value("12abc"), 12);  // a kept text that is no number counts by its lead
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

    // The game's own rounding and floor give what the library's give, signed zeros, halves,
    // the edges of what a double holds as a fraction and the values beyond included.
    auto same = [](double a, double b) { return (a == b && std::signbit(a) == std::signbit(b)) || (a != a && b != b); };
    std::mt19937_64 bits(3);
    std::vector<double> values = {0.0, -0.0, 0.49999999999999994, -0.49999999999999994, 4503599627370495.5,
                                  -4503599627370495.5, 4503599627370496.0, 1e300, -1e300, INFINITY, -INFINITY, NAN};
    for (int i = 0; i < 300000; ++i) {
        const auto draw = static_cast<std::int64_t>(bits() % 2000001) - 1000000;
        values.push_back(i % 3 == 0 ? draw / 2.0 : i % 3 == 1 ? draw / 100.0 : std::ldexp(draw, static_cast<int>(bits() % 80) - 40));
    }
    for (double x : values) {
        ASSERT_TRUE(same(Round_Even(x), std::nearbyint(x))) << x;
        ASSERT_TRUE(same(Int(x), std::floor(x))) << x;
    }
}

// Plain number texts are checked against printf below.
TEST(Number_Texts, BlankSignedAndGrouped) {
    EXPECT_EQ(Number_Text_Blank(150) + "|" + Number_Text_Blank(-150), " 150|-150");
    const std::pair<const char*, const char*> grouped[] = {
        {"5000", "5,000"},   {"123", "123"},         {"1234567", "1,234,567"}, {"-1234", "-1,234"}, {"-123456", "-123,456"},
        {"2500.75", "2,500.75"}, {"12.5(3%)", "12.5(3%)"}, {"-1000000.25", "-1,000,000.25"}, {"", ""}};
    for (const auto& [text, shown] : grouped) EXPECT_EQ(Add_Commas(text), shown) << text;
}

// The number texts take shortcuts for whole numbers and cents; whatever path a value takes,
// its text must carry the digits printf's "%.15g" gives, written out where printf would use
// an exponent, and read back with both conversion rules as the number those digits make.
TEST(Number_Texts, EveryPathPrintsAsFifteenSignificantDigits) {
    std::mt19937_64 gen(17);
    std::uniform_int_distribution<long long> cents(-2'000'000'000'000LL, 2'000'000'000'000LL);
    std::uniform_real_distribution<double> any(-1e6, 1e6), exponent(-300, 300);
    auto printf_text = [](double x) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.15g", x);
        std::string t = buf;
        return t == "-0" ? std::string("0") : t;
    };
    std::vector<double> values{5000, 100.5, -0.0, 0.01, -0.01, 0.1, 0.05, 7.33, -7.3, 999999999999.99, 1e12 + 0.5, 1e-5,
                               123456789.123, 2.675, 0.1 + 0.2, -0.5, 1e15, -1e15, 1.5e-5, 1e300, -1e-300,
                               123456789012345678.0, 4.9e-324};
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<double>(cents(gen)) / 100);
        values.push_back(static_cast<double>(cents(gen) % 100000) / 10);
        values.push_back(any(gen));
        values.push_back(any(gen) * std::pow(10.0, exponent(gen)));
    }
    for (double x : values) {
        const std::string text = Number_Text(x), reference = printf_text(x);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << reference;
        if (reference.find('e') == std::string::npos) {
            ASSERT_EQ(text, reference) << x;
        }
        ASSERT_EQ(Leading_Number(text), std::strtod(reference.c_str(), nullptr)) << text;
        ASSERT_EQ(Locale_Number(Add_Commas(text)), Leading_Number(text)) << text;
        ASSERT_EQ(Record_Number_Text(x), reference) << x;
    }
    // Whole numbers, the most common, of every length below 10^15 and at the edges of each.
    std::vector<long long> wholes{0, 1, 9, 10, 99999999, 100000000, 100000001, 999999999999999};
    for (long long top = 10; top <= 1'000'000'000'000'000LL; top *= 10)
        for (int i = 0; i < 2000; ++i) wholes.push_back(static_cast<long long>(gen() % static_cast<unsigned long long>(top)));
    for (long long n : wholes)
        for (long long w : {n, -n}) ASSERT_EQ(Number_Text(static_cast<double>(w)), std::to_string(w));
    EXPECT_EQ(Number_Text(1e15), "1000000000000000");
    EXPECT_EQ(Number_Text(1.5e-5), "0.000015");
    EXPECT_EQ(Number_Text(-1.23456789012345678e17), "-123456789012346000");
}
