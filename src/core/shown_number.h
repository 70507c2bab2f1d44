#pragma once
// A number the game keeps as the text it shows and saves. The text is the number's true form:
// a value is written as plain number text (Number_Text) and what that text reads back as is
// the value, so a value finer than its text keeps only what the text keeps. Both are held, so
// a read parses nothing and a write formats once, into storage the text already has.
#include <string>

#include "core/numbers.h"

class Shown_Number {
public:
    Shown_Number() = default;
    explicit Shown_Number(double value) { Set(value); }
    // A text from outside (a saved game, a typed box) is read by the leading-number rule.
    static Shown_Number Read(const std::string& text);

    void Set(double value);
    double Value() const { return value_; }
    const std::string& Text() const { return text_; }
    bool operator==(const Shown_Number& other) const { return text_ == other.text_; }

private:
    std::string text_ = "0";
    double value_ = 0;
};
