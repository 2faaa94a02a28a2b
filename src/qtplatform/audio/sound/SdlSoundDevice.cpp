// The glimmerkin-sound module: output devices on SDL's audio (see SoundDevice.h).

#include "qtplatform/audio/SoundDevice.h"

#include <QObject>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#if GLIMMERKIN_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

#include <cstring>
#include <mutex>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace qtplatform {

namespace {

// SDL's audio is one per process; its start, end and devices are handled by one
// thread at a time.
std::mutex sdlMutex;
// The devices made and not yet destroyed; guarded by sdlMutex.
int liveDevices = 0;

// ALSA tells standard error of every device it cannot find: eight lines a cue where no
// card, no sound server and no PipeWire plugin is there. To the game a missing device is
// silence, and SDL, which loads ALSA itself, leaves ALSA's error handler as it is. So the
// handler of that same library is set to a quiet one before SDL starts, and the library is
// kept loaded, so that the handler stays when SDL lets ALSA go and loads it again.
#if defined(__linux__)
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

void quietenAlsa()
{
#if defined(__linux__)
    static const bool quiet = [] {
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!alsa)
            return false;
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        const auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return setHandler && setHandler(ignoreAlsaError) == 0;
    }();
    static_cast<void>(quiet);
#endif
}

SDL_AudioFormat sdlFormat(SoundDevice::Sample sample)
{
    switch (sample) {
    case SoundDevice::Sample::U8: return AUDIO_U8;
    case SoundDevice::Sample::S16: return AUDIO_S16LSB;
    case SoundDevice::Sample::S32: return AUDIO_S32LSB;
    case SoundDevice::Sample::F32: return AUDIO_F32LSB;
    }
    return AUDIO_S16LSB;
}

class SdlSoundDevice : public SoundDevice {
public:
    SdlSoundDevice(std::string application, std::string streamName)
        : application_(std::move(application)), streamName_(std::move(streamName))
    {
        std::lock_guard sdl(sdlMutex);
        ++liveDevices;
    }
    ~SdlSoundDevice() override
    {
        release();
        std::lock_guard sdl(sdlMutex);
        if (--liveDevices == 0)
            releaseAlsa();
    }
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    bool open(const Layout& layout, unsigned bufferFrames, Fill fill, void* user) override
    {
        if (openDevice(layout, bufferFrames, fill, user))
            return true;
        release();
        return false;
    }

    void resume() override { SDL_PauseAudioDevice(device_, 0); }
    void lock() override { SDL_LockAudioDevice(device_); }
    void unlock() override { SDL_UnlockAudioDevice(device_); }

    void close() override
    {
        bool keep = true;
        {
            std::lock_guard sdl(sdlMutex);
            closeDevice();
            const char* driver = started_ ? SDL_GetCurrentAudioDriver() : nullptr;
            keep = !driver || std::strcmp(driver, "pipewire") == 0 || std::strcmp(driver, "pulseaudio") == 0;
        }
        if (!keep)
            release();
    }

    void release() override
    {
        std::lock_guard sdl(sdlMutex);
        closeDevice();
        if (started_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        started_ = false;
        // SDL keeps per-thread data (its error text) for the calling thread, which SDL
        // did not start and so would never free.
        SDL_TLSCleanup();
    }

private:
    // With sdlMutex held, when no device is left.
    static void releaseAlsa()
    {
#if GLIMMERKIN_HAVE_ALSA
        // SDL lets ALSA go but not the configuration ALSA read for it, nor the plugins
        // that configuration loaded (PipeWire's client, where the default device is
        // PipeWire's): 1.3 MiB held after the splash's cue with no device. Only when
        // the last device goes: read again at every cue, the plugins lose 16 kB each
        // time they load.
        snd_config_update_free_global();
#endif
    }

    bool openDevice(const Layout& layout, unsigned bufferFrames, Fill fill, void* user)
    {
        std::lock_guard sdl(sdlMutex);
        closeDevice();
        if (!started_) {
            // Read when a device opens, by the drivers that name their streams.
            SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            SDL_SetHint(SDL_HINT_APP_NAME, application_.c_str());
            SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, streamName_.c_str());
            SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
            // SDL's log goes to stderr; a missing device is silence and says nothing.
            SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
            SDL_SetMainReady();
            quietenAlsa();
            // Where PipeWire runs, its own driver, rather than the PulseAudio one SDL
            // would choose through pipewire-pulse: SDL 2.26's PulseAudio driver loses
            // a little memory at every device it opens. Elsewhere SDL chooses.
            SDL_SetHint(SDL_HINT_AUDIODRIVER, "pipewire");
            started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
            if (!started_)
                started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
            if (!started_)
                return false;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = static_cast<int>(layout.rate);
        wanted.format = sdlFormat(layout.sample);
        wanted.channels = static_cast<Uint8>(layout.channels);
        wanted.samples = static_cast<Uint16>(bufferFrames);
        wanted.callback = fill;
        wanted.userdata = user;
        // Any change of layout is SDL's to make, so the sound goes out as it is.
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        return device_ != 0;
    }

    // With sdlMutex held.
    void closeDevice()
    {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        device_ = 0;
    }

    const std::string application_;
    const std::string streamName_;
    bool started_ = false;
    SDL_AudioDeviceID device_ = 0;
};

class SdlSoundModule : public QObject, public SoundDeviceFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GLIMMERKIN_SOUND_DEVICE_IID)
    Q_INTERFACES(qtplatform::SoundDeviceFactory)
public:
    std::unique_ptr<SoundDevice> create(const std::string& application, const std::string& streamName) override
    {
        return std::make_unique<SdlSoundDevice>(application, streamName);
    }
};

} // namespace

} // namespace qtplatform

#include "SdlSoundDevice.moc"
