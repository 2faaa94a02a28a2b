// The SDL sound output, played into SDL's file device ("disk"): what reaches the
// device is written to a file, so each test can compare it with the samples it sent.
// SDL is pointed at that device through its own environment variables, set here
// before the output starts SDL's audio.

#include "qtplatform/audio/SdlAudioOutput.h"
#include "WaveBytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using qtplatform::SdlAudioOutput;

namespace {

constexpr int patienceMs = 20'000;
// Where the build puts the module with SDL, beside the program.
const std::string moduleDir = GLIMMERKIN_BIN_DIR;

// `frames` frames of a ramp that never holds a silent byte, recognisable wherever
// it ends up.
std::string samples(unsigned frames, unsigned frameBytes, unsigned seed)
{
    std::string s;
    for (unsigned i = 0; i < frames * frameBytes; ++i)
        s.push_back(static_cast<char>(1 + (i * 7 + seed) % 0x7E));
    return s;
}

std::string wave(const std::string& data, unsigned channels, unsigned bits, unsigned rate = 8000)
{
    return wavebytes::pcm(data, channels, bits, rate);
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// True if `sent` is `sound` with nothing but silence around it. The device sends
// silence while it opens and after a sound, so that is all that may surround it.
testing::AssertionResult aloneIn(const std::string& sent, const std::string& sound, char silence = 0)
{
    const std::size_t at = sent.find(sound);
    if (at == std::string::npos)
        return testing::AssertionFailure() << "the sound is not among the " << sent.size() << " bytes sent";
    const auto quiet = [silence](const std::string& part) {
        return part.find_first_not_of(silence) == std::string::npos;
    };
    if (!quiet(sent.substr(0, at)) || !quiet(sent.substr(at + sound.size())))
        return testing::AssertionFailure() << "something else was sent beside the sound";
    return testing::AssertionSuccess();
}

class SdlOutput : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "glimmerkin-sdl-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        heard_ = dir_ / "heard.raw";
        useDevice(heard_);
    }
    void TearDown() override
    {
        ::unsetenv("SDL_AUDIODRIVER");
        ::unsetenv("SDL_DISKAUDIOFILE");
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // SDL's file device, writing to `file` from its next opening.
    static void useDevice(const fs::path& file)
    {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    }

    fs::path write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }

    std::string heard() const { return readAll(heard_); }

    // Until the device has been sent at least `bytes` bytes.
    bool waitToHear(std::size_t bytes) const
    {
        for (int waited = 0; waited < patienceMs; waited += 5) {
            std::error_code error;
            if (fs::exists(heard_, error) && fs::file_size(heard_, error) >= bytes)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    fs::path dir_;
    fs::path heard_;
};

TEST_F(SdlOutput, sendsTheWholeSoundOnceThenClosesTheDevice)
{
    const std::string data = samples(1000, 2, 1);
    const fs::path file = write("once.wav", wave(data, 1, 16));
    SdlAudioOutput output(moduleDir);
    output.play(file.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_TRUE(aloneIn(heard(), data));
    // Closed: nothing more reaches the file.
    const auto size = fs::file_size(heard_);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(fs::file_size(heard_), size);
}

TEST_F(SdlOutput, eachSampleLayoutReachesTheDeviceUnchanged)
{
    struct Layout {
        unsigned channels, bits;
        char silence;
    };
    for (const Layout layout : {Layout{1, 8, '\x80'}, Layout{2, 16, 0}, Layout{1, 32, 0}}) {
        SCOPED_TRACE(std::to_string(layout.channels) + " channels of " + std::to_string(layout.bits) + " bits");
        const std::string data = samples(500, layout.channels * layout.bits / 8, layout.bits);
        const fs::path file = write("layout.wav", wave(data, layout.channels, layout.bits, 22050));
        SdlAudioOutput output(moduleDir);
        output.play(file.string(), false);
        ASSERT_TRUE(output.waitUntilIdle(patienceMs));
        EXPECT_TRUE(aloneIn(heard(), data, layout.silence));
    }
    // SDL has no 24-bit format: each sample reaches it as the same value in 32 bits.
    const std::string data = samples(300, 6, 24);
    std::string wide;
    for (std::size_t at = 0; at < data.size(); at += 3)
        wide += '\0' + data.substr(at, 3);
    const fs::path file = write("layout24.wav", wave(data, 2, 24, 22050));
    SdlAudioOutput output(moduleDir);
    output.play(file.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_TRUE(aloneIn(heard(), wide));
}

TEST_F(SdlOutput, aLoopRepeatsWholeUntilStopped)
{
    const std::string data = samples(400, 2, 3);
    const fs::path file = write("loop.wav", wave(data, 1, 16));
    SdlAudioOutput output(moduleDir);
    output.play(file.string(), true);
    ASSERT_TRUE(waitToHear(4 * data.size()));
    EXPECT_FALSE(output.waitUntilIdle(0)) << "a loop never ends on its own";
    output.stop();
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    const std::string sent = heard();
    std::size_t at = sent.find(data);
    ASSERT_NE(at, std::string::npos);
    int repeats = 0;
    for (; at + data.size() <= sent.size() && sent.compare(at, data.size(), data) == 0; at += data.size())
        ++repeats;
    EXPECT_GE(repeats, 2);
    // Cut where the stop came: a part of the sound from its start, and nothing after.
    const std::string rest = sent.substr(at);
    EXPECT_LT(rest.size(), data.size());
    EXPECT_EQ(rest, data.substr(0, rest.size()));
}

TEST_F(SdlOutput, aNewSoundCutsTheOneBeforeAtTheNextBuffer)
{
    const std::string music = samples(4000, 2, 5); // half a second
    const std::string cue = samples(300, 2, 9);
    const fs::path loop = write("music.wav", wave(music, 1, 16));
    const fs::path once = write("cue.wav", wave(cue, 1, 16));
    SdlAudioOutput output(moduleDir);
    output.play(loop.string(), true);
    ASSERT_TRUE(waitToHear(music.size() / 4));
    output.play(once.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    const std::string sent = heard();
    const std::size_t cueAt = sent.find(cue);
    ASSERT_NE(cueAt, std::string::npos) << "the cue is sent whole";
    const std::size_t musicAt = sent.find(music.substr(0, 64));
    ASSERT_LT(musicAt, cueAt);
    // The music up to the cut, from its start, and the cue right after it.
    const std::string before = sent.substr(musicAt, cueAt - musicAt);
    EXPECT_EQ(before, music.substr(0, before.size()));
    EXPECT_LT(before.size(), music.size()) << "the music was not cut";
    EXPECT_TRUE(aloneIn(sent.substr(cueAt), cue));
}

TEST_F(SdlOutput, aSoundOfAnotherLayoutReopensTheDevice)
{
    const std::string mono = samples(300, 2, 11);
    const std::string stereo = samples(300, 2, 13);
    const fs::path first = write("mono16.wav", wave(mono, 1, 16, 8000));
    const fs::path second = write("stereo8.wav", wave(stereo, 2, 8, 11025));
    SdlAudioOutput output(moduleDir);
    output.play(first.string(), true);
    ASSERT_TRUE(waitToHear(mono.size()));
    output.play(second.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    // The file device starts its file afresh when it is opened again.
    EXPECT_TRUE(aloneIn(heard(), stereo, '\x80'));
}

TEST_F(SdlOutput, withoutADeviceEveryCueIsSilentAndSaysNothing)
{
    const fs::path file = write("cue.wav", wave(samples(100, 2, 1), 1, 16));
    // A file device that cannot open its file, a driver that does not exist, and SDL's
    // own choice on a machine with no sound server and ALSA as Debian configures it
    // without PipeWire's plugin: its own configuration without the files it loads from
    // conf.d, where that plugin would sit. ALSA then looks for card 0, which is not there.
    useDevice(dir_ / "no-such-directory" / "heard.raw");
    const std::string alsaConfig = readAll("/usr/share/alsa/alsa.conf");
    const std::size_t hooks = alsaConfig.find("@hooks");
    const std::size_t hooksEnd = alsaConfig.find("\n]", hooks);
    if (hooks != std::string::npos && hooksEnd != std::string::npos)
        write("alsa.conf", alsaConfig.substr(0, hooks) + alsaConfig.substr(hooksEnd + 2));
    fs::create_directory(dir_ / "runtime");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string runtimeBefore = runtime ? runtime : "";
    for (const char* driver : {"disk", "glimmerkin-no-such-driver", ""}) {
        SCOPED_TRACE(driver);
        if (*driver) {
            ::setenv("SDL_AUDIODRIVER", driver, 1);
        } else if (fs::exists(dir_ / "alsa.conf")) {
            ::unsetenv("SDL_AUDIODRIVER");
            ::setenv("ALSA_CONFIG_PATH", (dir_ / "alsa.conf").c_str(), 1);
            ::setenv("XDG_RUNTIME_DIR", (dir_ / "runtime").c_str(), 1);
        } else {
            continue;
        }
        SdlAudioOutput output(moduleDir);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        for (int i = 0; i < 3; ++i) {
            output.play(file.string(), i == 1);
            EXPECT_TRUE(output.waitUntilIdle(patienceMs));
        }
        output.stop();
        EXPECT_TRUE(output.waitUntilIdle(patienceMs));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    ::unsetenv("ALSA_CONFIG_PATH");
    if (runtime)
        ::setenv("XDG_RUNTIME_DIR", runtimeBefore.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

TEST_F(SdlOutput, aDeviceThatComesBackIsUsedAtTheNextCue)
{
    const std::string data = samples(200, 2, 15);
    const fs::path file = write("cue.wav", wave(data, 1, 16));
    const fs::path later = dir_ / "later";
    useDevice(later / "heard.raw");
    SdlAudioOutput output(moduleDir);
    output.play(file.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    fs::create_directory(later);
    output.play(file.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_TRUE(aloneIn(readAll(later / "heard.raw"), data));
}

TEST_F(SdlOutput, aDeviceSlowToOpenNeverHoldsUpTheCaller)
{
    // A file device writing into a pipe opens only once something reads the pipe:
    // until then the player is held in the opening.
    const fs::path pipe = dir_ / "pipe.raw";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    useDevice(pipe);
    const std::string data = samples(200, 2, 19);
    const fs::path file = write("cue.wav", wave(data, 1, 16));
    SdlAudioOutput output(moduleDir);
    for (int i = 0; i < 5; ++i) {
        output.play(file.string(), i % 2 == 0);
        output.stop();
    }
    output.play(file.string(), false);
    EXPECT_FALSE(output.waitUntilIdle(50)) << "the device opened with no reader";
    // Reading lets the opening end; the last cue then plays through the pipe.
    std::string sent;
    std::thread reader([&] { sent = readAll(pipe); });
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    // The device closed its end after the cue: the reader has seen the end.
    reader.join();
    EXPECT_NE(sent.find(data), std::string::npos);
}

TEST_F(SdlOutput, aDeviceThatStopsTakingSoundNeverHoldsUpTheEnd)
{
    // A pipe that is read once and then no more fills up, and the device's thread,
    // and with it the device's closing, waits on it for good.
    const fs::path pipe = dir_ / "stalled.raw";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    useDevice(pipe);
    const fs::path file = write("cue.wav", wave(samples(2000, 2, 23), 1, 16));
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int capacity = ::fcntl(reader, F_SETPIPE_SZ, 4096);
    ASSERT_GT(capacity, 0);
    auto output = std::make_unique<SdlAudioOutput>(moduleDir);
    output->play(file.string(), true);
    ASSERT_TRUE(output->waitUntilStarted(patienceMs));
    int held = 0;
    for (int waited = 0; waited < patienceMs && held < capacity; waited += 10) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::ioctl(reader, FIONREAD, &held);
    }
    ASSERT_EQ(held, capacity) << "the pipe never filled";
    auto ended = std::async(std::launch::async, [&output] { output.reset(); });
    const bool endedInTime = ended.wait_for(std::chrono::milliseconds(patienceMs)) == std::future_status::ready;
    // Reading again lets the device's thread go, whatever happened.
    ::fcntl(reader, F_SETFL, 0);
    std::thread drain([reader] {
        char buffer[4096];
        while (::read(reader, buffer, sizeof buffer) > 0) {}
        ::close(reader);
    });
    ended.wait();
    EXPECT_TRUE(endedInTime) << "the output's end waited for a device that takes no sound";
    drain.join();
    EXPECT_TRUE(SdlAudioOutput::waitUntilAllEnded(patienceMs)) << "the player left to the device never ended";
}

TEST_F(SdlOutput, whatIsNoPlayableSoundSendsNothingAndTheNextSoundPlays)
{
    const std::string data = samples(200, 2, 17);
    const fs::path good = write("good.wav", wave(data, 1, 16));
    const fs::path fifo = dir_ / "fifo.wav";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string cutShort = wave(data, 1, 16);
    cutShort.resize(30);
    const fs::path bad[] = {
        dir_ / "missing.wav", dir_, fifo, write("text.wav", "not a sound at all"), write("short.wav", cutShort),
    };
    SdlAudioOutput output(moduleDir);
    for (const fs::path& file : bad) {
        SCOPED_TRACE(file.string());
        output.play(file.string(), true);
        ASSERT_TRUE(output.waitUntilIdle(patienceMs));
        EXPECT_FALSE(fs::exists(heard_)) << "the device was opened";
    }
    output.play(good.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_TRUE(aloneIn(heard(), data));
}

TEST_F(SdlOutput, stoppingOrDestroyingAtAnyMomentClosesTheDevice)
{
    const std::string data = samples(800, 2, 21);
    const fs::path file = write("loop.wav", wave(data, 1, 16));
    {
        SdlAudioOutput unused(moduleDir);
        unused.stop(); // before any sound: nothing starts
        EXPECT_TRUE(unused.waitUntilIdle(0));
    }
    EXPECT_FALSE(fs::exists(heard_));
    for (int round = 0; round < 20; ++round) {
        SdlAudioOutput output(moduleDir);
        output.play(file.string(), true);
        if (round % 2)
            output.stop();
        if (round % 3)
            std::this_thread::sleep_for(std::chrono::milliseconds(round));
        // Destroyed here, looping or not: it joins its thread and closes the device.
    }
    // Every device has closed, so no loop is still being written.
    const auto size = fs::exists(heard_) ? fs::file_size(heard_) : 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(fs::exists(heard_) ? fs::file_size(heard_) : 0, size);
}

} // namespace
