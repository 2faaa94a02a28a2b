// A painted button and caption under the mouse: the order of the press, click and
// release events, where a release counts as a click, and how the button looks.
#include "QtTestSupport.h"
#include "qtplatform/Conversions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace platform;
using qttest::colorAt;
using qttest::rendered;
using qttest::rgb;
using qttest::widgetOf;

namespace {

class ProbeForm : public Form {
public:
    explicit ProbeForm(Runtime& runtime)
        : Form(runtime, "frmProbe"), button(*this, ControlKind::CommandButton, "cmdProbe"),
          label(*this, ControlKind::Label, "lblProbe"), text(*this, ControlKind::TextBox, "txtProbe")
    {
        auto record = [this](const std::string& name) { return [this, name](MouseButton) { events.push_back(name); }; };
        button.onMouseDown = record("down");
        button.onMouseUp = record("up");
        button.onClick = [this] {
            events.push_back("click");
            if (onButtonClick)
                onButtonClick();
        };
        label.onMouseDown = record("label down");
        label.onMouseUp = record("label up");
        label.onClick = [this] { events.push_back("label click"); };
    }

    Control button;
    Control label;
    Control text;
    std::vector<std::string> events;
    std::function<void()> onButtonClick;

protected:
    void layout() override
    {
        style().border = BorderStyle::FixedSingle;
        style().minButton = style().maxButton = false;
        style().clientWidth = 3000;
        style().clientHeight = 3000;
        button.setGeometry(300, 300, 1455, 1455); // 97 x 97 pixels
        button.setBackColor(0xFF0000);
        button.style().graphical = true;
        button.style().tabStop = false;
        label.setGeometry(300, 2000, 1500, 300);
        label.setCaption("Probe");
        label.style().tabIndex = 1;
        text.setGeometry(300, 2400, 1500, 300);
        text.style().tabIndex = 2;
    }
};

class CommandButtonTest : public testing::Test {
protected:
    void SetUp() override { form.show(); }
    void TearDown() override
    {
        form.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* button() const { return widgetOf(form.button); }
    QPoint centre() const { return button()->rect().center(); }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    ProbeForm form{runtime};
};

TEST_F(CommandButtonTest, ClickGivesPressThenClickThenRelease)
{
    QTest::mouseClick(button(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down", "click", "up"}));
}

TEST_F(CommandButtonTest, ReleaseWaitsForTheClicksMessageBox)
{
    form.onButtonClick = [&] { runtime.msgBox("Boxed", "Probe"); };
    platform.whileBoxOpen = [&] { form.events.push_back("box"); };
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    QTest::mouseRelease(button(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down", "click", "box", "up"}));
}

TEST_F(CommandButtonTest, ReleaseWaitsForARealMessageBoxToClose)
{
    // The real Qt message box, closed by the "user" once it is up.
    qttest::TestPlatform real;
    real.realBoxes = true;
    Runtime realRuntime{real};
    ProbeForm probe{realRuntime};
    probe.show();
    probe.onButtonClick = [&] {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                probe.events.push_back("box " + box->text().toStdString());
                box->accept();
            }
        });
        closer.start(10);
        realRuntime.msgBox("Boxed", "Probe");
        probe.events.push_back("box closed");
    };
    QWidget* widget = widgetOf(probe.button);
    QTest::mousePress(widget, Qt::LeftButton, {}, widget->rect().center());
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().center());
    EXPECT_EQ(probe.events, (std::vector<std::string>{"down", "click", "box Boxed", "box closed", "up"}));
    probe.unload();
}

TEST_F(CommandButtonTest, ReleaseAwayFromTheButtonIsNoClick)
{
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(button(), QPoint(-20, -20));
    QTest::mouseRelease(button(), Qt::LeftButton, {}, QPoint(-20, -20));
    // The release still goes to the button that was pressed.
    EXPECT_EQ(form.events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(CommandButtonTest, OtherButtonsPressAndReleaseWithoutClicking)
{
    QTest::mouseClick(button(), Qt::RightButton, {}, centre());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(CommandButtonTest, DisabledButtonTakesNoInput)
{
    form.button.setEnabled(false);
    QTest::mouseClick(button(), Qt::LeftButton, {}, centre());
    EXPECT_TRUE(form.events.empty());
}

TEST_F(CommandButtonTest, CaptionClicksOnReleaseOverItself)
{
    QWidget* label = widgetOf(form.label);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"label down", "label click", "label up", "label down", "label up"}));
}

TEST_F(CommandButtonTest, CaptionChangesAreRedrawn)
{
    QWidget* label = widgetOf(form.label);
    const QImage before = rendered(label);
    form.label.setCaption("Probe");
    EXPECT_EQ(rendered(label), before);
    form.label.setCaption("Other");
    EXPECT_NE(rendered(label), before);
    form.label.setCaption("");
    EXPECT_EQ(qttest::countOther(rendered(label), label->rect(), colorAt(before, {0, 0})), 0);
}

TEST_F(CommandButtonTest, AccessKeyOfACaptionFocusesTheNextControl)
{
    form.label.setCaption("&Probe");
    QWidget* window = button()->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    button()->setFocus();
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(form.text));
}

TEST_F(CommandButtonTest, RaisedFaceIsTheBackColourInsideABevel)
{
    const QImage image = rendered(button());
    EXPECT_EQ(image.width(), qRound(97 * qttest::expectedRatio()));
    EXPECT_EQ(qttest::countOther(image, QRect(2, 2, 93, 93), rgb(0xFF0000)), 0);
    // Lit from the top left: the top edge is lighter than the bottom edge.
    EXPECT_GT(colorAt(image, {48, 0}).lightness(), colorAt(image, {48, 96}).lightness());
    EXPECT_NE(colorAt(image, {0, 48}), rgb(0xFF0000));
}

TEST_F(CommandButtonTest, HeldButtonLooksSunkenUntilReleased)
{
    form.onButtonClick = [&] {
        // While the click is judged the button is drawn up again.
        const QImage image = rendered(button());
        EXPECT_GT(colorAt(image, {48, 0}).lightness(), colorAt(image, {48, 96}).lightness());
    };
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    const QImage held = rendered(button());
    EXPECT_LT(colorAt(held, {48, 0}).lightness(), colorAt(held, {48, 96}).lightness());
    QTest::mouseRelease(button(), Qt::LeftButton, {}, centre());
}

TEST_F(CommandButtonTest, BoxOpenedWhileHeldLeavesTheButtonUp)
{
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    ASSERT_TRUE(form.button.pressed());
    // A box of a timer's, which takes the release.
    QMessageBox box;
    QTimer::singleShot(0, &box, &QDialog::accept);
    box.exec();
    EXPECT_FALSE(form.button.pressed());
    const QImage image = rendered(button());
    EXPECT_GT(colorAt(image, {48, 0}).lightness(), colorAt(image, {48, 96}).lightness());
}

TEST_F(CommandButtonTest, DoubleClickIsOneClick)
{
    QWidget* label = widgetOf(form.label);
    for (QWidget* widget : {button(), label}) {
        QWindow* native = widget->window()->windowHandle();
        const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
        QTest::mouseDClick(native, Qt::LeftButton, {}, at);
        EXPECT_FALSE(form.button.pressed());
    }
    EXPECT_EQ(form.events, (std::vector<std::string>{"down", "click", "up", "up", "label down", "label click",
                                                     "label up", "label up"}));
}

// Device pixels of the ring `inset` logical pixels inside a 97-pixel square that are
// not its colours: `topLeft` on the top and left sides, `bottomRight` on the others.
int offRing(const QImage& image, int inset, const QColor& topLeft, const QColor& bottomRight)
{
    const int far = 96 - inset, side = 97 - 2 * inset;
    return qttest::countOther(image, QRect(inset, inset, side - 1, 1), topLeft) +
           qttest::countOther(image, QRect(inset, inset, 1, side - 1), topLeft) +
           qttest::countOther(image, QRect(inset, far, side, 1), bottomRight) +
           qttest::countOther(image, QRect(far, inset, 1, side), bottomRight);
}

TEST_F(CommandButtonTest, BevelIsTwoWholePixelRingsOfTheSystems3DColours)
{
    const QPalette& pal = button()->palette();
    const QColor highlight = qtplatform::toQColor(colors::Highlight3D, pal);
    const QColor light = qtplatform::toQColor(colors::Light3D, pal);
    const QColor shadow = qtplatform::toQColor(colors::ButtonShadow, pal);
    const QColor darkShadow = qtplatform::toQColor(colors::DarkShadow3D, pal);

    const QImage raised = rendered(button());
    EXPECT_EQ(offRing(raised, 0, highlight, darkShadow), 0);
    EXPECT_EQ(offRing(raised, 1, light, shadow), 0);

    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    const QImage held = rendered(button());
    QTest::mouseRelease(button(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(offRing(held, 0, darkShadow, highlight), 0);
    EXPECT_EQ(offRing(held, 1, shadow, light), 0);
}

} // namespace
