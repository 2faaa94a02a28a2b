// The windows as assistive tools see them through Qt's accessibility: names, roles
// and states, the controls left out, the quarry's description with the events that
// announce it, and the "Press" action with the order of its events.
#include "QtTestSupport.h"

#include "app/FrmSplash.h"
#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"
#include "qtplatform/widgets/Accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <stdexcept>

using namespace platform;
using qttest::widgetOf;

namespace {

QAccessibleInterface* accessibleOf(const Control& control)
{
    return QAccessible::queryAccessibleInterface(widgetOf(control));
}

// Every interface below the root, depth first, checking that each child names its
// parent and knows its own place.
std::vector<QAccessibleInterface*> descendants(QAccessibleInterface* root)
{
    std::vector<QAccessibleInterface*> all;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child) {
            ADD_FAILURE() << "no child at " << i;
            continue;
        }
        EXPECT_EQ(child->parent(), root) << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(root->indexOfChild(child), i);
        all.push_back(child);
        for (QAccessibleInterface* below : descendants(child))
            all.push_back(below);
    }
    return all;
}

std::vector<std::string> namesOf(const std::vector<QAccessibleInterface*>& interfaces, QAccessible::Role role)
{
    std::vector<std::string> names;
    for (QAccessibleInterface* i : interfaces)
        if (i->role() == role)
            names.push_back(i->text(QAccessible::Name).toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

// Events sent to assistive tools while a test runs. The offscreen platform has no
// assistive tool, so Qt itself would drop them.
struct SentEvent {
    QObject* object;
    QAccessible::Event type;
    QAccessible::State changed;
};
std::vector<SentEvent> sentEvents;

void recordEvent(QAccessibleEvent* event)
{
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    sentEvents.push_back({event->object(), event->type(), changed});
}

int countEvents(QObject* object, QAccessible::Event type)
{
    return static_cast<int>(std::count_if(sentEvents.begin(), sentEvents.end(),
                                          [&](const SentEvent& e) { return e.object == object && e.type == type; }));
}

class LandAccessibilityTest : public testing::Test {
protected:
    void SetUp() override
    {
        sentEvents.clear();
        qtplatform::observeAccessibleEvents(recordEvent);
        land.show();
    }
    void TearDown() override
    {
        qtplatform::observeAccessibleEvents({});
        land.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAccessibleInterface* windowInterface() const
    {
        return QAccessible::queryAccessibleInterface(widgetOf(land.picLand)->window());
    }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    game::modGlobals globals;
    game::frmLand land{runtime, globals, nullptr};
};

TEST_F(LandAccessibilityTest, PlayersControlsAreNamedButtonsAndTheHiddenOnesAreLeftOut)
{
    const auto all = descendants(windowInterface());
    EXPECT_EQ(namesOf(all, QAccessible::Button),
              (std::vector<std::string>{"Follow", "Help", "Light 1, grass", "Light 2, sky", "Light 3, snow",
                                        "Light 4, river", "Start", "Start Over", "Tag"}));
    for (const Control* hidden : {&land.cmdPic, &land.cmdStart, &land.cmdLight[0], &land.Label2, &land.shpSO})
        for (QAccessibleInterface* i : all)
            EXPECT_NE(i->object(), widgetOf(*hidden)) << hidden->name() << " is exposed";
    // Nothing else but the score box and the landscape that holds the captions.
    for (QAccessibleInterface* i : all) {
        if (i->role() == QAccessible::Button)
            continue;
        EXPECT_TRUE(i->object() == widgetOf(land.txtScore) || i->object() == widgetOf(land.picLand))
            << i->object()->objectName().toStdString();
    }
}

TEST_F(LandAccessibilityTest, ScoreBoxIsNamedAndExposesItsText)
{
    QAccessibleInterface* score = accessibleOf(land.txtScore);
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->role(), QAccessible::EditableText);
    EXPECT_EQ(score->text(QAccessible::Name), "Score");
    land.txtScore.setText("17");
    ASSERT_NE(score->textInterface(), nullptr);
    EXPECT_EQ(score->textInterface()->text(0, score->textInterface()->characterCount()), "17");
}

TEST_F(LandAccessibilityTest, ChosenModeIsCheckedAndARunningGameDisablesTheSteering)
{
    QAccessibleInterface* follow = accessibleOf(land.lblGame[0]);
    QAccessibleInterface* tag = accessibleOf(land.lblGame[1]);
    EXPECT_TRUE(follow->state().checkable);
    EXPECT_TRUE(follow->state().checked);
    EXPECT_FALSE(tag->state().checked);
    EXPECT_FALSE(accessibleOf(land.lblStart)->state().checkable);

    sentEvents.clear();
    land.lblGame_Click(1);
    EXPECT_FALSE(follow->state().checked);
    EXPECT_TRUE(tag->state().checked);
    auto checkedChange = [](QObject* object) {
        return std::any_of(sentEvents.begin(), sentEvents.end(), [&](const SentEvent& e) {
            return e.object == object && e.type == QAccessible::StateChanged && e.changed.checked;
        });
    };
    EXPECT_TRUE(checkedChange(widgetOf(land.lblGame[0])));
    EXPECT_TRUE(checkedChange(widgetOf(land.lblGame[1])));

    land.lblStart_Click();
    for (const Control* c : {&land.lblGame[0], &land.lblGame[1], &land.lblStart, &land.cmdHelp})
        EXPECT_TRUE(accessibleOf(*c)->state().disabled) << c->name();
    EXPECT_FALSE(accessibleOf(land.lblSO)->state().disabled) << "Start Over stays live in a Tag chase";
    EXPECT_FALSE(accessibleOf(land.cmdLight[1])->state().disabled);
}

TEST_F(LandAccessibilityTest, LightWithTheQuarrySaysSoUntilItIsReset)
{
    QAccessibleInterface* light = accessibleOf(land.cmdLight[3]);
    EXPECT_EQ(light->text(QAccessible::Description), "");
    sentEvents.clear();
    land.cmdLight[3].setPicture(land.cmdPic.picture());
    EXPECT_TRUE(light->text(QAccessible::Description).contains("quarry"));
    EXPECT_EQ(countEvents(widgetOf(land.cmdLight[3]), QAccessible::DescriptionChanged), 1);
    // Darkening a light is no news for the description.
    land.cmdLight[3].setBackColor(colors::Black);
    EXPECT_EQ(countEvents(widgetOf(land.cmdLight[3]), QAccessible::DescriptionChanged), 1);

    land.ResetLight(3);
    EXPECT_EQ(light->text(QAccessible::Description), "");
    EXPECT_EQ(countEvents(widgetOf(land.cmdLight[3]), QAccessible::DescriptionChanged), 2);
    for (int n : {1, 2, 4})
        EXPECT_EQ(countEvents(widgetOf(land.cmdLight[n]), QAccessible::DescriptionChanged), 0) << n;
}

TEST_F(LandAccessibilityTest, FollowPatternIsAnnouncedLightByLight)
{
    land.intLevel = 2;
    land.aintPattern.redim(2);
    land.aintEntry.redim(2);
    land.lblStart_Click();
    land.aintPattern(1) = 4;
    land.aintPattern(2) = 2;
    std::vector<std::string> heard;
    for (int tick = 0; tick < 3; ++tick) {
        sentEvents.clear();
        land.tmrLights_Timer();
        for (const SentEvent& e : sentEvents)
            if (e.type == QAccessible::DescriptionChanged) {
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(e.object);
                heard.push_back(i->text(QAccessible::Name).toStdString() + ": " +
                                i->text(QAccessible::Description).toStdString());
            }
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"Light 4, river: The quarry is here", "Light 4, river: ",
                                               "Light 2, sky: The quarry is here", "Light 2, sky: "}));
}

TEST_F(LandAccessibilityTest, LightHeldByTheMouseIsPressed)
{
    QWidget* widget = widgetOf(land.cmdLight[2]);
    QAccessibleInterface* light = accessibleOf(land.cmdLight[2]);
    sentEvents.clear();
    QTest::mousePress(widget, Qt::LeftButton, {}, widget->rect().center());
    EXPECT_TRUE(light->state().pressed);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().center());
    EXPECT_FALSE(light->state().pressed);
    EXPECT_EQ(countEvents(widget, QAccessible::StateChanged), 2);
}

TEST_F(LandAccessibilityTest, PressActionPlaysAsAMouseClickOnceTheCallHasReturned)
{
    QAccessibleInterface* start = accessibleOf(land.lblStart);
    ASSERT_NE(start->actionInterface(), nullptr);
    EXPECT_EQ(start->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(land.lblStart.enabled()) << "the click waits for the event loop";
    QCoreApplication::processEvents();
    EXPECT_FALSE(land.lblStart.enabled()) << "Start was clicked";
    EXPECT_TRUE(land.tmrLights.ticking());

    // A disabled caption ignores the action as it ignores the mouse.
    land.tmrLights.setEnabled(false);
    land.lblGame[1].setEnabled(false);
    accessibleOf(land.lblGame[1])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(globals.intGameMode, 0);
}

// A probe window whose button records its events.
class ProbeForm : public Form {
public:
    explicit ProbeForm(Runtime& runtime)
        : Form(runtime, "frmProbe"), button(*this, ControlKind::CommandButton, "cmdProbe")
    {
        button.onMouseDown = [this](MouseButton) { events.push_back("down"); };
        button.onMouseUp = [this](MouseButton) { events.push_back("up"); };
        button.onClick = [this] {
            events.push_back("click");
            this->runtime().msgBox("Boxed", "Probe");
        };
    }
    Control button;
    std::vector<std::string> events;

protected:
    void layout() override
    {
        style().clientWidth = 3000;
        style().clientHeight = 3000;
        button.setGeometry(300, 300, 1455, 1455);
        button.style().accessibleName = "Probe";
    }
};

TEST(PressActionTest, PressClickAndReleaseInTheMouseOrderWithTheReleaseAfterTheBox)
{
    qttest::TestPlatform platform;
    Runtime runtime{platform};
    ProbeForm probe{runtime};
    platform.whileBoxOpen = [&] { probe.events.push_back("box"); };
    probe.show();
    QAccessibleInterface* button = accessibleOf(probe.button);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Probe");
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(probe.events.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(probe.events, (std::vector<std::string>{"down", "click", "box", "up"}));
    probe.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SplashAccessibilityTest, PicturesAndCaptionsAreNamed)
{
    qttest::TestPlatform platform;
    Runtime runtime{platform};
    app::frmSplash splash{runtime, []() -> Form& { throw std::logic_error("no game window in this test"); }};
    splash.show();
    const auto all = descendants(QAccessible::queryAccessibleInterface(widgetOf(splash.picLogo)->window()));
    EXPECT_EQ(namesOf(all, QAccessible::Graphic), (std::vector<std::string>{"Glimmerkin", "Tallowbrook Studio"}));
    const auto texts = namesOf(all, QAccessible::StaticText);
    EXPECT_EQ(texts.size(), 3u);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Proudly Presents"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "Romans 10:17; Luke 13:3&5; Matthew 10:32-33; Acts 8:35-39; Romans 6:3-5"),
              texts.end());
    splash.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(BrowserAccessibilityTest, ToolbarButtonsGoByTheirKeysAndTheAddressBoxIsNamed)
{
    qttest::TestPlatform platform;
    Runtime runtime{platform};
    browser::frmBrowser help{runtime};
    help.show();
    const auto all = descendants(QAccessible::queryAccessibleInterface(widgetOf(help.tbToolBar)->window()));
    const auto buttons = namesOf(all, QAccessible::Button);
    for (const char* key : {"Back", "Forward", "Stop", "Refresh", "Home"})
        EXPECT_NE(std::find(buttons.begin(), buttons.end(), key), buttons.end()) << key;
    QAccessibleInterface* address = accessibleOf(help.cboAddress);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->role(), QAccessible::ComboBox);
    EXPECT_EQ(address->text(QAccessible::Name), "Address");
    help.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
