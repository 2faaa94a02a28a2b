#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mediatest {

// A 16-bit PCM mono WAV file as the synthesiser writes it.
struct WaveFile {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }

    // Reads any RIFF WAVE file with a PCM format chunk; samples are filled only
    // for 16-bit data. Empty if the file is missing, truncated or not PCM.
    static std::optional<WaveFile> read(const std::string& path);
};

} // namespace mediatest
