#include "GameFixture.h"

using namespace doubles;
using platform::colors::ButtonText;
using platform::colors::Red;

namespace {

class StartupTest : public ProgramFixture {};

TEST_F(StartupTest, splashRequestsItsPageAtOnceAndOpensTheGameAfterFiveSeconds)
{
    EXPECT_TRUE(splash().isLoaded());
    EXPECT_EQ(platform->window(splash()).shows, 1);
    ASSERT_EQ(platform->navigationsOf("frmSplash.wbSplash").size(), 1u);
    EXPECT_EQ(platform->navigationsOf("frmSplash.wbSplash")[0].address, "/opt/glimmerkin\\Splash.htm");
    EXPECT_EQ(platform->navigationsOf("frmSplash.wbSplash")[0].atUs, 0);
    EXPECT_EQ(platform->nextTickUs(splash().tmrSplash), 5'000'000);

    platform->advanceToUs(4'999'999);
    EXPECT_FALSE(program->landCreated());
    EXPECT_TRUE(splash().isLoaded());

    platform->advanceToUs(5'000'000);
    ASSERT_TRUE(program->landCreated());
    EXPECT_TRUE(land().isLoaded());
    EXPECT_EQ(platform->window(land()).shows, 1);
    EXPECT_FALSE(splash().isLoaded());
    EXPECT_EQ(platform->quitCount, 0);
}

TEST_F(StartupTest, splashTicksOnceAndTheGameWindowIsShownOnce)
{
    platform->advanceMs(60'000);
    EXPECT_EQ(platform->window(land()).shows, 1);
    EXPECT_EQ(platform->nextTickUs(splash().tmrSplash), -1);
    EXPECT_EQ(platform->navigationsOf("frmSplash.wbSplash").size(), 1u);
}

TEST_F(StartupTest, gameWindowLoadsCompletelyWhileTheSplashIsStillOpen)
{
    platform->advanceMs(5000);
    ASSERT_EQ(platform->shows.size(), 2u);
    EXPECT_EQ(platform->shows[1].window, "frmLand");
    EXPECT_EQ(platform->shows[1].loaded, (std::vector<std::string>{"frmSplash", "frmLand"}));
    EXPECT_EQ(land().intLevel, 1) << "Form_Load ran before the show";
}

TEST_F(StartupTest, closingTheSplashBeforeItsTickEndsTheProgramWithoutAGameWindow)
{
    platform->advanceMs(2500);
    splash().requestClose(platform::CloseReason::CloseBox);
    EXPECT_FALSE(splash().isLoaded());
    EXPECT_TRUE(runtime().ended());
    EXPECT_EQ(platform->quitCount, 1);
    platform->advanceMs(10'000);
    EXPECT_FALSE(program->landCreated());
    EXPECT_EQ(platform->armedTimers(), 0);
}

class LoadTest : public GameFixture {};

TEST_F(LoadTest, readyStateAfterLoad)
{
    auto& l = land();
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.intStep, 0);
    EXPECT_EQ(l.aintPattern.upperBound(), 1);
    EXPECT_EQ(l.aintEntry.upperBound(), 1);
    EXPECT_EQ(l.aintPattern(1), 0);
    EXPECT_EQ(l.aintEntry(1), 0);
    EXPECT_EQ(l.blnLocked, platform::True);
    EXPECT_EQ(l.blnTagged, platform::False);
    EXPECT_EQ(l.globals().intGameMode, 0);
    EXPECT_EQ(l.lblGame[0].foreColor(), Red);
    EXPECT_EQ(l.lblGame[1].foreColor(), ButtonText);
    EXPECT_EQ(steering(), "11111");
    EXPECT_EQ(platform->nextTickUs(l.tmrLights), -1);
    EXPECT_EQ(l.txtScore.text(), "");
    EXPECT_EQ(l.caption(), "Glimmerkin");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(l.cmdLight[n].backColor(), ui::LandControls::restColor(n));
        EXPECT_TRUE(l.cmdLight[n].picture().isNull());
    }
    EXPECT_FALSE(l.cmdPic.picture().isNull());
    EXPECT_EQ(cueCount(), 0) << "loading the game window plays nothing";
}

TEST_F(LoadTest, lightsAreDeadInReadyAndAfterChoosingModes)
{
    auto& l = land();
    l.lblGame[1].raiseClick();
    l.lblGame[0].raiseClick();
    l.cmdLight[2].raiseMouseDown();
    EXPECT_EQ(l.cmdLight[2].backColor(), 0xFFFF00u) << "a press while locked does not darken";
    l.cmdLight[2].raiseClick();
    l.cmdLight[2].raiseMouseUp();
    EXPECT_TRUE(platform->messageBoxes.empty());
    EXPECT_EQ(l.blnLocked, platform::True);
}

struct ModeCase {
    int first;
    int second;
    platform::Color follow;
    platform::Color tag;
    const char* page;
};

std::string modeCaseName(const ::testing::TestParamInfo<ModeCase>& info)
{
    static const char* const names[] = {"FollowThenTag", "TagThenFollow", "FollowTwice", "TagTwice"};
    return names[info.index];
}

class ModeChoiceTest : public GameFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeChoiceTest, choosingAModeSetsColoursResetsLevelAndPlaysItsCue)
{
    const ModeCase c = GetParam();
    auto& l = land();
    l.intLevel = 9;
    l.txtScore.setText("8");
    l.lblGame[c.first].raiseClick();
    l.intLevel = 9;
    l.txtScore.setText("8");
    l.lblGame[c.second].raiseClick();
    EXPECT_EQ(l.globals().intGameMode, c.second);
    EXPECT_EQ(l.lblGame[0].foreColor(), c.follow);
    EXPECT_EQ(l.lblGame[1].foreColor(), c.tag);
    EXPECT_EQ(l.intLevel, 1);
    EXPECT_EQ(l.txtScore.text(), "");
    EXPECT_EQ(lastCue(), cue(c.page));
    EXPECT_EQ(cueCount(), 2);
    EXPECT_EQ(l.blnLocked, platform::True);
    EXPECT_EQ(steering(), "11111");
    EXPECT_EQ(platform->nextTickUs(l.tmrLights), -1);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeChoiceTest,
                         ::testing::Values(ModeCase{0, 1, ButtonText, Red, "\\tag.htm"},
                                           ModeCase{1, 0, Red, ButtonText, "\\follow.htm"},
                                           ModeCase{0, 0, Red, ButtonText, "\\follow.htm"},
                                           ModeCase{1, 1, ButtonText, Red, "\\tag.htm"}),
                         modeCaseName);

TEST_F(LoadTest, helpOpensOneBrowserWindowAndShowsItAgain)
{
    land().cmdHelp.raiseClick();
    ASSERT_TRUE(program->helpCreated());
    EXPECT_TRUE(help().isLoaded());
    const int shows = platform->window(help()).shows;
    land().cmdHelp.raiseClick();
    EXPECT_GT(platform->window(help()).shows, shows);
    EXPECT_EQ(platform->navigationsOf("frmBrowser.brwWebBrowser").size(), 1u) << "no second load";
    help().requestClose(platform::CloseReason::CloseBox);
    EXPECT_FALSE(help().isLoaded());
    EXPECT_FALSE(runtime().ended()) << "the help window does not keep or end the program";
    land().cmdHelp.raiseClick();
    EXPECT_TRUE(help().isLoaded());
    EXPECT_EQ(platform->navigationsOf("frmBrowser.brwWebBrowser").size(), 2u) << "opened afresh";
}

} // namespace
