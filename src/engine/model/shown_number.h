#pragma once
// A number the game keeps as the text it shows and saves. The text is the number's true form:
// a value is written as plain number text (Number_Text) and what that text reads back as is
// the value, so a value finer than its text keeps only what the text keeps. Both are held, so
// a read parses nothing and a write formats once, into storage the text already has. A net
// worth is shown and saved grouped ("1,234,567"); grouping changes the text, not the value.
#include <string>

#include "engine/model/numbers.h"

class Shown_Number {
public:
    Shown_Number() = default;
    explicit Shown_Number(double value) { Set(value); }
    // A text from elsewhere (a saved game, a sum kept as text), read as a whole, separators
    // allowed; a text that is no number reads as its leading number.
    static Shown_Number Read(const std::string& text);

    void Set(double value);
    void Group() { text_ = Add_Commas(text_); }
    double Value() const { return value_; }
    const std::string& Text() const { return text_; }
    bool operator==(const Shown_Number& other) const { return text_ == other.text_; }

private:
    std::string text_ = "0";
    double value_ = 0;
};
