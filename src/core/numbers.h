#pragma once
// The number rules of the game: the two ways display text becomes a number, rounding,
// and the ways numbers become text.
#include <optional>
#include <stdexcept>
#include <string>

#include "core/types.h"

// A text that the locale-number rule cannot read: a run-time error of the caller.
struct Number_Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Longest numeric prefix (blanks anywhere are ignored); 0 when there is none.
// A thousands separator ends the number: "5,000" reads 5.
double Leading_Number(const std::string& text);
// The whole text as a number, "," grouping allowed: "5,000" reads 5000. Throws Number_Error.
double Locale_Number(const std::string& text);
std::optional<double> Try_Locale_Number(const std::string& text);

// Halves to even, as every rounding of the game does.
double Round_Even(double x);
double Round(double x, int decimals);
double Int(double x);  // floor
// Halves to even into 16 and 32 bits; callers keep values within range.
Integer To_Integer(double x);
Long To_Long(double x);

// Plain number text: up to 15 significant digits, no grouping, "-0" written "0".
std::string Number_Text(double x);
// The same with a leading blank for a value of 0 or more.
std::string Number_Text_Blank(double x);
// Thousands separators on the whole-number part; sign and fraction kept as they are.
std::string Add_Commas(const std::string& text);
// Number_Text written into `buf`, which has room for 64 characters; returns the text's end.
char* Number_Text_To(char* buf, double x);
// Number_Text and Add_Commas(Number_Text) written into a text that keeps its storage, for the
// grids rebuilt every turn.
void Write_Number_Text(std::string& out, double x);
void Write_Grouped_Number(std::string& out, double x);

// Colour of a gain or loss by the sign of a value.
Colour Sign_Colour(double x);
