#pragma once
// A number the game keeps as the text it shows and saves. The text is the number's true form:
// a value is written as plain number text (Number_Text) and what that text reads back as is
// the value, so a value finer than its text keeps only what the text keeps. Both are held, so
// a read parses nothing; a whole or half value is written as text only when the text is first
// asked for (the rules read the values; the prices are set every turn and shown far less often).
// A net worth is shown and saved grouped ("1,234,567"); grouping changes the text, not the value.
#include <cmath>
#include <string>

#include "engine/model/numbers.h"

class Shown_Number {
public:
    Shown_Number() = default;
    explicit Shown_Number(double value) { Set(value); }
    // A text from elsewhere (a saved game, a sum kept as text), read as a whole, separators
    // allowed; a text that is no number reads as its leading number.
    static Shown_Number Read(const std::string& text);

    // A whole or half number below 10^14 reads back from its text exactly as itself (a -0
    // is written "0" and reads back as 0): its text can wait. Any other value is read back
    // from its text, written now.
    void Set(double value) {
        if (std::fabs(value) < 1e14 && value * 2 == std::trunc(value * 2)) {
            value_ = value + 0.0;
            written_ = false;
            return;
        }
        Set_Through_Text(value);
    }
    void Group();
    double Value() const { return value_; }
    const std::string& Text() const {
        if (!written_) Write();
        return text_;
    }
    bool operator==(const Shown_Number& other) const { return Text() == other.Text(); }

private:
    void Set_Through_Text(double value);
    void Write() const;
    mutable std::string text_ = "0";
    double value_ = 0;
    mutable bool written_ = true;  // false while text_ is still to be written from value_
};
