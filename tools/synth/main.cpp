// glimmerkin-synth NOTES WAV [--verbose]
// Renders a note list (format in NoteList.h) to a 16-bit mono WAV file.

#include "NoteList.h"
#include "Synth.h"
#include "WavWriter.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "--verbose")) {
        std::fprintf(stderr, "usage: glimmerkin-synth NOTES WAV [--verbose]\n");
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    const bool verbose = argc == 4;

    std::ifstream file(input);
    if (!file) {
        std::fprintf(stderr, "%s: cannot open\n", input.c_str());
        return 1;
    }
    synth::Score score;
    try {
        score = synth::NoteList::parse(file);
    } catch (const synth::NoteList::Error& error) {
        std::fprintf(stderr, "%s:%d: %s\n", input.c_str(), error.line(), error.what());
        return 1;
    }

    const synth::Sound sound = synth::Synth::render(score);
    // A loop is not faded, so its own notes must leave both ends quiet.
    if (score.loop) {
        const double first = std::abs(sound.samples.front());
        const double last = std::abs(sound.samples.back());
        if (first > 0.01 || last > 0.01)
            std::fprintf(stderr, "%s: warning: loop ends are not quiet (%.4f, %.4f)\n", input.c_str(), first, last);
    }
    if (sound.shortfallDb > 0.5)
        std::fprintf(stderr, "%s: warning: peak ceiling holds the level %.1f dB under its target\n", input.c_str(),
                     sound.shortfallDb);
    if (!synth::WavWriter::write(output, sound.samples, sound.sampleRate)) {
        std::fprintf(stderr, "%s: cannot write\n", output.c_str());
        return 1;
    }
    if (verbose)
        std::printf("%s: %.3f s, peak %.2f dBFS, rms %.2f dBFS\n", output.c_str(),
                    static_cast<double>(sound.samples.size()) / sound.sampleRate, sound.peakDb, sound.rmsDb);
    return 0;
}
