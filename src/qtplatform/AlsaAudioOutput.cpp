#include "AlsaAudioOutput.h"

#include "FirstFrame.h"
#include "sound/RegularFile.h"
#include "sound/Wave.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

namespace qtplatform {

namespace {

using namespace std::chrono_literals;

// How much sound the device holds ahead of what is heard. A new sound or a stop
// drops what it holds at once, so a long buffer costs no delay; it lets the player
// sleep longer between refills while a long sound plays.
constexpr unsigned bufferMicroseconds = 1'000'000;
// The longest the player sleeps on a device that neither takes data nor fails.
constexpr int stallMilliseconds = 1000;
// Failed waits in a row after which a device is given up.
constexpr int maxFailedWaits = 100;
// After the last sample is sent: the most the device can sensibly still hold, and
// a little more before the stream is stopped.
constexpr long long maxTailMilliseconds = 2000;
constexpr long long tailMarginMilliseconds = 20;
// Silence after which the device is closed and the library let go, so that a
// program that plays nothing holds no stream open (a bare hardware device would be
// kept from other programs) and none of the sound system's memory.
constexpr auto closeAfterSilence = 2s;
// The longest the first sound waits for the program's first window.
constexpr auto firstFrameCap = 1000ms;
constexpr auto firstFramePoll = 5ms;

// ALSA prints its complaints (no card, say) on stderr; a missing device is
// already silence here and says nothing.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

std::optional<snd_pcm_format_t> alsaFormat(const sound::WaveFormat& format)
{
    if (format.encoding == sound::WaveFormat::Encoding::Float)
        return SND_PCM_FORMAT_FLOAT_LE;
    switch (format.bitsPerSample) {
    case 8: return SND_PCM_FORMAT_U8;
    case 16: return SND_PCM_FORMAT_S16_LE;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    case 32: return SND_PCM_FORMAT_S32_LE;
    default: return std::nullopt;
    }
}

// libasound, loaded by hand on the player's thread when the first sound plays, and
// the one PCM stream the player keeps.
class Alsa {
public:
    ~Alsa() { release(); }

    bool loaded() const { return library_ != nullptr; }

    bool load()
    {
        if (library_)
            return true;
        if (unusable_)
            return false;
        library_ = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library_)
            return false;
        const bool all = resolve(open_, "snd_pcm_open") && resolve(setParams_, "snd_pcm_set_params")
            && resolve(close_, "snd_pcm_close") && resolve(prepare_, "snd_pcm_prepare")
            && resolve(start_, "snd_pcm_start") && resolve(drop_, "snd_pcm_drop")
            && resolve(writei_, "snd_pcm_writei") && resolve(pollCount_, "snd_pcm_poll_descriptors_count")
            && resolve(pollDescriptors_, "snd_pcm_poll_descriptors")
            && resolve(pollRevents_, "snd_pcm_poll_descriptors_revents")
            && resolve(recover_, "snd_pcm_recover") && resolve(delay_, "snd_pcm_delay")
            && resolve(state_, "snd_pcm_state") && resolve(setErrorHandler_, "snd_lib_error_set_handler")
            && resolve(freeConfig_, "snd_config_update_free_global");
        if (!all) {
            // Not the library this was built against; never unloaded, since a
            // half-used libasound may have set up state of its own.
            library_ = nullptr;
            unusable_ = true;
            return false;
        }
        setErrorHandler_(&quietAlsa);
        return true;
    }

    // The stream, open and set up for `format`; reopened if it was set up for
    // another. False if the device cannot take it.
    bool openFor(const std::string& device, const sound::WaveFormat& format)
    {
        if (pcm_ && format_ == format)
            return prepared_ || prepare();
        close();
        const auto sampleFormat = alsaFormat(format);
        if (!sampleFormat)
            return false;
        // Non-blocking, so that neither a busy device nor a stalled server ever
        // holds the thread: it waits in poll() on the device and its wake-up event.
        if (open_(&pcm_, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
            pcm_ = nullptr;
            // Nothing to play on: a program without sound holds none of the sound
            // system. The next sound loads it again and looks for a device afresh.
            unload();
            return false;
        }
        if (setParams_(pcm_, *sampleFormat, SND_PCM_ACCESS_RW_INTERLEAVED, format.channels, format.rate, 1,
                       bufferMicroseconds)
            < 0) {
            close();
            return false;
        }
        format_ = format;
        prepared_ = true;
        return true;
    }

    bool isOpen() const { return pcm_ != nullptr; }

    // Closes the stream and lets go of the library; the next sound loads it again.
    void release()
    {
        close();
        if (library_)
            unload();
    }

    void close()
    {
        if (!pcm_)
            return;
        close_(pcm_);
        pcm_ = nullptr;
        prepared_ = false;
    }

    // Sends `wave` from its start, from the start again at its end while `loop`
    // is set, and returns once it has been heard or once `interrupted` says so.
    // Between refills it sleeps until the device has room or `wakeFd` becomes
    // readable (a new request); `pause(ms)` waits up to that long, returning early
    // on an interruption.
    template <typename Interrupted, typename Pause>
    void play(const sound::Wave& wave, bool loop, int wakeFd, Interrupted interrupted, Pause pause)
    {
        const std::size_t frameBytes = wave.format.frameBytes();
        const std::size_t frames = wave.frames();
        std::size_t at = 0;
        bool sent = false;
        int failedWaits = 0;
        while (!sent) {
            if (interrupted())
                return cut();
            const snd_pcm_sframes_t written =
                writei_(pcm_, wave.samples.data() + at * frameBytes, static_cast<snd_pcm_uframes_t>(frames - at));
            if (written == -EAGAIN) {
                // A device that keeps waking the player without taking anything is
                // given up rather than spun on.
                if (!waitForRoom(wakeFd) && ++failedWaits > maxFailedWaits) {
                    close();
                    return;
                }
                continue;
            }
            failedWaits = 0;
            if (written < 0) {
                if (!recovered(static_cast<int>(written)))
                    return;
                continue;
            }
            at += static_cast<std::size_t>(written);
            if (at >= frames) {
                at = 0;
                sent = !loop;
            }
        }
        // A sound shorter than the buffer never filled it, so never started on its own.
        if (state_(pcm_) == SND_PCM_STATE_PREPARED && start_(pcm_) < 0)
            return cut();
        // Then wait out what the device still holds, going by the clock: a sound
        // server's plugin keeps reporting its own latency as a delay even after the
        // last sample is heard, so the delay never falls to nothing.
        snd_pcm_sframes_t queued = 0;
        if (delay_(pcm_, &queued) < 0 || queued < 0)
            queued = 0;
        const long long queuedMs =
            std::min<long long>(static_cast<long long>(queued) * 1000 / wave.format.rate, maxTailMilliseconds);
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(queuedMs + tailMarginMilliseconds);
        for (auto now = std::chrono::steady_clock::now(); now < end && !interrupted();
             now = std::chrono::steady_clock::now())
            pause(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(end - now).count()));
        cut();
    }

private:
    // Sleeps until the device has room or `wakeFd` is readable. False if the wait
    // ended for neither (an error reported by the device, or a stall).
    bool waitForRoom(int wakeFd)
    {
        const int count = pollCount_(pcm_);
        if (count <= 0)
            return false;
        std::vector<pollfd> fds(static_cast<std::size_t>(count) + 1);
        if (pollDescriptors_(pcm_, fds.data(), static_cast<unsigned>(count)) != count)
            return false;
        fds.back() = {wakeFd, POLLIN, 0};
        if (::poll(fds.data(), fds.size(), stallMilliseconds) <= 0)
            return false;
        if (fds.back().revents)
            return true;
        unsigned short events = 0;
        if (pollRevents_(pcm_, fds.data(), static_cast<unsigned>(count), &events) < 0)
            return false;
        return (events & POLLOUT) && !(events & (POLLERR | POLLNVAL));
    }

    // Lets go of the configuration ALSA parsed, the plugins it loaded for it, and
    // the library itself. Only with no stream open. (A sound server's client
    // library that a plugin brought in may stay: some are built never to unload.)
    void unload()
    {
        freeConfig_();
        ::dlclose(library_);
        library_ = nullptr;
    }

    template <typename F>
    bool resolve(F& function, const char* name)
    {
        function = reinterpret_cast<F>(::dlsym(library_, name));
        return function != nullptr;
    }

    bool prepare()
    {
        if (prepare_(pcm_) < 0) {
            close();
            return false;
        }
        prepared_ = true;
        return true;
    }

    // Stops the stream at once, dropping whatever it still holds.
    void cut()
    {
        if (!pcm_)
            return;
        drop_(pcm_);
        prepared_ = false;
    }

    // After an underrun or a suspend the stream is set going again; any other
    // failure closes it, and the next sound opens it afresh.
    bool recovered(int error)
    {
        if (error == -EINTR)
            return true;
        if (recover_(pcm_, error, 1) >= 0)
            return true;
        close();
        return false;
    }

    void* library_ = nullptr;
    bool unusable_ = false;
    snd_pcm_t* pcm_ = nullptr;
    sound::WaveFormat format_;
    bool prepared_ = false;

    decltype(&::snd_pcm_open) open_ = nullptr;
    decltype(&::snd_pcm_set_params) setParams_ = nullptr;
    decltype(&::snd_pcm_close) close_ = nullptr;
    decltype(&::snd_pcm_prepare) prepare_ = nullptr;
    decltype(&::snd_pcm_start) start_ = nullptr;
    decltype(&::snd_pcm_drop) drop_ = nullptr;
    decltype(&::snd_pcm_writei) writei_ = nullptr;
    decltype(&::snd_pcm_poll_descriptors_count) pollCount_ = nullptr;
    decltype(&::snd_pcm_poll_descriptors) pollDescriptors_ = nullptr;
    decltype(&::snd_pcm_poll_descriptors_revents) pollRevents_ = nullptr;
    decltype(&::snd_pcm_recover) recover_ = nullptr;
    decltype(&::snd_pcm_delay) delay_ = nullptr;
    decltype(&::snd_pcm_state) state_ = nullptr;
    decltype(&::snd_lib_error_set_handler) setErrorHandler_ = nullptr;
    decltype(&::snd_config_update_free_global) freeConfig_ = nullptr;
};

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

        Alsa alsa;
        std::unique_lock lock(mutex);
        for (;;) {
            if (!pending()) {
                busy = false;
                done.notify_all();
                if (alsa.isOpen()) {
                    if (!wake.wait_for(lock, closeAfterSilence, [this] { return pending(); }))
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

    void playFile(Alsa& alsa, const std::string& path, bool repeat, std::uint64_t number)
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
