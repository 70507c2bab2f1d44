#include "core/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

static std::string Without_Blanks(const std::string& text) {
    std::string s;
    for (char ch : text)
        if (ch != ' ' && ch != '\t') s += ch;
    return s;
}

double Leading_Number(const std::string& text) {
    std::string s = Without_Blanks(text);
    std::size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        char ch = s[i];
        if (std::isdigit(static_cast<unsigned char>(ch))) { num += ch; digits = true; }
        else if (ch == '.' && !point) { num += ch; point = true; }
        else break;
        ++i;
    }
    if (!digits) return 0.0;
    return std::strtod(num.c_str(), nullptr);
}

std::optional<double> Try_Locale_Number(const std::string& text) {
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    std::size_t e = text.find_last_not_of(" \t");
    std::string s = text.substr(b, e - b + 1);
    std::string num;
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') num += s[i++];
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        char ch = s[i];
        if (std::isdigit(static_cast<unsigned char>(ch))) { num += ch; digits = true; }
        else if (ch == ',' && !point && digits) continue;
        else if (ch == '.' && !point) { num += ch; point = true; }
        else return std::nullopt;
    }
    if (!digits) return std::nullopt;
    return std::strtod(num.c_str(), nullptr);
}

double Locale_Number(const std::string& text) {
    auto v = Try_Locale_Number(text);
    if (!v) throw Number_Error("not a number: \"" + text + "\"");
    return *v;
}

double Round_Even(double x) { return std::nearbyint(x); }

double Round(double x, int decimals) {
    double f = std::pow(10.0, decimals);
    return std::nearbyint(x * f) / f;
}

double Int(double x) { return std::floor(x); }

Integer To_Integer(double x) { return static_cast<Integer>(static_cast<long long>(std::nearbyint(x))); }
Long To_Long(double x) { return static_cast<Long>(static_cast<long long>(std::nearbyint(x))); }

std::string Number_Text(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string s = buf;
    if (s == "-0") s = "0";
    return s;
}

std::string Number_Text_Blank(double x) {
    std::string s = Number_Text(x);
    return s[0] == '-' ? s : " " + s;
}

std::string Add_Commas(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == '-' || text[start] == '+')) ++start;
    std::size_t end = start;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    std::string digits = text.substr(start, end - start);
    std::string grouped;
    int count = 0;
    for (std::size_t k = digits.size(); k-- > 0;) {
        grouped.push_back(digits[k]);
        if (++count % 3 == 0 && k != 0) grouped.push_back(',');
    }
    grouped = std::string(grouped.rbegin(), grouped.rend());
    return text.substr(0, start) + grouped + text.substr(end);
}

Colour Sign_Colour(double x) { return x < 0 ? Colour::Red : (x > 0 ? Colour::Blue : Colour::Black); }
