#include <cmath>

#include <gtest/gtest.h>

#include "core/numbers.h"
#include "core/shown_number.h"

// The texts a value is written as are the number texts' own test; here, that the value is what
// the text reads back, that a read keeps its text, and that grouping changes the text only.
TEST(Shown_Number, ItsValueIsWhatItsTextReadsBack) {
    Shown_Number number(123456789012345678.0);  // finer than the text's fifteen digits
    EXPECT_EQ(number.Value(), Leading_Number(number.Text()));
    EXPECT_NE(number.Value(), 123456789012345678.0);
    number.Set(-0.0);  // a later write leaves nothing of the earlier one
    EXPECT_EQ(number.Text(), "0");
    EXPECT_FALSE(std::signbit(number.Value()));

    const std::pair<const char*, double> read[] = {{"1,234,567", 1234567}, {"12abc", 12}};
    for (const auto& [text, value] : read) {
        EXPECT_EQ(Shown_Number::Read(text).Text(), text);
        EXPECT_EQ(Shown_Number::Read(text).Value(), value) << text;
    }
    Shown_Number worth(1234567.5);
    worth.Group();
    EXPECT_EQ(worth.Text(), "1,234,567.5");
    EXPECT_EQ(worth.Value(), 1234567.5);
    // Two numbers are the same when they show the same text.
    EXPECT_EQ(Shown_Number(5000), Shown_Number::Read("5000"));
    EXPECT_FALSE(Shown_Number(5000) == Shown_Number::Read("5,000"));
}
