// The game window as the Qt adapter builds and draws it: the window settings, the
// camouflaged lights on the exact colours of the landscape, the captions, the hidden
// controls and the stacking, at the pixel ratio of the run.
#include "QtTestSupport.h"

#include "game/FrmLand.h"
#include "platform/Twips.h"
#include "qtplatform/Conversions.h"
#include "qtplatform/widgets/LabelPeer.h"
#include "ui/Artwork.h"
#include "ui/LandControls.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <functional>

using namespace platform;
using qttest::colorAt;
using qttest::countOther;
using qttest::rendered;
using qttest::rgb;
using qttest::widgetOf;

namespace {

class LandWindowTest : public testing::Test {
protected:
    void SetUp() override { land.show(); }
    void TearDown() override
    {
        land.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* window() const { return widgetOf(land.picLand)->window(); }
    // The window's inside as the layout sizes it, in logical pixels.
    QSize laidOutSize() const
    {
        return QSize(static_cast<int>(land.style().clientWidth / twipsPerPixel),
                     static_cast<int>(land.style().clientHeight / twipsPerPixel));
    }
    // Where a control lies in the window, in logical pixels.
    QRect inWindow(const Control& control) const
    {
        QWidget* w = widgetOf(control);
        return QRect(w->mapTo(window(), QPoint(0, 0)), w->size());
    }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    game::modGlobals globals;
    game::frmLand land{runtime, globals, nullptr};
};

TEST_F(LandWindowTest, WindowIsAFixedTitledBoxOfTheLaidOutSize)
{
    QWidget* w = window();
    EXPECT_EQ(w->windowTitle(), "Glimmerkin");
    EXPECT_EQ(w->size(), laidOutSize());
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(w->windowIcon().isNull());
}

// Where the layout puts a control, in logical pixels of the window: its twips at 15 to
// the pixel, from the inner corner of its container. A picture box's 3-D border is
// 2 pixels wide.
QRect laidOut(const Control& control, const std::function<QRect(const Control&)>& inWindow)
{
    const auto px = [](float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
    QRect place(px(control.left()), px(control.top()), px(control.width()), px(control.height()));
    if (const Control* container = control.container()) {
        EXPECT_EQ(container->kind(), ControlKind::PictureBox);
        EXPECT_TRUE(container->style().border && !container->style().flat);
        place.translate(inWindow(*container).topLeft() + QPoint(2, 2));
    }
    return place;
}

TEST_F(LandWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    int placed = 0;
    for (const Control* control : land.controls()) {
        if (!widgetOf(*control))
            continue; // the timer and the sound player have no widget
        ++placed;
        EXPECT_EQ(inWindow(*control), laidOut(*control, [this](const Control& c) { return inWindow(c); }))
            << control->name() << "(" << control->index() << ")";
    }
    EXPECT_GE(placed, 14);
    // picLand's border runs past the right and bottom edges of the window (and the Help
    // button by a pixel); the lights lie wholly inside it.
    EXPECT_EQ(inWindow(land.picLand).topLeft(), QPoint(0, 0));
    EXPECT_GT(inWindow(land.picLand).width(), window()->width());
    for (const Control* c : {&land.cmdLight[1], &land.cmdLight[2], &land.cmdLight[3], &land.cmdLight[4]})
        EXPECT_TRUE(window()->rect().contains(inWindow(*c))) << c->name() << "(" << c->index() << ")";
}

TEST_F(LandWindowTest, HiddenControlsCannotBeSeenOrClicked)
{
    for (const Control* hidden : {&land.cmdPic, &land.cmdStart, &land.cmdLight[0]})
        EXPECT_FALSE(widgetOf(*hidden)->isVisible()) << hidden->name();
    // Label2 lies beneath the landscape: a click at its place reaches picLand.
    QWidget* atLabel2 = window()->childAt(30, 10);
    EXPECT_TRUE(atLabel2 == widgetOf(land.picLand) || widgetOf(land.picLand)->isAncestorOf(atLabel2));
    EXPECT_NE(atLabel2, widgetOf(land.Label2));
}

TEST_F(LandWindowTest, LightsAndHelpLieAboveTheLandscape)
{
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(window()->childAt(inWindow(land.cmdLight[n]).center()), widgetOf(land.cmdLight[n]));
    EXPECT_EQ(window()->childAt(inWindow(land.cmdHelp).center()), widgetOf(land.cmdHelp));
    EXPECT_EQ(window()->childAt(inWindow(land.lblSO).center()), widgetOf(land.lblSO));
}

TEST_F(LandWindowTest, RendersAtTheScreensPixelRatio)
{
    const QImage image = rendered(window());
    EXPECT_EQ(image.devicePixelRatio(), qttest::expectedRatio());
    EXPECT_EQ(image.size(), laidOutSize() * qttest::expectedRatio());
}

TEST_F(LandWindowTest, LightFacesAreTheirRestColours)
{
    const QImage image = rendered(window());
    for (int n = 1; n <= 4; ++n) {
        const QRect face = inWindow(land.cmdLight[n]).adjusted(2, 2, -2, -2);
        EXPECT_EQ(countOther(image, face, rgb(ui::LandControls::restColor(n))), 0) << "light " << n;
    }
}

TEST_F(LandWindowTest, LandscapeUnderEachLightIsItsRestColour)
{
    for (int n = 1; n <= 4; ++n)
        land.cmdLight[n].setVisible(false);
    const QImage image = rendered(window());
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(countOther(image, inWindow(land.cmdLight[n]), rgb(ui::LandControls::restColor(n))), 0)
            << "under light " << n;
}

// The mask takes exactly the opaque pixels of the mask colour, at the run's pixel ratio,
// and leaves every other pixel as drawn.
TEST(MaskedPicture, LosesOnlyItsOpaqueMaskColouredPixels)
{
    const qreal ratio = qttest::expectedRatio();
    const Picture masked = ui::artwork::helpMark();
    const Picture plain = Picture::create(masked.resource(), masked.widthPx(), masked.heightPx());
    const QImage drawn =
        qtplatform::renderPicture(plain, ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage shown =
        qtplatform::renderPicture(masked, ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), drawn.size());
    ASSERT_EQ(drawn.size(), QSize(16, 16) * ratio);
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    const QRgb maskPixel = qttest::rgb(masked.maskColor()).rgb();
    int maskedPixels = 0, wrong = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* before = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* after = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const bool mask = before[x] == maskPixel;
            maskedPixels += mask;
            wrong += after[x] != (mask ? 0u : before[x]);
        }
    }
    EXPECT_GT(maskedPixels, drawn.width() * drawn.height() / 4);
    EXPECT_EQ(wrong, 0);
}

// A picture is drawn from its source once, however large it is at the ratio (the landscape
// at ratio 3 outgrows Qt's default pixmap cache), and again after the pictures are released.
TEST(RenderedPicture, IsDrawnOnceUntilReleased)
{
    const Picture land = ui::artwork::landscape();
    const QPixmap first = qtplatform::renderPicture(land, 3.0);
    EXPECT_EQ(first.size(), QSize(674, 480) * 3);
    EXPECT_EQ(qtplatform::renderPicture(land, 3.0).cacheKey(), first.cacheKey());
    qtplatform::releasePictures();
    EXPECT_NE(qtplatform::renderPicture(land, 3.0).cacheKey(), first.cacheKey());
    qtplatform::releasePictures();
}

TEST_F(LandWindowTest, HelpButtonIsCyanSkyWithAYellowMark)
{
    const QImage button = rendered(widgetOf(land.cmdHelp));
    EXPECT_EQ(colorAt(button, {4, 12}), rgb(0xFFFF00)); // masked grey shows the back colour
    int yellow = 0;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x)
            yellow += button.pixelColor(x, y) == QColor(255, 255, 0);
    EXPECT_GT(yellow, 0);
    EXPECT_EQ(countOther(button, QRect(1, 1, 4, 23), rgb(0xFFFF00)), 0);

    land.cmdHelp.setVisible(false);
    const QImage image = rendered(window());
    EXPECT_EQ(countOther(image, QRect(652, 2, 24, 25), QColor(0, 255, 255)), 0);
}

TEST_F(LandWindowTest, ScoreIsWrittenInDarkRedOnTheWhiteCloud)
{
    land.txtScore.setVisible(false);
    EXPECT_EQ(countOther(rendered(window()), inWindow(land.txtScore), Qt::white), 0);
    land.txtScore.setVisible(true);

    land.txtScore.setText("12");
    auto* box = qobject_cast<QLineEdit*>(widgetOf(land.txtScore));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "12");
    EXPECT_FALSE(box->hasFrame());
    EXPECT_TRUE(box->alignment().testFlag(Qt::AlignHCenter));
    // What the player types goes back to the control.
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "34");
    EXPECT_EQ(land.txtScore.text(), "134");
    land.txtScore.setText("1");
    const QImage image = rendered(box);
    int darkRed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkRed += image.pixelColor(x, y) == QColor(128, 0, 0);
    EXPECT_GT(darkRed, 0);
}

TEST_F(LandWindowTest, StartCaptionShowsOnlyTheWordCentredOnItsSecondLine)
{
    // The caption keeps its 40 leading spaces; they fill the first line.
    ASSERT_EQ(land.lblStart.caption(), std::string(40, ' ') + "Start");
    QWidget* label = widgetOf(land.lblStart);
    const qtplatform::CaptionLayout layout =
        qtplatform::layoutCaption(qtplatform::toQString(land.lblStart.caption()), label->font(), label->width());
    ASSERT_EQ(layout.lines.size(), 2);
    EXPECT_TRUE(layout.lines[0].text.isEmpty());
    EXPECT_EQ(layout.lines[1].text, "Start");

    // Drawn: grey letters only in the lower part of the box, centred across it.
    const QImage image = rendered(label);
    const qreal ratio = image.devicePixelRatio();
    int top = image.height(), left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(128, 128, 128)) {
                top = std::min(top, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0) << "no grey letters drawn";
    EXPECT_GE(top / ratio, layout.lineHeight - 1);
    EXPECT_NEAR((left + right) / 2.0 / ratio, label->width() / 2.0, 3);
}

TEST_F(LandWindowTest, StartOverWrapsAtItsSpaceOnADarkGreySquare)
{
    QWidget* label = widgetOf(land.lblSO);
    const qtplatform::CaptionLayout layout = qtplatform::layoutCaption("Start Over", label->font(), label->width());
    ASSERT_EQ(layout.lines.size(), 2);
    EXPECT_EQ(layout.lines[0].text, "Start");
    EXPECT_EQ(layout.lines[1].text, "Over");
    EXPECT_LE(layout.lines[0].width, label->width());
    EXPECT_LE(2 * layout.lineHeight, label->height() + 1);

    const QImage image = rendered(label);
    EXPECT_EQ(colorAt(image, {0, 0}), rgb(0x404040));
    EXPECT_EQ(colorAt(image, {24, 24}), rgb(0x404040));
    int white = 0; // small letters are antialiased: count the nearly white pixels
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            white += image.pixelColor(x, y).lightness() > 192;
    EXPECT_GT(white, 20);
    // The black circle shows round the square, on the trunk.
    land.lblSO.setVisible(false);
    EXPECT_EQ(colorAt(rendered(window()), inWindow(land.lblSO).center()), QColor(Qt::black));
}

TEST_F(LandWindowTest, ModeCaptionsTakeTheirColoursAndGreyWhenDisabled)
{
    // Letters are antialiased: count the pixels near a colour.
    auto count = [](const QImage& image, const QColor& color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                         std::abs(c.blue() - color.blue()) <=
                     24;
            }
        return n;
    };
    QWidget* follow = widgetOf(land.lblGame[0]);
    // Form_Load makes "Follow" red.
    EXPECT_GT(count(rendered(follow), Qt::red), 10);
    land.lblGame[0].setEnabled(false);
    EXPECT_FALSE(follow->isEnabled());
    const QImage greyed = rendered(follow);
    EXPECT_EQ(count(greyed, Qt::red), 0);
    EXPECT_GT(count(greyed, qtplatform::toQColor(0x80000010, follow->palette())), 10);
    land.lblGame[0].setEnabled(true);
    EXPECT_GT(count(rendered(follow), Qt::red), 10);
}

TEST_F(LandWindowTest, LightChangesReachTheScreen)
{
    Control& light = land.cmdLight[2];
    light.setBackColor(colors::Black);
    EXPECT_EQ(countOther(rendered(widgetOf(light)), QRect(2, 2, 93, 93), Qt::black), 0);
    light.setBackColor(ui::LandControls::restColor(2));
    light.setPicture(land.cmdPic.picture());
    const QImage withQuarry = rendered(widgetOf(light));
    EXPECT_GT(countOther(withQuarry, QRect(2, 2, 93, 93), rgb(0xFFFF00)), 93 * 93 / 4);
    light.setPicture({});
    EXPECT_EQ(countOther(rendered(widgetOf(light)), QRect(2, 2, 93, 93), rgb(0xFFFF00)), 0);
}

TEST_F(LandWindowTest, PressedLightIsBlackUntilReleasedAfterTheMessageBox)
{
    // A Follow answer in progress: the pattern asks for light 2, the player presses 1.
    land.intLevel = 1;
    land.aintPattern.redim(1);
    land.aintEntry.redim(1);
    land.aintPattern(1) = 2;
    land.intStep = 1;
    land.blnLocked = False;
    QWidget* light = widgetOf(land.cmdLight[1]);
    QColor duringBox;
    platform.whileBoxOpen = [&] {
        if (platform.boxes.size() == 1)
            duringBox = colorAt(rendered(light), {48, 48});
    };
    QTest::mousePress(light, Qt::LeftButton, {}, QPoint(48, 48));
    EXPECT_EQ(colorAt(rendered(light), {48, 48}), QColor(Qt::black));
    QTest::mouseRelease(light, Qt::LeftButton, {}, QPoint(48, 48));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(duringBox, QColor(Qt::black)); // judged while still held
    EXPECT_EQ(colorAt(rendered(light), {48, 48}), rgb(ui::LandControls::restColor(1)));
}

TEST_F(LandWindowTest, SteeringCaptionsGreyOutWhileAGameRuns)
{
    QTest::mouseClick(widgetOf(land.lblStart), Qt::LeftButton, {}, QPoint(96, 36));
    for (const Control* c : {&land.lblGame[0], &land.lblGame[1], &land.lblStart, &land.lblSO, &land.cmdHelp})
        EXPECT_FALSE(widgetOf(*c)->isEnabled()) << c->name();
    EXPECT_TRUE(land.tmrLights.ticking());
}

} // namespace
