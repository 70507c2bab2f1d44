#include "engine/model/shown_number.h"

#include <cmath>

Shown_Number Shown_Number::Read(const std::string& text) {
    Shown_Number n;
    n.text_ = text;
    n.value_ = Locale_Value(text);
    return n;
}

void Shown_Number::Set_Through_Text(double value) {
    Write_Number_Text(text_, value);
    written_ = true;
    value_ = Leading_Number(text_);
}

void Shown_Number::Write() const {
    Write_Number_Text(text_, value_);
    written_ = true;
}

void Shown_Number::Group() { text_ = Add_Commas(Text()); }
