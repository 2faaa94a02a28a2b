// Keys on real windows, offscreen: the native window hands every key to its form
// before the widget with the focus sees it, Qt's key events in the platform layer's
// codes, the tab order that the window peers build and the access keys of captions
// follow, and message boxes that close from the keyboard.
#include "QtTestSupport.h"

#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"
#include "platform/Browser.h"
#include "qtplatform/widgets/ControlWidget.h"
#include "qtplatform/widgets/KeyCodes.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace platform;
using qttest::widgetOf;

namespace {

TEST(KeyCodeTest, QtKeysBecomeThePlatformsCodesWithTheirShiftState)
{
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::int16_t code;
        std::int16_t shift;
    };
    const Case cases[] = {
        {Qt::Key_3, Qt::NoModifier, keys::Digit0 + 3, 0},
        {Qt::Key_3, Qt::KeypadModifier, keys::Numpad0 + 3, 0},
        {Qt::Key_S, Qt::ShiftModifier, keys::letter('S'), keys::ShiftMask},
        {Qt::Key_F1, Qt::NoModifier, keys::F1, 0},
        {Qt::Key_F5, Qt::ControlModifier, keys::F5, keys::CtrlMask},
        {Qt::Key_Enter, Qt::KeypadModifier, keys::Return, 0},
        {Qt::Key_Return, Qt::NoModifier, keys::Return, 0},
        {Qt::Key_Left, Qt::AltModifier, keys::Left, keys::AltMask},
        {Qt::Key_Home, Qt::AltModifier | Qt::ShiftModifier, keys::Home, keys::AltMask | keys::ShiftMask},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers);
        const auto key = qtplatform::toKeyEvent(event);
        ASSERT_TRUE(key.has_value()) << c.qtKey;
        EXPECT_EQ(key->keyCode, c.code) << c.qtKey;
        EXPECT_EQ(key->shift, c.shift) << c.qtKey;
        EXPECT_FALSE(key->autoRepeat);
    }
    const QKeyEvent repeat(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
    EXPECT_TRUE(qtplatform::toKeyEvent(repeat)->autoRepeat);
    EXPECT_FALSE(qtplatform::toKeyEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier)).has_value());
}

// Keys as X11 and Wayland give them under each layout: Qt's key, the text, the X keycode
// of the key's place and the keysym. Digits go by place, letters by letter where the
// layout has Latin letters and by their US place where it has none.
TEST(KeyCodeTest, LayoutsGiveTheKeysOfTheirPlaces)
{
    using qtplatform::ScanCodes;
    struct Case {
        const char* layout;
        int qtKey;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        quint32 keysym;
        std::int16_t code; // 0: no key of ours
        ScanCodes scanCodes = ScanCodes::XKeycodes;
    };
    const Case cases[] = {
        {"us", Qt::Key_1, "1", Qt::NoModifier, 10, 0x31, keys::Digit0 + 1},
        {"fr", Qt::Key_Ampersand, "&", Qt::NoModifier, 10, 0x26, keys::Digit0 + 1},
        {"fr", Qt::Key_Eacute, "\u00e9", Qt::NoModifier, 11, 0xe9, keys::Digit0 + 2},
        {"fr", Qt::Key_T, "t", Qt::NoModifier, 28, 0x74, keys::letter('T')},
        {"fr", Qt::Key_A, "a", Qt::NoModifier, 24, 0x61, keys::letter('A')}, // where US has Q
        {"fr", Qt::Key_Comma, ",", Qt::NoModifier, 58, 0x2c, 0}, // where US has M
        {"fr", Qt::Key_Ampersand, "&", Qt::NoModifier, 10, 0x26, 0, ScanCodes::Unknown},
        {"dvorak", Qt::Key_T, "t", Qt::NoModifier, 45, 0x74, keys::letter('T')}, // where US has K
        {"ara(digits)", 0x661, "\u0661", Qt::NoModifier, 10, 0x1000661, keys::Digit0 + 1},
        {"ara", 0x641, "\u0641", Qt::NoModifier, 28, 0x5e1, keys::letter('T')},
        {"ara", 0x633, "\u0633", Qt::NoModifier, 39, 0x5d3, keys::letter('S')},
        {"ara", 0x64d, "\u064d", Qt::ShiftModifier, 39, 0x5ed, keys::letter('S')},
        {"ru", 0x415, "\u0435", Qt::NoModifier, 28, 0x6c5, keys::letter('T')},
        {"ru", Qt::Key_Period, ".", Qt::NoModifier, 61, 0x2e, 0},
        {"gr", 0x3a4, "\u03c4", Qt::NoModifier, 28, 0x7f4, keys::letter('T')},
        {"keypad", Qt::Key_1, "1", Qt::KeypadModifier, 87, 0xffb1, keys::Numpad0 + 1},
        {"keypad without Num Lock", Qt::Key_End, "", Qt::KeypadModifier, 87, 0xff9c, 0},
        {"keypad without Num Lock", Qt::Key_Left, "", Qt::KeypadModifier, 83, 0xff96, keys::Left},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, c.keysym, 0,
                              QString::fromUtf8(c.text));
        const auto key = qtplatform::toKeyEvent(event, c.scanCodes);
        EXPECT_EQ(key ? key->keyCode : 0, c.code) << c.layout << " " << c.text << " " << c.scanCode;
    }
}

class TabForm : public Form {
public:
    explicit TabForm(Runtime& runtime)
        : Form(runtime, "frmTabs"), first(*this, ControlKind::TextBox, "txtFirst"),
          tiedEarlier(*this, ControlKind::CommandButton, "cmdTiedEarlier"),
          tiedLater(*this, ControlKind::CommandButton, "cmdTiedLater"),
          noStop(*this, ControlKind::TextBox, "txtNoStop"), last(*this, ControlKind::ComboBox, "cboLast")
    {
        last.style().tabIndex = 9;
        first.style().tabIndex = 1;
        tiedEarlier.style().tabIndex = 4;
        tiedLater.style().tabIndex = 4;
        noStop.style().tabIndex = 2;
        noStop.style().tabStop = false;
    }
    Control first, tiedEarlier, tiedLater, noStop, last;

protected:
    void layout() override {}
};

class TabOrderTest : public testing::Test {
protected:
    static bool tabStop(const Control& control) { return control.style().tabStop; }
    qttest::TestPlatform platform;
    Runtime runtime{platform};
    TabForm form{runtime};
};

TEST_F(TabOrderTest, followsTabIndexesWithTiesInFormOrderAndOnlyWhatTheFilterTakes)
{
    const std::vector<Control*> order = qtplatform::inTabOrder(form.controls(), tabStop);
    const std::vector<Control*> expected{&form.first, &form.tiedEarlier, &form.tiedLater, &form.last};
    EXPECT_EQ(order, expected);
}

TEST_F(TabOrderTest, nextIsTheFirstAboveTheIndexGivenAndNoneAfterTheLast)
{
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 1, tabStop), &form.tiedEarlier);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), -1, tabStop), &form.first);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 4, tabStop), &form.last);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 9, tabStop), nullptr);
    const auto notTheFirstTied = [this](const Control& c) { return tabStop(c) && &c != &form.tiedEarlier; };
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 1, notTheFirstTied), &form.tiedLater);
}

class LandKeysTest : public testing::Test {
protected:
    void SetUp() override
    {
        land.show();
        window = widgetOf(land.picLand)->window();
        ASSERT_NE(window->windowHandle(), nullptr);
    }
    void TearDown() override
    {
        land.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), k, modifiers);
    }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    game::modGlobals globals;
    game::frmLand land{runtime, globals, nullptr};
    QWidget* window = nullptr;
};

TEST_F(LandKeysTest, KeysOfTheWindowReachTheGame)
{
    key(Qt::Key_T);
    EXPECT_EQ(globals.intGameMode, 1);
    key(Qt::Key_F);
    EXPECT_EQ(globals.intGameMode, 0);
    // Follow at level 1 with a known light, played to the answer.
    key(Qt::Key_Return);
    EXPECT_FALSE(land.lblStart.enabled());
    land.aintPattern(1) = 2;
    land.tmrLights_Timer();
    land.tmrLights_Timer();
    ASSERT_EQ(land.blnLocked, False);
    key(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(platform.boxes,
              std::vector<std::string>{"Great Job!: You Caught Me!  Click OK to Go to the Next Level."});
    EXPECT_EQ(land.txtScore.text(), "1");
}

TEST_F(LandKeysTest, LightHeldByAKeyIsPressedForAssistiveTools)
{
    QAccessibleInterface* light = QAccessible::queryAccessibleInterface(widgetOf(land.cmdLight[1]));
    QTest::keyPress(window->windowHandle(), Qt::Key_1);
    EXPECT_TRUE(light->state().pressed);
    QTest::keyRelease(window->windowHandle(), Qt::Key_1);
    EXPECT_FALSE(light->state().pressed);
}

TEST_F(LandKeysTest, LightHeldByAKeyIsDrawnAsUnderTheMouse)
{
    QWidget* light = widgetOf(land.cmdLight[1]);
    const QImage atRest = light->grab().toImage();
    land.blnLocked = False;
    QTest::keyPress(window->windowHandle(), Qt::Key_1);
    const QImage byKey = light->grab().toImage();
    QTest::keyRelease(window->windowHandle(), Qt::Key_1);
    EXPECT_EQ(light->grab().toImage(), atRest);

    land.blnLocked = False;
    QTest::mousePress(light, Qt::LeftButton);
    const QImage byMouse = light->grab().toImage();
    QTest::mouseRelease(light, Qt::LeftButton);
    EXPECT_NE(byKey, atRest);
    EXPECT_EQ(byKey, byMouse);
}

TEST_F(LandKeysTest, ScoreBoxWithTheFocusTypesTheKeys)
{
    auto* score = qobject_cast<QLineEdit*>(widgetOf(land.txtScore));
    ASSERT_NE(score, nullptr);
    score->setFocus();
    ASSERT_EQ(window->focusWidget(), score);
    key(Qt::Key_T);
    key(Qt::Key_4);
    EXPECT_EQ(globals.intGameMode, 0);
    EXPECT_EQ(land.txtScore.text(), "t4");
    // Enter in the score box starts nothing either.
    key(Qt::Key_Return);
    EXPECT_TRUE(land.lblStart.enabled());
}

// The help window's browser control, counting what it is asked to do.
struct CountingBrowser : qttest::SilentBrowser {
    std::vector<std::string>* calls;
    explicit CountingBrowser(std::vector<std::string>* log) : calls(log) {}
    void goBack() override { calls->push_back("back"); }
    void goForward() override { calls->push_back("forward"); }
    void refresh() override { calls->push_back("refresh"); }
    void stop() override { calls->push_back("stop"); }
    void navigate(const std::string&) override { calls->push_back("navigate"); }
};

struct CountingPlatform : qttest::TestPlatform {
    std::vector<std::string> calls;
    std::unique_ptr<BrowserPeer> createBrowser(Browser&) override { return std::make_unique<CountingBrowser>(&calls); }
};

TEST(BrowserKeysQtTest, BrowserKeysWorkWhereverTheFocusIs)
{
    CountingPlatform platform;
    Runtime runtime{platform};
    browser::frmBrowser help{runtime};
    help.show();
    QWindow* native = widgetOf(help.tbToolBar)->window()->windowHandle();
    ASSERT_NE(native, nullptr);
    widgetOf(help.cboAddress)->setFocus();
    platform.calls.clear();
    QTest::keyClick(native, Qt::Key_F5);
    QTest::keyClick(native, Qt::Key_Escape);
    QTest::keyClick(native, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(native, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(native, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"refresh", "stop", "back", "forward", "navigate"}));
    help.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A real message box, closed with one key once it is up.
class MessageBoxKeysTest : public testing::TestWithParam<Qt::Key> {};

TEST_P(MessageBoxKeysTest, BoxClosesWithTheKey)
{
    qttest::TestPlatform platform;
    platform.realBoxes = true;
    bool sawBox = false;
    QString title;
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || sawBox)
            return;
        sawBox = true;
        // Read as assistive tools read it: the title names the box, a child holds the text.
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(box);
        title = dialog->text(QAccessible::Name);
        for (int i = 0; i < dialog->childCount(); ++i)
            if (dialog->child(i)->role() == QAccessible::StaticText &&
                !dialog->child(i)->text(QAccessible::Name).isEmpty())
                text = dialog->child(i)->text(QAccessible::Name);
        QWidget* target = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(target, GetParam());
    });
    closer.start(10);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close(); // keeps a failing case from hanging the run
    });
    giveUp.start(60000);
    platform.messageBox("You Caught Me!  Click OK to Go to the Next Level.", "Great Job!");
    EXPECT_TRUE(sawBox);
    EXPECT_TRUE(giveUp.isActive()) << "the key closed the box";
    EXPECT_EQ(title, "Great Job!");
    EXPECT_EQ(text, "You Caught Me!  Click OK to Go to the Next Level.");
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageBoxKeysTest,
                         testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape));

} // namespace
