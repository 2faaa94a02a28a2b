#pragma once

#include "Figures.h"

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace bench {

// Hears what the sound server plays: records the monitor of the default output
// with parec (pulseaudio-utils) and notes each moment a sound begins.
class SoundListener {
public:
    SoundListener();
    ~SoundListener();
    SoundListener(const SoundListener&) = delete;
    SoundListener& operator=(const SoundListener&) = delete;

    bool listening() const { return pid_ > 0; }
    // The first onset of a sound at or after `since`, if one came.
    std::optional<Clock::time_point> onsetSince(Clock::time_point since);
    // Waits until nothing has sounded for `span`; false if that did not happen in time.
    bool waitForSilence(Clock::duration span, Clock::duration timeout);

private:
    void read();
    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::vector<Clock::time_point> onsets_;
    Clock::time_point lastSound_;
};

} // namespace bench
