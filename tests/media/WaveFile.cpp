#include "WaveFile.h"

#include <fstream>
#include <iterator>
#include <string_view>

namespace mediatest {

namespace {

std::uint32_t le(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

std::optional<WaveFile> WaveFile::read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0
        || le(bytes, 4, 4) != bytes.size() - 8)
        return std::nullopt;
    WaveFile wave;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id(bytes.data() + at, 4);
        const std::size_t size = le(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || le(bytes, at + 8, 2) != 1)
                return std::nullopt;
            wave.channels = static_cast<int>(le(bytes, at + 10, 2));
            wave.sampleRate = static_cast<int>(le(bytes, at + 12, 4));
            wave.bitsPerSample = static_cast<int>(le(bytes, at + 22, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wave.sampleRate <= 0)
                return std::nullopt;
            if (wave.bitsPerSample == 16)
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    wave.samples.push_back(static_cast<std::int16_t>(le(bytes, at + 8 + i, 2)));
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace mediatest
