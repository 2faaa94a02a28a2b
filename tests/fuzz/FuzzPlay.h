#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzplay {

// Reads a byte string as a sequence of actions (inputs, waits, things done while a
// box is open, deliberate set-ups near the 16-bit limits) and plays it against
// the model of the rules, starting a new program when one ends. Returns what went
// wrong, or an empty string.
std::string playBytes(const std::uint8_t* data, std::size_t size);

} // namespace fuzzplay
