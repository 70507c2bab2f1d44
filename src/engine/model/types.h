#pragma once
// The number types the game's rules rely on, kept at their widths on purpose:
// several rules depend on 16-bit products and byte-sized histories.
#include <cmath>
#include <cstdint>

using Integer = std::int16_t;
using Long = std::int32_t;
using Byte = std::uint8_t;
using Single = float;

// Ten-thousandths in a signed 64-bit count: sums are exact, and rounding to cents is
// integer rounding, so earnings figures never drift.
struct Currency {
    std::int64_t units = 0;  // value * 10000

    static Currency From_Double(double x) { return Currency{static_cast<std::int64_t>(std::nearbyint(x * 10000.0))}; }
    double Value() const { return static_cast<double>(units) / 10000.0; }
    Currency operator+(Currency o) const { return Currency{units + o.units}; }
    Currency operator-(Currency o) const { return Currency{units - o.units}; }
    auto operator<=>(const Currency&) const = default;
};

// Round to whole cents, halves to the even cent.
Currency Round2(Currency c);
// Halve and round to whole cents (the split of an earnings figure).
Currency Half_Round2(Currency c);

enum class Colour { Black, Red, Blue };
