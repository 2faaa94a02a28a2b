#include "SoundListener.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern char** environ;

namespace bench {

namespace {
// Louder than this (of 32768) counts as sound.
constexpr int threshold = 64;
} // namespace

SoundListener::SoundListener()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string args[] = {"parec",
                          "--raw",
                          "--format=s16le",
                          "--channels=1",
                          "--rate=48000",
                          "--latency-msec=2",
                          "--device=@DEFAULT_MONITOR@"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, "parec", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(fds[0]);
        return;
    }
    fd_ = fds[0];
    lastSound_ = Clock::now() - std::chrono::hours(1);
    reader_ = std::thread([this] { read(); });
}

SoundListener::~SoundListener()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (reader_.joinable())
        reader_.join();
    if (fd_ >= 0)
        close(fd_);
}

void SoundListener::read()
{
    std::int16_t samples[256];
    bool sounding = false;
    for (;;) {
        const ssize_t got = ::read(fd_, samples, sizeof samples);
        if (got <= 0)
            return;
        const Clock::time_point now = Clock::now();
        bool loud = false;
        for (ssize_t i = 0; i < got / 2 && !loud; ++i)
            loud = std::abs(samples[i]) > threshold;
        std::lock_guard lock(mutex_);
        if (loud) {
            if (!sounding)
                onsets_.push_back(now);
            lastSound_ = now;
        }
        sounding = loud;
    }
}

std::optional<Clock::time_point> SoundListener::onsetSince(Clock::time_point since)
{
    std::lock_guard lock(mutex_);
    for (const Clock::time_point onset : onsets_)
        if (onset >= since)
            return onset;
    return std::nullopt;
}

bool SoundListener::waitForSilence(Clock::duration span, Clock::duration timeout)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        {
            std::lock_guard lock(mutex_);
            if (Clock::now() - lastSound_ >= span)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace bench
