// The media pages and sounds as the build lays them beside the program.

#include "WaveFile.h"

#include "sound/MediaPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path binDir = GLIMMERKIN_BIN_DIR;

struct Cue {
    const char* page;
    const char* sound;
    bool loop;
    double minSeconds;
    double maxSeconds;
};

const Cue cues[] = {
    {"Splash.htm", "splash", false, 4.5, 5.5},     {"follow.htm", "follow", false, 0.2, 1.99},
    {"tag.htm", "tag", false, 0.2, 1.99},          {"glkmusic.htm", "glkmusic", true, 6.0, 30.0},
    {"wmzmusic.htm", "wmzmusic", true, 6.0, 30.0}, {"Try.htm", "try", false, 0.2, 1.99},
    {"Away.htm", "away", false, 0.2, 1.99},        {"Caught.htm", "caught", false, 0.2, 1.99},
};

double dbfs(double level) { return 20.0 * std::log10(level / 32768.0); }

double rmsOf(const mediatest::WaveFile& wave)
{
    double energy = 0.0;
    for (auto s : wave.samples)
        energy += double(s) * s;
    return std::sqrt(energy / double(wave.samples.size()));
}

int peakOf(const mediatest::WaveFile& wave, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to; ++i)
        peak = std::max(peak, std::abs(int(wave.samples[i])));
    return peak;
}

std::string readText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class MediaCue : public testing::TestWithParam<Cue> {
protected:
    fs::path soundPath() const { return binDir / "sounds" / (std::string(GetParam().sound) + ".wav"); }
};

TEST_P(MediaCue, pageIsSmallHtmlThatNamesItsSound)
{
    const Cue& cue = GetParam();
    const std::string html = readText(binDir / cue.page);
    ASSERT_FALSE(html.empty()) << cue.page << " is missing";
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<title>Glimmerkin"), std::string::npos);
    const std::string audio =
        std::string("<audio src=\"sounds/") + cue.sound + ".wav\" autoplay" + (cue.loop ? " loop" : "") + "></audio>";
    EXPECT_NE(html.find(audio), std::string::npos) << html;

    const auto page = sound::MediaPage::load((binDir / cue.page).string());
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(fs::path(page->soundFile()), soundPath());
    EXPECT_EQ(page->loop(), cue.loop);
}

TEST_P(MediaCue, soundIsSixteenBitMonoOfTheRightLength)
{
    const auto wave = mediatest::WaveFile::read(soundPath().string());
    ASSERT_TRUE(wave.has_value()) << soundPath();
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_TRUE(wave->sampleRate == 22050 || wave->sampleRate == 44100) << wave->sampleRate;
    EXPECT_GE(wave->seconds(), GetParam().minSeconds);
    EXPECT_LE(wave->seconds(), GetParam().maxSeconds);
}

TEST_P(MediaCue, soundHasHeadroomAndNoOffset)
{
    const auto wave = mediatest::WaveFile::read(soundPath().string());
    ASSERT_TRUE(wave.has_value() && !wave->samples.empty());
    EXPECT_LE(dbfs(peakOf(*wave, 0, wave->samples.size())), -1.0);
    double sum = 0.0;
    for (auto s : wave->samples)
        sum += s;
    EXPECT_LE(std::abs(sum / double(wave->samples.size())), 0.001 * 32768) << "DC offset";
}

// A sound that starts or stops on a loud sample clicks; so does a loop whose end
// does not meet its start.
TEST_P(MediaCue, soundFadesInAndOutWithoutAClick)
{
    const auto wave = mediatest::WaveFile::read(soundPath().string());
    ASSERT_TRUE(wave.has_value() && wave->samples.size() > 1000);
    const auto& s = wave->samples;
    const std::size_t n = s.size();
    const std::size_t ms = static_cast<std::size_t>(wave->sampleRate / 1000);
    const int peak = peakOf(*wave, 0, n);
    constexpr int quiet = 64; // about -54 dBFS

    EXPECT_LE(std::abs(int(s.front())), quiet);
    EXPECT_LE(std::abs(int(s.back())), quiet);
    EXPECT_LE(peakOf(*wave, 0, ms), peak / 4) << "no fade-in";
    EXPECT_LE(peakOf(*wave, n - ms, n), peak / 4) << "no fade-out";
    if (GetParam().loop) {
        EXPECT_LE(std::abs(int(s.back()) - int(s.front())), quiet) << "loop join steps";
    }
}

INSTANTIATE_TEST_SUITE_P(Cues, MediaCue, testing::ValuesIn(cues),
                         [](const auto& info) { return std::string(info.param.sound); });

TEST(MediaSounds, loudnessOfAllCuesWithinSixDecibels)
{
    double quietest = 0.0;
    double loudest = -200.0;
    for (const Cue& cue : cues) {
        const auto wave = mediatest::WaveFile::read((binDir / "sounds" / (std::string(cue.sound) + ".wav")).string());
        ASSERT_TRUE(wave.has_value() && !wave->samples.empty()) << cue.sound;
        const double level = dbfs(rmsOf(*wave));
        quietest = std::min(quietest, level);
        loudest = std::max(loudest, level);
        EXPECT_GE(level, -30.0) << cue.sound << " is hardly audible";
    }
    EXPECT_LE(loudest - quietest, 6.0);
}

TEST(MediaSounds, allSoundsTogetherStayUnderFourMegabytes)
{
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(binDir / "sounds"))
        total += entry.file_size();
    EXPECT_LT(total, 4000000u);
}

} // namespace
