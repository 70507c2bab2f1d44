#pragma once
#include <cstdint>
#include <random>

// The game's one random generator. Every draw is a uniform double in [0, 1). It knows where
// it stands (its seed and the draws since), so that a challenge, whose market is the stream of
// one seed, can be put back where it was after a load.
class Random {
public:
    explicit Random(std::uint32_t seed) { Seed(seed); }
    double Rnd() {
        ++draws_;
        // Times 2^-32: the same value as dividing by 2^32, which every draw would otherwise pay for.
        return static_cast<double>(engine_()) * (1.0 / 4294967296.0);
    }
    // Starts again from `seed`, as a new generator of that seed would.
    void Seed(std::uint32_t seed) {
        engine_.seed(seed);
        seed_ = seed;
        draws_ = 0;
    }
    // Moves on as `count` draws would.
    void Skip(std::uint64_t count) {
        engine_.discard(count);
        draws_ += count;
    }
    std::uint32_t Seed_Value() const { return seed_; }
    std::uint64_t Draws() const { return draws_; }

private:
    std::mt19937 engine_;
    std::uint32_t seed_ = 0;
    std::uint64_t draws_ = 0;
};
