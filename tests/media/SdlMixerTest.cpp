// The sound output on a private PipeWire server, as a desktop runs it: the stream
// the mixer lists names the game, and playing leaves no memory behind. The server
// (pipewire, wireplumber and pipewire-pulse on a session bus of their own, with a
// null sink) is started for the test and stopped at its end.

#include "SoundServer.h"
#include "qtplatform/Translations.h"
#include "qtplatform/audio/SdlAudioOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <stdio.h>

#include <array>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>

using qtplatform::SdlAudioOutput;

namespace {

std::string commandOutput(const std::string& command)
{
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (const std::size_t read = ::fread(buffer.data(), 1, buffer.size(), pipe))
            text.append(buffer.data(), read);
        ::pclose(pipe);
    }
    return text;
}

// The properties of the first stream `pactl list sink-inputs` lists, by name.
std::map<std::string, std::string> streamProperties()
{
    std::map<std::string, std::string> properties;
    const std::string listing = commandOutput("pactl list sink-inputs 2>/dev/null");
    std::size_t at = listing.find("Properties:");
    if (at == std::string::npos)
        return properties;
    while ((at = listing.find('\n', at)) != std::string::npos) {
        const std::size_t end = listing.find('\n', ++at);
        const std::string line = listing.substr(at, end - at);
        const std::size_t equals = line.find(" = \"");
        if (equals == std::string::npos || line.rfind("\t\t", 0) != 0)
            break;
        const std::string key = line.substr(2, equals - 2);
        properties[key] = line.substr(equals + 4, line.size() - equals - 5);
    }
    return properties;
}

class OnPipeWire : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server_ = std::make_unique<bench::SoundServer>(bench::SoundServer::Kind::PipeWire);
        // On this thread, before the outputs' threads use Qt; the translations need it.
        application_ = std::make_unique<QCoreApplication>(argc_, argv_);
        // As the program names itself at start-up.
        QGuiApplication::setApplicationName(QStringLiteral("Glimmerkin"));
        QGuiApplication::setDesktopFileName(QStringLiteral("example.tallowbrook.Glimmerkin"));
    }
    static void TearDownTestSuite()
    {
        application_.reset();
        server_.reset();
    }

    void SetUp() override { ASSERT_EQ(server_->problem(), ""); }

    static inline std::unique_ptr<bench::SoundServer> server_;
    static inline int argc_ = 1;
    static inline char name_[] = "mixer_tests";
    static inline char* argv_[] = {name_, nullptr};
    static inline std::unique_ptr<QCoreApplication> application_;
};

const std::string cue = GLIMMERKIN_BIN_DIR "/sounds/try.wav";

// Plays the cue over and over on a new output, and reads its stream's properties
// back from the server; the output is stopped before it returns.
std::map<std::string, std::string> propertiesOfAPlayingStream()
{
    SdlAudioOutput output(GLIMMERKIN_BIN_DIR);
    output.play(cue, true);
    std::map<std::string, std::string> properties;
    for (int i = 0; i < 200 && properties.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        properties = streamProperties();
    }
    output.stop();
    EXPECT_TRUE(output.waitUntilIdle(20'000));
    return properties;
}

TEST_F(OnPipeWire, theMixerListsTheStreamAsTheGamesSoundsWithItsIconAndRole)
{
    std::map<std::string, std::string> properties = propertiesOfAPlayingStream();
    EXPECT_EQ(properties["application.name"], "Glimmerkin");
    EXPECT_EQ(properties["application.icon_name"], "example.tallowbrook.Glimmerkin");
    EXPECT_EQ(properties["media.role"], "game");
    EXPECT_EQ(properties["media.name"], "Game sounds");
    EXPECT_EQ(commandOutput("pactl list short sink-inputs 2>/dev/null"), "") << "the stream is closed after a stop";
}

TEST_F(OnPipeWire, theStreamIsNamedInThePlayersLanguage)
{
    ASSERT_TRUE(qtplatform::installTranslation(QStringLiteral("de")));
    std::map<std::string, std::string> properties = propertiesOfAPlayingStream();
    qtplatform::removeTranslation();
    EXPECT_EQ(properties["media.name"], "Spielkl\u00e4nge");
    EXPECT_EQ(properties["application.name"], "Glimmerkin") << "the game's name stays its own";
}

TEST_F(OnPipeWire, aServerThatStopsAndComesBackIsUsedAgainAtTheNextCue)
{
    auto listed = [] {
        for (int i = 0; i < 200; ++i) {
            if (!streamProperties().empty())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    };
    SdlAudioOutput output(GLIMMERKIN_BIN_DIR);
    output.play(cue, true);
    ASSERT_TRUE(listed());
    output.stop();
    ASSERT_TRUE(output.waitUntilIdle(20'000));

    server_.reset();
    output.play(cue, true); // no server: silence
    ASSERT_TRUE(output.waitUntilStarted(20'000));
    output.stop();
    ASSERT_TRUE(output.waitUntilIdle(20'000));

    server_ = std::make_unique<bench::SoundServer>(bench::SoundServer::Kind::PipeWire);
    ASSERT_EQ(server_->problem(), "");
    output.play(cue, true);
    EXPECT_TRUE(listed()) << "the new server's stream did not appear";
    output.stop();
    ASSERT_TRUE(output.waitUntilIdle(20'000));
}

} // namespace
