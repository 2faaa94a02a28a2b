#include "GameTest.h"

using namespace gametest;
using platform::MouseButton;

namespace {

// --- Message boxes: the cue comes first, nothing ticks and no input gets through ----------

struct BoxCase {
    std::string name;
    std::function<void(GameTest&)> setUp;
    std::function<void(GameTest&)> trigger;
    int pressedLight; // the light whose click opens the box, 0 for a tick
    const char* page;
    const char* text;
    const char* title;
    std::string steeringInBox;
    std::string steeringAfter;
    int nextTickMsAfter;
};

class MessageBoxTest : public GameTest, public ::testing::WithParamInterface<BoxCase> {};

// What a box must leave alone while it is open.
struct Snapshot {
    int quarry;
    int step;
    int level;
    std::string score;
    std::string steering;
    int cues;
    int boxes;
    bool operator==(const Snapshot&) const = default;
};

TEST_P(MessageBoxTest, cueFirstThenAModalBoxDuringWhichNothingHappens)
{
    const BoxCase& c = GetParam();
    auto& l = land();
    c.setUp(*this);
    const int cuesBefore = cueCount();

    auto snapshot = [&] {
        return Snapshot{quarryLight(), l.intStep, l.intLevel, l.txtScore.text(), steering(), cueCount(), boxes()};
    };
    bool opened = false;
    whileNextBox([&] {
        opened = true;
        EXPECT_EQ(cueCount(), cuesBefore + 1) << "the cue is requested before the box opens";
        EXPECT_EQ(lastCue(), cue(c.page));
        EXPECT_EQ(usToNextTick(), -1) << "the timer is stopped while the box is open";
        EXPECT_EQ(steering(), c.steeringInBox);
        if (c.pressedLight != 0) {
            EXPECT_EQ(l.cmdLight[c.pressedLight].backColor(), platform::colors::Black)
                << "the release waits for the judgement";
        }
        const Snapshot before = snapshot();
        for (int n = 1; n <= 4; ++n)
            clickLight(n);
        for (platform::Control* steer : {&l.lblGame[0], &l.lblGame[1], &l.lblStart, &l.lblSO, &l.cmdHelp})
            steer->raiseClick();
        platform->advanceMs(10'000);
        EXPECT_EQ(snapshot(), before) << "no input and no tick while the box is open";
        EXPECT_FALSE(program->helpCreated());
    });
    c.trigger(*this);
    ASSERT_TRUE(opened);
    const doubles::MessageBoxRecord box = platform->messageBoxes.back();
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(steering(), c.steeringAfter);
    // A start after the box counts its interval from the moment the box closed.
    EXPECT_EQ(usToNextTick(), c.nextTickMsAfter < 0 ? -1 : c.nextTickMsAfter * 1000LL);
    if (c.pressedLight != 0) {
        EXPECT_EQ(l.cmdLight[c.pressedLight].backColor(), ui::LandControls::restColor(c.pressedLight));
    }
    EXPECT_EQ(runtime().reportedErrors().size(), 0u);
}

void playThreeOneFour(GameTest& t) { t.playFollowPattern({3, 1, 4}); }

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxTest,
    ::testing::Values(BoxCase{"TagQuarryGotAway", [](GameTest& t) { t.startTagChase(); },
                              [](GameTest& t) { t.platform->runNextTick(); }, 0, "\\Away.htm", tagOverText, "Got Away",
                              "00010", "11111", -1},
                      BoxCase{"TagMiss", [](GameTest& t) { t.startTagChase(); },
                              [](GameTest& t) { t.clickLight(t.quarryLight() == 2 ? 3 : 2); }, 0, "\\Away.htm",
                              tagOverText, "Got Away", "00010", "11111", -1},
                      BoxCase{"FollowWrongLight", playThreeOneFour,
                              [](GameTest& t) {
                                  t.clickLight(3);
                                  t.clickLight(2);
                              },
                              2, "\\Away.htm", followWrongText, "Got Away", "11111", "00000", 1500},
                      BoxCase{"FollowPatternCaught", playThreeOneFour,
                              [](GameTest& t) {
                                  t.clickLight(3);
                                  t.clickLight(1);
                                  t.clickLight(4);
                              },
                              4, "\\Caught.htm", followCaughtText, "Great Job!", "11111", "00000", 1500}),
    caseName<BoxCase>);

// --- Presses and releases answer to every mouse button -------------------------------------

struct ButtonCase {
    std::string name;
    MouseButton button;
};

class MouseButtonTest : public GameTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(MouseButtonTest, anyButtonDarkensALiveLightAndItsReleaseRestoresIt)
{
    auto& l = land();
    playFollowPattern({1, 2});
    for (int n = 1; n <= 4; ++n) {
        l.cmdLight[n].raiseMouseDown(GetParam().button);
        EXPECT_EQ(l.cmdLight[n].backColor(), platform::colors::Black) << n;
        l.cmdLight[n].raiseMouseUp(GetParam().button);
        EXPECT_EQ(l.cmdLight[n].backColor(), ui::LandControls::restColor(n)) << n;
    }
    EXPECT_EQ(l.intStep, 1) << "a press and release without a click is no entry";
    EXPECT_EQ(boxes(), 0);
}

TEST_P(MouseButtonTest, noButtonDarkensALockedLight)
{
    auto& l = land();
    l.cmdLight[4].raiseMouseDown(GetParam().button);
    EXPECT_EQ(l.cmdLight[4].backColor(), ui::LandControls::restColor(4));
    l.cmdLight[4].raiseMouseUp(GetParam().button);
    EXPECT_EQ(l.cmdLight[4].backColor(), ui::LandControls::restColor(4));
}

INSTANTIATE_TEST_SUITE_P(Buttons, MouseButtonTest,
                         ::testing::Values(ButtonCase{"Left", MouseButton::Left},
                                           ButtonCase{"Right", MouseButton::Right},
                                           ButtonCase{"Middle", MouseButton::Middle}),
                         caseName<ButtonCase>);

} // namespace
