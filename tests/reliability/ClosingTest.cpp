// Closing at any moment: whatever the game is doing, closing the game window (or
// the splash before its tick) ends the program cleanly: every window unloaded, no
// timer armed, the event loop told to quit once, and no handler going on after a
// message box it had open.

#include "GameFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace doubles;
using platform::CloseReason;

namespace {

const CloseReason allReasons[] = {CloseReason::CloseBox, CloseReason::Code, CloseReason::SessionEnd,
                                  CloseReason::TaskManager};

class Closing : public GameFixture {
protected:
    // The program has ended and nothing of it is left running; an hour later
    // nothing has happened and input goes nowhere.
    void expectCleanEnd()
    {
        EXPECT_TRUE(runtime().ended());
        EXPECT_TRUE(runtime().loadedForms().empty());
        EXPECT_FALSE(splash().isLoaded());
        EXPECT_FALSE(land().isLoaded());
        if (program->helpCreated()) {
            EXPECT_FALSE(help().isLoaded());
        }
        EXPECT_EQ(platform->armedTimers(), 0);
        EXPECT_EQ(platform->quitCount, 1);
        EXPECT_TRUE(runtime().reportedErrors().empty());
        EXPECT_FALSE(runtime().inHandler());

        const auto pages = platform->navigations.size();
        const auto boxes = platform->messageBoxes.size();
        const std::string score = land().txtScore.text();
        platform->advanceMs(3'600'000);
        mouseClick(land().cmdLight[1]);
        land().lblStart.raiseClick();
        land().lblSO.raiseClick();
        land().cmdHelp.raiseClick();
        platform->advanceMs(60'000);
        EXPECT_EQ(platform->navigations.size(), pages);
        EXPECT_EQ(platform->messageBoxes.size(), boxes);
        EXPECT_EQ(land().txtScore.text(), score);
        EXPECT_EQ(platform->armedTimers(), 0);
    }

    // The light that holds the quarry, 0 if none.
    int quarry()
    {
        for (int n = 1; n <= 4; ++n)
            if (!land().cmdLight[n].picture().isNull())
                return n;
        return 0;
    }
    int otherThan(int light) { return light == 1 ? 2 : 1; }
};

// --- the splash -----------------------------------------------------------------

class ClosingSplash : public ProgramFixture, public testing::WithParamInterface<std::int64_t> {};

TEST_P(ClosingSplash, beforeItsTickEndsTheProgramWithoutAGameWindow)
{
    platform->advanceToUs(GetParam());
    splash().requestClose(CloseReason::CloseBox);
    EXPECT_TRUE(runtime().ended());
    EXPECT_TRUE(runtime().loadedForms().empty());
    EXPECT_EQ(platform->armedTimers(), 0);
    EXPECT_EQ(platform->quitCount, 1);
    platform->advanceMs(60'000);
    EXPECT_FALSE(program->landCreated()) << "the game window never opens";
    EXPECT_TRUE(platform->navigationsOf("frmLand.wbSounds").empty());
}

INSTANTIATE_TEST_SUITE_P(Moments, ClosingSplash, testing::Values(0, 1, 2'500'000, 4'999'999));

TEST_F(Closing, theSplashAfterItsTickIsGoneAndTheGameGoesOn)
{
    // The fixture has passed the tick: a late close of the splash finds nothing.
    splash().requestClose(CloseReason::CloseBox);
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(land().isLoaded());
    land().lblGame[1].raiseClick();
    land().lblStart.raiseClick();
    EXPECT_NE(platform->nextTickUs(land().tmrLights), -1);
    land().requestClose(CloseReason::CloseBox);
    expectCleanEnd();
}

// --- the game window at any point of a game ----------------------------------------

struct Moment {
    const char* name;
    std::function<void(Closing&)> reach;
};

class ClosingGame : public Closing, public testing::WithParamInterface<std::tuple<Moment, CloseReason>> {
public:
    using Closing::land;
    using Closing::platform;
    using Closing::playFollowPattern;
    using Closing::program;
    using Closing::startTagChase;
};

TEST_P(ClosingGame, endsTheProgramCleanly)
{
    const auto& [moment, reason] = GetParam();
    moment.reach(*this);
    ASSERT_FALSE(runtime().ended());
    land().requestClose(reason);
    expectCleanEnd();
}

const Moment moments[] = {
    {"Ready", [](Closing&) {}},
    {"FollowPlaybackWithTheQuarryShowing",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.land().intLevel = 3;
         c.land().aintPattern.redim(3);
         c.land().aintEntry.redim(3);
         c.land().lblStart.raiseClick();
         c.platform->advanceMs(3000);
     }},
    {"FollowAnswer",
     [](Closing& t) {
         static_cast<ClosingGame&>(t).playFollowPattern({2, 4, 1});
     }},
    {"FollowAnswerHalfWay",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.playFollowPattern({2, 4, 1});
         mouseClick(c.land().cmdLight[2]);
     }},
    {"TagChaseWithTheQuarryUp", [](Closing& t) { static_cast<ClosingGame&>(t).startTagChase(); }},
    {"TagChaseBeforeTheFirstTick",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.land().lblGame[1].raiseClick();
         c.land().lblStart.raiseClick();
         c.platform->advanceMs(2000);
     }},
    {"TagChaseWithALightHeldDown",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.startTagChase();
         c.land().cmdLight[3].raiseMouseDown();
     }},
    {"TagOver",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.startTagChase();
         c.platform->advanceMs(2000);
     }},
    {"HelpWindowOpenAndLoading",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.land().cmdHelp.raiseClick();
         c.platform->advanceMs(20);
         ASSERT_NE(c.platform->nextTickUs(c.program->help().timTimer), -1);
     }},
    {"HelpWindowOpenDuringAChase",
     [](Closing& t) {
         auto& c = static_cast<ClosingGame&>(t);
         c.land().cmdHelp.raiseClick();
         c.platform->completeLoad(c.program->help().brwWebBrowser, "Game Instructions");
         c.startTagChase();
     }},
};

std::string momentName(const testing::TestParamInfo<std::tuple<Moment, CloseReason>>& info)
{
    static const char* const reasons[] = {"CloseBox", "Code", "SessionEnd", "TaskManager"};
    return std::string(std::get<0>(info.param).name) + "_" + reasons[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Moments, ClosingGame,
                         testing::Combine(testing::ValuesIn(moments), testing::ValuesIn(allReasons)), momentName);

// --- with a message box open ------------------------------------------------------

TEST_F(Closing, duringTheFollowWrongBoxNoNewPatternStarts)
{
    playFollowPattern({3, 1});
    const auto pages = platform->navigations.size();
    platform->whileBoxOpen.push_back([this] { land().requestClose(CloseReason::CloseBox); });
    mouseClick(land().cmdLight[2]);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].title, "Got Away");
    EXPECT_EQ(platform->navigations.size(), pages + 1) << "only the Away page, no music of a new start";
    EXPECT_EQ(land().blnLocked, platform::False) << "the start routine did not run";
    EXPECT_TRUE(land().lblStart.enabled());
    expectCleanEnd();
}

TEST_F(Closing, duringTheCaughtBoxTheLevelDoesNotRise)
{
    playFollowPattern({3, 1});
    platform->whileBoxOpen.push_back([this] { land().requestClose(CloseReason::SessionEnd); });
    mouseClick(land().cmdLight[3]);
    mouseClick(land().cmdLight[1]);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].title, "Great Job!");
    EXPECT_EQ(land().txtScore.text(), "2");
    EXPECT_EQ(land().intLevel, 2) << "nothing after the box ran";
    EXPECT_EQ(land().aintPattern.upperBound(), 2);
    expectCleanEnd();
}

TEST_F(Closing, duringTheBoxOfAMissTheControlsStayDisabled)
{
    startTagChase();
    const int q = quarry();
    ASSERT_NE(q, 0);
    platform->whileBoxOpen.push_back([this] { land().requestClose(CloseReason::TaskManager); });
    mouseClick(land().cmdLight[otherThan(q)]);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_FALSE(land().lblStart.enabled()) << "the handler went on after the box";
    EXPECT_FALSE(land().cmdHelp.enabled());
    expectCleanEnd();
}

TEST_F(Closing, duringTheBoxOfTheQuarryGettingAwayTheControlsStayDisabled)
{
    startTagChase();
    platform->whileBoxOpen.push_back([this] { land().requestClose(CloseReason::CloseBox); });
    platform->advanceMs(2000);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_FALSE(land().lblGame[0].enabled());
    expectCleanEnd();
}

TEST_F(Closing, duringABoxWithTheHelpWindowLoadingClosesBoth)
{
    land().cmdHelp.raiseClick();
    startTagChase();
    ASSERT_EQ(help().caption(), "Working...");
    platform->whileBoxOpen.push_back([this] {
        // The page finishes and the busy poll falls due, both held back by the box.
        platform->completeLoad(help().brwWebBrowser, "Game Instructions");
        platform->advanceMs(50);
        land().requestClose(CloseReason::CloseBox);
    });
    mouseClick(land().cmdLight[otherThan(quarry())]);
    EXPECT_EQ(help().caption(), "Working...") << "a help handler ran while the box was open or after the end";
    expectCleanEnd();
}

TEST_F(Closing, theHelpWindowDuringABoxLeavesTheGameToFinishItsHandler)
{
    land().cmdHelp.raiseClick();
    startTagChase();
    platform->whileBoxOpen.push_back([this] { help().requestClose(CloseReason::CloseBox); });
    mouseClick(land().cmdLight[otherThan(quarry())]);
    EXPECT_FALSE(help().isLoaded());
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(land().lblStart.enabled()) << "the handler finished after the box";
    EXPECT_EQ(platform->nextTickUs(help().timTimer), -1);
    land().requestClose(CloseReason::CloseBox);
    expectCleanEnd();
}

TEST_F(Closing, theHelpWindowWhileLoadingStopsItsPollAndTheGameGoesOn)
{
    land().cmdHelp.raiseClick();
    platform->advanceMs(12);
    EXPECT_EQ(help().caption(), "Working...");
    help().requestClose(CloseReason::CloseBox);
    EXPECT_EQ(platform->nextTickUs(help().timTimer), -1);
    EXPECT_FALSE(runtime().ended());
    startTagChase();
    EXPECT_NE(quarry(), 0);
    land().requestClose(CloseReason::CloseBox);
    expectCleanEnd();
}

} // namespace
