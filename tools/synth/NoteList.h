#pragma once

#include "Score.h"

#include <istream>
#include <stdexcept>
#include <string>

namespace synth {

// The note-list format. One statement a line; a '#' at the start of a word starts
// a comment; words are separated by blanks. Times and lengths are in beats unless they say seconds.
//
//   rate 22050              sample rate, 22050 or 44100
//   tempo 132               beats per minute
//   loudness -20            target RMS level of the whole sound in dBFS
//   ceiling -1.5            highest peak allowed, dBFS; the level drops to meet it
//   length 16               length of the sound in beats; by default it ends when
//                           the last note (and its echo) has died away
//   loop                    the sound repeats: exactly `length` beats long, tails
//                           running past the end wrap round to the start, no fades
//   fade 0.005 0.04         fade-in and fade-out in seconds (not for loops)
//   echo 0.2 0.3 0.25       delay in seconds, feedback, wet level (not for loops)
//
//   voice NAME WAVE attack decay sustain release [key=value ...]
//       WAVE is sine, triangle, square, pulse, saw, noise, hiss (high noise),
//       kick or snare; attack, decay and release in seconds, sustain 0..1.
//       Keys: vol (0..1), duty (pulse width), slide (semitones over the note),
//       vib (cents@hertz, e.g. 15@5.5), detune (cents), bright (0..1 low-pass).
//
//   note AT VOICE PITCH LENGTH [VELOCITY]
//   line AT VOICE TOKEN ...
//       A line places its notes one after another from AT. Each TOKEN is
//       PITCH/LENGTH[/VELOCITY]; the pitch r is a rest.
//
// PITCH is a note name with octave (C4 is middle C, A4 440 Hz; # and b for sharp
// and flat), several joined by '+' for a chord (C4+E4+G4), a frequency in hertz,
// or '-' for unpitched percussion. Voices must be declared before use.
class NoteList {
public:
    class Error : public std::runtime_error {
    public:
        Error(int line, const std::string& message);
        int line() const { return line_; }

    private:
        int line_;
    };

    // Throws Error on the first statement it cannot read.
    static Score parse(std::istream& in);
    // Frequency of a note name such as "F#5"; throws std::invalid_argument.
    static double noteFrequency(const std::string& name);
};

} // namespace synth
