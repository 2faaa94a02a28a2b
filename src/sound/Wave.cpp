#include "Wave.h"

#include <cstdint>

namespace sound {

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

constexpr std::uint32_t formatPcm = 1;
constexpr std::uint32_t formatFloat = 3;
constexpr std::uint32_t formatExtensible = 0xFFFE;

// The format chunk's body, or nothing for a layout no player here can send.
std::optional<WaveFormat> readFormat(std::string_view body)
{
    if (body.size() < 16)
        return std::nullopt;
    std::uint32_t tag = littleEndian(body, 0, 2);
    WaveFormat format;
    format.channels = littleEndian(body, 2, 2);
    format.rate = littleEndian(body, 4, 4);
    const std::uint32_t blockAlign = littleEndian(body, 12, 2);
    format.bitsPerSample = littleEndian(body, 14, 2);
    if (tag == formatExtensible) {
        // The sub-format GUID begins with the plain format tag. A chunk too short to
        // hold it was written by something that meant plain PCM.
        tag = body.size() >= 26 ? littleEndian(body, 24, 2) : formatPcm;
    }
    if (tag == formatPcm && format.bitsPerSample % 8 == 0 && format.bitsPerSample >= 8 && format.bitsPerSample <= 32)
        format.encoding = WaveFormat::Encoding::Integer;
    else if (tag == formatFloat && format.bitsPerSample == 32)
        format.encoding = WaveFormat::Encoding::Float;
    else
        return std::nullopt;
    if (format.channels < 1 || format.channels > 8 || format.rate < 1000 || format.rate > 384000)
        return std::nullopt;
    // A block alignment that disagrees with the sample size would mean padded
    // samples, which no output here takes.
    if (blockAlign != format.frameBytes())
        return std::nullopt;
    return format;
}

} // namespace

std::optional<Wave> Wave::parse(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveFormat> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = littleEndian(bytes, at + 4, 4);
        const std::string_view body = bytes.substr(at + 8, size);
        if (id == "fmt ") {
            if (body.size() < size)
                return std::nullopt;
            format = readFormat(body);
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            Wave wave;
            wave.format = *format;
            wave.truncated = body.size() < size;
            wave.samples = body.substr(0, body.size() - body.size() % format->frameBytes());
            if (wave.samples.empty())
                return std::nullopt;
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace sound
