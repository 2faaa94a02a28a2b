#include "GameTest.h"

using namespace gametest;
using platform::False;
using platform::True;

namespace {

// The 16-bit counters reach 32767 and no further: the step that would pass it raises
// the overflow error, which is reported in a "Glimmerkin" box before the program
// ends, and nothing wraps.

// A Follow answer at a level with its arrays sized to match, waiting for position step.
void followAnswerAt(GameTest& t, int level, int bound, int step, int light)
{
    auto& l = t.land();
    l.intLevel = level;
    l.aintPattern.redim(bound);
    l.aintEntry.redim(bound);
    l.aintPattern(step) = light;
    l.intStep = step;
    l.blnLocked = False;
}

// A Follow playback of a level, started by the game's own start routine.
void followPlaybackAt(GameTest& t, int level)
{
    auto& l = t.land();
    l.intLevel = level;
    l.aintPattern.redim(level);
    l.aintEntry.redim(level);
    l.lblStart.raiseClick();
}

struct OverflowCase {
    std::string name;
    std::function<void(GameTest&)> play;
    bool overflows;
    std::function<void(GameTest&)> check;
};

class OverflowTest : public GameTest, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(OverflowTest, countingPast32767IsReportedAndNothingWraps)
{
    const OverflowCase& c = GetParam();
    c.play(*this);
    if (c.overflows) {
        ASSERT_EQ(runtime().reportedErrors().size(), 1u);
        EXPECT_NE(runtime().reportedErrors()[0].find("Overflow"), std::string::npos);
        ASSERT_GE(boxes(), 1);
        EXPECT_EQ(lastBox().title, "Glimmerkin");
        EXPECT_EQ(lastBox().text.rfind("Run-time error '6'", 0), 0u) << lastBox().text;
    } else {
        EXPECT_EQ(runtime().reportedErrors().size(), 0u);
    }
    EXPECT_EQ(runtime().ended(), c.overflows);
    EXPECT_GT(land().intLevel, 0);
    EXPECT_GE(land().intStep, 0);
    c.check(*this);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, OverflowTest,
    ::testing::Values(OverflowCase{"TagHitAt32766",
                                   [](GameTest& t) {
                                       t.startTagChase();
                                       t.land().intLevel = 32766;
                                       t.clickLight(t.quarryLight());
                                   },
                                   false,
                                   [](GameTest& t) {
                                       EXPECT_EQ(t.land().txtScore.text(), "32766");
                                       EXPECT_EQ(t.land().intLevel, 32767);
                                   }},
                      OverflowCase{"TagHitAt32767",
                                   [](GameTest& t) {
                                       t.startTagChase();
                                       t.land().intLevel = 32767;
                                       t.clickLight(t.quarryLight());
                                   },
                                   true,
                                   [](GameTest& t) {
                                       EXPECT_EQ(t.land().txtScore.text(), "32767");
                                       EXPECT_EQ(t.land().intLevel, 32767);
                                       EXPECT_EQ(t.land().blnTagged, True) << "the hit counted before the overflow";
                                   }},
                      OverflowCase{"FollowLevelUpAt32767",
                                   [](GameTest& t) {
                                       followAnswerAt(t, 32767, 32767, 32767, 2);
                                       t.clickLight(2);
                                   },
                                   true,
                                   [](GameTest& t) {
                                       ASSERT_EQ(t.boxes(), 2);
                                       EXPECT_EQ(t.platform->messageBoxes[0].title, "Great Job!");
                                       EXPECT_EQ(t.land().txtScore.text(), "32767");
                                       EXPECT_EQ(t.land().intLevel, 32767);
                                       EXPECT_EQ(t.land().aintPattern.upperBound(), 32767);
                                       EXPECT_EQ(t.cueCount(), 1) << "no new level starts";
                                   }},
                      // Level 32767 is reached, but its pattern overflows the position counter.
                      OverflowCase{"FollowLevelUpTo32767",
                                   [](GameTest& t) {
                                       followAnswerAt(t, 32766, 32766, 32766, 3);
                                       t.clickLight(3);
                                   },
                                   true,
                                   [](GameTest& t) {
                                       EXPECT_EQ(t.platform->messageBoxes[0].title, "Great Job!");
                                       EXPECT_EQ(t.land().txtScore.text(), "32766");
                                       EXPECT_EQ(t.land().intLevel, 32767);
                                       EXPECT_EQ(t.land().aintPattern.upperBound(), 32767);
                                       EXPECT_GE(t.land().aintPattern(32767), 1);
                                   }},
                      OverflowCase{"FollowRightEntryPastTheLevelAt32767",
                                   [](GameTest& t) {
                                       followAnswerAt(t, 1, 32767, 32767, 4);
                                       t.clickLight(4);
                                   },
                                   true, [](GameTest& t) { EXPECT_EQ(t.land().intStep, 32767); }},
                      OverflowCase{"FollowPatternOfLevel32767", [](GameTest& t) { followPlaybackAt(t, 32767); }, true,
                                   [](GameTest& t) {
                                       EXPECT_GE(t.land().aintPattern(32767), 1) << "the last element was written";
                                       EXPECT_NE(t.land().aintPattern(32767), t.land().aintPattern(32766));
                                   }},
                      OverflowCase{"FollowTickAtLevel32765",
                                   [](GameTest& t) {
                                       followPlaybackAt(t, 32765);
                                       t.platform->runNextTick();
                                   },
                                   false,
                                   [](GameTest& t) {
                                       EXPECT_EQ(t.land().intStep, 2);
                                       EXPECT_EQ(t.quarryLight(), t.land().aintPattern(1));
                                   }},
                      OverflowCase{"FollowTickAtLevel32766",
                                   [](GameTest& t) {
                                       followPlaybackAt(t, 32766);
                                       t.platform->runNextTick();
                                   },
                                   true,
                                   [](GameTest& t) {
                                       EXPECT_EQ(t.land().intStep, 2);
                                       EXPECT_EQ(t.quarryLight(), t.land().aintPattern(1));
                                   }}),
    caseName<OverflowCase>);

} // namespace
