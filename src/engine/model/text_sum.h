#pragma once
#include <cmath>
#include <string>

#include "engine/model/numbers.h"

// A running sum the rules keep as text: every addition is written as plain text and read
// back by the leading-number rule. While the sum is a whole or half number below 10^14 its
// text reads back as exactly that number, so only a larger or finer sum goes through its text.
// A sum with nothing added is its first text, unchanged.
class Text_Sum {
public:
    explicit Text_Sum(const std::string& text) : first(text), value(Leading_Number(text)) {}
    void Add(double amount) {
        added = true;
        value += amount;
        if (!(std::fabs(value) < 1e14 && value * 2 == std::trunc(value * 2))) value = Leading_Number(Number_Text(value));
    }
    std::string Text() const { return added ? Number_Text(value) : first; }

private:
    std::string first;
    double value;
    bool added = false;
};
