#pragma once

#include <cstdint>
#include <random>

namespace platform {

// Uniform single-precision draws in [0, 1), reseeded on demand.
class Random {
public:
    explicit Random(std::uint64_t seed = 1) { reseed(seed); }
    void reseed(std::uint64_t seed);
    // A multiple of 2^-24 in [0, 1): every value is exact in single precision.
    float next();

private:
    std::mt19937 engine_;
};

// Maps a draw onto 1..count: floor(r * count + 1), computed exactly so that a draw
// just below 1 can never round up to count + 1.
int drawToLight(float r, int count = 4);

} // namespace platform
