#pragma once
// The number rules of the game: the two ways display text becomes a number, rounding,
// and the ways numbers become text.
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

// Halves to even, as every rounding of the game does.
double Round_Even(double x);
double Round(double x, int decimals);
double Int(double x);  // floor
// Halves to even into 16 bits; callers keep values within range.
Integer To_Integer(double x);
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
Colour Sign_Colour(double x);
