#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qtplatform {

// The pictures of the help browser's pages.
class PagePicture {
public:
    // No picture is decoded larger than this many device pixels on either side.
    static constexpr int maxSide = 4096;

    // The picture in `data` (an SVG drawing at the given device pixel ratio, or any
    // format Qt reads), or a null image where it is damaged or too large.
    static QImage decode(const QByteArray& data, const QString& fileName, qreal devicePixelRatio);

    // Shown where a picture of a page cannot be: a small framed cross.
    static QImage missing();
};

} // namespace qtplatform
