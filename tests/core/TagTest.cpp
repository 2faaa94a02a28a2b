#include "GameTest.h"

#include <set>

using namespace gametest;
using platform::False;
using platform::True;

namespace {

class TagTest : public GameTest {
protected:
    // Any light that does not hold the quarry.
    int otherLight()
    {
        const int q = quarryLight();
        return q == 1 ? 2 : 1;
    }
};

// Interval after n moves of the quarry, starting from 2001 ms.
int intervalAfterMoves(int n) { return n <= 100 ? 2001 - 20 * n : 1; }

TEST_F(TagTest, intervalRunsFrom2001Down20PerMoveTo1AndTicksComeAtTheCumulativeTimes)
{
    auto& l = land();
    l.lblGame[1].raiseClick();
    l.lblStart.raiseClick();
    const std::int64_t t0 = nowUs();
    EXPECT_EQ(l.tmrLights.interval(), 2001);

    // Spot checks of the sum: the 100th move comes at 101.1 s, then one move per ms.
    const struct {
        int move;
        std::int64_t atMs;
        int intervalAfter;
    } marks[] = {{1, 2001, 1981},   {2, 3982, 1961},   {99, 101'079, 21},
                 {100, 101'100, 1}, {101, 101'101, 1}, {120, 101'120, 1}};
    std::size_t mark = 0;

    std::int64_t dueMs = 0;
    int previous = 0;
    for (int move = 1; move <= 120; ++move) {
        SCOPED_TRACE("move " + std::to_string(move));
        const int interval = intervalAfterMoves(move - 1);
        ASSERT_EQ(usToNextTick(), interval * 1000LL);
        dueMs += interval;
        platform->advanceToUs(t0 + dueMs * 1000 - 1);
        ASSERT_EQ(quarryLight(), 0) << "no move before its time";
        platform->advanceToUs(t0 + dueMs * 1000);
        EXPECT_EQ(l.tmrLights.interval(), intervalAfterMoves(move));
        if (mark < std::size(marks) && marks[mark].move == move) {
            EXPECT_EQ(dueMs, marks[mark].atMs);
            EXPECT_EQ(l.tmrLights.interval(), marks[mark].intervalAfter);
            ++mark;
        }
        const int q = quarryLight();
        ASSERT_NE(q, 0);
        EXPECT_NE(q, previous) << "the quarry never stays on its light";
        EXPECT_EQ(l.intLight, q);
        EXPECT_EQ(l.intPrevLight, previous);
        EXPECT_EQ(l.blnTagged, False);
        clickLight(q);
        EXPECT_EQ(l.txtScore.text(), std::to_string(move));
        EXPECT_EQ(l.intLevel, move + 1);
        EXPECT_EQ(l.blnTagged, True);
        EXPECT_EQ(quarryLight(), 0) << "the release clears the quarry";
        previous = q;
    }
    EXPECT_EQ(mark, std::size(marks));
    EXPECT_EQ(boxes(), 0);
    EXPECT_EQ(steering(), "00010");
    EXPECT_EQ(lastCue(), cue("\\wmzmusic.htm")) << "a hit plays nothing";
}

TEST_F(TagTest, startOverDuringAChaseRestartsItWhileTheQuarryStaysOnItsLight)
{
    auto& l = land();
    startTagChase();
    clickLight(quarryLight());
    platform->runNextTick();
    clickLight(quarryLight());
    platform->runNextTick();
    ASSERT_EQ(l.txtScore.text(), "2");
    const int q = quarryLight();
    ASSERT_NE(q, 0);
    platform->advanceMs(700);

    l.lblSO.raiseClick();
    const std::int64_t t0 = nowUs();
    EXPECT_EQ(l.txtScore.text(), "");
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.blnTagged, True);
    EXPECT_EQ(l.tmrLights.interval(), 2001);
    EXPECT_EQ(usToNextTick(), 2'001'000);
    EXPECT_EQ(lastCue(), cue("\\wmzmusic.htm"));
    EXPECT_EQ(steering(), "00010");
    EXPECT_EQ(quarryLight(), q) << "the quarry waits for the first tick";

    clickLight(q);
    EXPECT_EQ(l.txtScore.text(), "1") << "the next hit scores 1";
    EXPECT_EQ(l.intLevel, 2);
    EXPECT_EQ(boxes(), 0);

    platform->advanceToUs(t0 + 2'001'000);
    const int next = quarryLight();
    EXPECT_NE(next, 0);
    EXPECT_NE(next, q);
    EXPECT_EQ(l.tmrLights.interval(), 1981);
}

TEST_F(TagTest, startOverWithoutAHitStillMovesTheQuarryOnTheFirstTick)
{
    auto& l = land();
    startTagChase();
    const int q = quarryLight();
    l.lblSO.raiseClick();
    platform->runNextTick();
    EXPECT_EQ(boxes(), 0) << "the first tick of a chase never ends it";
    EXPECT_NE(quarryLight(), 0);
    EXPECT_NE(quarryLight(), q);
}

TEST_F(TagTest, aSecondClickOnTheSamePositionIsAMiss)
{
    auto& l = land();
    startTagChase();
    const int q = quarryLight();
    clickLight(q);
    ASSERT_EQ(l.txtScore.text(), "1");
    ASSERT_EQ(boxes(), 0);
    clickLight(q);
    ASSERT_EQ(boxes(), 1);
    EXPECT_EQ(lastBox().text, tagOverText);
    EXPECT_EQ(lastBox().title, "Got Away");
    EXPECT_EQ(l.txtScore.text(), "1") << "the score box keeps the last score";
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.blnTagged, False);
    EXPECT_EQ(usToNextTick(), -1);
}

TEST_F(TagTest, pressingTheQuarryAndReleasingAwayJudgesNothingButLetsItGetAway)
{
    auto& l = land();
    startTagChase();
    const int q = quarryLight();
    l.cmdLight[q].raiseMouseDown();
    EXPECT_EQ(l.cmdLight[q].backColor(), platform::colors::Black);
    l.cmdLight[q].raiseMouseUp();
    EXPECT_EQ(quarryLight(), 0);
    EXPECT_EQ(l.cmdLight[q].backColor(), ui::LandControls::restColor(q));
    EXPECT_EQ(l.txtScore.text(), "");
    EXPECT_EQ(l.blnTagged, False);
    EXPECT_EQ(boxes(), 0);

    platform->runNextTick();
    ASSERT_EQ(boxes(), 1);
    EXPECT_EQ(lastBox().text, tagOverText);
    EXPECT_EQ(lastCue(), cue("\\Away.htm"));
}

// --- Clicks while no light holds the quarry -----------------------------------------------

struct NoQuarryCase {
    std::string name;
    std::function<void(GameTest&)> setUp;
    std::string steeringAfter;
};

class TagNoQuarryTest : public GameTest, public ::testing::WithParamInterface<NoQuarryCase> {};

TEST_P(TagNoQuarryTest, everyClickIsAMissThatRepeatsTheWholeMissSequence)
{
    auto& l = land();
    GetParam().setUp(*this);
    ASSERT_EQ(quarryLight(), 0);
    const std::string score = l.txtScore.text();
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("click " + std::to_string(round));
        const int boxesBefore = boxes();
        const int cuesBefore = cueCount();
        std::string steeringInBox;
        bool restInBox = false;
        whileNextBox([&] {
            steeringInBox = steering();
            restInBox = lightsAtRest();
        });
        clickLight(round == 1 ? 3 : 1);
        ASSERT_EQ(boxes(), boxesBefore + 1);
        EXPECT_EQ(lastBox().text, tagOverText);
        EXPECT_EQ(lastBox().title, "Got Away");
        ASSERT_EQ(cueCount(), cuesBefore + 1);
        EXPECT_EQ(lastCue(), cue("\\Away.htm"));
        EXPECT_TRUE(restInBox);
        EXPECT_EQ(steering(), GetParam().steeringAfter);
        EXPECT_EQ(l.intLevel, 1);
        EXPECT_EQ(l.txtScore.text(), score);
        EXPECT_EQ(l.blnLocked, False);
        EXPECT_EQ(usToNextTick(), -1);
        EXPECT_TRUE(lightsAtRest());
    }
}

INSTANTIATE_TEST_SUITE_P(Moments, TagNoQuarryTest,
                         ::testing::Values(NoQuarryCase{"BeforeTheFirstTick",
                                                        [](GameTest& t) {
                                                            t.land().lblGame[1].raiseClick();
                                                            t.land().lblStart.raiseClick();
                                                            t.platform->advanceMs(2000);
                                                        },
                                                        "11111"},
                                           NoQuarryCase{"AfterTheChaseEnded",
                                                        [](GameTest& t) {
                                                            t.startTagChase();
                                                            t.clickLight(t.quarryLight());
                                                            t.platform->runNextTick();
                                                            t.platform->runNextTick(); // got away with the score at 1
                                                        },
                                                        "11111"},
                                           NoQuarryCase{"TagChosenDuringTheFollowAnswer",
                                                        [](GameTest& t) {
                                                            t.playFollowPattern({4, 2});
                                                            t.land().lblGame[1].raiseClick();
                                                        },
                                                        "11111"},
                                           // The end of a Tag game leaves Start Over as it is.
                                           NoQuarryCase{"StartOverDisabledStaysDisabled",
                                                        [](GameTest& t) {
                                                            t.playTagToTheEnd();
                                                            t.land().lblSO.setEnabled(false);
                                                        },
                                                        "11101"}),
                         caseName<NoQuarryCase>);

TEST_F(TagTest, theHiddenLightTakesNoInput)
{
    playTagToTheEnd();
    const int boxesBefore = boxes();
    doubles::mouseClick(land().cmdLight[0]);
    EXPECT_EQ(boxes(), boxesBefore);
}

// --- Where the quarry appears first --------------------------------------------------------

TEST_F(TagTest, theFirstPositionOfALaterGameIsNeverTheLastOneOfTheGameBefore)
{
    std::set<int> firsts;
    int last = 0;
    for (int game = 0; game < 60; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        startTagChase();
        const int first = quarryLight();
        ASSERT_NE(first, 0);
        if (game > 0) {
            EXPECT_NE(first, last);
        }
        firsts.insert(first);
        clickLight(first);
        platform->runNextTick();
        last = quarryLight();
        ASSERT_EQ(land().intLight, last);
        platform->runNextTick(); // got away; intLight still names the last light
        ASSERT_EQ(quarryLight(), 0);
    }
    EXPECT_EQ(firsts.size(), 4u);
}

TEST_F(TagTest, theFirstPositionAfterProgramStartMayBeAnyLight)
{
    std::set<int> firsts;
    for (int game = 0; game < 40; ++game) {
        land().intLight = 0; // as after program start
        startTagChase();
        firsts.insert(quarryLight());
        platform->runNextTick();
    }
    EXPECT_EQ(firsts, (std::set<int>{1, 2, 3, 4}));
}

} // namespace
