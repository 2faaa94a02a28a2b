#pragma once

#include <optional>
#include <string>
#include <vector>

namespace synth {

enum class Wave { Sine, Triangle, Square, Pulse, Saw, Noise, Hiss, Kick, Snare };

// Times in seconds, sustain as a level from 0 to 1.
struct Envelope {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;
};

struct Voice {
    std::string name;
    Wave wave = Wave::Sine;
    Envelope envelope;
    double volume = 1.0;
    double duty = 0.25; // pulse width of Wave::Pulse
    double slide = 0.0; // semitones the pitch glides over the note's held length
    double vibratoCents = 0.0;
    double vibratoHz = 0.0;
    double detuneCents = 0.0; // a second oscillator this far above the first, mixed equally
    double brightness = 1.0; // 0..1, one-pole low-pass on the voice's output
};

// Times and lengths in beats.
struct Note {
    double at = 0.0;
    double length = 1.0;
    int voice = 0;
    double frequency = 0.0; // 0 for unpitched percussion
    double velocity = 1.0;
};

struct Echo {
    double delay = 0.0; // seconds; 0 means no echo
    double feedback = 0.0;
    double mix = 0.0;
};

struct Score {
    int sampleRate = 22050;
    double tempo = 120.0;
    double loudnessDb = -20.0; // target RMS level of the whole sound, dBFS
    double ceilingDb = -1.5; // the peak never exceeds this
    std::optional<double> lengthBeats;
    bool loop = false;
    double fadeIn = 0.005;
    double fadeOut = 0.03;
    Echo echo;
    std::vector<Voice> voices;
    std::vector<Note> notes;

    double secondsPerBeat() const { return 60.0 / tempo; }
};

} // namespace synth
