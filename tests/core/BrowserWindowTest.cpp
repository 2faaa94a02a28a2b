// The help window's handlers through the test side of the platform layer: the
// browser control is a FakeDocument whose loads the tests finish by hand.
#include "GameFixture.h"

#include "ui/Maker.h"

using namespace doubles;

namespace {

constexpr const char* browserControl = "frmBrowser.brwWebBrowser";
const std::string helpPage = "/opt/glimmerkin\\GameInstructions.htm";

class BrowserWindowTest : public GameFixture {
protected:
    // Opens the help window with the Help button and lets its first page finish.
    void openHelp(bool finishLoad = true)
    {
        land().cmdHelp.raiseClick();
        ASSERT_TRUE(help().isLoaded());
        if (finishLoad) {
            platform->completeLoad(help().brwWebBrowser, "Game Instructions");
            platform->advanceMs(5);
        }
    }
    FakeDocument& document() { return platform->document(browserControl); }
    std::vector<std::string> addresses() const
    {
        std::vector<std::string> result;
        for (const Navigation& n : platform->navigationsOf(browserControl))
            result.push_back(n.address);
        return result;
    }
    bool polling() { return platform->nextTickUs(help().timTimer) >= 0; }
    void click(const char* key)
    {
        const auto& buttons = help().tbToolBar.buttons();
        for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
            if (buttons[static_cast<std::size_t>(i)].key == key)
                help().tbToolBar.raiseButtonClick(i);
    }
    void enterAddress(const std::string& text)
    {
        help().cboAddress.setText(text);
        help().cboAddress.raiseKeyPress(platform::keys::Return);
    }
};

TEST_F(BrowserWindowTest, loadShowsTheWindowFirstThenFillsTheAddressBoxAndOpensTheHelpPage)
{
    openHelp(false);
    auto& h = help();
    EXPECT_EQ(platform->window(h).shows, 2) << "once from Form_Load itself, once from the Help button";
    EXPECT_EQ(h.tbToolBar.refreshCount(), 1);
    EXPECT_EQ(h.StartingAddress, helpPage);
    EXPECT_EQ(h.cboAddress.text(), helpPage);
    EXPECT_EQ(h.cboAddress.items(), (std::vector<std::string>{helpPage, ui::maker::webAddress}));
    EXPECT_EQ(h.cboAddress.left(), 50);
    EXPECT_EQ(h.cboAddress.top(), 60 + 255 + 15);
    EXPECT_EQ(addresses(), std::vector<std::string>{helpPage});
    EXPECT_EQ(platform->nextTickUs(h.timTimer) - platform->clock().nowUs(), 5000) << "polls every 5 ms";
    EXPECT_EQ(h.caption(), "");
}

TEST_F(BrowserWindowTest, titleReadsWorkingWhileTheRequestedPageLoadsThenItsName)
{
    openHelp(false);
    platform->advanceMs(5);
    EXPECT_EQ(help().caption(), "Working...");
    platform->advanceMs(50);
    EXPECT_EQ(help().caption(), "Working...");
    EXPECT_TRUE(polling());

    platform->completeLoad(help().brwWebBrowser, "Game Instructions");
    EXPECT_EQ(help().caption(), "Game Instructions") << "DownloadComplete writes the name at once";
    EXPECT_TRUE(polling());
    platform->advanceMs(5);
    EXPECT_FALSE(polling()) << "the first tick that finds the control idle stops the poll";
    EXPECT_EQ(help().caption(), "Game Instructions");
}

TEST_F(BrowserWindowTest, tickBeforeTheControlReportsBusyStopsThePollOnTheOldName)
{
    openHelp();
    enterAddress("/tmp/next.htm");
    document().busy = false;
    platform->advanceMs(5);
    EXPECT_FALSE(polling());
    EXPECT_EQ(help().caption(), "Game Instructions");
    platform->completeLoad(help().brwWebBrowser, "Next");
    EXPECT_EQ(help().caption(), "Next");
}

TEST_F(BrowserWindowTest, stopEndsThePollAtOnceAndNamesThePageOnDisplay)
{
    openHelp();
    enterAddress("www.example.org");
    platform->advanceMs(10);
    ASSERT_EQ(help().caption(), "Working...");
    click("Stop");
    EXPECT_FALSE(polling());
    EXPECT_EQ(document().stopCount, 1);
    EXPECT_EQ(help().caption(), "Game Instructions");
}

TEST_F(BrowserWindowTest, homeOpensTheHelpPageFromAnotherPage)
{
    openHelp();
    enterAddress("/tmp/other.htm");
    platform->completeLoad(help().brwWebBrowser, "Other");
    platform->advanceMs(5);
    ASSERT_FALSE(polling());

    click("Home");
    EXPECT_EQ(addresses().back(), helpPage);
    EXPECT_TRUE(polling());
    platform->advanceMs(5);
    EXPECT_EQ(help().caption(), "Working...");
}

TEST_F(BrowserWindowTest, followingALinkStartsNoPollAndLeavesTheAddressBoxAlone)
{
    openHelp();
    // The control loads a link's page on its own and only reports the end.
    document().busy = true;
    platform->advanceMs(100);
    EXPECT_EQ(help().caption(), "Game Instructions") << "no poll runs, so no Working...";
    platform->completeLoad(help().brwWebBrowser, "Linked page");
    EXPECT_EQ(help().caption(), "Linked page");
    EXPECT_FALSE(polling());
    EXPECT_EQ(help().cboAddress.text(), helpPage);
    EXPECT_EQ(help().cboAddress.items().size(), 2u);
    EXPECT_EQ(addresses().size(), 1u);
}

struct ResizeCase {
    float width, height;
    float boxWidth, browserWidth, browserHeight;
};

class BrowserResizeTest : public BrowserWindowTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(BrowserResizeTest, sizesFollowTheInnerAreaAndNeverGoBelowZero)
{
    openHelp();
    const ResizeCase c = GetParam();
    platform->resizeWindow(help(), c.width, c.height);
    auto& h = help();
    EXPECT_FLOAT_EQ(h.cboAddress.width(), c.boxWidth);
    EXPECT_FLOAT_EQ(h.brwWebBrowser.width(), c.browserWidth);
    EXPECT_FLOAT_EQ(h.brwWebBrowser.height(), c.browserHeight);
    EXPECT_EQ(h.cboAddress.left(), 50);
    EXPECT_EQ(h.cboAddress.top(), 330);
    EXPECT_EQ(h.brwWebBrowser.left(), 50);
    EXPECT_EQ(h.brwWebBrowser.top(), 1215);
    EXPECT_FLOAT_EQ(h.cboAddress.height(), 315);
    // The bars aligned to the top span the whole width.
    EXPECT_FLOAT_EQ(h.tbToolBar.width(), c.width);
    EXPECT_FLOAT_EQ(h.picAddress.width(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BrowserResizeTest,
                         ::testing::Values(ResizeCase{6540, 5130, 6440, 6440, 3815},
                                           ResizeCase{9000, 6000, 8900, 8900, 4685}, ResizeCase{100, 1315, 0, 0, 0},
                                           ResizeCase{60, 1000, 0, 0, 0}, ResizeCase{0, 0, 0, 0, 0},
                                           ResizeCase{5000.5f, 1400, 4900.5f, 4900.5f, 85}));

TEST_F(BrowserWindowTest, enterOpensExactlyTheTypedTextAndOtherKeysNothing)
{
    openHelp();
    help().cboAddress.setText("  Some Typed\\Address ");
    for (std::int16_t key : {std::int16_t('a'), std::int16_t(10), std::int16_t(27), std::int16_t(8)})
        help().cboAddress.raiseKeyPress(key);
    EXPECT_EQ(addresses().size(), 1u);
    EXPECT_FALSE(polling());

    std::int16_t key = platform::keys::Return;
    help().cboAddress_KeyPress(key);
    EXPECT_EQ(key, platform::keys::Return) << "the key is left as it was";
    EXPECT_EQ(addresses().back(), "  Some Typed\\Address ");
    EXPECT_TRUE(polling());
    EXPECT_EQ(help().cboAddress.items().size(), 2u);
}

TEST_F(BrowserWindowTest, choosingAnEntryOpensIt)
{
    openHelp();
    help().cboAddress.raiseChoose(1);
    EXPECT_EQ(addresses().back(), ui::maker::webAddress);
    EXPECT_EQ(help().cboAddress.text(), ui::maker::webAddress);
    EXPECT_TRUE(polling());
    help().cboAddress.raiseChoose(0);
    EXPECT_EQ(addresses().back(), helpPage);
}

TEST_F(BrowserWindowTest, failingStepsOfTrappedHandlersAreSkippedSilently)
{
    document().failNext = true; // the first navigation, Form_Load's
    openHelp(false);
    EXPECT_TRUE(help().isLoaded());
    EXPECT_TRUE(polling()) << "steps before the failing one ran";
    EXPECT_EQ(help().cboAddress.items().size(), 2u);

    platform->advanceMs(5);
    document().failNext = true;
    enterAddress("/tmp/x.htm");
    document().failNext = true;
    click("Home");
    click("Back"); // nowhere to go back to
    click("Back");
    click("Forward");

    EXPECT_TRUE(platform->messageBoxes.empty());
    EXPECT_TRUE(runtime().reportedErrors().empty());
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(polling());
}

TEST_F(BrowserWindowTest, secondHelpClickShowsTheSameWindowAndKeepsItsPage)
{
    openHelp();
    enterAddress("/tmp/elsewhere.htm");
    platform->completeLoad(help().brwWebBrowser, "Elsewhere");
    platform->advanceMs(5);
    const int shows = platform->window(help()).shows;

    land().cmdHelp.raiseClick();
    EXPECT_EQ(platform->window(help()).shows, shows + 1);
    EXPECT_EQ(addresses().size(), 2u);
    EXPECT_EQ(help().caption(), "Elsewhere");
    EXPECT_EQ(help().cboAddress.text(), "/tmp/elsewhere.htm");
    EXPECT_EQ(help().cboAddress.items().size(), 2u);
}

TEST_F(BrowserWindowTest, reopeningAfterCloseLoadsAfresh)
{
    openHelp();
    enterAddress("/tmp/elsewhere.htm");
    help().requestClose(platform::CloseReason::CloseBox);
    EXPECT_FALSE(help().isLoaded());
    EXPECT_EQ(platform->armedTimers(), 0);

    land().cmdHelp.raiseClick();
    EXPECT_EQ(help().cboAddress.items(), (std::vector<std::string>{helpPage, ui::maker::webAddress}));
    EXPECT_EQ(help().cboAddress.text(), helpPage);
    EXPECT_EQ(help().caption(), "");
    EXPECT_EQ(addresses().back(), helpPage);
    EXPECT_EQ(help().tbToolBar.refreshCount(), 2);
}

TEST_F(BrowserWindowTest, closingTheGameWindowClosesTheHelpWindowToo)
{
    openHelp();
    land().requestClose(platform::CloseReason::CloseBox);
    EXPECT_TRUE(runtime().ended());
    EXPECT_FALSE(help().isLoaded());
}

} // namespace
