// The glimmerkin-sound module: output devices on SDL's audio (see SoundDevice.h).

#include "qtplatform/audio/SoundDevice.h"

#include <QObject>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace qtplatform {

namespace {

// SDL's sample formats, in the order of SoundDevice::Sample.
constexpr SDL_AudioFormat formats[] = {AUDIO_U8, AUDIO_S16LSB, AUDIO_S32LSB, AUDIO_F32LSB};

// The device's buffer, at least this long: a new sound follows a cut this soon.
constexpr unsigned bufferMilliseconds = 10;

// SDL's audio is one per process; its start, end and devices are handled by one
// thread at a time.
std::mutex sdlMutex;

// ALSA tells standard error of every device it cannot find, eight lines a cue without a
// card, and SDL, which loads ALSA itself, leaves ALSA's error handler as it is. So the
// handler of that same library is made a quiet one, and the library kept loaded so that
// the handler stays while SDL lets ALSA go and loads it again.
#if defined(__linux__)
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

void quietenAlsa()
{
#if defined(__linux__)
    static const bool once = [] {
        if (void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL))
            if (const auto set =
                    reinterpret_cast<int (*)(decltype(&ignoreAlsaError))>(dlsym(alsa, "snd_lib_error_set_handler")))
                set(ignoreAlsaError);
        return true;
    }();
    static_cast<void>(once);
#endif
}

class SdlSoundDevice : public SoundDevice {
public:
    SdlSoundDevice(std::string application, std::string streamName)
        : application_(std::move(application)), streamName_(std::move(streamName))
    {}
    ~SdlSoundDevice() override { close(true); }
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    bool decode(const std::string& bytes, Layout& layout, std::string& samples) override
    {
        SDL_AudioSpec spec{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &spec, &data, &length))
            return false;
        const auto format = std::find(std::begin(formats), std::end(formats), spec.format);
        const unsigned frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
        // At least one whole frame, in a layout a device can take.
        const bool playable = format != std::end(formats) && spec.channels >= 1 && spec.channels <= 8 &&
                              spec.freq >= 1 && spec.freq <= 384'000 && length >= frameBytes;
        if (playable) {
            layout = {static_cast<Sample>(format - std::begin(formats)), spec.channels,
                      static_cast<unsigned>(spec.freq)};
            samples.assign(reinterpret_cast<const char*>(data), length - length % frameBytes);
        }
        SDL_FreeWAV(data);
        return playable;
    }

    bool open(const Layout& layout, Fill fill, void* user) override
    {
        {
            std::lock_guard sdl(sdlMutex);
            closeDevice();
            if (start()) {
                SDL_AudioSpec wanted{};
                wanted.freq = static_cast<int>(layout.rate);
                wanted.format = formats[static_cast<int>(layout.sample)];
                wanted.channels = static_cast<Uint8>(layout.channels);
                wanted.samples = 1; // a power of two
                while (wanted.samples < layout.rate * bufferMilliseconds / 1000)
                    wanted.samples *= 2;
                wanted.callback = fill;
                wanted.userdata = user;
                // Any change of layout is SDL's to make, so the sound goes out as it is.
                if ((device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0)) != 0)
                    SDL_PauseAudioDevice(device_, 0);
            }
        }
        if (device_ == 0)
            close(true);
        return device_ != 0;
    }

    void close(bool release) override
    {
        std::lock_guard sdl(sdlMutex);
        closeDevice();
        const char* driver = started_ ? SDL_GetCurrentAudioDriver() : nullptr;
        if (!release && driver && (std::strcmp(driver, "pipewire") == 0 || std::strcmp(driver, "pulseaudio") == 0))
            return;
        if (started_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        started_ = false;
        // SDL keeps per-thread data (its error text) for this thread, which SDL did not
        // start and so would never free.
        SDL_TLSCleanup();
    }

private:
    // With sdlMutex held: starts SDL's audio where it is not.
    bool start()
    {
        if (started_)
            return true;
        // Read when a device opens, by the drivers that name their streams.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_APP_NAME, application_.c_str());
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, streamName_.c_str());
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
        // A missing device is silence and says nothing: SDL's log, which goes to
        // standard error, is silenced too.
        SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
        SDL_SetMainReady();
        quietenAlsa();
        // PipeWire's own driver where it runs, rather than the PulseAudio one SDL would
        // choose through pipewire-pulse: SDL 2.26's loses a little memory at every device.
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "pipewire");
        started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        started_ = started_ || SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        return started_;
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
