#include "AlsaPcm.h"

#include <dlfcn.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <vector>

namespace qtplatform {

namespace {

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

} // namespace

template <typename F>
bool AlsaPcm::resolve(F& function, const char* name)
{
    function = reinterpret_cast<F>(::dlsym(library_, name));
    return function != nullptr;
}

bool AlsaPcm::load()
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

bool AlsaPcm::openFor(const std::string& device, const sound::WaveFormat& format)
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

void AlsaPcm::release()
{
    close();
    if (library_)
        unload();
}

void AlsaPcm::close()
{
    if (!pcm_)
        return;
    close_(pcm_);
    pcm_ = nullptr;
    prepared_ = false;
}

void AlsaPcm::play(const sound::Wave& wave, bool loop, int wakeFd, const std::function<bool()>& interrupted,
                   const std::function<void(int)>& pause)
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

bool AlsaPcm::waitForRoom(int wakeFd)
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

void AlsaPcm::unload()
{
    freeConfig_();
    ::dlclose(library_);
    library_ = nullptr;
}

bool AlsaPcm::prepare()
{
    if (prepare_(pcm_) < 0) {
        close();
        return false;
    }
    prepared_ = true;
    return true;
}

void AlsaPcm::cut()
{
    if (!pcm_)
        return;
    drop_(pcm_);
    prepared_ = false;
}

bool AlsaPcm::recovered(int error)
{
    if (error == -EINTR)
        return true;
    if (recover_(pcm_, error, 1) >= 0)
        return true;
    close();
    return false;
}

} // namespace qtplatform
