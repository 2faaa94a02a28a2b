#pragma once

#include "platform/Peers.h"

#include <memory>
#include <string>
#include <thread>

namespace qtplatform {

// Plays WAV files through SDL's audio, which reaches PipeWire, PulseAudio or ALSA on
// Linux and the native audio elsewhere. Everything that touches the sound system runs
// on a thread of its own, started by the first play, so play() and stop() only leave
// a request and return: the game never waits on the sound, not even while a device
// opens.
//
// The first sound of a program that shows a window waits until the window has been
// drawn (see FirstFrame.h); only then is the module with SDL loaded (see
// SoundDevice.h) and SDL's audio started. A new sound of the same sample layout takes
// the place of the one playing at the device's next buffer; one of another layout, or
// stop(), closes the device at once. When a sound has been
// heard to its end and nothing follows, the device is closed, so that nothing of the
// sound wakes the program while it is quiet; the next sound opens it again. SDL's
// audio stays started between sounds on PipeWire and PulseAudio, whose threads sleep
// until they are called on, and is let go after each sound on other drivers and
// after any device that failed to open, so that a device that vanished is looked
// for afresh at the next cue. Without a device, without the module, or with a file
// that is no playable WAV, a cue is silence and says nothing. Whenever a device
// closes, and when the output ends, what the sound libraries freed is handed back to
// the system.
//
// The stream is named for a sound server's mixer: the application's name, the
// desktop file name as its icon, and the role "game".
class SdlAudioOutput : public platform::AudioOutput {
public:
    // The module glimmerkin-sound is looked for in `moduleDirectory`, by default
    // the program's own directory.
    explicit SdlAudioOutput(const std::string& moduleDirectory = {});
    ~SdlAudioOutput() override;

    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    void play(const std::string& soundFile, bool loop) override;
    void stop() override;

    // For tests and the benchmark: blocks until the latest request plays or has
    // come to nothing (a stop, no device, no playable file), or until `timeoutMs`
    // has passed. True if it has.
    bool waitUntilStarted(int timeoutMs);

    // For tests: blocks until the player has taken every request made so far and
    // finished the sound it leads to (a looping sound never finishes), or until
    // `timeoutMs` has passed. True if it is idle.
    bool waitUntilIdle(int timeoutMs);

    // For tests: blocks until the threads of every output, those left to a device that
    // took no more sound among them, have ended, or until `timeoutMs` has passed.
    // True if they have.
    static bool waitUntilAllEnded(int timeoutMs);

    struct Worker;

private:
    void post(std::string soundFile, bool loop, bool play);

    std::shared_ptr<Worker> worker_;
    std::thread thread_;
};

} // namespace qtplatform
