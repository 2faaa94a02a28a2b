#include "WaveFile.h"

#include "sound/Wave.h"

#include <fstream>
#include <iterator>

namespace mediatest {

std::optional<WaveFile> WaveFile::read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The game's own reader, held to more here: a file of ours is whole, its RIFF
    // size is the file's, and its samples are integer PCM.
    const auto wave = sound::Wave::parse(bytes);
    if (!wave || wave->truncated || wave->format.encoding != sound::WaveFormat::Encoding::Integer)
        return std::nullopt;
    std::uint32_t riffSize = 0;
    for (int i = 3; i >= 0; --i)
        riffSize = riffSize << 8 | static_cast<unsigned char>(bytes[4 + static_cast<std::size_t>(i)]);
    if (riffSize != bytes.size() - 8)
        return std::nullopt;
    WaveFile result;
    result.channels = static_cast<int>(wave->format.channels);
    result.sampleRate = static_cast<int>(wave->format.rate);
    result.bitsPerSample = static_cast<int>(wave->format.bitsPerSample);
    if (result.bitsPerSample == 16)
        for (std::size_t i = 0; i + 1 < wave->samples.size(); i += 2)
            result.samples.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(wave->samples[i]) |
                                                               static_cast<unsigned char>(wave->samples[i + 1]) << 8));
    return result;
}

} // namespace mediatest
