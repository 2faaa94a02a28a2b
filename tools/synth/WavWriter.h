#pragma once

#include <string>
#include <vector>

namespace synth {

class WavWriter {
public:
    // Writes 16-bit mono PCM; samples are clamped to -1..1 and rounded.
    // Returns false if the file cannot be written.
    static bool write(const std::string& path, const std::vector<double>& samples, int sampleRate);
};

} // namespace synth
