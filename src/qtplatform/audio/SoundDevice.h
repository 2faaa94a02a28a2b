#pragma once

#include <QtPlugin>

#include <memory>
#include <string>

namespace qtplatform {

// One output device of SDL's audio. SDL, with the sound libraries it links, lives in a
// module beside the program (glimmerkin-sound, sound/SdlSoundDevice.cpp) that the sound
// output's thread loads at its first sound, so that none of it is loaded while the
// program starts. Used from that thread only; `Fill` runs on SDL's device thread.
class SoundDevice {
public:
    enum class Sample { U8, S16, S32, F32 }; // little-endian
    struct Layout {
        Sample sample = Sample::S16;
        unsigned channels = 0;
        unsigned rate = 0; // frames per second
        bool operator==(const Layout&) const = default;
        unsigned frameBytes() const { return (sample == Sample::U8 ? 1 : sample == Sample::S16 ? 2 : 4) * channels; }
    };
    // Writes the next `length` bytes of sound to `out`.
    using Fill = void (*)(void* user, unsigned char* out, int length);

    virtual ~SoundDevice() = default;
    // Reads a RIFF WAVE file with SDL's loader into samples the device takes (24-bit
    // samples become 32-bit ones, compressed ones 16-bit). False for anything SDL cannot
    // play. Needs no device.
    virtual bool decode(const std::string& bytes, Layout& layout, std::string& samples) = 0;
    // Starts SDL's audio where it is not, and opens the device for `layout` and sets it
    // going; SDL converts to what the device takes. False without a device, and then
    // SDL's audio has been let go, so that the next opening looks for one afresh.
    virtual bool open(const Layout& layout, Fill fill, void* user) = 0;
    // Closes the device. SDL's audio is let go as well if `release`, or if its driver
    // is not a sound server's, whose threads sleep until called on (ALSA's looks for
    // new cards ten times a second).
    virtual void close(bool release) = 0;
};

// The module's one object.
class SoundDeviceFactory {
public:
    virtual ~SoundDeviceFactory() = default;
    // The stream, as a sound server's mixer lists it: the application's name, and the
    // stream's in the player's language.
    virtual std::unique_ptr<SoundDevice> create(const std::string& application, const std::string& streamName) = 0;
};

} // namespace qtplatform

#define GLIMMERKIN_SOUND_DEVICE_IID "example.tallowbrook.Glimmerkin.SoundDeviceFactory/4"
Q_DECLARE_INTERFACE(qtplatform::SoundDeviceFactory, GLIMMERKIN_SOUND_DEVICE_IID)
