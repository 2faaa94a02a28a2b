// Faults in the media pages, their sounds and the audio device, played through
// the real media browser: whatever is wrong, the game plays on exactly as the
// rules say, opens no box of its own and reports no error; a page that cannot
// play stays silent and the sound of the next good page still plays.

#include "FakePlatform.h"
#include "GameFixture.h"
#include "PlayDriver.h"
#include "media/WaveBytes.h"
#include "platform/Browser.h"
#include "sound/MediaPageBrowser.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>

using namespace reliability;
namespace fs = std::filesystem;

namespace {

// --- the audio device ---------------------------------------------------------------

struct AudioLog {
    std::vector<std::string> played; // sound files, in order
    int failedCalls = 0;
};

enum class Device { Working, FailsToPlay, FailsEveryCall, None };

class RecordingAudio : public platform::AudioOutput {
public:
    RecordingAudio(AudioLog& log, Device device) : log_(log), device_(device) {}
    void play(const std::string& soundFile, bool) override
    {
        if (device_ != Device::Working) {
            ++log_.failedCalls;
            throw std::runtime_error("no audio device");
        }
        log_.played.push_back(soundFile);
    }
    void stop() override
    {
        if (device_ == Device::FailsEveryCall) {
            ++log_.failedCalls;
            throw std::runtime_error("no audio device");
        }
    }

private:
    AudioLog& log_;
    Device device_;
};

// The media controls get the real media browser; the page requests are recorded
// as the test side records them, so that the model can follow.
class MediaPlatform : public doubles::FakePlatform {
public:
    MediaPlatform(std::string dir, AudioLog& log, Device device) : log_(log), device_(device)
    {
        appPath_ = std::move(dir);
    }

    std::unique_ptr<platform::BrowserPeer> createBrowser(platform::Browser& browser) override
    {
        if (browser.role() != platform::BrowserRole::MediaPlayer)
            return FakePlatform::createBrowser(browser);
        std::unique_ptr<platform::AudioOutput> audio;
        if (device_ != Device::None)
            audio = std::make_unique<RecordingAudio>(log_, device_);
        return std::make_unique<Peer>(*this, browser, std::move(audio));
    }

    std::map<std::string, int> requests; // page file name -> times asked for

private:
    class Peer : public platform::BrowserPeer {
    public:
        Peer(MediaPlatform& platform, platform::Browser& browser, std::unique_ptr<platform::AudioOutput> audio)
            : platform_(platform), name_(browser.form().className() + "." + browser.name()),
              real_(browser, std::move(audio))
        {}
        void navigate(const std::string& address) override
        {
            platform_.navigations.push_back({name_, address, platform_.clock().nowUs()});
            ++platform_.requests[address.substr(address.rfind('\\') + 1)];
            real_.navigate(address);
        }
        void goBack() override { real_.goBack(); }
        void goForward() override { real_.goForward(); }
        void refresh() override { real_.refresh(); }
        void stop() override { real_.stop(); }
        bool busy() const override { return real_.busy(); }
        std::string locationName() const override { return real_.locationName(); }
        std::string locationUrl() const override { return real_.locationUrl(); }

    private:
        MediaPlatform& platform_;
        std::string name_;
        sound::MediaPageBrowser real_;
    };

    AudioLog& log_;
    Device device_;
};

// --- the program's directory with its pages and sounds --------------------------------

const char* const pages[] = {"Splash.htm",   "follow.htm", "tag.htm",  "glkmusic.htm",
                             "wmzmusic.htm", "Try.htm",    "Away.htm", "Caught.htm"};

std::string soundOf(const std::string& page) { return page.substr(0, page.find('.')) + ".wav"; }

std::string wave(int samples = 800)
{
    std::string data;
    for (int i = 0; i < samples; ++i)
        data += wavebytes::le(static_cast<std::uint32_t>((i % 40) * 400), 2);
    return wavebytes::pcm(data, 1, 16, 8000);
}

void write(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string pageNaming(const std::string& source)
{
    return "<!DOCTYPE html>\n<html><head><title>cue</title></head>\n<body><audio src=\"" + source +
           "\" autoplay></audio></body></html>\n";
}

enum class Fault {
    Missing,
    Empty,
    Unreadable,
    Directory,
    Fifo,
    DanglingLink,
    LinkLoop,
    Huge,
    Sparse,
    Binary,
    UnterminatedTag,
    MissingSound,
    GarbageSound,
    TruncatedSound,
    HugeChunkSound,
    NoDataSound,
    EmptySound,
    FifoSound,
    DirectorySound,
    RemoteSound,
    PageAsSound,
};

struct FaultCase {
    const char* name;
    Fault fault;
    // A page the player may make sense of after all, or one whose sound only the
    // sound output reads and refuses (see SdlAudioOutputTest).
    bool mayStillPlay = false;
};

// A temporary program directory; the faulty pages are those of `faulty`.
class MediaDir {
public:
    MediaDir(Fault fault, const std::set<std::string>& faulty)
    {
        std::string pattern = (fs::temp_directory_path() / "glimmerkin-media-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary directory");
        dir_ = pattern;
        fs::create_directory(dir_ / "sounds");
        for (const std::string page : pages) {
            const fs::path file = dir_ / page;
            const fs::path sound = dir_ / "sounds" / soundOf(page);
            if (!faulty.count(page)) {
                write(sound, wave());
                write(file, pageNaming("sounds/" + soundOf(page)));
                continue;
            }
            spoil(fault, file, sound, page);
        }
    }
    ~MediaDir()
    {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }
    std::string path() const { return dir_.string(); }
    std::string sound(const std::string& page) const { return (dir_ / "sounds" / soundOf(page)).string(); }

private:
    static void spoil(Fault fault, const fs::path& file, const fs::path& sound, const std::string& page)
    {
        const std::string link = "sounds/" + soundOf(page);
        switch (fault) {
        case Fault::Missing: break;
        case Fault::Empty: write(file, ""); break;
        case Fault::Unreadable:
            write(sound, wave());
            write(file, pageNaming(link));
            fs::permissions(file, fs::perms::none);
            break;
        case Fault::Directory: fs::create_directory(file); break;
        case Fault::Fifo: ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); break;
        case Fault::DanglingLink: fs::create_symlink("nowhere.htm", file); break;
        case Fault::LinkLoop: fs::create_symlink(file.filename(), file); break;
        case Fault::Huge: {
            write(sound, wave());
            std::string big;
            while (big.size() < 6 * 1024 * 1024)
                big += "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\n";
            write(file, big + pageNaming(link));
            break;
        }
        case Fault::Sparse: {
            write(sound, wave());
            write(file, pageNaming(link));
            ASSERT_EQ(truncate(file.c_str(), 3LL * 1024 * 1024 * 1024), 0);
            break;
        }
        case Fault::Binary: {
            std::string junk;
            for (int i = 0; i < 4096; ++i)
                junk.push_back(static_cast<char>((i * 7919) & 0xFF));
            write(file, junk);
            break;
        }
        case Fault::UnterminatedTag:
            write(sound, wave());
            write(file, "<html><body><audio src=\"" + link);
            break;
        case Fault::MissingSound: write(file, pageNaming("sounds/absent.wav")); break;
        case Fault::GarbageSound: {
            std::string junk;
            for (int i = 0; i < 5000; ++i)
                junk.push_back(static_cast<char>((i * 31 + 7) & 0xFF));
            write(sound, junk);
            write(file, pageNaming(link));
            break;
        }
        case Fault::TruncatedSound:
            write(sound, wave().substr(0, 22));
            write(file, pageNaming(link));
            break;
        case Fault::HugeChunkSound: {
            std::string w = wave();
            w[16] = w[17] = w[18] = static_cast<char>(0xFF);
            w[19] = static_cast<char>(0x7F);
            write(sound, w);
            write(file, pageNaming(link));
            break;
        }
        case Fault::NoDataSound:
            write(sound, wave().substr(0, 36));
            write(file, pageNaming(link));
            break;
        case Fault::EmptySound:
            write(sound, "");
            write(file, pageNaming(link));
            break;
        case Fault::FifoSound:
            ASSERT_EQ(mkfifo(sound.c_str(), 0600), 0);
            write(file, pageNaming(link));
            break;
        case Fault::DirectorySound:
            fs::create_directory(sound);
            write(file, pageNaming(link));
            break;
        case Fault::RemoteSound: write(file, pageNaming("http://sounds.invalid/" + soundOf(page))); break;
        case Fault::PageAsSound: write(file, pageNaming(page)); break;
        }
    }
    fs::path dir_;
};

// Half the pages are spoilt, the others are sound: the good ones must still play
// after a bad one.
const std::set<std::string> spoilt = {"Splash.htm", "tag.htm", "glkmusic.htm", "Try.htm", "Away.htm"};

// Random play through the whole game; every page is asked for on the way.
void playThrough(MediaDir& dir, AudioLog& log, Device device, std::uint64_t seed,
                 std::map<std::string, int>* requests = nullptr)
{
    std::map<std::string, int> asked;
    PlaySession session(seed, [&]() -> std::unique_ptr<doubles::FakePlatform> {
        auto platform = std::make_unique<MediaPlatform>(dir.path(), log, device);
        return platform;
    });
    RandomPlayer::Options options;
    options.closeGamePerEvent = 1.0 / 1500;
    RandomPlayer player(seed, options);
    while (session.events() < 6000 && !session.failed()) {
        if (session.model().ended()) {
            for (const auto& [page, n] : static_cast<MediaPlatform&>(session.platform()).requests)
                asked[page] += n;
            session.newLife();
            player.newLife();
        }
        session.apply(player.next(session.model()));
    }
    ASSERT_FALSE(session.failed()) << session.failure();
    for (const auto& [page, n] : static_cast<MediaPlatform&>(session.platform()).requests)
        asked[page] += n;
    for (const std::string page : pages)
        EXPECT_GT(asked[page], 0) << page << " was never asked for";
    if (requests)
        *requests = asked;
}

class MediaFault : public testing::TestWithParam<FaultCase> {};

TEST_P(MediaFault, spoiltPagesAreSilentAndTheGamePlaysOn)
{
    const FaultCase c = GetParam();
    if (c.fault == Fault::Unreadable && geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    MediaDir dir(c.fault, spoilt);
    AudioLog log;
    ASSERT_NO_FATAL_FAILURE(playThrough(dir, log, Device::Working, 0xFA17 + static_cast<int>(c.fault)));

    std::set<std::string> heard(log.played.begin(), log.played.end());
    for (const std::string page : pages) {
        const bool good = !spoilt.count(page);
        if (good) {
            EXPECT_TRUE(heard.count(dir.sound(page))) << "the good page " << page << " did not play";
        } else if (!c.mayStillPlay) {
            EXPECT_FALSE(heard.count(dir.sound(page))) << "the spoilt page " << page << " played";
        }
    }
    for (const std::string& file : heard)
        EXPECT_EQ(file.rfind(dir.path(), 0), 0u) << "played a sound from outside the program's directory: " << file;
}

const FaultCase faultCases[] = {
    {"MissingPage", Fault::Missing},
    {"EmptyPage", Fault::Empty},
    {"UnreadablePage", Fault::Unreadable},
    {"PageIsADirectory", Fault::Directory},
    {"PageIsAFifo", Fault::Fifo},
    {"DanglingLink", Fault::DanglingLink},
    {"LinkLoop", Fault::LinkLoop},
    {"HugePage", Fault::Huge},
    {"SparseHugePage", Fault::Sparse},
    {"BinaryPage", Fault::Binary},
    {"UnterminatedTag", Fault::UnterminatedTag, true},
    {"MissingSound", Fault::MissingSound, true},
    {"GarbageSound", Fault::GarbageSound, true},
    {"TruncatedSound", Fault::TruncatedSound, true},
    {"SoundWithAHugeChunk", Fault::HugeChunkSound, true},
    {"SoundWithoutData", Fault::NoDataSound, true},
    {"EmptySound", Fault::EmptySound, true},
    {"SoundIsAFifo", Fault::FifoSound, true},
    {"SoundIsADirectory", Fault::DirectorySound, true},
    {"RemoteSound", Fault::RemoteSound},
    {"PageNamesItselfAsSound", Fault::PageAsSound, true},
};

INSTANTIATE_TEST_SUITE_P(Faults, MediaFault, testing::ValuesIn(faultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(MediaDevice, healthyPagesPlayTheirOwnSounds)
{
    MediaDir dir(Fault::Missing, {});
    AudioLog log;
    ASSERT_NO_FATAL_FAILURE(playThrough(dir, log, Device::Working, 0x600D));
    std::set<std::string> heard(log.played.begin(), log.played.end());
    for (const std::string page : pages)
        EXPECT_TRUE(heard.count(dir.sound(page))) << page;
    EXPECT_EQ(heard.size(), 8u);
}

class FailingDevice : public testing::TestWithParam<Device> {};

TEST_P(FailingDevice, leavesTheGameSilentAndPlaying)
{
    MediaDir dir(Fault::Missing, {});
    AudioLog log;
    ASSERT_NO_FATAL_FAILURE(playThrough(dir, log, GetParam(), 0xDEAF));
    EXPECT_GT(log.failedCalls, 8);
    EXPECT_TRUE(log.played.empty());
}

INSTANTIATE_TEST_SUITE_P(MediaDevice, FailingDevice, testing::Values(Device::FailsToPlay, Device::FailsEveryCall),
                         [](const testing::TestParamInfo<Device>& info) {
                             return std::string(info.param == Device::FailsToPlay ? "FailsToPlay" : "FailsEveryCall");
                         });

TEST(MediaDevice, noAudioOutputAtAllLeavesTheGameSilentAndPlaying)
{
    MediaDir dir(Fault::Missing, {});
    AudioLog log;
    ASSERT_NO_FATAL_FAILURE(playThrough(dir, log, Device::None, 0x0DEF));
    EXPECT_TRUE(log.played.empty());
}

TEST(MediaDevice, aProgramDirectoryThatDoesNotExistIsSilence)
{
    MediaDir dir(Fault::Missing, {});
    AudioLog log;
    PlaySession session(0xAB5E, [&]() -> std::unique_ptr<doubles::FakePlatform> {
        return std::make_unique<MediaPlatform>(dir.path() + "/gone", log, Device::Working);
    });
    RandomPlayer player(0xAB5E);
    play(session, player, 3000);
    ASSERT_FALSE(session.failed()) << session.failure();
    EXPECT_TRUE(log.played.empty());
}

// --- the help page -------------------------------------------------------------------

class MissingHelpPage : public doubles::GameFixture {};

TEST_F(MissingHelpPage, theHelpWindowOpensWithoutAMessageAndTheGameGoesOn)
{
    auto& doc = platform->document("frmBrowser.brwWebBrowser");
    doc.failNext = true; // the help page cannot be opened
    land().cmdHelp.raiseClick();
    EXPECT_TRUE(help().isLoaded());
    platform->advanceMs(100);
    EXPECT_EQ(platform->nextTickUs(help().timTimer), -1) << "nothing is loading";

    // Home, Back and Forward with nowhere to go: silently nothing.
    doc.failNext = true;
    help().tbToolBar.raiseButtonClick(4); // Home
    help().tbToolBar.raiseButtonClick(0); // Back
    help().tbToolBar.raiseButtonClick(1); // Forward
    platform->advanceMs(100);
    EXPECT_TRUE(platform->messageBoxes.empty());
    EXPECT_TRUE(runtime().reportedErrors().empty());

    // Both games play as ever beside it.
    startTagChase();
    const int q = quarryLight();
    ASSERT_NE(q, 0);
    clickLight(q);
    EXPECT_EQ(land().txtScore.text(), "1");
    platform->advanceMs(4000); // moves on, then gets away
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    playFollowPattern({4, 2});
    clickLight(4);
    clickLight(2);
    EXPECT_EQ(land().txtScore.text(), "2");
    ASSERT_EQ(platform->messageBoxes.size(), 2u);
    EXPECT_EQ(platform->messageBoxes[1].title, "Great Job!");
    EXPECT_TRUE(runtime().reportedErrors().empty());
}

} // namespace
