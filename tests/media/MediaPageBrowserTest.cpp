#include "sound/MediaPageBrowser.h"
#include "sound/MediaPage.h"

#include "doubles/FakePlatform.h"
#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What the peer asked of its audio output, in order: "stop" or "play FILE" with
// " loop" for a repeating sound.
struct AudioLog {
    std::vector<std::string> calls;
};

class RecordingAudio : public platform::AudioOutput {
public:
    explicit RecordingAudio(AudioLog& log) : log_(log) {}
    void play(const std::string& soundFile, bool loop) override
    {
        log_.calls.push_back("play " + soundFile + (loop ? " loop" : ""));
    }
    void stop() override { log_.calls.push_back("stop"); }

private:
    AudioLog& log_;
};

class SoundForm : public platform::Form {
public:
    using platform::Form::Form;

protected:
    void layout() override {}
};

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A tiny valid sound: 16-bit mono PCM, 4 samples.
std::string tinyWave()
{
    const unsigned char bytes[] = {
        'R', 'I', 'F',  'F',  44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56,
        0,   0,   0x44, 0xAC, 0,  0, 2, 0, 16,  0,   'd', 'a', 't', 'a', 8,   0,   0,  0, 0, 0, 1, 0, 2, 0, 1,    0,
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::string pageFor(const std::string& src, const char* extra = "")
{
    return "<!DOCTYPE html><html><head><title>t</title></head><body><audio src=\"" + src + "\" autoplay" + extra +
           "></audio></body></html>\n";
}

class MediaPageBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "glimmerkin-media-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "sounds");
        writeFile(dir_ / "sounds" / "cue.wav", tinyWave());
        writeFile(dir_ / "sounds" / "music.wav", tinyWave());
        writeFile(dir_ / "Cue.htm", pageFor("sounds/cue.wav"));
        writeFile(dir_ / "Music.htm", pageFor("sounds/music.wav", " loop"));
        peer_ = std::make_unique<sound::MediaPageBrowser>(browser_, std::make_unique<RecordingAudio>(log_));
    }
    void TearDown() override
    {
        peer_.reset();
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }

    // The target as the game builds it: the directory, then a backslash and the name.
    std::string target(const std::string& page) const { return dir_.string() + "\\" + page; }
    std::string sound(const std::string& name) const { return (dir_ / "sounds" / name).string(); }
    std::vector<std::string> navigate(const std::string& address)
    {
        log_.calls.clear();
        peer_->navigate(address);
        return log_.calls;
    }

    fs::path dir_;
    doubles::FakePlatform platform_;
    platform::Runtime runtime_{platform_};
    SoundForm form_{runtime_, "frmSounds"};
    platform::Browser browser_{form_, "wbSounds", platform::BrowserRole::MediaPlayer};
    AudioLog log_;
    std::unique_ptr<sound::MediaPageBrowser> peer_;
};

using Calls = std::vector<std::string>;

TEST_F(MediaPageBrowserTest, pageNamedWithBackslashPlaysItsSound)
{
    EXPECT_EQ(navigate(target("Cue.htm")), (Calls{"stop", "play " + sound("cue.wav")}));
    EXPECT_EQ(peer_->locationName(), "Cue.htm");
    EXPECT_FALSE(peer_->busy());
}

TEST_F(MediaPageBrowserTest, pageOpenedTwiceRestartsItsSound)
{
    navigate(target("Cue.htm"));
    EXPECT_EQ(navigate(target("Cue.htm")), (Calls{"stop", "play " + sound("cue.wav")}));
}

TEST_F(MediaPageBrowserTest, cueDuringLoopReplacesIt)
{
    EXPECT_EQ(navigate(target("Music.htm")), (Calls{"stop", "play " + sound("music.wav") + " loop"}));
    EXPECT_EQ(navigate(target("Cue.htm")), (Calls{"stop", "play " + sound("cue.wav")}));
}

TEST_F(MediaPageBrowserTest, unloadingTheControlStopsTheSound)
{
    navigate(target("Music.htm"));
    log_.calls.clear();
    peer_.reset();
    EXPECT_EQ(log_.calls, (Calls{"stop"}));
}

struct BadPage {
    const char* name;
    // Makes the page in the directory and returns the target to navigate to.
    std::function<std::string(const fs::path& dir)> make;
    bool needsNonRoot = false;
};

class MediaPageBrowserBadPage : public MediaPageBrowserTest, public testing::WithParamInterface<BadPage> {};

TEST_P(MediaPageBrowserBadPage, stopsTheLoopAndPlaysNothing)
{
    if (GetParam().needsNonRoot && ::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    navigate(target("Music.htm"));
    const std::string address = GetParam().make(dir_);
    EXPECT_EQ(navigate(address), (Calls{"stop"}));
}

const BadPage badPages[] = {
    {"Missing", [](const fs::path& dir) { return (dir / "Nowhere.htm").string(); }},
    {"MissingDirectory", [](const fs::path& dir) { return (dir / "gone" / "Cue.htm").string(); }},
    {"Empty",
     [](const fs::path& dir) {
         writeFile(dir / "Empty.htm", "");
         return (dir / "Empty.htm").string();
     }},
    {"Unreadable",
     [](const fs::path& dir) {
         writeFile(dir / "Locked.htm", pageFor("sounds/cue.wav"));
         fs::permissions(dir / "Locked.htm", fs::perms::none);
         return (dir / "Locked.htm").string();
     },
     true},
    {"Directory",
     [](const fs::path& dir) {
         fs::create_directory(dir / "Folder.htm");
         return (dir / "Folder.htm").string();
     }},
    {"Oversized",
     [](const fs::path& dir) {
         writeFile(dir / "Huge.htm", pageFor("sounds/cue.wav") + std::string(sound::MediaPage::maxPageBytes, ' '));
         return (dir / "Huge.htm").string();
     }},
    {"Fifo",
     [](const fs::path& dir) {
         const auto path = dir / "Pipe.htm";
         EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
         return path.string();
     }},
    {"Device", [](const fs::path&) { return std::string("/dev/zero"); }},
    {"NoAudioElement",
     [](const fs::path& dir) {
         writeFile(dir / "Plain.htm", "<!DOCTYPE html><html><title>t</title><p>no sound</p></html>");
         return (dir / "Plain.htm").string();
     }},
};

INSTANTIATE_TEST_SUITE_P(Pages, MediaPageBrowserBadPage, testing::ValuesIn(badPages),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
