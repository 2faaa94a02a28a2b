#include "WaveFile.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <fstream>
#include <iterator>

namespace mediatest {

std::optional<WaveFile> WaveFile::read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // SDL's reader, which the game's sound output uses, held to more here: a file of
    // ours is whole, its RIFF size is the file's, and its samples are integer PCM.
    if (bytes.size() < 44 || bytes.compare(20, 2, std::string("\x01\x00", 2)) != 0)
        return std::nullopt;
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &spec, &data, &length))
        return std::nullopt;
    std::uint32_t riffSize = 0;
    for (int i = 3; i >= 0; --i)
        riffSize = riffSize << 8 | static_cast<unsigned char>(bytes[4 + static_cast<std::size_t>(i)]);
    WaveFile result;
    result.channels = spec.channels;
    result.sampleRate = spec.freq;
    result.bitsPerSample = SDL_AUDIO_BITSIZE(spec.format);
    if (spec.format == AUDIO_S16LSB)
        for (Uint32 i = 0; i + 1 < length; i += 2)
            result.samples.push_back(static_cast<std::int16_t>(data[i] | data[i + 1] << 8));
    SDL_FreeWAV(data);
    if (riffSize != bytes.size() - 8)
        return std::nullopt;
    return result;
}

} // namespace mediatest
