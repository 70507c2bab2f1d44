#include "engine/model/shown_number.h"

#include <cmath>

Shown_Number Shown_Number::Read(const std::string& text) {
    Shown_Number n;
    n.text_ = text;
    n.value_ = Locale_Value(text);
    return n;
}

void Shown_Number::Set(double value) {
    Write_Number_Text(text_, value);
    // A whole or half number below 10^14 reads back from its text exactly as itself (a -0
    // is written "0" and reads back as 0); any other value is read back from the text.
    const bool exact = std::fabs(value) < 1e14 && value * 2 == std::trunc(value * 2);
    value_ = exact ? value + 0.0 : Leading_Number(text_);
}
