#pragma once

#include "platform/Peers.h"

#include <memory>
#include <string>

namespace qtplatform {

// The program's one sound output, which every media browser control plays through
// (see channel()): WAV files through SDL's audio. The sound system, the reading of the
// file included, is used on a thread of its own, started by the first play, so play()
// and stop() leave a request and return: the game never waits on the sound, not even on
// a device that stalls. A sound of the same sample layout takes the place of the one
// playing at the device's next buffer; another layout, a stop, or a sound's end with
// nothing after it closes the device. SDL's audio is let go then too, unless its driver
// is a sound server's (see SoundDevice::close), so that a device that vanished is looked
// for afresh at the next cue. Without a device, the module or a playable WAV, a cue is
// silence and says nothing. The mixer lists the stream under the application's name and
// icon, with the role "game".
class SdlAudioOutput : public platform::AudioOutput {
public:
    // glimmerkin-sound is looked for in `moduleDirectory`, by default the program's.
    explicit SdlAudioOutput(const std::string& moduleDirectory = {});
    // Waits a few seconds at most for the thread to let the device go: a device that
    // takes no more sound is left to it, and the program still ends.
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    void play(const std::string& soundFile, bool loop) override;
    void stop() override;

    // While a window is pending, the first sound waits for it a second at most: loading
    // the sound library while the program's first window is drawn would slow it down.
    void setWindowPending(bool pending);

    // The output as one control hears it: its sound replaces whatever plays, and its
    // stop (an unload's too) ends only the sound it asked for, if that is still the
    // latest; its end then lets SDL's audio go as well, until the next cue. None of it
    // waits; it may outlive the output, and is then silent.
    std::unique_ptr<platform::AudioOutput> channel();

    // For tests and the benchmark, each true if it happened within `timeoutMs`: the
    // latest request plays or came to nothing; every sound has been heard to its end;
    // the threads of every output, those left to a stalled device too, have ended.
    bool waitUntilStarted(int timeoutMs);
    bool waitUntilIdle(int timeoutMs);
    static bool waitUntilAllEnded(int timeoutMs);

    struct Worker;

private:
    std::shared_ptr<Worker> worker_;
};

} // namespace qtplatform
