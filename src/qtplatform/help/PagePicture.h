#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>

namespace qtplatform {

// The pictures of the help browser's pages.
class PagePicture {
public:
    // No picture is decoded larger than this many device pixels on either side.
    static constexpr int maxSide = 4096;
    // All the pictures of one page together: 32 MB at four bytes a pixel.
    static constexpr qint64 pagePixels = 8 * 1024 * 1024;

    // The picture in `data` (an SVG drawing at the given device pixel ratio, or any
    // format Qt reads), or a null image where it is damaged or too large: a drawing
    // is drawn smaller to fit within `maxPixels` device pixels, any other picture
    // larger is not read.
    static QImage decode(const QByteArray& data, const QString& fileName, qreal devicePixelRatio,
                         qint64 maxPixels = pagePixels);
    // The bytes of a data: address ("data:image/png;base64,..."), empty where it holds none.
    static QByteArray dataOf(const QUrl& url);

    // Shown where a picture of a page cannot be: a small framed cross.
    static QImage missing();
};

} // namespace qtplatform
