// Renders the artwork the way the program does, at pixel ratios 1 and 2, and checks
// the parts of each picture that the game depends on pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <string>
#include <vector>

namespace {

struct Area {
    const char* what;
    int x, y, w, h; // picture pixels
};

QImage render(const QString& file, int ratio)
{
    QSvgRenderer svg(":/art/" + file);
    if (!svg.isValid())
        return {};
    const QSize size = svg.defaultSize();
    QImage image(size * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
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
                first = QString("device pixel (%1,%2) is #%3")
                            .arg(x).arg(y).arg(pixel, 8, 16, QChar('0')).toStdString();
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
    const char* file;
    int w, h;
};

constexpr Expected pictures[] = {
    {"landscape.svg", 674, 480},      {"quarry.svg", 92, 92},           {"help.svg", 16, 16},
    {"icon.svg", 32, 32},             {"banner.svg", 377, 154},         {"logo.svg", 288, 90},
    {"toolbar-back.svg", 24, 24},     {"toolbar-forward.svg", 24, 24},  {"toolbar-stop.svg", 24, 24},
    {"toolbar-refresh.svg", 24, 24},  {"toolbar-home.svg", 24, 24},     {"toolbar-globe.svg", 24, 24},
};

TEST(Artwork, EveryPictureLoadsAtItsPixelSize)
{
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.file);
        QSvgRenderer svg(QString(":/art/") + picture.file);
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.defaultSize(), QSize(picture.w, picture.h));
        EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, picture.w, picture.h));
    }
}

// --- the landscape ---------------------------------------------------------------------

constexpr QRgb grass = 0x008000, sky = 0x00ffff, white = 0xffffff, river = 0x0000ff;
constexpr QRgb rock = 0xc0c0c0, trunk = 0x804000;

TEST_P(AtPixelRatio, LandscapeHoldsEachLightsRestColourUnderIt)
{
    const int ratio = GetParam();
    const QImage land = render("landscape.svg", ratio);
    ASSERT_FALSE(land.isNull());
    EXPECT_EQ(mismatches(land, ratio, {"light 1, grass", 214, 350, 97, 97}, grass), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 2, sky", 414, 94, 97, 97}, sky), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 3, snow", 214, 14, 97, 97}, white), "");
    EXPECT_EQ(mismatches(land, ratio, {"light 4, river", 526, 374, 97, 97}, river), "");
}

TEST_P(AtPixelRatio, LandscapeUnderTheOtherControls)
{
    const int ratio = GetParam();
    const QImage land = render("landscape.svg", ratio);
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
    for (const char* file : {"landscape.svg", "quarry.svg", "banner.svg"}) {
        SCOPED_TRACE(file);
        const QImage image = render(file, GetParam());
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(opaquePixels(image), image.width() * image.height());
    }
}

TEST_P(AtPixelRatio, QuarryStandsOnWhite)
{
    const int ratio = GetParam();
    const QImage quarry = render("quarry.svg", ratio);
    ASSERT_FALSE(quarry.isNull());
    EXPECT_EQ(mismatches(quarry, ratio, {"top right corner", 84, 0, 8, 8}, white), "");
    EXPECT_EQ(mismatches(quarry, ratio, {"bottom right corner", 84, 84, 8, 8}, white), "");
}

TEST_P(AtPixelRatio, IconAndLogoShowThroughAroundTheDrawing)
{
    for (const char* file : {"icon.svg", "logo.svg"}) {
        SCOPED_TRACE(file);
        const QImage image = render(file, GetParam());
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

constexpr QRgb maskGrey = 0xc0c0c0;

// Pixels of the mask colour that cannot be reached from the picture's edge through other
// mask pixels: holes that would let the button show through the drawing.
std::string maskHoles(const QImage& image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> reached(static_cast<size_t>(w * h), 0);
    std::vector<QPoint> todo;
    const auto isMask = [&](int x, int y) { return image.pixel(x, y) == (maskGrey | 0xff000000u); };
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || reached[static_cast<size_t>(y * w + x)] || !isMask(x, y))
            return;
        reached[static_cast<size_t>(y * w + x)] = 1;
        todo.push_back({x, y});
    };
    for (int x = 0; x < w; ++x) { visit(x, 0); visit(x, h - 1); }
    for (int y = 0; y < h; ++y) { visit(0, y); visit(w - 1, y); }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y()); visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1); visit(p.x(), p.y() - 1);
    }
    int holes = 0;
    std::string first;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isMask(x, y) && !reached[static_cast<size_t>(y * w + x)] && holes++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (holes == 0)
        return {};
    return std::to_string(holes) + " hole pixels, first at device pixel " + first;
}

TEST_P(AtPixelRatio, MaskedPicturesStandOnExactLightGrey)
{
    const int ratio = GetParam();
    for (const char* file : {"help.svg", "toolbar-back.svg", "toolbar-forward.svg", "toolbar-stop.svg",
                             "toolbar-refresh.svg", "toolbar-home.svg", "toolbar-globe.svg"}) {
        SCOPED_TRACE(file);
        const QImage image = render(file, ratio);
        ASSERT_FALSE(image.isNull());
        const int size = image.width() / ratio;
        // The outermost ring of picture pixels is background all round.
        EXPECT_EQ(mismatches(image, ratio, {"top edge", 0, 0, size, 1}, maskGrey), "");
        EXPECT_EQ(mismatches(image, ratio, {"bottom edge", 0, size - 1, size, 1}, maskGrey), "");
        EXPECT_EQ(mismatches(image, ratio, {"left edge", 0, 0, 1, size}, maskGrey), "");
        EXPECT_EQ(mismatches(image, ratio, {"right edge", size - 1, 0, 1, size}, maskGrey), "");
        EXPECT_EQ(maskHoles(image), "");
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixel(x, y) != (maskGrey | 0xff000000u);
        EXPECT_GT(drawn, image.width() * image.height() / 5) << "too little is drawn";
    }
}

} // namespace
