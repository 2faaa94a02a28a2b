#include "GameTest.h"

#include <vector>

using namespace gametest;
using platform::False;
using platform::True;

namespace {

class FollowTest : public GameTest {};

// --- Playback: one light per 1.5 s tick, and one more tick to end it -------------------

struct PlaybackCase {
    std::string name;
    std::vector<int> pattern;
};

class FollowPlaybackTest : public GameTest, public ::testing::WithParamInterface<PlaybackCase> {};

TEST_P(FollowPlaybackTest, eachTickShowsTheNextLightAndTickLPlusOneEndsThePlayback)
{
    const std::vector<int>& pattern = GetParam().pattern;
    const int level = static_cast<int>(pattern.size());
    auto& l = land();
    l.intLevel = level;
    l.aintPattern.redim(level);
    l.aintEntry.redim(level);
    l.lblStart.raiseClick();
    const std::int64_t t0 = nowUs();
    for (int i = 1; i <= level; ++i)
        l.aintPattern(i) = pattern[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(lastCue(), cue("\\glkmusic.htm"));
    const int cuesAtStart = cueCount();

    int shown = 0;
    for (int tick = 1; tick <= level + 1; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        const std::int64_t at = t0 + tick * 1'500'000LL;
        platform->advanceToUs(at - 1);
        EXPECT_EQ(l.intStep, tick) << "intStep on entry";
        EXPECT_EQ(quarryLight(), shown) << "the light of the previous tick is still shown";
        platform->advanceToUs(at);
        const bool last = tick == level + 1;
        shown = last ? 0 : pattern[static_cast<std::size_t>(tick - 1)];
        EXPECT_EQ(quarryLight(), shown);
        if (!last) {
            EXPECT_EQ(l.intStep, tick + 1);
            EXPECT_EQ(l.blnLocked, True);
            EXPECT_EQ(steering(), "00000");
            EXPECT_EQ(usToNextTick(), 1'500'000);
            EXPECT_EQ(cueCount(), cuesAtStart);
        }
    }
    // The end of the playback: timer off, "\Try.htm", ready for the first entry.
    EXPECT_EQ(l.intStep, 1);
    EXPECT_EQ(l.blnLocked, False);
    EXPECT_EQ(steering(), "11111");
    EXPECT_EQ(usToNextTick(), -1);
    ASSERT_EQ(cueCount(), cuesAtStart + 1);
    EXPECT_EQ(lastCue(), cue("\\Try.htm"));
    EXPECT_EQ(platform->navigations.back().atUs, t0 + (level + 1) * 1'500'000LL);
    EXPECT_EQ(boxes(), 0);
    EXPECT_TRUE(lightsAtRest());

    platform->advanceMs(30'000);
    EXPECT_EQ(l.intStep, 1) << "no tick during the answer";
    EXPECT_EQ(cueCount(), cuesAtStart + 1);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FollowPlaybackTest,
                         ::testing::Values(PlaybackCase{"LevelOne", {2}}, PlaybackCase{"LevelThree", {3, 1, 4}},
                                           PlaybackCase{"LightComesBack", {1, 2, 1, 4, 1}}),
                         caseName<PlaybackCase>);

// --- The player's answer ------------------------------------------------------------

enum class Outcome { Pending, Wrong, Caught };

struct AnswerCase {
    std::string name;
    std::vector<int> pattern;
    std::vector<int> clicks;
    Outcome outcome;
    int stepAfter; // while the answer is pending
};

class FollowAnswerTest : public GameTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(FollowAnswerTest, clicksAreComparedOneByOne)
{
    const AnswerCase& c = GetParam();
    const int level = static_cast<int>(c.pattern.size());
    auto& l = land();
    playFollowPattern(c.pattern);
    l.txtScore.setText("2");
    const int cuesBefore = cueCount();
    const int reseedsBefore = platform->reseeds;
    const int lastClick = c.clicks.back();

    std::string scoreInBox;
    int levelInBox = 0;
    int boundInBox = 0;
    platform::Color pressedInBox = 0;
    whileNextBox([&] {
        scoreInBox = l.txtScore.text();
        levelInBox = l.intLevel;
        boundInBox = l.aintPattern.upperBound();
        pressedInBox = l.cmdLight[lastClick].backColor();
    });
    for (int light : c.clicks)
        clickLight(light);

    for (std::size_t i = 0; i < c.clicks.size(); ++i)
        EXPECT_EQ(l.aintEntry(static_cast<int>(i + 1)), c.outcome == Outcome::Caught ? 0 : c.clicks[i])
            << "entry " << i + 1;

    switch (c.outcome) {
    case Outcome::Pending:
        EXPECT_EQ(l.intStep, c.stepAfter);
        EXPECT_EQ(boxes(), 0);
        EXPECT_EQ(cueCount(), cuesBefore);
        EXPECT_EQ(steering(), "11111");
        EXPECT_EQ(l.blnLocked, False);
        return;
    case Outcome::Wrong:
        ASSERT_EQ(boxes(), 1);
        EXPECT_EQ(lastBox().text, followWrongText);
        EXPECT_EQ(lastBox().title, "Got Away");
        ASSERT_EQ(cueCount(), cuesBefore + 2);
        EXPECT_EQ(platform->navigationsOf("frmLand.wbSounds")[cuesBefore].address, cue("\\Away.htm"));
        EXPECT_EQ(l.intLevel, level) << "the same level again";
        EXPECT_EQ(l.txtScore.text(), "2") << "score box unchanged";
        EXPECT_EQ(l.aintPattern.upperBound(), level);
        break;
    case Outcome::Caught:
        ASSERT_EQ(boxes(), 1);
        EXPECT_EQ(lastBox().text, followCaughtText);
        EXPECT_EQ(lastBox().title, "Great Job!");
        ASSERT_EQ(cueCount(), cuesBefore + 2);
        EXPECT_EQ(platform->navigationsOf("frmLand.wbSounds")[cuesBefore].address, cue("\\Caught.htm"));
        EXPECT_EQ(scoreInBox, std::to_string(level)) << "the score box shows the level before the box";
        EXPECT_EQ(levelInBox, level) << "the level rises after OK";
        EXPECT_EQ(boundInBox, level);
        EXPECT_EQ(l.intLevel, level + 1);
        EXPECT_EQ(l.txtScore.text(), std::to_string(level));
        EXPECT_EQ(l.aintPattern.upperBound(), level + 1);
        EXPECT_EQ(l.aintEntry.upperBound(), level + 1);
        for (int i = 1; i <= level + 1; ++i)
            EXPECT_EQ(l.aintEntry(i), 0) << "re-dimensioning discards the entries";
        break;
    }
    // Either way the start routine ran after the box: a fresh pattern plays.
    EXPECT_EQ(pressedInBox, platform::colors::Black) << "the release comes after the judgement";
    EXPECT_EQ(l.cmdLight[lastClick].backColor(), ui::LandControls::restColor(lastClick));
    EXPECT_EQ(lastCue(), cue("\\glkmusic.htm"));
    EXPECT_EQ(platform->reseeds, reseedsBefore + 1);
    EXPECT_EQ(steering(), "00000");
    EXPECT_EQ(l.blnLocked, True);
    EXPECT_EQ(l.intStep, 1);
    EXPECT_EQ(usToNextTick(), 1'500'000);
    for (int i = 1; i <= l.intLevel; ++i) {
        EXPECT_GE(l.aintPattern(i), 1);
        EXPECT_LE(l.aintPattern(i), 4);
        if (i > 1) {
            EXPECT_NE(l.aintPattern(i), l.aintPattern(i - 1));
        }
    }
    EXPECT_EQ(runtime().reportedErrors().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FollowAnswerTest,
    ::testing::Values(AnswerCase{"FirstTwoRight", {3, 1, 4}, {3, 1}, Outcome::Pending, 3},
                      AnswerCase{"WholePatternLevelThree", {3, 1, 4}, {3, 1, 4}, Outcome::Caught, 0},
                      AnswerCase{"WrongSecondClick", {3, 1, 4}, {3, 2}, Outcome::Wrong, 0},
                      AnswerCase{"WrongFirstClick", {3, 1, 4}, {1}, Outcome::Wrong, 0},
                      AnswerCase{"RepeatedLightIsNotTheNextOne", {3, 1, 4}, {3, 3}, Outcome::Wrong, 0},
                      AnswerCase{"LevelOneSingleClick", {2}, {2}, Outcome::Caught, 0},
                      AnswerCase{"LevelOneWrong", {2}, {4}, Outcome::Wrong, 0},
                      AnswerCase{"LightComesBack", {1, 2, 1}, {1, 2, 1}, Outcome::Caught, 0}),
    caseName<AnswerCase>);

// --- Clicks that find intStep outside the arrays count as wrong entries -------------------

struct OutsideCase {
    std::string name;
    std::function<void(GameTest&)> setUp;
    int stepBefore;
    int boundBefore;
    std::vector<int> entriesBefore;
};

class FollowOutsideTest : public GameTest, public ::testing::WithParamInterface<OutsideCase> {};

TEST_P(FollowOutsideTest, aClickOutsideTheArraysIsAWrongEntryThatTouchesNoElement)
{
    const OutsideCase& c = GetParam();
    auto& l = land();
    c.setUp(*this);
    ASSERT_EQ(l.intStep, c.stepBefore);
    ASSERT_EQ(l.aintEntry.upperBound(), c.boundBefore);
    ASSERT_EQ(l.blnLocked, False);
    const int cuesBefore = cueCount();

    clickLight(2);

    EXPECT_EQ(runtime().reportedErrors().size(), 0u);
    ASSERT_EQ(cueCount(), cuesBefore + 2);
    EXPECT_EQ(platform->navigationsOf("frmLand.wbSounds")[cuesBefore].address, cue("\\Away.htm"));
    ASSERT_GE(boxes(), 1);
    EXPECT_EQ(lastBox().text, followWrongText);
    EXPECT_EQ(lastBox().title, "Got Away");
    // The level starts afresh: level 1, arrays as they were, the entries untouched.
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.intStep, 1);
    EXPECT_EQ(l.aintEntry.upperBound(), c.boundBefore);
    EXPECT_EQ(l.aintPattern.upperBound(), c.boundBefore);
    for (int i = 1; i <= c.boundBefore; ++i)
        EXPECT_EQ(l.aintEntry(i), c.entriesBefore[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(steering(), "00000");
    EXPECT_EQ(usToNextTick(), 1'500'000);
}

INSTANTIATE_TEST_SUITE_P(Steps, FollowOutsideTest,
                         ::testing::Values(OutsideCase{"StepZeroFollowChosenAfterATagGame",
                                                       [](GameTest& t) {
                                                           t.playTagToTheEnd();
                                                           t.land().lblGame[0].raiseClick();
                                                       },
                                                       0,
                                                       1,
                                                       {0}},
                                           OutsideCase{"PastTheEndAfterAModeChoiceMidAnswer",
                                                       [](GameTest& t) {
                                                           t.playFollowPattern({3, 1, 4});
                                                           t.clickLight(3);
                                                           t.land().lblGame[1].raiseClick();
                                                           t.land().lblGame[0].raiseClick(); // level 1, intStep 2
                                                           t.clickLight(1); // judged above the level: right, step 3
                                                           t.clickLight(4); // right, step 4: past the arrays
                                                       },
                                                       4,
                                                       3,
                                                       {3, 1, 4}}),
                         caseName<OutsideCase>);

TEST_F(FollowTest, aWrongEntryAboveTheLevelButInsideTheArraysIsJudgedAsUsual)
{
    auto& l = land();
    playFollowPattern({3, 1, 4});
    clickLight(3);
    l.lblGame[0].raiseClick();
    ASSERT_EQ(l.intLevel, 1);
    clickLight(2); // compared 2 with 1
    EXPECT_EQ(l.aintEntry(2), 2);
    ASSERT_EQ(boxes(), 1);
    EXPECT_EQ(lastBox().text, followWrongText);
    EXPECT_EQ(l.intLevel, 1);
}

// --- What a start writes into the pattern ----------------------------------------------

TEST_F(FollowTest, startingTheSameLevelAgainRewritesEveryElement)
{
    auto& l = land();
    l.intLevel = 5;
    l.aintPattern.redim(5);
    l.aintEntry.redim(5);
    for (int i = 1; i <= 5; ++i)
        l.aintPattern(i) = 9; // no light has that number
    l.lblStart.raiseClick();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_GE(l.aintPattern(i), 1) << i;
        EXPECT_LE(l.aintPattern(i), 4) << i;
    }
}

TEST_F(FollowTest, startOverAfterLevelSevenKeepsSevenElementsAndWritesOnlyTheFirst)
{
    auto& l = land();
    const std::vector<int> old{1, 2, 3, 4, 1, 2, 3};
    playFollowPattern(old);
    l.txtScore.setText("6");
    l.lblSO.raiseClick();
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.txtScore.text(), "");
    ASSERT_EQ(l.aintPattern.upperBound(), 7);
    ASSERT_EQ(l.aintEntry.upperBound(), 7);
    EXPECT_GE(l.aintPattern(1), 1);
    EXPECT_LE(l.aintPattern(1), 4);
    for (int i = 2; i <= 7; ++i)
        EXPECT_EQ(l.aintPattern(i), old[static_cast<std::size_t>(i - 1)]) << "element " << i;

    // A one-light playback: tick 1 shows element 1, tick 2 ends it.
    const int first = l.aintPattern(1);
    platform->advanceMs(1500);
    EXPECT_EQ(quarryLight(), first);
    platform->advanceMs(1500);
    EXPECT_EQ(quarryLight(), 0);
    EXPECT_EQ(lastCue(), cue("\\Try.htm"));
    EXPECT_EQ(l.blnLocked, False);
}

// --- Presses and releases while the lights are locked ------------------------------------

TEST_F(FollowTest, pressAndReleaseDuringPlaybackTakeTheQuarryOffEarlyAndPlaybackGoesOn)
{
    auto& l = land();
    l.intLevel = 3;
    l.aintPattern.redim(3);
    l.aintEntry.redim(3);
    l.lblStart.raiseClick();
    const std::int64_t t0 = nowUs();
    l.aintPattern(1) = 3;
    l.aintPattern(2) = 1;
    l.aintPattern(3) = 4;
    platform->advanceToUs(t0 + 1'500'000);
    ASSERT_EQ(quarryLight(), 3);

    l.cmdLight[3].raiseMouseDown();
    EXPECT_EQ(l.cmdLight[3].backColor(), 0xFFFFFFu) << "a locked light is not darkened";
    EXPECT_FALSE(l.cmdLight[3].picture().isNull());
    l.cmdLight[3].raiseClick();
    EXPECT_EQ(l.intStep, 2) << "a locked click is not judged";
    EXPECT_EQ(l.aintEntry(1), 0);
    EXPECT_EQ(boxes(), 0);
    l.cmdLight[3].raiseMouseUp();
    EXPECT_EQ(quarryLight(), 0) << "the release still resets the light";

    platform->advanceToUs(t0 + 3'000'000);
    EXPECT_EQ(quarryLight(), 1);
    platform->advanceToUs(t0 + 4'500'000);
    EXPECT_EQ(quarryLight(), 4);
    platform->advanceToUs(t0 + 6'000'000);
    EXPECT_EQ(quarryLight(), 0);
    EXPECT_EQ(lastCue(), cue("\\Try.htm"));
    EXPECT_EQ(l.blnLocked, False);
    EXPECT_TRUE(lightsAtRest());
}

} // namespace
