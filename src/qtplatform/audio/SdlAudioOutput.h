#pragma once

#include "platform/Peers.h"

#include <memory>
#include <string>

namespace qtplatform {

// The program's one sound output, which every media browser control plays through
// (see channel()): WAV files through SDL's audio, which reaches PipeWire, PulseAudio or
// ALSA on Linux and the native audio elsewhere. Everything that touches the sound
// system, the sound file's reading included, runs on a thread of its own, started by
// the first play, so play() and stop() only leave a request and return: the game
// never waits on the sound, not even while a device opens or stalls.
//
// The first sound of a program that shows a window waits until the window has been
// drawn (see FirstFrame.h); only then is the module with SDL loaded (see
// SoundDevice.h) and SDL's audio started. Each sound file is read once, on that
// thread, and SDL's loader checks it. A new sound of the same sample layout takes the
// place of the one playing at the device's next buffer; one of another layout, or
// stop(), closes the device at once. When a sound has been heard to its end and
// nothing follows, the device is closed, so that nothing of the sound wakes the
// program while it is quiet; the next sound opens it again. SDL's audio stays started
// between sounds on PipeWire and PulseAudio, whose threads sleep until they are called
// on, and is let go after each sound on other drivers and after any device that failed
// to open, so that a device that vanished is looked for afresh at the next cue.
// Without a device, without the module, or with a file that is no playable WAV, a cue
// is silence and says nothing.
//
// The stream is named for a sound server's mixer: the application's name, the
// desktop file name as its icon, and the role "game".
class SdlAudioOutput : public platform::AudioOutput {
public:
    // The module glimmerkin-sound is looked for in `moduleDirectory`, by default
    // the program's own directory.
    explicit SdlAudioOutput(const std::string& moduleDirectory = {});
    // Waits for the thread to let the device go, a few seconds at most: a device that
    // takes no more sound is left to it, and the program still ends.
    ~SdlAudioOutput() override;

    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    void play(const std::string& soundFile, bool loop) override;
    void stop() override;

    // The output as one control hears it: its sound replaces whatever plays, and its
    // stop (an unload's too) ends only the sound it asked for, if that is still the
    // latest; its end then lets SDL's audio go as well, until the next cue. None of it
    // waits; it may outlive the output, and is then silent.
    std::unique_ptr<platform::AudioOutput> channel();

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
    std::shared_ptr<Worker> worker_;
};

} // namespace qtplatform
