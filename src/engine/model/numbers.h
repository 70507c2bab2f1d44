#pragma once
// The number rules of the game: the two ways display text becomes a number, rounding,
// and the ways numbers become text.
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "engine/model/types.h"

// Longest numeric prefix (blanks anywhere are ignored); 0 when there is none, or when its
// digits are more than a double holds. A thousands separator ends the number: "5,000" reads 5.
double Leading_Number(const std::string& text);
// The whole text as a number, "," grouping allowed: "5,000" reads 5000. Nothing for a text
// that is not a number.
std::optional<double> Locale_Number(const std::string& text);
// The locale number of a text the game keeps as a number (turn, cash, net worth). Such a
// text always is one; should it not be, its leading number stands in, so that no turn and
// no window ever stops on a text.
double Locale_Value(const std::string& text);

// Halves to even, as every rounding of the game does: what nearbyint gives in the default
// rounding mode, worked out inline (the market's step rounds a few hundred times a turn, and
// without SSE4.1 nearbyint and floor are calls). Adding and taking away 2^52 leaves a double
// of less than 2^52 rounded to a whole number, ties to even; larger ones are whole already.
inline double Round_Even(double x) {
    constexpr double Whole = 4503599627370496.0;  // 2^52
    if (!(std::fabs(x) < Whole)) return x;
    // Below zero the mirror image, so that a small negative value rounds to -0 as nearbyint's does.
    return std::signbit(x) ? -((Whole - x) - Whole) : (x + Whole) - Whole;
}
double Round(double x, int decimals);
// The largest whole number not above x: the value cut toward zero, one less below zero when a
// fraction was cut (a -0 stays -0, as floor keeps it).
inline double Int(double x) {
    if (!(std::fabs(x) < 4503599627370496.0)) return x;  // 2^52 and beyond are whole
    const double cut = static_cast<double>(static_cast<long long>(x));
    if (cut > x) return cut - 1;
    return cut == 0 && std::signbit(x) ? -0.0 : cut;
}
// Halves to even into 16 bits; callers keep values within range.
inline Integer To_Integer(double x) { return static_cast<Integer>(static_cast<long long>(std::nearbyint(x))); }
// Halves to even into 32 bits, kept within the range: a larger value gives the largest Long,
// a smaller one the smallest, never a wrapped one.
Long To_Long(double x);

// Plain number text: up to 15 significant digits, no grouping, "-0" written "0", and never
// in exponent form: 1e15 is "1000000000000000", 1.5e-05 is "0.000015". Every text the game
// shows or keeps reads back with both conversion rules.
std::string Number_Text(double x);
// The most characters a number text takes (a double's widest, written out in full).
inline constexpr std::size_t Number_Text_Room = 352;
// Up to 15 significant digits in the shortest form, very large or small values in exponent
// form ("1e+15", "1.5e-05"): the form of numbers in the stored records.
std::string Record_Number_Text(double x);
// Record_Number_Text written into `buf`, which has room for Number_Text_Room characters;
// returns the text's end.
char* Record_Number_Text_To(char* buf, double x);
// The same with a leading blank for a value of 0 or more.
std::string Number_Text_Blank(double x);
// Thousands separators on the whole-number part; sign and fraction kept as they are.
std::string Add_Commas(const std::string& text);
// Number_Text written into `buf`, which has room for Number_Text_Room characters; returns the
// text's end.
char* Number_Text_To(char* buf, double x);
// Number_Text and Add_Commas(Number_Text) written into a text that keeps its storage, for the
// grids rebuilt every turn.
void Write_Number_Text(std::string& out, double x);
void Write_Grouped_Number(std::string& out, double x);

// Colour of a gain or loss by the sign of a value.
inline Colour Sign_Colour(double x) { return x < 0 ? Colour::Red : (x > 0 ? Colour::Blue : Colour::Black); }
