#include "GameTest.h"
#include "platform/Int16.h"

using namespace gametest;
using platform::Bool16;
using platform::False;
using platform::True;

namespace {

// A Tag chase with two hits, then the quarry gets away: the timer stops at 1941 ms.
void tagGameEndingAt1941(GameTest& t)
{
    t.startTagChase();
    t.clickLight(t.quarryLight());
    t.platform->runNextTick();
    t.clickLight(t.quarryLight());
    t.platform->runNextTick();
    t.platform->runNextTick();
    ASSERT_EQ(t.land().tmrLights.interval(), 1941);
    ASSERT_EQ(t.usToNextTick(), -1);
}

// --- The first tick comes one full interval after the start ------------------------------

struct FirstTickCase {
    std::string name;
    std::function<void(GameTest&)> setUp; // leaves the game where Start can be clicked
    int firstTickMs;
    bool scoreKept; // Follow keeps the score box, Tag empties it
};

class FirstTickTest : public GameTest, public ::testing::WithParamInterface<FirstTickCase> {};

TEST_P(FirstTickTest, comesOneFullIntervalAfterTheStart)
{
    const FirstTickCase& c = GetParam();
    auto& l = land();
    c.setUp(*this);
    platform->advanceMs(333);
    l.txtScore.setText("4");
    l.lblStart.raiseClick();
    const std::int64_t t0 = nowUs();
    EXPECT_EQ(l.tmrLights.interval(), c.firstTickMs);
    EXPECT_EQ(usToNextTick(), c.firstTickMs * 1000LL);
    EXPECT_EQ(l.txtScore.text(), c.scoreKept ? "4" : "");

    platform->advanceToUs(t0 + c.firstTickMs * 1000LL - 1);
    EXPECT_EQ(quarryLight(), 0) << "nothing is shown before the first tick";
    platform->advanceToUs(t0 + c.firstTickMs * 1000LL);
    EXPECT_NE(quarryLight(), 0);
    EXPECT_EQ(l.blnLocked, c.firstTickMs == 1500 ? True : False);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, FirstTickTest,
    ::testing::Values(FirstTickCase{"FollowFromReady", [](GameTest&) {}, 1500, true},
                      FirstTickCase{"TagFromReady", [](GameTest& t) { t.land().lblGame[1].raiseClick(); }, 2001, false},
                      FirstTickCase{"FollowAfterATagGameStoppedAt1941",
                                    [](GameTest& t) {
                                        tagGameEndingAt1941(t);
                                        t.land().lblGame[0].raiseClick();
                                    },
                                    1500, true},
                      FirstTickCase{"TagAfterATagGameStoppedAt1941", tagGameEndingAt1941, 2001, false},
                      FirstTickCase{"TagAfterTheFollowPlayback",
                                    [](GameTest& t) {
                                        t.playFollowPattern({1, 3});
                                        t.land().lblGame[1].raiseClick();
                                    },
                                    2001, false},
                      FirstTickCase{"FollowAgainDuringTheAnswer",
                                    [](GameTest& t) {
                                        t.playFollowPattern({1, 3});
                                        t.clickLight(1);
                                    },
                                    1500, true}),
    caseName<FirstTickCase>);

// --- Which steering controls each event leaves enabled -------------------------------------

struct SteeringCase {
    std::string name;
    std::function<void(GameTest&)> event;
    std::string steering; // Follow, Tag, Start, Start Over, Help
    int nextTickMs; // -1: the timer is stopped
    Bool16 locked;
};

class SteeringTableTest : public GameTest, public ::testing::WithParamInterface<SteeringCase> {};

TEST_P(SteeringTableTest, eventLeavesTheControlsTimerAndLockAsTabled)
{
    const SteeringCase& c = GetParam();
    c.event(*this);
    EXPECT_EQ(steering(), c.steering);
    EXPECT_EQ(usToNextTick(), c.nextTickMs < 0 ? -1 : c.nextTickMs * 1000LL);
    EXPECT_EQ(land().blnLocked, c.locked);
    EXPECT_EQ(runtime().reportedErrors().size(), 0u);
}

void startFollow(GameTest& t) { t.land().lblStart.raiseClick(); }
void startTag(GameTest& t)
{
    t.land().lblGame[1].raiseClick();
    t.land().lblStart.raiseClick();
}
void followAnswer(GameTest& t) { t.playFollowPattern({2, 3}); }
void missTheQuarry(GameTest& t) { t.clickLight(t.quarryLight() == 1 ? 2 : 1); }

INSTANTIATE_TEST_SUITE_P(
    Events, SteeringTableTest,
    ::testing::Values(
        SteeringCase{"WindowLoads", [](GameTest&) {}, "11111", -1, True},
        SteeringCase{"ModeChosenInReady", [](GameTest& t) { t.land().lblGame[1].raiseClick(); }, "11111", -1, True},
        SteeringCase{"FollowStart", startFollow, "00000", 1500, True},
        SteeringCase{"FollowTickDuringPlayback",
                     [](GameTest& t) {
                         startFollow(t);
                         t.platform->runNextTick();
                     },
                     "00000", 1500, True},
        SteeringCase{"FollowPatternFullyShown", followAnswer, "11111", -1, False},
        SteeringCase{"FollowRightEntry",
                     [](GameTest& t) {
                         followAnswer(t);
                         t.clickLight(2);
                     },
                     "11111", -1, False},
        SteeringCase{"FollowWrongEntry",
                     [](GameTest& t) {
                         followAnswer(t);
                         t.clickLight(3);
                     },
                     "00000", 1500, True},
        SteeringCase{"FollowPatternRepeated",
                     [](GameTest& t) {
                         followAnswer(t);
                         t.clickLight(2);
                         t.clickLight(3);
                     },
                     "00000", 1500, True},
        SteeringCase{"FollowStartOverDuringTheAnswer",
                     [](GameTest& t) {
                         followAnswer(t);
                         t.land().lblSO.raiseClick();
                     },
                     "00000", 1500, True},
        SteeringCase{"ModeChosenDuringTheFollowAnswer",
                     [](GameTest& t) {
                         followAnswer(t);
                         t.land().lblGame[1].raiseClick();
                     },
                     "11111", -1, False},
        SteeringCase{"TagStart", startTag, "00010", 2001, False},
        SteeringCase{"TagFirstMove", [](GameTest& t) { t.startTagChase(); }, "00010", 1981, False},
        SteeringCase{"TagHit",
                     [](GameTest& t) {
                         t.startTagChase();
                         t.clickLight(t.quarryLight());
                     },
                     "00010", 1981, False},
        SteeringCase{"TagMoveAfterAHit",
                     [](GameTest& t) {
                         t.startTagChase();
                         t.clickLight(t.quarryLight());
                         t.platform->runNextTick();
                     },
                     "00010", 1961, False},
        SteeringCase{"TagStartOverDuringTheChase",
                     [](GameTest& t) {
                         t.startTagChase();
                         t.land().lblSO.raiseClick();
                     },
                     "00010", 2001, False},
        SteeringCase{"TagQuarryMovesOnWithoutAHit", [](GameTest& t) { t.playTagToTheEnd(); }, "11111", -1, False},
        SteeringCase{"TagMiss",
                     [](GameTest& t) {
                         t.startTagChase();
                         missTheQuarry(t);
                     },
                     "11111", -1, False},
        SteeringCase{"ModeChosenAfterATagGame",
                     [](GameTest& t) {
                         t.playTagToTheEnd();
                         t.land().lblGame[0].raiseClick();
                     },
                     "11111", -1, False}),
    caseName<SteeringCase>);

} // namespace
