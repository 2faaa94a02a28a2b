#include "AlsaAudioOutput.h"

#include "AlsaPcm.h"
#include "FirstFrame.h"
#include "sound/RegularFile.h"
#include "sound/Wave.h"

#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace qtplatform {

namespace {

using namespace std::chrono_literals;

// The longest the first sound waits for the program's first window.
constexpr auto firstFrameCap = 1000ms;
constexpr auto firstFramePoll = 5ms;

} // namespace

// What play() and stop() leave for the player's thread, and the thread's loop.
struct AlsaAudioOutput::Worker {
    explicit Worker(std::string pcmDevice)
        : device(std::move(pcmDevice)), wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
    }
    ~Worker()
    {
        if (wakeFd >= 0)
            ::close(wakeFd);
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    const std::string device;
    // Readable once a request has come since it was last read: wakes the player
    // from its wait on the device.
    const int wakeFd;

    std::mutex mutex;
    std::condition_variable wake; // a new request, or quit
    std::condition_variable done; // the player has caught up
    // Guarded by mutex:
    std::uint64_t requested = 0; // number of the latest request
    std::uint64_t taken = 0;     // number of the request the player is on
    bool busy = false;
    bool quit = false;
    std::string file; // of the latest request; empty for a stop
    bool loop = false;
    // The latest request's number, read without the lock while a sound plays.
    std::atomic<std::uint64_t> latest{0};

    bool pending() const { return quit || requested != taken; }

    void signal()
    {
        wake.notify_all();
        const std::uint64_t one = 1;
        if (wakeFd >= 0) {
            [[maybe_unused]] const auto written = ::write(wakeFd, &one, sizeof one);
        }
    }

    void clearSignal()
    {
        std::uint64_t count = 0;
        if (wakeFd >= 0) {
            [[maybe_unused]] const auto read = ::read(wakeFd, &count, sizeof count);
        }
    }

    void run()
    {
        // Signals are for the UI thread, which turns them into a close.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);

        AlsaPcm alsa;
        std::unique_lock lock(mutex);
        for (;;) {
            if (!pending()) {
                busy = false;
                done.notify_all();
                if (alsa.isOpen()) {
                    // A sound has ended with nothing after it: the device is closed
                    // and the library let go at once, so that a program that plays
                    // nothing holds no stream open (a bare hardware device would be
                    // kept from other programs) and none of the sound system's
                    // memory, and so that this, the player's costliest moment, falls
                    // right after a sound and not in the quiet that follows. The
                    // game's cues come seconds apart; keeping the library for a
                    // while would spare them little.
                    alsa.release();
                    continue;
                }
                wake.wait(lock, [this] { return pending(); });
            }
            if (quit)
                break;
            taken = requested;
            busy = true;
            const std::uint64_t number = taken;
            const std::string sound = file;
            const bool repeat = loop;
            lock.unlock();
            if (!sound.empty())
                playFile(alsa, sound, repeat, number);
            lock.lock();
        }
    }

    void playFile(AlsaPcm& alsa, const std::string& path, bool repeat, std::uint64_t number)
    {
        const auto bytes = sound::readRegularFile(path, sound::maxSoundBytes, false);
        if (!bytes)
            return;
        const auto wave = sound::Wave::parse(*bytes);
        if (!wave)
            return;
        auto interrupted = [this, number] { return latest.load(std::memory_order_acquire) != number; };
        auto pause = [this, number](int ms) {
            std::unique_lock lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(ms), [this, number] { return quit || requested != number; });
        };
        if (!alsa.loaded()) {
            // The first sound of the program begins as its window appears, not
            // before: loading the library then would only slow the window down.
            // Looked at every few milliseconds, so that a stop or quit still
            // gets through at once.
            for (auto waited = 0ms; !firstFrame::isDrawn() && waited < firstFrameCap; waited += firstFramePoll) {
                if (interrupted())
                    return;
                pause(static_cast<int>(firstFramePoll.count()));
            }
        }
        if (interrupted() || !alsa.load() || !alsa.openFor(device, wave->format))
            return;
        // Requests before this one have been seen; only a later one should wake it.
        clearSignal();
        if (interrupted())
            return;
        alsa.play(*wave, repeat, wakeFd, interrupted, pause);
    }
};

AlsaAudioOutput::AlsaAudioOutput(std::string device) : worker_(std::make_shared<Worker>(std::move(device))) {}

AlsaAudioOutput::~AlsaAudioOutput()
{
    {
        std::lock_guard lock(worker_->mutex);
        worker_->quit = true;
        worker_->latest.fetch_add(1, std::memory_order_release);
    }
    worker_->signal();
    if (thread_.joinable())
        thread_.join();
}

void AlsaAudioOutput::play(const std::string& soundFile, bool loop)
{
    post(soundFile, loop, true);
}

void AlsaAudioOutput::stop()
{
    // Nothing has played yet, so there is nothing to stop and no thread to start.
    if (!thread_.joinable())
        return;
    post({}, false, false);
}

void AlsaAudioOutput::post(std::string soundFile, bool loop, bool play)
{
    {
        std::lock_guard lock(worker_->mutex);
        worker_->file = play ? std::move(soundFile) : std::string{};
        worker_->loop = loop;
        worker_->requested += 1;
        worker_->latest.store(worker_->requested, std::memory_order_release);
    }
    worker_->signal();
    if (!thread_.joinable())
        thread_ = std::thread([worker = worker_] { worker->run(); });
}

bool AlsaAudioOutput::waitUntilIdle(int timeoutMs)
{
    std::unique_lock lock(worker_->mutex);
    return worker_->done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
        return !worker_->busy && worker_->requested == worker_->taken;
    });
}

} // namespace qtplatform
