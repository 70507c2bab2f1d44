#include "storage/records.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>

#include "core/numbers.h"

void Record_Writer::Separate() {
    if (!first_) out_ += ',';
    first_ = false;
}

Record_Writer& Record_Writer::Text(const std::string& t) {
    Separate();
    if (t.find('"') != std::string::npos) {
        complete_ = false;
        out_ += "\"\"";
        return *this;
    }
    out_ += '"';
    out_ += t;
    out_ += '"';
    return *this;
}

Record_Writer& Record_Writer::Number(double x) {
    Separate();
    out_ += Record_Number_Text(x);
    return *this;
}

Record_Writer& Record_Writer::Full_Number(double x) {
    Separate();
    if (!std::isfinite(x)) {
        complete_ = false;
        out_ += '0';
        return *this;
    }
    char buf[Number_Text_Room];
    out_.append(buf, Number_Text_To(buf, x));
    return *this;
}

Record_Writer& Record_Writer::Single_Number(Single x) {
    char buf[32];
    // The shortest text that reads back as the same Single: the game's cents need no
    // more than seven digits, and no other value changes on its way through a file.
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    std::string text(buf, r.ptr);
    Separate();
    out_ += text == "-0" ? "0" : text;
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
    Separate();
    out_ += negative ? "-" + text : text;
    return *this;
}

Record_Writer& Record_Writer::Boolean(bool b) {
    Separate();
    out_ += b ? "#TRUE#" : "#FALSE#";
    return *this;
}

void Record_Writer::End_Record() {
    out_ += "\r\n";
    first_ = true;
}

std::nullopt_t Record_Reader::Fail() {
    failed_ = true;
    return std::nullopt;
}

void Record_Reader::Skip_Blanks() {
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t' || data_[pos_] == '\r' || data_[pos_] == '\n'))
        ++pos_;
}

bool Record_Reader::At_End() {
    Skip_Blanks();
    return !failed_ && pos_ >= data_.size();
}

std::optional<Record_Reader::Field> Record_Reader::Next() {
    if (failed_) return std::nullopt;
    Skip_Blanks();
    if (pos_ >= data_.size()) return Fail();  // a missing field
    Field f;
    if (data_[pos_] == '"') {
        size_t close = data_.find('"', pos_ + 1);
        if (close == std::string::npos) return Fail();  // an unclosed text
        f.text = std::string_view(data_).substr(pos_ + 1, close - pos_ - 1);
        f.quoted = true;
        pos_ = close + 1;
    } else {
        size_t end = pos_;
        while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n') ++end;
        f.text = std::string_view(data_).substr(pos_, end - pos_);
        while (!f.text.empty() && (f.text.back() == ' ' || f.text.back() == '\t')) f.text.remove_suffix(1);
        pos_ = end;
    }
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
    if (pos_ < data_.size()) {
        if (data_[pos_] == ',') ++pos_;
        else if (data_[pos_] != '\r' && data_[pos_] != '\n') return Fail();  // text after a field
    }
    return f;
}

std::optional<std::string> Record_Reader::Text() {
    std::optional<Field> f = Next();
    if (!f || !f->quoted) return Fail();
    return std::string(f->text);
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

std::optional<double> Record_Reader::Number() {
    std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    std::optional<double> x = To_Double(*token);
    if (!x) return Fail();
    return x;
}

std::optional<double> Record_Reader::Full_Number() {
    std::optional<std::string_view> token = Number_Token();
    if (!token) return std::nullopt;
    std::optional<double> x = To_Double(*token);
    // Any other form of the value ("1.50", "1e3", more digits than are written) is damage.
    char buf[Number_Text_Room];
    if (!x || std::string_view(buf, static_cast<std::size_t>(Number_Text_To(buf, *x) - buf)) != *token) return Fail();
    return x;
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
    std::optional<Field> f = Next();
    if (!f || f->quoted) return Fail();
    if (f->text == "#TRUE#") return true;
    if (f->text == "#FALSE#") return false;
    return Fail();
}
