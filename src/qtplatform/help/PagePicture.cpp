#include "PagePicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace qtplatform {

namespace {

qint64 pixelsOf(QSize size) { return qint64(size.width()) * size.height(); }

} // namespace

QImage PagePicture::decode(const QByteArray& data, const QString& fileName, qreal devicePixelRatio, qint64 maxPixels)
{
    if (maxPixels <= 0)
        return {};
    const bool svg =
        QMimeDatabase().mimeTypeForFileNameAndData(fileName, data).inherits(QStringLiteral("image/svg+xml"));
    if (svg) {
        QSvgRenderer renderer(data);
        if (!renderer.isValid())
            return {};
        QSize size = renderer.defaultSize();
        if (size.isEmpty())
            return {};
        // Drawn at most maxSide device pixels wide and high.
        const qreal ratio = std::clamp<qreal>(devicePixelRatio, 1.0, 2.0);
        const int side = int(maxSide / ratio);
        if (size.width() > side || size.height() > side)
            size = size.scaled(side, side, Qt::KeepAspectRatio);
        const qint64 pixels = pixelsOf((QSizeF(size) * ratio).toSize());
        if (pixels > maxPixels) {
            const qreal shrink = std::sqrt(qreal(maxPixels) / qreal(pixels));
            size = size.scaled(int(size.width() * shrink), int(size.height() * shrink), Qt::KeepAspectRatio);
        }
        if (size.isEmpty())
            return {};
        QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return image;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide || pixelsOf(size) > maxPixels)
        return {};
    return reader.read();
}

QByteArray PagePicture::dataOf(const QUrl& url)
{
    const QByteArray address = url.toEncoded();
    const qsizetype comma = address.indexOf(',');
    if (!address.startsWith("data:") || comma < 0)
        return {};
    const QByteArray payload = QByteArray::fromPercentEncoding(address.mid(comma + 1));
    return address.left(comma).toLower().endsWith(";base64") ? QByteArray::fromBase64(payload) : payload;
}

QImage PagePicture::missing()
{
    static const QImage picture = [] {
        QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, 15, 15);
        painter.setPen(QColor(192, 0, 0));
        painter.drawLine(4, 4, 11, 11);
        painter.drawLine(11, 4, 4, 11);
        return image;
    }();
    return picture;
}

} // namespace qtplatform
