#include "engine/model/numbers.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

Currency Round2(Currency c) {
    // Multiples of 100 ten-thousandths, ties to the even cent.
    std::int64_t q = c.units / 100;
    std::int64_t r = c.units % 100;
    if (r < 0) { r += 100; q -= 1; }
    if (r > 50 || (r == 50 && (q % 2 != 0))) q += 1;
    return Currency{q * 100};
}

Currency Half_Round2(Currency c) {
    // Halving may leave half a ten-thousandth; work in doubled units to stay exact.
    std::int64_t doubled = c.units;  // value*10000, the half is doubled/2
    std::int64_t q = doubled / 200;
    std::int64_t r = doubled % 200;
    if (r < 0) { r += 200; q -= 1; }
    if (r > 100 || (r == 100 && (q % 2 != 0))) q += 1;
    return Currency{q * 100};
}

// Reads sign, digits and one point from [begin, end), skipping blanks anywhere as the
// game's number rule does; `commas` allows thousands separators before the point. The
// digits are gathered so from_chars rounds them exactly as strtod would.
static std::optional<double> Scan_Number(const char* p, const char* end, bool commas,
                                         bool whole_text) {
    const char* first = nullptr;  // the number's first digit or point
    const char* last = nullptr;   // one past its last
    bool gap = false, split = false;  // a blank or separator skipped since `first`; inside the number
    unsigned long long whole = 0;
    std::size_t whole_digits = 0;
    bool digits = false, point = false, negative = false, sign_allowed = true;
    for (; p != end; ++p) {
        char ch = *p;
        if (ch == ' ' || ch == '\t') {
            gap = first != nullptr;
            continue;
        }
        if (sign_allowed && (ch == '+' || ch == '-')) {
            negative = ch == '-';
            sign_allowed = false;
            continue;
        }
        sign_allowed = false;
        const bool is_digit = ch >= '0' && ch <= '9';
        if (is_digit || (ch == '.' && !point)) {
            if (!first) first = p;
            split = split || gap;
            last = p + 1;
            if (is_digit) {
                digits = true;
                if (!point && ++whole_digits <= 19) whole = whole * 10 + static_cast<unsigned>(ch - '0');
            } else {
                point = true;
            }
        } else if (ch == ',' && commas && !point && digits) {
            gap = true;
        } else if (whole_text) {
            return std::nullopt;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    // A whole number converts exactly (correctly rounded) without the parser.
    if (!point && whole_digits <= 19) return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    // Digits beyond what a double holds, in either direction, leave the value at 0.
    double value = 0;
    if (!split) {
        if (std::from_chars(first, last, value).ec != std::errc()) value = 0;
    } else {
        std::string num;
        for (const char* q = first; q != last; ++q)
            if ((*q >= '0' && *q <= '9') || *q == '.') num += *q;
        if (std::from_chars(num.data(), num.data() + num.size(), value).ec != std::errc()) value = 0;
    }
    return negative ? -value : value;
}

// Most texts read are a plain whole number (a price, a turn, a cash amount): they are read
// straight through, without the general scanner.
static std::optional<double> Plain_Whole_Number(const std::string& text) {
    if (text.empty() || text.size() > 15) return std::nullopt;
    unsigned long long whole = 0;
    for (char ch : text) {
        if (static_cast<unsigned>(ch - '0') >= 10) return std::nullopt;
        whole = whole * 10 + static_cast<unsigned>(ch - '0');
    }
    return static_cast<double>(whole);
}

double Leading_Number(const std::string& text) {
    if (auto plain = Plain_Whole_Number(text)) return *plain;
    auto v = Scan_Number(text.data(), text.data() + text.size(), false, false);
    return v ? *v : 0.0;
}

std::optional<double> Locale_Number(const std::string& text) {
    if (auto plain = Plain_Whole_Number(text)) return plain;
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    std::size_t e = text.find_last_not_of(" \t");
    // Blanks inside the number are not part of a locale number.
    for (std::size_t i = b; i <= e; ++i)
        if (text[i] == ' ' || text[i] == '\t') return std::nullopt;
    return Scan_Number(text.data() + b, text.data() + e + 1, true, true);
}

double Locale_Value(const std::string& text) {
    if (std::optional<double> v = Locale_Number(text)) return *v;
    return Leading_Number(text);
}

double Round(double x, int decimals) {
    // Every caller rounds to one or two places; the table spares a pow() per option quote.
    static constexpr double Powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    double f = decimals >= 0 && decimals <= 6 ? Powers[decimals] : std::pow(10.0, decimals);
    return Round_Even(x * f) / f;
}

Long To_Long(double x) {
    const double whole = std::nearbyint(x);
    if (!(whole > std::numeric_limits<Long>::min())) return std::numeric_limits<Long>::min();  // nan too
    if (whole >= std::numeric_limits<Long>::max()) return std::numeric_limits<Long>::max();
    return static_cast<Long>(whole);
}

namespace {
// The eight digits of n < 10^8, zeros before them, as eight characters of a word whose lowest
// byte is the first: the two halves, then their pairs, then the pairs' digits, each split off
// by one multiplication for all of them at once.
std::uint64_t Eight_Digits(std::uint64_t n) {
    const std::uint64_t halves = n / 10000 | n % 10000 << 32;
    const std::uint64_t hundreds = (halves * 10486 >> 20) & 0x0000007F0000007F;  // x / 100 for x < 10^4
    const std::uint64_t pairs = hundreds | (halves - hundreds * 100) << 16;
    const std::uint64_t tens = (pairs * 103 >> 10) & 0x000F000F000F000F;  // y / 10 for y < 100
    return (tens | (pairs - tens * 10) << 8) + 0x3030303030303030;
}

// A whole number of magnitude below 10^15, as to_chars writes it: nearly every number the game
// writes, the record of a long game most of all.
char* Whole_Text(char* buf, long long whole) {
    if constexpr (std::endian::native != std::endian::little) return std::to_chars(buf, buf + Number_Text_Room, whole).ptr;
    if (whole < 0) *buf++ = '-';
    const std::uint64_t n = whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : static_cast<std::uint64_t>(whole);
    if (n == 0) {
        *buf = '0';
        return buf + 1;
    }
    // The leading digits without their zeros, then the last eight in full.
    const std::uint64_t lead = n >= 100000000 ? n / 100000000 : n;
    const std::uint64_t digits = Eight_Digits(lead);
    const int zeros = std::countr_zero(digits - 0x3030303030303030) / 8;
    const std::uint64_t shown = digits >> (8 * zeros);
    std::memcpy(buf, &shown, 8);
    buf += 8 - zeros;
    if (lead == n) return buf;
    const std::uint64_t last = Eight_Digits(n % 100000000);
    std::memcpy(buf, &last, 8);
    return buf + 8;
}

// Cents and tenths are most of the rest (premiums, percentages). A value that is exactly the
// double nearest to a decimal with two places and at most 15 digits prints, under %.15g, as
// that decimal with its trailing zeros dropped; the shortcut writes it so directly.
bool Cents_Text(double x, char* buf, char*& end) {
    if (!(std::fabs(x) < 1e12)) return false;
    // Any nearby whole number of cents will do: the test below accepts only the exact one.
    long long c = static_cast<long long>(x * 100 + (x < 0 ? -0.5 : 0.5));
    if (static_cast<double>(c) / 100 != x) return false;
    char* p = buf;
    if (c < 0) {
        *p++ = '-';
        c = -c;
    }
    p = Whole_Text(p, c / 100);
    const int tenths = static_cast<int>(c % 100 / 10), hundredths = static_cast<int>(c % 10);
    *p++ = '.';
    *p++ = static_cast<char>('0' + tenths);
    if (hundredths != 0) *p++ = static_cast<char>('0' + hundredths);
    end = p;
    return true;
}

// Fifteen significant digits in the shortest form, as printf's "%.15g" gives: exponent
// form for very large and very small values. "-0" is written "0".
char* Short_Form(char* buf, double x) {
    char* end = std::to_chars(buf, buf + Number_Text_Room, x, std::chars_format::general, 15).ptr;
    if (end - buf == 2 && buf[0] == '-' && buf[1] == '0') {
        buf[0] = '0';
        end = buf + 1;
    }
    return end;
}

// Rewrites an exponent form in [buf, end) ("-1.5e-05") with its digits written out
// ("-0.000015"); any other text stays as it is. Returns the new end.
char* Digits_Written_Out(char* buf, char* end) {
    char* e = std::find(buf, end, 'e');
    if (e == end) return end;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    char* p = buf + (buf[0] == '-' ? 1 : 0);
    // The significant digits, and how many of them stand before the point.
    char digits[24];
    int count = 0;
    for (char* q = p; q != e; ++q)
        if (*q != '.') digits[count++] = *q;
    const int before = 1 + exponent;  // the mantissa has one digit before its point
    if (before <= 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -before, '0');
        return std::copy(digits, digits + count, p);
    }
    if (before >= count) {
        p = std::copy(digits, digits + count, p);
        return std::fill_n(p, before - count, '0');
    }
    p = std::copy(digits, digits + before, p);
    *p++ = '.';
    return std::copy(digits + before, digits + count, p);
}
}  // namespace

char* Number_Text_To(char* buf, double x) {
    // Whole numbers are nearly every value the game prints; they skip the float formatter.
    if (std::fabs(x) < 1e15) {
        const auto whole = static_cast<long long>(x);
        if (static_cast<double>(whole) == x) return Whole_Text(buf, whole);
    }
    if (char* end = nullptr; Cents_Text(x, buf, end)) return end;
    return Digits_Written_Out(buf, Short_Form(buf, x));
}

char* Record_Number_Text_To(char* buf, double x) {
    // The same shortcuts as Number_Text_To: a long record is nearly all whole numbers and cents.
    if (std::fabs(x) < 1e15) {
        const auto whole = static_cast<long long>(x);
        if (static_cast<double>(whole) == x) return Whole_Text(buf, whole);
    }
    if (char* end = nullptr; Cents_Text(x, buf, end)) return end;
    return Short_Form(buf, x);
}

std::string Record_Number_Text(double x) {
    char buf[Number_Text_Room];
    return std::string(buf, Record_Number_Text_To(buf, x));
}

namespace {
// Thousands separators for the text [begin, end) into `out`, which has room for a third more;
// returns the end.
char* Group(const char* begin, const char* end, char* out) {
    const char* start = begin;
    while (start < end && (*start == '-' || *start == '+')) ++start;
    const char* stop = start;
    while (stop < end && *stop >= '0' && *stop <= '9') ++stop;
    const std::size_t digits = static_cast<std::size_t>(stop - start);
    out = std::copy(begin, start, out);
    for (std::size_t k = 0; k < digits; ++k) {
        if (k != 0 && (digits - k) % 3 == 0) *out++ = ',';
        *out++ = start[k];
    }
    return std::copy(stop, end, out);
}

// A grid cell mostly holds last turn's text already; it is rewritten only when it differs.
void Put(std::string& out, const char* begin, const char* end) {
    const auto n = static_cast<std::size_t>(end - begin);
    if (out.size() == n && std::equal(begin, end, out.data())) return;
    out.assign(begin, n);
}
}  // namespace

std::string Number_Text(double x) {
    char buf[Number_Text_Room];
    return std::string(buf, Number_Text_To(buf, x));
}

void Write_Number_Text(std::string& out, double x) {
    char buf[Number_Text_Room];
    Put(out, buf, Number_Text_To(buf, x));
}

void Write_Grouped_Number(std::string& out, double x) {
    char buf[Number_Text_Room], grouped[Number_Text_Room * 4 / 3 + 1];
    Put(out, grouped, Group(buf, Number_Text_To(buf, x), grouped));
}

std::string Number_Text_Blank(double x) {
    std::string s = Number_Text(x);
    return s[0] == '-' ? s : " " + s;
}

std::string Add_Commas(const std::string& text) {
    std::string out(text.size() + text.size() / 3 + 1, '\0');
    out.resize(static_cast<std::size_t>(Group(text.data(), text.data() + text.size(), out.data()) - out.data()));
    return out;
}

