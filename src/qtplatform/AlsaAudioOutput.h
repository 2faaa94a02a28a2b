#pragma once

#include "platform/Peers.h"

#include <memory>
#include <string>
#include <thread>

namespace qtplatform {

// Plays WAV files through ALSA (which reaches PulseAudio or PipeWire through its
// default device where one runs). Everything that touches the sound system runs on
// a thread of its own, started by the first play: the library is loaded only then,
// so a program that has played nothing holds none of it, and play() and stop()
// only leave a request and return, so the game never waits on the sound.
//
// Each play reads its file afresh and keeps the device's buffer of one second
// filled (see AlsaPcm.h), sleeping until the device has room or a new request
// comes; stop() or a new play() drops what the device holds at once. The first sound of a program that
// shows a window waits until the window has been drawn (see FirstFrame.h). When a
// sound has ended and no other is asked for, the device is closed and the library
// let go, and the next cue loads it again; one sound that cuts another keeps it. Without a device, or with a file
// that is no playable WAV, a cue is silence; without a device the library is let go
// at once.
class AlsaAudioOutput : public platform::AudioOutput {
public:
    // `device` is an ALSA PCM name; the game plays through "default".
    explicit AlsaAudioOutput(std::string device = "default");
    ~AlsaAudioOutput() override;

    AlsaAudioOutput(const AlsaAudioOutput&) = delete;
    AlsaAudioOutput& operator=(const AlsaAudioOutput&) = delete;

    void play(const std::string& soundFile, bool loop) override;
    void stop() override;

    // For tests: blocks until the player has taken every request made so far and
    // finished the sound it leads to (a looping sound never finishes), or until
    // `timeoutMs` has passed. True if it is idle.
    bool waitUntilIdle(int timeoutMs);

    struct Worker;

private:
    void post(std::string soundFile, bool loop, bool play);

    std::shared_ptr<Worker> worker_;
    std::thread thread_;
};

} // namespace qtplatform
