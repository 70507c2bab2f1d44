#include "engine/trading/positions.h"

#include "engine/model/numbers.h"

Integer Average_Price_After(const Holding& held, double price, double added, Average_Rounding rounding) {
    if (held.Shares == 0) return To_Integer(price);
    if (added == 0 || held.Shares < 0) return held.Avg_Price;
    const double average = (held.Avg_Price * held.Shares + price * added) / (held.Shares + added);
    return rounding == Average_Rounding::Nearest ? To_Integer(average) : static_cast<Integer>(Int(average));
}

double Most_Within_Limit(double affordable, double room) {
    double most = room;
    if (affordable < most) most = affordable;
    return most < 0 ? 0 : most;
}

double Short_Value(Integer avg, double price) { return (2.0 * avg - price) / 2; }

// The doubled average is kept to 16 bits, as the computer's rules keep it.
double Computer_Short_Value(Integer avg, double price) { return static_cast<Integer>(2 * avg) - Int(price / 2); }
double Computer_Short_Gain(Integer avg, double price) { return static_cast<Integer>(2 * avg) - Int(price) / 2; }
