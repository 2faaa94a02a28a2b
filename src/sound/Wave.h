#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sound {

// The sample layout of a RIFF WAVE file's data.
struct WaveFormat {
    enum class Encoding { Integer, Float };
    Encoding encoding = Encoding::Integer; // Integer: unsigned at 8 bits, signed above
    unsigned channels = 0;
    unsigned rate = 0; // frames per second
    unsigned bitsPerSample = 0; // 8, 16, 24 or 32
    unsigned frameBytes() const { return channels * bitsPerSample / 8; }
    bool operator==(const WaveFormat&) const = default;
};

// The format and samples of a RIFF WAVE file held in memory: little-endian integer
// PCM of 8 to 32 bits or 32-bit float, 1 to 8 channels, 1 to 384 kHz, plain or in
// the extensible format chunk. The samples view whole frames only; a data chunk
// that claims more than the bytes hold (a truncated file, or only the file's head
// read) is cut to what is there.
struct Wave {
    WaveFormat format;
    std::string_view samples; // into the parsed bytes
    bool truncated = false; // the data chunk claims more than the bytes hold

    std::size_t frames() const { return samples.size() / format.frameBytes(); }

    // Empty unless `bytes` is such a file with at least one whole frame of data.
    static std::optional<Wave> parse(std::string_view bytes);
};

} // namespace sound
