#pragma once

#include "sound/Wave.h"

#include <alsa/asoundlib.h>

#include <functional>
#include <string>

namespace qtplatform {

// libasound, loaded by hand (dlopen) on the player's thread when the first sound
// plays, and the one PCM stream the player keeps: non-blocking, holding a second of
// sound. Used from one thread only.
class AlsaPcm {
public:
    AlsaPcm() = default;
    ~AlsaPcm() { release(); }
    AlsaPcm(const AlsaPcm&) = delete;
    AlsaPcm& operator=(const AlsaPcm&) = delete;

    bool loaded() const { return library_ != nullptr; }

    // False where there is no libasound, or not the one this was built against.
    bool load();

    // The stream, open and set up for `format`; reopened if it was set up for
    // another. False if the device cannot take it.
    bool openFor(const std::string& device, const sound::WaveFormat& format);

    bool isOpen() const { return pcm_ != nullptr; }

    // Closes the stream and lets go of the library; the next sound loads it again.
    void release();

    // Closes the stream only.
    void close();

    // Sends `wave` from its start, from the start again at its end while `loop`
    // is set, and returns once it has been heard or once `interrupted` says so.
    // Between refills it sleeps until the device has room or `wakeFd` becomes
    // readable (a new request); `pause(ms)` waits up to that long, returning early
    // on an interruption.
    void play(const sound::Wave& wave, bool loop, int wakeFd, const std::function<bool()>& interrupted,
              const std::function<void(int)>& pause);

private:
    // Sleeps until the device has room or `wakeFd` is readable. False if the wait
    // ended for neither (an error reported by the device, or a stall).
    bool waitForRoom(int wakeFd);

    // Lets go of the configuration ALSA parsed, the plugins it loaded for it, and
    // the library itself. Only with no stream open. (A sound server's client
    // library that a plugin brought in may stay: some are built never to unload.)
    void unload();

    template <typename F>
    bool resolve(F& function, const char* name);

    bool prepare();

    // Stops the stream at once, dropping whatever it still holds.
    void cut();

    // After an underrun or a suspend the stream is set going again; any other
    // failure closes it, and the next sound opens it afresh.
    bool recovered(int error);

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

} // namespace qtplatform
