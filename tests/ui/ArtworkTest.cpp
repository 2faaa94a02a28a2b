// Renders the artwork as the program does (ui::artwork's pictures through the Qt
// adapter's renderPicture, masks and all), at pixel ratios 1 and 2, and checks the parts
// of each picture that the game depends on pixel for pixel.
#include "ui/Artwork.h"
#include "qtplatform/Conversions.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QSvgRenderer>

#include <string>
#include <vector>

namespace {

namespace artwork = ui::artwork;

struct Area {
    const char* what;
    int x, y, w, h; // picture pixels
};

QImage render(const platform::Picture& picture, int ratio)
{
    return qtplatform::renderPicture(picture, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Counts the device pixels of the area whose colour is not exactly `rgb`, and names
// the first of them.
std::string mismatches(const QImage& image, int ratio, const Area& area, QRgb rgb)
{
    int count = 0;
    std::string first;
    for (int y = area.y * ratio; y < (area.y + area.h) * ratio; ++y)
        for (int x = area.x * ratio; x < (area.x + area.w) * ratio; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == (rgb | 0xff000000u))
                continue;
            if (count++ == 0)
                first =
                    QString("device pixel (%1,%2) is #%3").arg(x).arg(y).arg(pixel, 8, 16, QChar('0')).toStdString();
        }
    if (count == 0)
        return {};
    return std::string(area.what) + ": " + std::to_string(count) + " pixels differ, first " + first;
}

class AtPixelRatio : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Artwork, AtPixelRatio, testing::Values(1, 2),
                         [](const auto& info) { return "x" + std::to_string(info.param); });

// --- sizes ---------------------------------------------------------------------------

struct Expected {
    const char* name;
    platform::Picture picture;
    int w, h;
};

std::vector<Expected> everyPicture()
{
    std::vector<Expected> all = {
        {"landscape", artwork::landscape(), 674, 480},      {"quarry", artwork::quarry("The quarry is here"), 92, 92},
        {"help mark", artwork::helpMark(), 16, 16},         {"window icon", artwork::windowIcon(), 32, 32},
        {"title banner", artwork::titleBanner(), 377, 154}, {"maker's logo", artwork::makerLogo(), 288, 90}};
    for (int n = 1; n <= 6; ++n)
        all.push_back({"toolbar image", artwork::toolbarImage(n), 24, 24});
    return all;
}

TEST_P(AtPixelRatio, EveryPictureDrawsAtItsPixelSize)
{
    const int ratio = GetParam();
    for (const auto& expected : everyPicture()) {
        SCOPED_TRACE(std::string(expected.name) + " " + expected.picture.resource());
        EXPECT_EQ(expected.picture.widthPx(), expected.w);
        EXPECT_EQ(expected.picture.heightPx(), expected.h);
        // The drawing's own units are the picture's pixels, so nothing is scaled unevenly.
        QSvgRenderer svg(qtplatform::toQString(expected.picture.resource()));
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, expected.w, expected.h));
        EXPECT_EQ(render(expected.picture, ratio).size(), QSize(expected.w, expected.h) * ratio);
    }
}

// --- the landscape ---------------------------------------------------------------------

constexpr QRgb grass = 0x008000, sky = 0x00ffff, white = 0xffffff, river = 0x0000ff;
constexpr QRgb rock = 0xc0c0c0, trunk = 0x804000;

TEST_P(AtPixelRatio, LandscapeHoldsEachLightsRestColourUnderIt)
{
    const int ratio = GetParam();
    const QImage land = render(artwork::landscape(), ratio);
    ASSERT_FALSE(land.isNull());
    EXPECT_EQ(mismatches(land, ratio, {"light 1, grass", 214, 350, 97, 97}, grass), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 2, sky", 414, 94, 97, 97}, sky), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 3, snow", 214, 14, 97, 97}, white), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 4, river", 526, 374, 97, 97}, river), "");
}

TEST_P(AtPixelRatio, LandscapeUnderTheOtherControls)
{
    const int ratio = GetParam();
    const QImage land = render(artwork::landscape(), ratio);
    ASSERT_FALSE(land.isNull());
    // The Help button's corner, up to the picture's right edge.
    EXPECT_EQ(mismatches(land, ratio, {"Help corner", 648, 0, 26, 27}, sky), "");
    // The score box and the line of the Start caption where the word shows.
    EXPECT_EQ(mismatches(land, ratio, {"score cloud", 86, 22, 58, 26}, white), "");
    EXPECT_EQ(mismatches(land, ratio, {"Start cloud", 424, 57, 194, 25}, white), "");
    // The mode captions on the rocks, "Start Over" on the trunk.
    EXPECT_EQ(mismatches(land, ratio, {"Follow rock", 8, 386, 66, 26}, rock), "");
    EXPECT_EQ(mismatches(land, ratio, {"Tag rock", 133, 384, 66, 26}, rock), "");
    EXPECT_EQ(mismatches(land, ratio, {"Start Over trunk", 88, 384, 34, 42}, trunk), "");
    // The quarry's hidden button lies on the grass by the river.
    EXPECT_EQ(mismatches(land, ratio, {"quarry's place", 342, 382, 97, 97}, grass), "");
}

// --- opaque and transparent backgrounds ---------------------------------------------------

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

TEST_P(AtPixelRatio, FullPicturesCoverEveryPixel)
{
    for (const auto& [name, picture] :
         {std::pair{"landscape", artwork::landscape()}, std::pair{"quarry", artwork::quarry("The quarry is here")},
          std::pair{"title banner", artwork::titleBanner()}}) {
        SCOPED_TRACE(name);
        const QImage image = render(picture, GetParam());
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(opaquePixels(image), image.width() * image.height());
    }
}

TEST_P(AtPixelRatio, QuarryStandsOnWhite)
{
    const int ratio = GetParam();
    const QImage quarry = render(artwork::quarry("The quarry is here"), ratio);
    ASSERT_FALSE(quarry.isNull());
    EXPECT_EQ(mismatches(quarry, ratio, {"top right corner", 84, 0, 8, 8}, white), "");
    EXPECT_EQ(mismatches(quarry, ratio, {"bottom right corner", 84, 84, 8, 8}, white), "");
}

TEST_P(AtPixelRatio, IconAndLogoShowThroughAroundTheDrawing)
{
    for (const auto& [name, picture] :
         {std::pair{"window icon", artwork::windowIcon()}, std::pair{"maker's logo", artwork::makerLogo()}}) {
        SCOPED_TRACE(name);
        const QImage image = render(picture, GetParam());
        ASSERT_FALSE(image.isNull());
        const int last = image.width() - 1, bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, bottom), QPoint(last, bottom)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();
        const int all = image.width() * image.height();
        EXPECT_GT(opaquePixels(image), all / 10) << "too little is drawn";
        EXPECT_LT(opaquePixels(image), all * 9 / 10) << "too little is transparent";
    }
}

// --- the masked pictures: light grey is the mask and appears only as background ------------

bool clear(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

// Counts the device pixels of the area that are not see-through, and names the first.
std::string drawnIn(const QImage& image, int ratio, const Area& area)
{
    int count = 0;
    std::string first;
    for (int y = area.y * ratio; y < (area.y + area.h) * ratio; ++y)
        for (int x = area.x * ratio; x < (area.x + area.w) * ratio; ++x)
            if (!clear(image, x, y) && count++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (count == 0)
        return {};
    return std::string(area.what) + ": " + std::to_string(count) + " pixels drawn, first " + first;
}

// See-through pixels that cannot be reached from the picture's edge through other
// see-through pixels: holes that would let the button show through the drawing.
std::string maskHoles(const QImage& image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> reached(static_cast<size_t>(w * h), 0);
    std::vector<QPoint> todo;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || reached[static_cast<size_t>(y * w + x)] || !clear(image, x, y))
            return;
        reached[static_cast<size_t>(y * w + x)] = 1;
        todo.push_back({x, y});
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int holes = 0;
    std::string first;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (clear(image, x, y) && !reached[static_cast<size_t>(y * w + x)] && holes++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (holes == 0)
        return {};
    return std::to_string(holes) + " hole pixels, first at device pixel " + first;
}

TEST_P(AtPixelRatio, MaskedPicturesShowThroughOnlyAroundTheDrawing)
{
    const int ratio = GetParam();
    std::vector<std::pair<std::string, platform::Picture>> masked = {{"help mark", artwork::helpMark()}};
    for (int n = 1; n <= 6; ++n)
        masked.emplace_back("toolbar image " + std::to_string(n), artwork::toolbarImage(n));
    for (const auto& [name, picture] : masked) {
        SCOPED_TRACE(name);
        EXPECT_EQ(picture.maskColor(), artwork::maskLightGrey);
        const QImage image = render(picture, ratio);
        ASSERT_FALSE(image.isNull());
        const int size = image.width() / ratio;
        // The outermost ring of picture pixels is light grey all round, so the mask
        // takes it away.
        EXPECT_EQ(drawnIn(image, ratio, {"top edge", 0, 0, size, 1}), "");
        EXPECT_EQ(drawnIn(image, ratio, {"bottom edge", 0, size - 1, size, 1}), "");
        EXPECT_EQ(drawnIn(image, ratio, {"left edge", 0, 0, 1, size}), "");
        EXPECT_EQ(drawnIn(image, ratio, {"right edge", size - 1, 0, 1, size}), "");
        EXPECT_EQ(maskHoles(image), "");
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += !clear(image, x, y);
        EXPECT_GT(drawn, image.width() * image.height() / 5) << "too little is drawn";
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The program's pictures are pixmaps, which want a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
