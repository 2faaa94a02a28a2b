#include "Conversions.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace qtplatform {

int toPixels(float twips) { return static_cast<int>(std::lround(twips / platform::twipsPerPixel)); }

float toTwips(int pixels) { return static_cast<float>(pixels) * platform::twipsPerPixel; }

QColor toQColor(platform::Color color, const QPalette& palette)
{
    if (platform::isSystemColor(color)) {
        // The entries of the system colour table that the layouts use, from the palette.
        namespace colors = platform::colors;
        constexpr auto entry = platform::systemColorIndex;
        switch (platform::systemColorIndex(color)) {
        case entry(colors::WindowBackground): return palette.color(QPalette::Active, QPalette::Base);
        case entry(colors::WindowText): return palette.color(QPalette::Active, QPalette::Text);
        case entry(colors::Selection): return palette.color(QPalette::Active, QPalette::Highlight);
        case entry(colors::SelectedText): return palette.color(QPalette::Active, QPalette::HighlightedText);
        case entry(colors::ButtonFace): return palette.color(QPalette::Active, QPalette::Button);
        case entry(colors::ButtonShadow): return palette.color(QPalette::Active, QPalette::Dark);
        case entry(colors::GrayText): return palette.color(QPalette::Disabled, QPalette::ButtonText);
        case entry(colors::ButtonText): return palette.color(QPalette::Active, QPalette::ButtonText);
        case entry(colors::Highlight3D): return palette.color(QPalette::Active, QPalette::Light);
        case entry(colors::DarkShadow3D): return palette.color(QPalette::Active, QPalette::Shadow);
        case entry(colors::Light3D): return palette.color(QPalette::Active, QPalette::Midlight);
        default: return palette.color(QPalette::Active, QPalette::Window);
        }
    }
    return QColor(platform::redOf(color), platform::greenOf(color), platform::blueOf(color));
}

QFont toQFont(const platform::Font& font)
{
    QFont result;
    if (font.name == "Times New Roman") {
        result.setFamilies(
            {QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("serif")});
    } else {
        result.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")});
        result.setStretch(95); // Liberation Sans sets the classic sans's captions 5 % wider
    }
    // Qt turns points into pixels at the screen's logical resolution; the layouts count
    // 96 to the inch whatever the screen reports.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
    result.setPointSizeF(font.sizePt * 96.0 / dpi);
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

QPixmap renderPicture(const platform::Picture& picture, qreal devicePixelRatio)
{
    return renderPicture(picture, QSize(picture.widthPx(), picture.heightPx()), devicePixelRatio);
}

void releasePictures() { QPixmapCache::clear(); }

QPixmap renderPicture(const platform::Picture& picture, QSize logicalSize, qreal devicePixelRatio)
{
    if (picture.isNull() || logicalSize.isEmpty())
        return {};
    const QString key = QStringLiteral("%1|%2x%3|%4|%5")
                            .arg(toQString(picture.resource()))
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio)
                            .arg(picture.maskColor());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    const QSize deviceSize(qRound(logicalSize.width() * devicePixelRatio),
                           qRound(logicalSize.height() * devicePixelRatio));
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The last source parsed is kept: a picture drawn at several sizes in a row (a window
    // icon) is parsed once.
    static QString lastResource;
    static std::unique_ptr<QSvgRenderer> renderer;
    if (!renderer || lastResource != toQString(picture.resource())) {
        lastResource = toQString(picture.resource());
        renderer = std::make_unique<QSvgRenderer>(lastResource);
    }
    if (renderer->isValid()) {
        QPainter painter(&image);
        renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    }
    image.setDevicePixelRatio(devicePixelRatio);
    pixmap = QPixmap::fromImage(image);
    if (picture.maskColor() != platform::Picture::noMask) // only opaque pixels of exactly that colour
        pixmap.setMask(
            pixmap.createMaskFromColor(toQColor(picture.maskColor(), QApplication::palette()), Qt::MaskInColor));
    // Qt's pixmap cache holds 10 MiB unless told otherwise and refuses a larger pixmap (the
    // landscape takes 11 MiB at pixel ratio 3): it is kept at twice the largest picture,
    // so that every picture of a window stays in it.
    QPixmapCache::setCacheLimit(
        std::max(QPixmapCache::cacheLimit(), static_cast<int>(2 * image.sizeInBytes() / 1024 + 1)));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace qtplatform
