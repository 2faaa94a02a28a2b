#pragma once

#include "Score.h"

#include <vector>

namespace synth {

struct Sound {
    int sampleRate = 0;
    std::vector<double> samples; // -1..1, already levelled, faded and free of DC
    double peakDb = 0.0;
    double rmsDb = 0.0;
    double shortfallDb = 0.0; // how far the ceiling held the level under its target
};

class Synth {
public:
    // Renders deterministically: the same score always gives the same samples.
    static Sound render(const Score& score);
};

} // namespace synth
