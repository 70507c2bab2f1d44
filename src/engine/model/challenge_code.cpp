#include "engine/model/challenge_code.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {
constexpr std::string_view Alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
constexpr std::uint64_t Base = Alphabet.size();  // 31, a prime: every weight below it is invertible
constexpr int Value_Characters = 11, Code_Length = Value_Characters + 1;
constexpr std::uint64_t Seeds = std::uint64_t{1} << 32;
// The settings' index: goal, handicap, three boxes, Random News, three sliders of ten.
constexpr std::uint64_t Setting_Choices = 4 * 4 * 2 * 2 * 2 * 2 * 10 * 10 * 10;
// 31^11 leaves room above the settings for later forms of a code; this form uses none of it.
constexpr std::uint64_t Largest_Value = Setting_Choices * Seeds;

int Within(int v, int low, int high) { return std::clamp(v, low, high); }
int Box(int v) { return v == 1 ? 1 : 0; }

std::uint64_t Settings_Index(const Settings& s) {
    std::uint64_t i = static_cast<std::uint64_t>(Within(s.Play_To, 0, 3));
    i = i * 4 + static_cast<std::uint64_t>(Within(s.Handicap, 0, 3));
    for (int box : {s.Short, s.Options, s.Time_Limit, s.Suprise}) i = i * 2 + static_cast<std::uint64_t>(Box(box));
    for (int slider : {s.Frequency_Slider, s.Power_Slider, s.Earnings_Slider})
        i = i * 10 + static_cast<std::uint64_t>(Within(slider, 1, 10) - 1);
    return i;
}

Settings Settings_Of(std::uint64_t i) {
    Settings s;
    s.Earnings_Slider = static_cast<int>(i % 10) + 1, i /= 10;
    s.Power_Slider = static_cast<int>(i % 10) + 1, i /= 10;
    s.Frequency_Slider = static_cast<int>(i % 10) + 1, i /= 10;
    for (int* box : {&s.Suprise, &s.Time_Limit, &s.Options, &s.Short}) *box = static_cast<int>(i % 2), i /= 2;
    s.Handicap = static_cast<int>(i % 4), i /= 4;
    s.Play_To = static_cast<int>(i % 4);
    return s;
}

// The check character: the weighted sum of all twelve, weights 1..12, is a multiple of 31.
std::uint64_t Check_Digit(const std::uint64_t* digits) {
    std::uint64_t sum = 0;
    for (int k = 0; k < Value_Characters; ++k) sum += static_cast<std::uint64_t>(k + 1) * digits[k];
    constexpr std::uint64_t Inverse_Of_12 = 13;  // 12 x 13 = 156 = 5 x 31 + 1
    return (Base - sum % Base) % Base * Inverse_Of_12 % Base;
}
}  // namespace

bool Challenge_Code::operator==(const Challenge_Code& other) const {
    return Seed == other.Seed && Settings_Index(Setup) == Settings_Index(other.Setup);
}

Challenge_Code Make_Code(std::uint32_t seed, const Settings& setup) {
    return {seed, Settings_Of(Settings_Index(setup))};
}

Settings Code_Settings(const Challenge_Code& code, const Settings& current) {
    Settings s = code.Setup;
    s.News_Alert = current.News_Alert;
    s.World_Alert = current.World_Alert;
    return s;
}

std::string Code_Text(const Challenge_Code& code) {
    // The seed leads, so that codes of the same settings differ from their first characters.
    std::uint64_t value = static_cast<std::uint64_t>(code.Seed) * Setting_Choices + Settings_Index(code.Setup);
    std::uint64_t digits[Value_Characters];
    for (int k = Value_Characters - 1; k >= 0; --k) digits[k] = value % Base, value /= Base;
    std::string text;
    for (int k = 0; k < Code_Length; ++k) {
        if (k > 0 && k % 4 == 0) text += '-';
        text += Alphabet[k < Value_Characters ? digits[k] : Check_Digit(digits)];
    }
    return text;
}

Code_Reading Read_Code(const std::string& typed) {
    std::string chars;
    for (const char c : typed) {
        if (c == ' ' || c == '\t' || c == '-') continue;
        if (chars.size() == Code_Length) return {std::nullopt, Code_Problem::Length};
        chars += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (chars.size() != Code_Length) return {std::nullopt, Code_Problem::Length};
    std::uint64_t digits[Code_Length];
    for (int k = 0; k < Code_Length; ++k) {
        const std::size_t at = Alphabet.find(chars[k]);
        if (at == std::string_view::npos) return {std::nullopt, Code_Problem::Character};
        digits[k] = at;
    }
    std::uint64_t value = 0;
    for (int k = 0; k < Value_Characters; ++k) value = value * Base + digits[k];
    if (Check_Digit(digits) != digits[Value_Characters] || value >= Largest_Value)
        return {std::nullopt, Code_Problem::Mistyped};
    return {Challenge_Code{static_cast<std::uint32_t>(value / Setting_Choices), Settings_Of(value % Setting_Choices)},
            Code_Problem::None};
}

std::string Code_Problem_Text(Code_Problem problem) {
    switch (problem) {
        case Code_Problem::None: return "";
        case Code_Problem::Length: return "A challenge code has 12 letters and digits, in three groups of four.";
        case Code_Problem::Character:
            return "A challenge code holds only letters and digits, and never 0, 1, I, L or O.";
        case Code_Problem::Mistyped: return "That challenge code is mistyped: please check it letter by letter.";
    }
    return "";
}
