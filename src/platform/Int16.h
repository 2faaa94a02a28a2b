#pragma once

#include "RuntimeError.h"

#include <cstdint>
#include <limits>

namespace platform {

// A 16-bit signed integer whose arithmetic never wraps: a result outside
// -32768..32767 raises OverflowError before anything is stored.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int v) : value_(check(v)) {} // NOLINT: converts like the 16-bit counters it models

    constexpr operator int() const { return value_; } // NOLINT
    constexpr std::int16_t raw() const { return value_; }

    friend constexpr Int16 operator+(Int16 a, int b) { return Int16(int(a.value_) + b); }
    friend constexpr Int16 operator-(Int16 a, int b) { return Int16(int(a.value_) - b); }

private:
    static constexpr std::int16_t check(int v)
    {
        if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
            throw OverflowError(v);
        return static_cast<std::int16_t>(v);
    }
    std::int16_t value_ = 0;
};

// Booleans of the game state hold -1 (true) and 0 (false) and nothing else.
using Bool16 = std::int16_t;
inline constexpr Bool16 True = -1;
inline constexpr Bool16 False = 0;

} // namespace platform
