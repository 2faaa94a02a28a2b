#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

// A private sound server for one run of the benchmark, with a null sink as its
// default output: PulseAudio, or PipeWire with WirePlumber, its PulseAudio server
// and its ALSA plugin, as a Debian desktop runs them. It lives in a directory of its
// own, with a session bus of its own, and is stopped when this goes. Everything the
// benchmark starts afterwards, and the benchmark's own sound, reaches it through
// the environment this sets; ALSA's default device leads to it as on a desktop.
class SoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };

    explicit SoundServer(Kind kind);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Empty once the null sink is the default output; otherwise why there is none.
    const std::string& problem() const { return problem_; }
    std::string name() const;

private:
    bool spawn(const std::vector<std::string>& args);
    bool waitUntilAnswering();
    void stop();

    Kind kind_;
    std::string dir_;
    std::string problem_;
    std::vector<pid_t> pids_; // in the order started
};

} // namespace bench
