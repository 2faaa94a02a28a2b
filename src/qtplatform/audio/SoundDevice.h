#pragma once

#include <QtPlugin>

#include <memory>
#include <string>

namespace qtplatform {

// One output device of SDL's audio, for one sound output. SDL, with the sound
// libraries it links, lives in a module beside the program (glimmerkin-sound, see
// sound/SdlSoundDevice.cpp) that the sound output's thread loads once the first
// window has been drawn, so that none of it is loaded while the program starts. Used
// from that thread only; `Fill` runs on SDL's device thread.
class SoundDevice {
public:
    enum class Sample { U8, S16, S32, F32 }; // little-endian
    struct Layout {
        Sample sample = Sample::S16;
        unsigned channels = 0;
        unsigned rate = 0; // frames per second
        bool operator==(const Layout&) const = default;
    };
    // Writes the next `length` bytes of sound to `out`.
    using Fill = void (*)(void* user, unsigned char* out, int length);

    virtual ~SoundDevice() = default;

    // Starts SDL's audio where it is not, and opens the device for `layout` with a
    // buffer of `bufferFrames`, paused; SDL converts to what the device takes. False
    // without a device, and then SDL's audio has been let go, so that the next
    // opening looks for one afresh.
    virtual bool open(const Layout& layout, unsigned bufferFrames, Fill fill, void* user) = 0;
    // Sets an open device going.
    virtual void resume() = 0;
    // Keeps `Fill` from running while held.
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // Closes the device. SDL's audio stays started where its driver is a sound
    // server's, whose threads sleep until called on; another driver (ALSA's looks for
    // new cards ten times a second) is let go.
    virtual void close() = 0;
    // Closes the device and lets SDL's audio go.
    virtual void release() = 0;
};

// The module's one object.
class SoundDeviceFactory {
public:
    virtual ~SoundDeviceFactory() = default;
    // `application` and `streamName` name the stream in a sound server's mixer, in
    // the player's language. (Its role and icon come from the sound server's client
    // library, see SdlAudioOutput.)
    virtual std::unique_ptr<SoundDevice> create(const std::string& application, const std::string& streamName) = 0;
};

} // namespace qtplatform

#define GLIMMERKIN_SOUND_DEVICE_IID "example.tallowbrook.Glimmerkin.SoundDeviceFactory/2"
Q_DECLARE_INTERFACE(qtplatform::SoundDeviceFactory, GLIMMERKIN_SOUND_DEVICE_IID)
