#include "FakePlatform.h"
#include "platform/ErrorTrap.h"
#include "platform/Int16.h"
#include "platform/IntArray.h"
#include "platform/Random.h"
#include "platform/RuntimeError.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;
using doubles::FakePlatform;

namespace {

// A window with one timer and one button, for exercising the runtime itself.
class TestForm : public Form {
public:
    explicit TestForm(Runtime& runtime)
        : Form(runtime, "frmTest"), timer(*this, "tmr"), button(*this, ControlKind::CommandButton, "cmd")
    {}
    void Form_Load() override { ++loads; }
    Timer timer;
    Control button;
    int loads = 0;

protected:
    void layout() override
    {
        style().clientWidth = 3000;
        style().clientHeight = 2000;
        timer.setEnabled(true);
        timer.setInterval(0);
        button.setEnabled(true);
    }
};

class RuntimeTest : public ::testing::Test {
protected:
    FakePlatform platform;
    Runtime runtime{platform};
    TestForm form{runtime};
    std::vector<std::int64_t> ticks;

    void SetUp() override
    {
        form.timer.onTimer = [this] { ticks.push_back(platform.clock().nowUs()); };
        form.show();
    }
};

TEST(Int16Test, arithmeticStopsAtTheSixteenBitLimitsInsteadOfWrapping)
{
    Int16 top = 32767;
    EXPECT_THROW(top = top + 1, OverflowError);
    EXPECT_EQ(top, 32767) << "nothing is stored when the result overflows";
    Int16 bottom = -32768;
    EXPECT_THROW(bottom = bottom - 1, OverflowError);
    EXPECT_EQ(Int16(32766) + 1, 32767);
    EXPECT_THROW(Int16{40000}, OverflowError);
}

TEST(IntArrayTest, boundsAreCheckedAndRedimClearsEveryElement)
{
    IntArray a;
    EXPECT_FALSE(a.dimensioned());
    EXPECT_THROW(a(1), RuntimeError);
    a.redim(3);
    a(1) = 4;
    a(3) = 2;
    EXPECT_THROW(a(0), RuntimeError);
    EXPECT_THROW(a(4), RuntimeError);
    a.redim(4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(a(i), 0);
    EXPECT_EQ(a.lowerBound(), 1);
    EXPECT_EQ(a.upperBound(), 4);
}

TEST(RandomTest, drawsAreInUnitIntervalAndMapOntoFourLights)
{
    EXPECT_EQ(drawToLight(0.0f), 1);
    EXPECT_EQ(drawToLight(0.25f), 2);
    EXPECT_EQ(drawToLight(0.7499999f), 3);
    // In single precision r * 4 + 1 rounds up to 5 for the largest draw below 1.
    EXPECT_EQ(drawToLight(std::nextafter(1.0f, 0.0f)), 4);
    Random random(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
    Random a(99), b(99);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.next(), b.next()) << "the same seed replays the same draws";
}

TEST(PictureTest, handlesAreSharedByCopiesAndZeroForNoPicture)
{
    const Picture none;
    EXPECT_EQ(none.handle(), 0u);
    const Picture quarry = Picture::create(":/art/quarry.svg", 92, 92);
    const Picture same = quarry;
    const Picture other = Picture::create(":/art/quarry.svg", 92, 92);
    EXPECT_NE(quarry.handle(), 0u);
    EXPECT_EQ(same.handle(), quarry.handle());
    EXPECT_NE(other.handle(), quarry.handle()) << "a second object of the same picture is another picture";
}

TEST(CaptionTest, accessKeyMarksAreDroppedAndTheFirstKeyIsFound)
{
    int key = 0;
    EXPECT_EQ(plainCaption("&Address:", &key), "Address:");
    EXPECT_EQ(key, 0);
    EXPECT_EQ(plainCaption("Salt && &Pepper &Mill", &key), "Salt & Pepper Mill");
    EXPECT_EQ(key, 7) << "the first mark is the key; a doubled ampersand is none";
    EXPECT_EQ(plainCaption("Luke 13:3&&5 &", &key), "Luke 13:3&5 &") << "a closing ampersand shows";
    EXPECT_EQ(key, -1);
    EXPECT_EQ(plainCaption("\xC2\xA9 &\xC3\xA9t\xC3\xA9", &key), "\xC2\xA9 \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(key, 3) << "the key is a byte offset";
}

TEST(CaptionTest, accessibleNameIsTheCaptionsWordsOrTheLayoutsName)
{
    FakePlatform platform;
    Runtime runtime{platform};
    TestForm form{runtime};
    form.button.setCaption("  &Start  Over\r\n");
    EXPECT_EQ(form.button.accessibleName(), "Start  Over");
    form.button.style().accessibleName = "Begin";
    EXPECT_EQ(form.button.accessibleName(), "Begin");
}

TEST(ResumeNextTest, aFailingStepIsAbandonedAndTheNextRuns)
{
    int steps = 0;
    resumeNext([&] { throw RuntimeError(errors::invalidCall, "bad"); });
    resumeNext([&] { ++steps; });
    EXPECT_EQ(steps, 1);
    EXPECT_THROW(resumeNext([] { throw ProgramEnded{}; }), ProgramEnded);
}

TEST_F(RuntimeTest, anIntervalOfZeroNeverTicks)
{
    platform.advanceMs(60'000);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(RuntimeTest, timerTicksPeriodicallyExactlyOnTime)
{
    form.timer.setInterval(2001);
    platform.advanceMs(6003);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{2'001'000, 4'002'000, 6'003'000}));
}

TEST_F(RuntimeTest, settingTheIntervalStartsTheCountAfresh)
{
    form.timer.setInterval(1000);
    platform.advanceMs(700);
    form.timer.setInterval(1000);
    platform.advanceMs(999);
    EXPECT_TRUE(ticks.empty());
    platform.advanceMs(1);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1'700'000}));
}

TEST_F(RuntimeTest, disablingStopsTicksAndReEnablingCountsAFullInterval)
{
    form.timer.setInterval(500);
    platform.advanceMs(300);
    form.timer.setEnabled(false);
    platform.advanceMs(1000);
    EXPECT_TRUE(ticks.empty());
    form.timer.setEnabled(true);
    platform.advanceMs(500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1'800'000}));
    form.timer.setEnabled(true); // already on: the count goes on
    platform.advanceMs(500);
    EXPECT_EQ(ticks.size(), 2u);
}

TEST_F(RuntimeTest, tickDuringAHandlerWaitsUntilTheHandlerEnds)
{
    form.timer.setInterval(10);
    std::vector<std::string> order;
    form.timer.onTimer = [&] { order.push_back("tick"); };
    form.button.onClick = [&] {
        order.push_back("click begins");
        runtime.msgBox("text", "title");
        order.push_back("click ends");
    };
    platform.whileBoxOpen.push_back([&] { platform.advanceMs(35); });
    form.button.raiseClick();
    // Three ticks fell due while the box was open; they arrive as one, after the handler.
    EXPECT_EQ(order, (std::vector<std::string>{"click begins", "click ends", "tick"}));
}

TEST_F(RuntimeTest, inputWhileAModalBoxIsOpenIsDropped)
{
    int clicks = 0;
    form.button.onClick = [&] {
        ++clicks;
        runtime.msgBox("text", "title");
    };
    platform.whileBoxOpen.push_back([&] { form.button.raiseClick(); });
    form.button.raiseClick();
    EXPECT_EQ(clicks, 1);
}

TEST_F(RuntimeTest, disabledOrHiddenControlsTakeNoInput)
{
    int clicks = 0;
    form.button.onClick = [&] { ++clicks; };
    form.button.setEnabled(false);
    form.button.raiseClick();
    form.button.setEnabled(true);
    form.button.setVisible(false);
    form.button.raiseClick();
    EXPECT_EQ(clicks, 0);
}

TEST_F(RuntimeTest, untrappedErrorIsReportedThenTheProgramEnds)
{
    int after = 0;
    form.button.onClick = [&] {
        Int16 level = 32767;
        level = level + 1;
        ++after;
    };
    form.button.raiseClick();
    EXPECT_EQ(after, 0) << "the handler goes no further";
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].title, "Glimmerkin");
    EXPECT_NE(platform.messageBoxes[0].text.find("Overflow"), std::string::npos);
    EXPECT_EQ(runtime.reportedErrors().size(), 1u);
    EXPECT_TRUE(runtime.ended());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(platform.armedTimers(), 0);
}

TEST_F(RuntimeTest, endingWhileABoxIsOpenStopsTheHandlerThatOpenedIt)
{
    bool resumed = false;
    form.button.onClick = [&] {
        runtime.msgBox("text", "title");
        resumed = true;
    };
    platform.whileBoxOpen.push_back([&] { runtime.end(); });
    form.button.raiseClick();
    EXPECT_FALSE(resumed);
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(platform.quitCount, 1);
}

TEST_F(RuntimeTest, unloadingTheLastWindowEndsTheProgramAndStopsItsTimers)
{
    form.timer.setInterval(100);
    form.unload();
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(platform.armedTimers(), 0);
    platform.advanceMs(1000);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(RuntimeTest, showingALoadedWindowDoesNotLoadItAgain)
{
    form.show();
    form.show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(platform.window(form).shows, 3);
}

} // namespace
