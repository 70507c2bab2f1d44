#pragma once
#include <cstdint>
#include <random>

// The game's one random generator. Every draw is a uniform double in [0, 1).
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    // Times 2^-32: the same value as dividing by 2^32, which every draw would otherwise pay for.
    double Rnd() { return static_cast<double>(engine_()) * (1.0 / 4294967296.0); }

private:
    std::mt19937 engine_;
};
