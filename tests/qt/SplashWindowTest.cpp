// The splash window as the Qt adapter builds and draws it.
#include "QtTestSupport.h"

#include "app/FrmSplash.h"
#include "qtplatform/Conversions.h"
#include "qtplatform/widgets/LabelPeer.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <stdexcept>

using namespace platform;
using qttest::rendered;
using qttest::widgetOf;

namespace {

class SplashWindowTest : public testing::Test {
protected:
    void SetUp() override { splash.show(); }
    void TearDown() override
    {
        splash.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* window() const { return widgetOf(splash.picLogo)->window(); }
    qtplatform::CaptionLayout layoutOf(const Control& label) const
    {
        QWidget* w = widgetOf(label);
        return qtplatform::layoutCaption(qtplatform::toQString(label.caption()), w->font(), w->width());
    }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    app::frmSplash splash{runtime, []() -> Form& { throw std::logic_error("no game window in this test"); }};
};

TEST_F(SplashWindowTest, WindowIsAnUntitledFixedToolWindow)
{
    QWidget* w = window();
    EXPECT_EQ(w->size(), QSize(394, 376));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_TRUE(w->windowTitle().isEmpty());
    // A tool window gets no task-bar button.
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(SplashWindowTest, PicturesAreSizedToTheirArtworkAndBorder)
{
    EXPECT_EQ(widgetOf(splash.picLogo)->geometry(), QRect(8, 160, 379, 156));
    EXPECT_EQ(widgetOf(splash.picQRV)->geometry(), QRect(56, 8, 290, 92));
}

TEST_F(SplashWindowTest, TextLinesFitTheirBoxesOnOneLine)
{
    for (const Control* label : {&splash.lblMsg, &splash.lblCopyright, &splash.lblProud}) {
        const qtplatform::CaptionLayout layout = layoutOf(*label);
        EXPECT_EQ(layout.lines.size(), 1) << label->name() << " breaks into " << layout.lines.size() << " lines";
        EXPECT_LE(layout.lineHeight, widgetOf(*label)->height()) << label->name();
    }
}

TEST_F(SplashWindowTest, ScriptureLineShowsOneAmpersand)
{
    const qtplatform::CaptionLayout layout = layoutOf(splash.lblMsg);
    EXPECT_EQ(layout.plainText, "Romans 10:17; Luke 13:3&5; Matthew 10:32-33; Acts 8:35-39; Romans 6:3-5");
    EXPECT_EQ(layout.accessKey, -1);
}

TEST_F(SplashWindowTest, CaptionsBlendIntoTheWindow)
{
    const QImage image = rendered(window());
    const QColor face = qtplatform::toQColor(colors::ButtonFace, window()->palette());
    EXPECT_EQ(qttest::colorAt(image, {5, 5}), face);
    EXPECT_EQ(qttest::colorAt(image, widgetOf(splash.lblProud)->geometry().topLeft() + QPointF(1, 1)), face);
}

TEST(CaptionLayout, AccessKeyIsUnderlinedAndDoubledAmpersandIsLiteral)
{
    QFont font = qtplatform::toQFont(platform::Font{});
    const qtplatform::CaptionLayout address = qtplatform::layoutCaption("&Address:", font, 200);
    EXPECT_EQ(address.plainText, "Address:");
    EXPECT_EQ(address.accessKey, 0);
    const qtplatform::CaptionLayout both = qtplatform::layoutCaption("Salt && &Pepper", font, 200);
    EXPECT_EQ(both.plainText, "Salt & Pepper");
    EXPECT_EQ(both.accessKey, 7);
    const qtplatform::CaptionLayout accented = qtplatform::layoutCaption("\u00A9 &\u00C9t\u00E9", font, 200);
    EXPECT_EQ(accented.plainText, "\u00A9 \u00C9t\u00E9");
    EXPECT_EQ(accented.accessKey, 2) << "a position in the shown text, not in its bytes";
}

TEST(CaptionLayout, WordsWiderThanTheBoxBreakBetweenLetters)
{
    QFont font = qtplatform::toQFont(platform::Font{});
    const qtplatform::CaptionLayout layout = qtplatform::layoutCaption("Glimmerkin", font, 20);
    ASSERT_GT(layout.lines.size(), 1);
    QString joined;
    for (const auto& line : layout.lines) {
        EXPECT_LE(line.width, 20.0 + 1.0 / 64);
        joined += line.text;
    }
    EXPECT_EQ(joined, "Glimmerkin");
}

TEST(CaptionLayout, TextWithoutSpacesBreaksBetweenItsCharactersButNeverBeforeAFullStop)
{
    QFont font = qtplatform::toQFont(platform::Font{});
    const qreal glyph = QFontMetricsF(font).horizontalAdvance(QString::fromUtf8("你"));
    const auto layout = qtplatform::layoutCaption(QString::fromUtf8("你好。你好"), font, 2.5 * glyph);
    ASSERT_EQ(layout.lines.size(), 3);
    EXPECT_EQ(layout.lines[1].text, QString::fromUtf8("好。"));
}

TEST(CaptionLayout, ExplicitLineBreaksStartNewLines)
{
    QFont font = qtplatform::toQFont(platform::Font{});
    const qtplatform::CaptionLayout layout = qtplatform::layoutCaption("One\r\nTwo", font, 200);
    ASSERT_EQ(layout.lines.size(), 2);
    EXPECT_EQ(layout.lines[0].text, "One");
    EXPECT_EQ(layout.lines[1].text, "Two");
}

} // namespace
