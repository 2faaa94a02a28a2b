// Keys through the test side of the platform layer: a key clicks its control as the
// mouse does, the game window's keys, and the help window's browser keys.
#include "GameTest.h"

#include "platform/Keyboard.h"

using namespace gametest;
using doubles::KeyOptions;
using doubles::pressKey;
using doubles::releaseKey;
using doubles::tapKey;
using platform::Control;
using platform::ControlKind;
using platform::MouseButton;
namespace keys = platform::keys;

namespace {

// --- Keys that click controls ----------------------------------------------------------

class KeyForm : public platform::Form {
public:
    explicit KeyForm(platform::Runtime& runtime)
        : Form(runtime, "frmKeys"), first(*this, ControlKind::CommandButton, "cmdFirst"),
          second(*this, ControlKind::Label, "lblSecond"), text(*this, ControlKind::TextBox, "txtText")
    {
        for (Control* c : {&first, &second}) {
            const std::string name = c == &first ? "first " : "second ";
            c->onMouseDown = [this, name](MouseButton) { events.push_back(name + "down"); };
            c->onClick = [this, name] {
                events.push_back(name + "click");
                if (boxOnClick)
                    this->runtime().msgBox("Boxed", "Keys");
            };
            c->onMouseUp = [this, name](MouseButton) { events.push_back(name + "up"); };
        }
        keys_.bind(keys::letter('A'), first);
        keys_.bind(keys::Return, first);
        keys_.bind(keys::letter('B'), second);
    }
    bool Form_KeyDown(const platform::KeyEvent& key, const Control* focus) override
    {
        return keys_.keyDown(key, focus);
    }
    bool Form_KeyUp(const platform::KeyEvent& key, const Control* focus) override { return keys_.keyUp(key, focus); }
    void Form_KeyboardLost() override { keys_.keyboardLost(); }

    Control first;
    Control second;
    Control text;
    std::vector<std::string> events;
    bool boxOnClick = false;
    platform::KeyClicks keys_;

protected:
    void layout() override {}
};

class KeyClicksTest : public ::testing::Test {
protected:
    void SetUp() override { form.show(); }
    doubles::FakePlatform platform;
    platform::Runtime runtime{platform};
    KeyForm form{runtime};
    using Events = std::vector<std::string>;
};

TEST_F(KeyClicksTest, pressIsTheMouseDownAndTheReleaseTheClickThenTheMouseUpAfterItsBox)
{
    form.boxOnClick = true;
    platform.whileBoxOpen.push_back([&] {
        form.events.push_back("box");
        EXPECT_TRUE(releaseKey(form, keys::letter('A'))) << "the box's own keys reach no control";
        EXPECT_TRUE(pressKey(form, keys::letter('B')));
    });
    EXPECT_TRUE(pressKey(form, keys::letter('A')));
    EXPECT_EQ(form.events, Events{"first down"});
    EXPECT_TRUE(form.first.pressed());
    EXPECT_TRUE(releaseKey(form, keys::letter('A')));
    EXPECT_EQ(form.events, (Events{"first down", "first click", "box", "first up"}));
    EXPECT_FALSE(form.first.pressed());
}

TEST_F(KeyClicksTest, oneKeyAtATimeAndRepeatsOfAHeldKeyAreIgnored)
{
    pressKey(form, keys::letter('A'));
    pressKey(form, keys::letter('A'), {.autoRepeat = true});
    releaseKey(form, keys::letter('A'), {.autoRepeat = true});
    EXPECT_TRUE(pressKey(form, keys::letter('B'))) << "a second key is used up, and ignored";
    pressKey(form, keys::Return);
    releaseKey(form, keys::Return);
    releaseKey(form, keys::letter('B'));
    EXPECT_EQ(form.events, Events{"first down"});
    releaseKey(form, keys::letter('A'));
    tapKey(form, keys::letter('B'));
    EXPECT_EQ(form.events,
              (Events{"first down", "first click", "first up", "second down", "second click", "second up"}));
}

TEST_F(KeyClicksTest, keysThatAreNotBoundOrCarryCtrlOrAltAreLeftToTheFocusedControl)
{
    EXPECT_FALSE(pressKey(form, keys::letter('C')));
    EXPECT_FALSE(pressKey(form, keys::letter('A'), {.shift = keys::CtrlMask}));
    EXPECT_FALSE(pressKey(form, keys::letter('A'), {.shift = keys::AltMask}));
    EXPECT_TRUE(form.events.empty());
    tapKey(form, keys::letter('A'), {.shift = keys::ShiftMask});
    EXPECT_EQ(form.events.size(), 3u) << "Shift does not matter";
}

TEST_F(KeyClicksTest, aTextBoxWithTheFocusTakesTheKeysAsTyping)
{
    EXPECT_FALSE(pressKey(form, keys::letter('A'), {.focus = &form.text}));
    EXPECT_FALSE(releaseKey(form, keys::letter('A'), {.focus = &form.text}));
    EXPECT_TRUE(form.events.empty());
    // Focus elsewhere, the keys click again; a held key's release goes to its control
    // wherever the focus has gone in between.
    EXPECT_TRUE(pressKey(form, keys::letter('A'), {.focus = &form.second}));
    EXPECT_TRUE(releaseKey(form, keys::letter('A'), {.focus = &form.text}));
    EXPECT_EQ(form.events, (Events{"first down", "first click", "first up"}));
}

TEST_F(KeyClicksTest, aControlThatTakesNoInputIgnoresItsKey)
{
    form.first.setEnabled(false);
    EXPECT_TRUE(pressKey(form, keys::letter('A')));
    releaseKey(form, keys::letter('A'));
    form.first.setEnabled(true);
    form.first.setVisible(false);
    tapKey(form, keys::letter('A'));
    EXPECT_TRUE(form.events.empty());
    // Nothing is held after an ignored key: another key works at once.
    tapKey(form, keys::letter('B'));
    EXPECT_EQ(form.events.size(), 3u);
}

TEST_F(KeyClicksTest, losingTheKeyboardReleasesTheHeldControlWithoutAClick)
{
    pressKey(form, keys::letter('A'));
    form.raiseKeyboardLost();
    EXPECT_FALSE(form.first.pressed());
    releaseKey(form, keys::letter('A')); // the late release of a key no longer held
    EXPECT_EQ(form.events, (Events{"first down", "first up"}));
    tapKey(form, keys::letter('B'));
    EXPECT_EQ(form.events.size(), 5u);
}

TEST_F(KeyClicksTest, aWindowThatIsNotLoadedTakesNoKeys)
{
    form.unload();
    EXPECT_FALSE(pressKey(form, keys::letter('A')));
    EXPECT_TRUE(form.events.empty());
}

// --- The game window ------------------------------------------------------------------------

class GameKeysTest : public GameTest {
protected:
    game::frmLand& l() { return land(); }
    static std::int16_t digit(int n) { return static_cast<std::int16_t>(keys::Digit0 + n); }
    static std::int16_t keypad(int n) { return static_cast<std::int16_t>(keys::Numpad0 + n); }
};

TEST_F(GameKeysTest, lightKeysPlayTheFollowAnswerAsClicksDo)
{
    playFollowPattern({3, 1, 4});
    pressKey(l(), digit(3));
    EXPECT_EQ(l().cmdLight[3].backColor(), platform::colors::Black) << "the press darkens the light";
    EXPECT_EQ(l().intStep, 1) << "the press is no entry";
    releaseKey(l(), digit(3));
    EXPECT_EQ(l().intStep, 2);
    EXPECT_EQ(l().cmdLight[3].backColor(), ui::LandControls::restColor(3));
    tapKey(l(), keypad(1)); // the keypad's digits are the same lights
    whileNextBox([&] {
        EXPECT_EQ(l().cmdLight[4].backColor(), platform::colors::Black) << "the release waits for the judgement";
    });
    pressKey(l(), digit(4));
    releaseKey(l(), digit(4));
    EXPECT_EQ(lastBox().title, "Great Job!");
    EXPECT_EQ(l().txtScore.text(), "3");
    EXPECT_EQ(l().intLevel, 4);
    EXPECT_EQ(usToNextTick(), 1'500'000) << "the start routine ran before the release";
    EXPECT_EQ(l().cmdLight[4].backColor(), ui::LandControls::restColor(4));
}

TEST_F(GameKeysTest, aTagHitCountsBecauseTheReleaseComesAfterTheJudgement)
{
    startTagChase();
    const int quarry = quarryLight();
    ASSERT_NE(quarry, 0);
    tapKey(l(), digit(quarry));
    EXPECT_EQ(l().txtScore.text(), "1");
    EXPECT_EQ(quarryLight(), 0) << "the release took the quarry off";
    EXPECT_EQ(boxes(), 0);
    tapKey(l(), digit(quarry));
    EXPECT_EQ(lastBox().text, tagOverText) << "a second key on the same position misses";
}

TEST_F(GameKeysTest, lockedLightsIgnoreKeysButTheReleaseStillResetsTheLight)
{
    l().intLevel = 2;
    l().aintPattern.redim(2);
    l().aintEntry.redim(2);
    l().lblStart.raiseClick();
    l().aintPattern(1) = 2;
    l().aintPattern(2) = 1;
    platform->advanceMs(1500);
    ASSERT_EQ(quarryLight(), 2);
    pressKey(l(), digit(2));
    EXPECT_EQ(l().cmdLight[2].backColor(), ui::LandControls::restColor(2)) << "a locked light does not darken";
    releaseKey(l(), digit(2));
    EXPECT_EQ(quarryLight(), 0) << "the release took the quarry off early";
    EXPECT_EQ(boxes(), 0);
    EXPECT_EQ(l().intStep, 2) << "no entry was judged; the playback goes on";
}

TEST_F(GameKeysTest, steeringKeysChooseStartAndHelp)
{
    tapKey(l(), keys::letter('T'));
    EXPECT_EQ(l().globals().intGameMode, 1);
    EXPECT_EQ(lastCue(), cue("\\tag.htm"));
    tapKey(l(), keys::letter('F'));
    EXPECT_EQ(l().globals().intGameMode, 0);
    EXPECT_EQ(lastCue(), cue("\\follow.htm"));
    EXPECT_TRUE(l().lblGame[0].checked());
    EXPECT_FALSE(l().lblGame[1].checked());

    for (std::int16_t start : {keys::letter('S'), keys::Return, keys::Space}) {
        l().tmrLights.setEnabled(false);
        for (Control* c : {&l().lblGame[0], &l().lblGame[1], &l().lblStart, &l().lblSO, &l().cmdHelp})
            c->setEnabled(true);
        const int cues = cueCount();
        tapKey(l(), start);
        EXPECT_EQ(lastCue(), cue("\\glkmusic.htm")) << start;
        EXPECT_EQ(cueCount(), cues + 1) << start;
        EXPECT_EQ(steering(), "00000") << start;
    }
    platform->advanceMs(3000); // level 1 played: the answer
    l().txtScore.setText("9");
    tapKey(l(), keys::letter('O'));
    EXPECT_EQ(l().txtScore.text(), "") << "Start Over";
    EXPECT_EQ(steering(), "00000");
    platform->advanceMs(3000);
    tapKey(l(), keys::F1);
    EXPECT_TRUE(program->helpCreated());
    EXPECT_TRUE(help().isLoaded());
}

TEST_F(GameKeysTest, keysOfDisabledCaptionsDoNothing)
{
    startTagChase();
    const std::string score = l().txtScore.text();
    const int cues = cueCount();
    for (std::int16_t key :
         {keys::letter('F'), keys::letter('T'), keys::letter('S'), keys::Return, keys::Space, keys::F1})
        tapKey(l(), key);
    EXPECT_EQ(l().globals().intGameMode, 1);
    EXPECT_EQ(cueCount(), cues);
    EXPECT_FALSE(program->helpCreated());
    // Start Over stays live in a chase and restarts it.
    platform->advanceMs(1000);
    tapKey(l(), keys::letter('O'));
    EXPECT_EQ(usToNextTick(), 2'001'000);
    EXPECT_EQ(lastCue(), cue("\\wmzmusic.htm"));
}

TEST_F(GameKeysTest, aSecondLightKeyWaitsForTheFirstToBeReleased)
{
    playFollowPattern({1, 2});
    pressKey(l(), digit(1));
    pressKey(l(), digit(2));
    EXPECT_EQ(l().cmdLight[2].backColor(), ui::LandControls::restColor(2));
    releaseKey(l(), digit(2));
    EXPECT_EQ(l().intStep, 1) << "the second key judged nothing";
    releaseKey(l(), digit(1));
    EXPECT_EQ(l().intStep, 2);
    tapKey(l(), digit(2));
    EXPECT_EQ(lastBox().title, "Great Job!");
}

TEST_F(GameKeysTest, autoRepeatOfAHeldLightKeyEntersOnce)
{
    playFollowPattern({3, 2, 3});
    pressKey(l(), digit(3));
    for (int i = 0; i < 5; ++i) {
        releaseKey(l(), digit(3), {.autoRepeat = true});
        pressKey(l(), digit(3), {.autoRepeat = true});
    }
    releaseKey(l(), digit(3));
    EXPECT_EQ(l().intStep, 2);
    EXPECT_EQ(boxes(), 0);
}

TEST_F(GameKeysTest, keysTypeIntoTheScoreBoxWhileItHasTheFocus)
{
    playFollowPattern({2});
    const KeyOptions inScore{.focus = &l().txtScore};
    EXPECT_FALSE(pressKey(l(), digit(2), inScore));
    EXPECT_FALSE(releaseKey(l(), digit(2), inScore));
    EXPECT_FALSE(pressKey(l(), keys::letter('S'), inScore));
    EXPECT_EQ(l().cmdLight[2].backColor(), ui::LandControls::restColor(2));
    EXPECT_EQ(boxes(), 0);
    EXPECT_EQ(steering(), "11111");
    // Any other control with the focus, the keys play.
    EXPECT_TRUE(pressKey(l(), digit(2), {.focus = &l().cmdHelp}));
    releaseKey(l(), digit(2));
    EXPECT_EQ(lastBox().title, "Great Job!");
}

TEST_F(GameKeysTest, aLightHeldWhileATickEndsTheChaseCountsForNothingAfterwards)
{
    startTagChase();
    const int other = quarryLight() == 1 ? 2 : 1;
    pressKey(l(), digit(other));
    // The box takes the keyboard; the key's release reaches the box, not the game.
    whileNextBox([&] { l().raiseKeyboardLost(); });
    platform->runNextTick(); // no hit: the quarry got away
    EXPECT_FALSE(l().cmdLight[other].pressed());
    releaseKey(l(), digit(other)); // a late release from the window system
    EXPECT_EQ(boxes(), 1) << "the late release clicked nothing";
    tapKey(l(), keys::letter('S'));
    EXPECT_EQ(lastCue(), cue("\\wmzmusic.htm")) << "the keys work again at once";
}

// --- The help window ---------------------------------------------------------------------------

class HelpKeysTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        land().cmdHelp.raiseClick();
        platform->completeLoad(help().brwWebBrowser, "Game Instructions");
        platform->advanceMs(5);
    }
    doubles::FakeDocument& document() { return platform->document("frmBrowser.brwWebBrowser"); }
    bool polling() { return platform->nextTickUs(help().timTimer) >= 0; }
};

TEST_F(HelpKeysTest, browserKeysRunTheToolbarHandlerWithTheirButtonsKey)
{
    auto& h = help();
    platform->navigations.clear();
    EXPECT_TRUE(pressKey(h, keys::Home, {.shift = keys::AltMask}));
    ASSERT_EQ(platform->navigations.size(), 1u);
    EXPECT_EQ(platform->navigations[0].address, h.StartingAddress);
    EXPECT_TRUE(polling()) << "Home enters the loading state";
    platform->completeLoad(h.brwWebBrowser, "Game Instructions");
    platform->advanceMs(5);
    EXPECT_FALSE(polling());

    EXPECT_TRUE(pressKey(h, keys::Left, {.shift = keys::AltMask}));
    EXPECT_EQ(document().goBackCount, 1);
    EXPECT_TRUE(pressKey(h, keys::Right, {.shift = keys::AltMask}));
    EXPECT_EQ(document().goForwardCount, 1);
    EXPECT_TRUE(pressKey(h, keys::F5));
    EXPECT_EQ(document().refreshCount, 1);
    EXPECT_TRUE(polling());
    platform->advanceMs(5);
    EXPECT_EQ(h.caption(), "Working...");

    EXPECT_TRUE(pressKey(h, keys::Escape));
    EXPECT_EQ(document().stopCount, 1);
    EXPECT_FALSE(polling()) << "Stop returns to idle at once";
    EXPECT_EQ(h.caption(), "Game Instructions");
}

TEST_F(HelpKeysTest, otherKeysAndRepeatsAreLeftAlone)
{
    auto& h = help();
    EXPECT_FALSE(pressKey(h, keys::Left)) << "Left alone moves the caret";
    EXPECT_FALSE(pressKey(h, keys::Home));
    EXPECT_FALSE(pressKey(h, keys::F5, {.shift = keys::CtrlMask}));
    EXPECT_FALSE(pressKey(h, keys::letter('A'), {.shift = keys::AltMask}));
    EXPECT_TRUE(pressKey(h, keys::F5, {.autoRepeat = true}));
    EXPECT_EQ(document().refreshCount, 0);
    EXPECT_EQ(document().goBackCount, 0);
    EXPECT_FALSE(polling());
}

} // namespace
