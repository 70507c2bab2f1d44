#include "engine/storage/records.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <cmath>
#include <limits>

#include "engine/model/numbers.h"

void Record_Writer::Grow(std::size_t bytes) { out_.resize(std::max(2 * out_.size(), size_ + bytes + 4096)); }

void Record_Writer::Put(std::string_view text) {
    char* p = Field(text.size());
    Written(std::copy(text.begin(), text.end(), p));
}

const std::string& Record_Writer::Output() {
    out_.resize(size_);
    return out_;
}

std::string Record_Writer::Take_Output() {
    out_.resize(size_);
    size_ = 0;
    first_ = true;
    return std::move(out_);
}

Record_Writer& Record_Writer::Text(std::string_view t) {
    char* const start = Field(t.size() + 2);
    char* p = start;
    *p++ = '"';
    bool quote = false;
    for (const char c : t) {
        quote = quote || c == '"';
        *p++ = c;
    }
    if (quote) {
        complete_ = false;
        p = start + 1;  // written as an empty text
    }
    *p++ = '"';
    Written(p);
    return *this;
}

Record_Writer& Record_Writer::Number(double x) {
    Written(Record_Number_Text_To(Field(Number_Text_Room), x));
    return *this;
}

Record_Writer& Record_Writer::Full_Number(double x) {
    if (!std::isfinite(x)) {
        complete_ = false;
        Put("0");
        return *this;
    }
    Written(Number_Text_To(Field(Number_Text_Room), x));
    return *this;
}

Record_Writer& Record_Writer::Exact_Number(double x) {
    if (!std::isfinite(x)) {
        complete_ = false;
        Put("0");
        return *this;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x == 0 ? 0.0 : x);
    Put(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
    return *this;
}

Record_Writer& Record_Writer::Single_Number(Single x) {
    char buf[32];
    // The shortest text that reads back as the same Single: the game's cents need no
    // more than seven digits, and no other value changes on its way through a file.
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    Put(text == "-0" ? "0" : text);
    return *this;
}

// Written from the count itself: up to four decimals, never rounded on the way.
Record_Writer& Record_Writer::Money(Currency c) {
    const bool negative = c.units < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(c.units) : static_cast<std::uint64_t>(c.units);
    std::string text = std::to_string(magnitude / 10000);
    if (std::uint64_t fraction = magnitude % 10000) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    Put(negative ? "-" + text : text);
    return *this;
}

Record_Writer& Record_Writer::Boolean(bool b) {
    char* p = Field(7);
    Written(b ? std::copy_n("#TRUE#", 6, p) : std::copy_n("#FALSE#", 7, p));
    return *this;
}

void Record_Writer::End_Record() {
    Written(std::copy_n("\r\n", 2, Room(2)));
    first_ = true;
}

std::nullopt_t Record_Reader::Fail() {
    failed_ = true;
    return std::nullopt;
}

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }
bool Line_End(char c) { return c == '\r' || c == '\n'; }
}  // namespace

void Record_Reader::Skip_Blanks() {
    while (pos_ < data_.size() && (Blank(data_[pos_]) || Line_End(data_[pos_]))) ++pos_;
}

bool Record_Reader::At_End() {
    Skip_Blanks();
    return !failed_ && pos_ >= data_.size();
}

std::optional<Record_Reader::Field> Record_Reader::Next() {
    if (failed_) return std::nullopt;
    const char* const begin = data_.data();
    const char* const end = begin + data_.size();
    const char* p = begin + pos_;
    while (p != end && (Blank(*p) || Line_End(*p))) ++p;
    if (p == end) return Fail();  // a missing field
    Field f;
    if (*p == '"') {
        const auto* close = static_cast<const char*>(std::memchr(p + 1, '"', static_cast<std::size_t>(end - p - 1)));
        if (!close) return Fail();  // an unclosed text
        f.text = std::string_view(p + 1, static_cast<std::size_t>(close - p - 1));
        f.quoted = true;
        p = close + 1;
    } else {
        const char* stop = p;
        while (stop != end && *stop != ',' && !Line_End(*stop)) ++stop;
        const char* last = stop;
        while (last != p && Blank(last[-1])) --last;
        f.text = std::string_view(p, static_cast<std::size_t>(last - p));
        p = stop;
    }
    while (p != end && Blank(*p)) ++p;
    if (p != end) {
        if (*p == ',') ++p;
        else if (!Line_End(*p)) return Fail();  // text after a field
    }
    pos_ = static_cast<std::size_t>(p - begin);
    return f;
}

const char* Record_Reader::Field_Start() const {
    const char* const end = data_.data() + data_.size();
    const char* p = data_.data() + pos_;
    while (p != end && Line_End(*p)) ++p;
    return p;
}

bool Record_Reader::Ends_Field(const char* p) {
    const char* const end = data_.data() + data_.size();
    if (p != end && *p != ',' && !Line_End(*p)) return false;
    pos_ = static_cast<std::size_t>(p - data_.data()) + (p != end && *p == ',');
    return true;
}

std::optional<std::string_view> Record_Reader::Text_View() {
    if (failed_) return std::nullopt;
    // A text right at the reader's place, its closing quote followed by a comma or the line's
    // end, is read at once; any other is read as a field, which gives it the same.
    const char* const end = data_.data() + data_.size();
    if (const char* p = Field_Start(); p != end && *p == '"') {
        const char* close = p + 1;
        while (close != end && *close != '"') ++close;  // the game's texts are short
        if (close != end && Ends_Field(close + 1)) return std::string_view(p + 1, static_cast<std::size_t>(close - p - 1));
    }
    std::optional<Field> f = Next();
    if (!f || !f->quoted) return Fail();
    return f->text;
}

std::optional<std::string> Record_Reader::Text() {
    const std::optional<std::string_view> t = Text_View();
    if (!t) return std::nullopt;
    return std::string(*t);
}

// Plain decimal only: sign, digits with at most one point, an optional exponent.
// Hex forms, "inf" and "nan", which a C parser would take, are damage here.
static bool Plain_Decimal(std::string_view t) {
    std::size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponent_digits = 0;
        while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++exponent_digits;
        if (exponent_digits == 0) return false;
    }
    return i == n;
}

std::optional<std::string_view> Record_Reader::Number_Token() {
    std::optional<Field> f = Next();
    if (!f || f->quoted || !Plain_Decimal(f->text)) return Fail();
    return f->text;
}

// A finite double, or nothing for a value beyond the type.
static std::optional<double> To_Double(std::string_view text) {
    // from_chars takes no "+" and reads "." whatever the locale.
    const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
    double x = 0;
    auto r = std::from_chars(begin, text.data() + text.size(), x);
    if (r.ec != std::errc() || !std::isfinite(x)) return std::nullopt;
    return x;
}

// The digits from `p` on, added to `count` (which may wrap past 19 digits); returns their end.
// Eight bytes at a time where the text has them: the digits of a long record are most of its
// bytes, mostly numbers of fewer than eight digits.
[[gnu::always_inline]] static inline const char* Digits(const char* p, const char* const end, std::uint64_t& count) {
    if constexpr (std::endian::native == std::endian::little) {
        static constexpr std::uint64_t Scale[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
        while (end - p >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, p, 8);
            // The top bit of each byte that is not within '0'..'9': it passes 0x7F when 0x46 is
            // added or drops below 0 when 0x30 is taken away. A carry or borrow reaches only the
            // bytes after such a byte, so the lowest marked byte is the first that is no digit.
            const std::uint64_t marks = ((eight + 0x4646464646464646) | (eight - 0x3030303030303030)) & 0x8080808080808080;
            const int n = marks ? std::countr_zero(marks) / 8 : 8;
            if (n == 0) return p;
            // The n digits, moved to the top with zeros before them; then pairs, fours and the
            // eight, each step joining neighbours by their place value.
            eight = (eight - 0x3030303030303030) << (8 * (8 - n));
            eight = eight * 10 + (eight >> 8);
            eight = (((eight & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
                     (((eight >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >> 32;
            count = count * Scale[n] + (eight & 0xFFFFFFFF);
            p += n;
            if (n < 8) return p;
        }
    }
    for (; p != end && static_cast<unsigned char>(*p - '0') < 10; ++p) count = count * 10 + static_cast<unsigned>(*p - '0');
    return p;
}

// A plain decimal at `p` ("-12", "3.25") whose value can be worked out directly and exactly,
// as nearly every number of a file can: up to 19 digits without a point convert to a double
// correctly rounded; with a point, a count of at most 2^53 divided by a power of ten of at most
// 10^22 (both exact) rounds correctly in the one division. That is the value from_chars gives.
// Returns the end of the number, or nothing for any other form, which the general path reads.
static const char* Exact_Decimal(const char* p, const char* const end, double& x) {
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    std::uint64_t count = 0;
    const char* const first = p;
    p = Digits(p, end, count);
    if (p == first) return nullptr;
    long decimals = 0;
    if (p != end && *p == '.') {
        const char* const point = ++p;
        p = Digits(p, end, count);
        decimals = p - point;
        if (decimals == 0) return nullptr;
    }
    if (p - first - (decimals > 0) > 19) return nullptr;  // the count may have wrapped
    static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    x = static_cast<double>(count);
    if (decimals > 0) {
        if (count > (std::uint64_t{1} << 53)) return nullptr;
        x /= Powers[decimals];
    }
    if (negative) x = -x;
    return p;
}

std::optional<double> Record_Reader::Number() {
    if (failed_) return std::nullopt;
    // Most fields are such a decimal right where the last one ended, or at the start of the
    // next line, and ended by a comma or the line's end: read in one pass. Anything else
    // (blanks, an exponent, a quote) is read as a field, which gives these the same.
    double x = 0;
    if (const char* stop = Exact_Decimal(Field_Start(), data_.data() + data_.size(), x); stop && Ends_Field(stop)) return x;
    const std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    const std::optional<double> value = To_Double(*token);
    if (!value) return Fail();
    return value;
}

// A decimal at `p` written just as Number_Text writes its value: "-" for a sign, no leading zero
// before a digit, no trailing zero after the point, not "-0", and at most 15 digits from the
// first that is not 0. Such a decimal comes back from its double unchanged at 15 significant
// digits, so its text is the one Number_Text gives, and the count of its digits, below 10^15,
// divided by a power of ten is its value correctly rounded. Returns the end of the number, or
// nothing for any other form, which the general path writes out and compares.
static const char* Full_Decimal(const char* p, const char* const end, double& x) {
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    std::uint64_t count = 0;
    const char* const first = p;
    p = Digits(p, end, count);
    if (p == first || (*first == '0' && p - first > 1)) return nullptr;
    long decimals = 0;
    if (p != end && *p == '.') {
        const char* const point = ++p;
        p = Digits(p, end, count);
        decimals = p - point;
        if (decimals == 0 || p[-1] == '0') return nullptr;
    }
    // Past 19 digits the count may have wrapped; zeros before the first other digit do not count.
    if (p - first - (decimals > 0) > 19 || count >= 1000000000000000 || (negative && count == 0)) return nullptr;
    static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                        1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
    x = static_cast<double>(count);
    if (decimals > 0) x /= Powers[decimals];  // a division takes long, and most figures are whole
    if (negative) x = -x;
    return p;
}

std::optional<double> Record_Reader::Full_Number() {
    if (failed_) return std::nullopt;
    // Nearly every figure of a long record is such a decimal right at the reader's place.
    double x = 0;
    if (const char* stop = Full_Decimal(Field_Start(), data_.data() + data_.size(), x); stop && Ends_Field(stop)) return x;
    std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    std::optional<double> value = To_Double(*token);
    // Any other form of the value ("1.50", "1e3", more digits than are written) is damage.
    if (!value || Number_Text(*value) != *token) return Fail();
    return value;
}

std::optional<double> Record_Reader::Exact_Number() {
    const std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    const std::optional<double> value = To_Double(*token);
    char buf[32];
    if (!value || std::string_view(buf, static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, *value).ptr - buf)) != *token ||
        (*value == 0 && *token != "0"))
        return Fail();
    return value;
}

std::optional<Single> Record_Reader::Single_Number() {
    std::optional<double> x = Number();
    if (!x) return std::nullopt;
    if (std::fabs(*x) > std::numeric_limits<Single>::max()) return Fail();
    return static_cast<Single>(*x);
}

// The whole number nearest to the field, when the type holds it.
template <typename T>
static std::optional<T> Whole_In(std::optional<double> x) {
    if (!x) return std::nullopt;
    const double r = std::nearbyint(*x);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) || r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

std::optional<Integer> Record_Reader::Integer_Number() {
    if (auto v = Whole_In<Integer>(Number())) return v;
    return Fail();
}
std::optional<Long> Record_Reader::Long_Number() {
    if (auto v = Whole_In<Long>(Number())) return v;
    return Fail();
}
std::optional<Byte> Record_Reader::Byte_Number() {
    if (auto v = Whole_In<Byte>(Number())) return v;
    return Fail();
}

// A Currency is read digit by digit, so that every value the writer gives comes back
// to the last ten-thousandth; further decimals round halves to even.
std::optional<Currency> Record_Reader::Money() {
    const std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    const std::string_view t = *token;
    if (t.find_first_of("Ee") != std::string_view::npos) {
        std::optional<double> x = To_Double(t);
        if (!x || std::fabs(*x) >= 9.2e14) return Fail();
        return Currency::From_Double(*x);
    }
    std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    const bool negative = t[0] == '-';
    constexpr std::uint64_t Limit = 9223372036854775807ull;
    std::uint64_t units = 0;
    bool overflow = false;
    auto add_digit = [&](char ch) {
        const auto digit = static_cast<std::uint64_t>(ch - '0');
        if (units > (Limit - digit) / 10) overflow = true;
        else units = units * 10 + digit;
    };
    for (; i < t.size() && t[i] != '.'; ++i) add_digit(t[i]);
    const std::string_view fraction = i < t.size() ? t.substr(i + 1) : std::string_view();
    for (std::size_t d = 0; d < 4; ++d) add_digit(d < fraction.size() ? fraction[d] : '0');
    if (fraction.size() > 4) {
        const std::string_view rest = fraction.substr(4);
        const std::size_t nonzero_after_first = rest.find_first_not_of('0', 1);
        const bool above_half = rest[0] > '5' || (rest[0] == '5' && nonzero_after_first != std::string_view::npos);
        const bool half = rest[0] == '5' && nonzero_after_first == std::string_view::npos;
        if (above_half || (half && units % 2 == 1)) {
            if (units == Limit) overflow = true;
            else ++units;
        }
    }
    if (overflow) return Fail();
    const std::int64_t value = static_cast<std::int64_t>(units);
    return Currency{negative ? -value : value};
}

std::optional<bool> Record_Reader::Boolean() {
    if (failed_) return std::nullopt;
    const char* const p = Field_Start();
    const auto left = static_cast<std::size_t>(data_.data() + data_.size() - p);
    if (left >= 6 && std::memcmp(p, "#TRUE#", 6) == 0 && Ends_Field(p + 6)) return true;
    if (left >= 7 && std::memcmp(p, "#FALSE#", 7) == 0 && Ends_Field(p + 7)) return false;
    std::optional<Field> f = Next();
    if (!f || f->quoted) return Fail();
    if (f->text == "#TRUE#") return true;
    if (f->text == "#FALSE#") return false;
    return Fail();
}
