// The ALSA sound output, played into ALSA's own file device: what reaches the device
// is written to a file, so each test can compare it with the samples it sent.

#include "WaveBytes.h"
#include "qtplatform/AlsaAudioOutput.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using qtplatform::AlsaAudioOutput;

namespace {

constexpr int patienceMs = 20'000;

// `frames` frames of a ramp, recognisable wherever it ends up.
std::string samples(unsigned frames, unsigned frameBytes, unsigned seed)
{
    std::string s;
    for (unsigned i = 0; i < frames * frameBytes; ++i)
        s.push_back(static_cast<char>((i * 7 + seed) & 0xFF));
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

class AlsaOutput : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "glimmerkin-alsa-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        heard_ = dir_ / "heard.raw";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // ALSA's file device writes what it is sent to `heard_` and sends it on to
    // its null device.
    std::string device() const { return "file:FILE='" + heard_.string() + "',FORMAT=raw"; }

    fs::path write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }

    std::string heard() const { return readAll(heard_); }

    // Until the file device has been sent at least `bytes` bytes.
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

TEST_F(AlsaOutput, sendsTheWholeSoundOnceThenFallsIdle)
{
    const std::string data = samples(1000, 2, 1);
    const fs::path file = write("once.wav", wave(data, 1, 16));
    AlsaAudioOutput output(device());
    output.play(file.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_EQ(heard(), data);
}

TEST_F(AlsaOutput, eachSampleLayoutReachesTheDeviceUnchanged)
{
    struct Layout {
        unsigned channels, bits;
    };
    for (const Layout layout : {Layout{1, 8}, Layout{2, 16}, Layout{2, 24}, Layout{1, 32}}) {
        SCOPED_TRACE(std::to_string(layout.channels) + " channels of " + std::to_string(layout.bits) + " bits");
        const std::string data = samples(500, layout.channels * layout.bits / 8, layout.bits);
        const fs::path file = write("layout.wav", wave(data, layout.channels, layout.bits, 22050));
        AlsaAudioOutput output(device());
        output.play(file.string(), false);
        ASSERT_TRUE(output.waitUntilIdle(patienceMs));
        EXPECT_EQ(heard(), data);
    }
}

TEST_F(AlsaOutput, aLoopRepeatsWholeUntilStopped)
{
    const std::string data = samples(400, 2, 3);
    const fs::path file = write("loop.wav", wave(data, 1, 16));
    AlsaAudioOutput output(device());
    output.play(file.string(), true);
    ASSERT_TRUE(waitToHear(3 * data.size()));
    EXPECT_FALSE(output.waitUntilIdle(0)) << "a loop never ends on its own";
    output.stop();
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    const std::string sent = heard();
    ASSERT_GE(sent.size(), 3 * data.size());
    for (std::size_t at = 0; at + data.size() <= sent.size(); at += data.size())
        ASSERT_EQ(sent.compare(at, data.size(), data), 0) << "repeat at byte " << at;
}

TEST_F(AlsaOutput, aNewSoundCutsTheOneBefore)
{
    const std::string music = samples(400, 2, 5);
    const std::string cue = samples(300, 2, 9);
    const fs::path loop = write("music.wav", wave(music, 1, 16));
    const fs::path once = write("cue.wav", wave(cue, 1, 16));
    AlsaAudioOutput output(device());
    output.play(loop.string(), true);
    ASSERT_TRUE(waitToHear(2 * music.size()));
    output.play(once.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    const std::string sent = heard();
    ASSERT_GT(sent.size(), cue.size());
    EXPECT_EQ(sent.compare(0, music.size(), music), 0);
    EXPECT_EQ(sent.substr(sent.size() - cue.size()), cue) << "the cue is sent whole, after the music";
}

TEST_F(AlsaOutput, aSoundOfAnotherLayoutReopensTheDevice)
{
    const std::string mono = samples(300, 2, 11);
    const std::string stereo = samples(300, 2, 13);
    const fs::path first = write("mono16.wav", wave(mono, 1, 16, 8000));
    const fs::path second = write("stereo8.wav", wave(stereo, 2, 8, 11025));
    AlsaAudioOutput output(device());
    output.play(first.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_EQ(heard(), mono);
    output.play(second.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    // The file device starts its file afresh when it is opened again.
    EXPECT_EQ(heard(), stereo);
}

TEST_F(AlsaOutput, withoutADeviceEveryCueIsSilentAndSaysNothing)
{
    const fs::path file = write("cue.wav", wave(samples(100, 2, 1), 1, 16));
    AlsaAudioOutput output("glimmerkin_no_such_device");
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
        output.play(file.string(), i == 1);
        EXPECT_TRUE(output.waitUntilIdle(patienceMs));
    }
    output.stop();
    EXPECT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(AlsaOutput, whatIsNoPlayableSoundSendsNothingAndTheNextSoundPlays)
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
    AlsaAudioOutput output(device());
    for (const fs::path& file : bad) {
        SCOPED_TRACE(file.string());
        output.play(file.string(), true);
        ASSERT_TRUE(output.waitUntilIdle(patienceMs));
        EXPECT_FALSE(fs::exists(heard_)) << "the device was opened";
    }
    output.play(good.string(), false);
    ASSERT_TRUE(output.waitUntilIdle(patienceMs));
    EXPECT_EQ(heard(), data);
}

TEST_F(AlsaOutput, stoppingOrDestroyingIsSafeAtAnyMoment)
{
    const fs::path file = write("loop.wav", wave(samples(800, 2, 21), 1, 16));
    {
        AlsaAudioOutput unused(device());
        unused.stop(); // before any sound: nothing starts
        EXPECT_TRUE(unused.waitUntilIdle(0));
    }
    EXPECT_FALSE(fs::exists(heard_));
    for (int round = 0; round < 20; ++round) {
        AlsaAudioOutput output(device());
        output.play(file.string(), true);
        if (round % 2)
            output.stop();
        if (round % 3)
            std::this_thread::sleep_for(std::chrono::milliseconds(round));
        // Destroyed here, looping or not: it joins its thread and closes the device.
    }
    SUCCEED();
}

} // namespace
