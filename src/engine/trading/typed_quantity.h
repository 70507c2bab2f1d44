#pragma once
// A quantity box's text as the trades read it. Each trade has its own reading of a box: a
// purchase takes the whole part of the leading number, a sale refuses a box that is empty or
// reads "0" but sells nothing on "00", an option trade takes a fraction. So the rules take
// both the number and whether the box was blank.
#include <string>

#include "engine/model/numbers.h"

struct Typed_Quantity {
    double Value = 0;    // the leading number of the box (blanks skipped)
    bool Blank = true;   // the box was empty or held exactly "0"
    bool operator==(const Typed_Quantity&) const = default;
};

inline Typed_Quantity Read_Quantity(const std::string& box) {
    return {Leading_Number(box), box.empty() || box == "0"};
}

// A number put into a box, as the grid's double-click and the copying labels do.
inline Typed_Quantity Quantity_Of(double number) { return Read_Quantity(Number_Text(number)); }
