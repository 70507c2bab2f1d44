#include <cmath>

#include <gtest/gtest.h>

#include "core/numbers.h"
#include "core/shown_number.h"

TEST(Shown_Number, ItsValueIsWhatItsTextReadsBack) {
    Shown_Number price(100.5);
    EXPECT_EQ(price.Text(), "100.5");
    EXPECT_EQ(price.Value(), 100.5);

    // Finer than fifteen digits: the value keeps only what the text keeps.
    Shown_Number sum(0.1 + 0.2);
    EXPECT_EQ(sum.Text(), "0.3");
    EXPECT_EQ(sum.Value(), 0.3);
    Shown_Number large(123456789012345678.0);
    EXPECT_EQ(large.Text(), "123456789012346000");
    EXPECT_EQ(large.Value(), Leading_Number(large.Text()));
    EXPECT_NE(large.Value(), 123456789012345678.0);

    Shown_Number zero(-0.0);
    EXPECT_EQ(zero.Text(), "0");
    EXPECT_FALSE(std::signbit(zero.Value()));

    // A later write reuses the text and leaves nothing of the earlier one.
    large.Set(7);
    EXPECT_EQ(large.Text(), "7");
    EXPECT_EQ(large.Value(), 7);
}

TEST(Shown_Number, ReadTakesSeparatorsAndGroupingKeepsTheValue) {
    const Shown_Number saved = Shown_Number::Read("1,234,567");
    EXPECT_EQ(saved.Text(), "1,234,567");
    EXPECT_EQ(saved.Value(), 1234567);
    const Shown_Number odd = Shown_Number::Read("12abc");
    EXPECT_EQ(odd.Text(), "12abc");
    EXPECT_EQ(odd.Value(), 12);

    Shown_Number worth(1234567.5);
    worth.Group();
    EXPECT_EQ(worth.Text(), "1,234,567.5");
    EXPECT_EQ(worth.Value(), 1234567.5);

    // Two numbers are the same when they show the same text.
    EXPECT_EQ(Shown_Number(5000), Shown_Number::Read("5000"));
    EXPECT_FALSE(Shown_Number(5000) == Shown_Number::Read("5,000"));
}
