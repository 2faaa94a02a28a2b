#include "sound/MediaPage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ParseCase {
    const char* name;
    const char* html;
    std::optional<std::string> sound; // resolved against /game
    bool loop;
};

class MediaPageParse : public testing::TestWithParam<ParseCase> {};

TEST_P(MediaPageParse, findsTheSoundOfTheFirstAudioElement)
{
    const ParseCase& c = GetParam();
    const auto page = sound::MediaPage::parse(c.html, "/game");
    ASSERT_EQ(page.has_value(), c.sound.has_value()) << c.html;
    if (page) {
        EXPECT_EQ(page->soundFile(), *c.sound);
        EXPECT_EQ(page->loop(), c.loop);
    }
}

const ParseCase parseCases[] = {
    {"DoubleQuoted", R"(<audio src="sounds/a.wav" autoplay></audio>)", "/game/sounds/a.wav", false},
    {"SingleQuotedUpperCase", R"(<AUDIO SRC='a.wav' AUTOPLAY LOOP></AUDIO>)", "/game/a.wav", true},
    {"Unquoted", R"(<audio autoplay loop src=sounds/a.wav></audio>)", "/game/sounds/a.wav", true},
    {"SpacesAroundEquals", "<audio\nsrc = \"a.wav\"\n>", "/game/a.wav", false},
    {"LoopWithValueStillLoops", R"(<audio src="a.wav" loop="loop">)", "/game/a.wav", true},
    {"FirstAudioWins", R"(<audio src="a.wav"></audio><audio src="b.wav" loop>)", "/game/a.wav", false},
    {"SourceInsideAudio", R"(<audio loop><source src="b.wav" type="audio/wav"></audio>)", "/game/b.wav", true},
    {"SourceOutsideAudio", R"(<audio></audio><source src="b.wav">)", std::nullopt, false},
    {"Embed", R"(<embed src="e.wav" autostart="true">)", "/game/e.wav", false},
    {"EmbedLoopFalse", R"(<embed src="e.wav" loop="false">)", "/game/e.wav", false},
    {"EmbedLoop", R"(<embed src="e.wav" loop>)", "/game/e.wav", true},
    {"CommentedOut", R"(<!-- <audio src="old.wav"> --><audio src="new.wav">)", "/game/new.wav", false},
    {"InsideScript", R"(<script>x = '<audio src="s.wav">';</script><audio src="y.wav">)", "/game/y.wav", false},
    {"InsideAttributeValue", R"(<p title="<audio src=x.wav>"></p><audio src="y.wav">)", "/game/y.wav", false},
    {"OtherElementNamedLikeAudio", R"(<audio-clip src="no.wav"></audio-clip>)", std::nullopt, false},
    {"OtherAttributeEndingInSrc", R"(<audio data-src="no.wav"></audio>)", std::nullopt, false},
    {"EmptySource", R"(<audio src=""></audio>)", std::nullopt, false},
    {"NoAudio", R"(<!DOCTYPE html><html><title>t</title><p>hello</p></html>)", std::nullopt, false},
    {"UnclosedTag", R"(<audio src="a.wav)", "/game/a.wav", false},
    {"AbsolutePath", R"(<audio src="/elsewhere/z.wav">)", "/elsewhere/z.wav", false},
    {"FileUrl", R"(<audio src="file:///elsewhere/z%20y.wav">)", "/elsewhere/z y.wav", false},
    {"FileUrlOnLocalhost", R"(<audio src="file://localhost/z.wav">)", "/z.wav", false},
    {"FileUrlOnOtherHost", R"(<audio src="file://server/z.wav">)", std::nullopt, false},
    {"WebUrl", R"(<audio src="https://example.invalid/a.wav">)", std::nullopt, false},
    {"Backslashes", R"(<audio src="sounds\a.wav">)", "/game/sounds/a.wav", false},
    {"ParentDirectory", R"(<audio src="../shared/./a.wav">)", "/shared/a.wav", false},
    {"QueryAndFragment", R"(<audio src="a.wav?v=2#t=1">)", "/game/a.wav", false},
    {"EscapedCharacters", R"(<audio src="a&amp;b%21.wav">)", "/game/a&b!.wav", false},
};

INSTANTIATE_TEST_SUITE_P(Pages, MediaPageParse, testing::ValuesIn(parseCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
