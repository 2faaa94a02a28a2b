#pragma once

// RIFF WAVE files built byte by byte, for the tests that feed the sound readers and
// the sound output files of their own.

#include <cstdint>
#include <optional>
#include <string>

namespace wavebytes {

inline std::string le(std::uint32_t value, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return s;
}

// A chunk with its pad byte; `claimed` overrides the size written in its header.
inline std::string chunk(const std::string& id, const std::string& body, std::optional<std::uint32_t> claimed = {})
{
    std::string c = id + le(claimed.value_or(static_cast<std::uint32_t>(body.size())), 4) + body;
    if (body.size() % 2)
        c.push_back('\0');
    return c;
}

// A plain 16-byte format chunk; `blockAlign` defaults to the frame size.
inline std::string fmt(std::uint32_t tag, std::uint32_t channels, std::uint32_t rate, std::uint32_t bits,
                       std::optional<std::uint32_t> blockAlign = {})
{
    const std::uint32_t align = blockAlign.value_or(channels * bits / 8);
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2));
}

inline std::string riff(const std::string& chunks)
{
    return "RIFF" + le(4 + static_cast<std::uint32_t>(chunks.size()), 4) + "WAVE" + chunks;
}

// A whole integer PCM file holding `samples`.
inline std::string pcm(const std::string& samples, unsigned channels, unsigned bits, unsigned rate)
{
    return riff(fmt(1, channels, rate, bits) + chunk("data", samples));
}

} // namespace wavebytes
