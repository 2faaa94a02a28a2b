#pragma once

#include "platform/RegularFile.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>

class QTextDocument;

namespace qtplatform {

// A page of the help browser ready to be shown: HTML, plain text or a picture of its
// own, or an error page (ErrorPage.h) that says why the page asked for is not shown.
struct RenderedPage {
    QUrl url{};
    QString asked{};
    QString title{};
    QString html{};
    bool plainText = false;
    QString text{};
    QImage image{};

    // The page the bytes make; `mimeType` is the web server's, empty for a local file.
    static RenderedPage fromContent(const QByteArray& data, const QUrl& url, const QString& mimeType,
                                    const QString& asked, qreal devicePixelRatio);
};

// No page, style sheet or picture of a page is read beyond this.
constexpr qint64 maxPageBytes = 2 * 1024 * 1024;

// Reads a page file of at most maxPageBytes by an absolute path, through the same
// reader as the sounds: only regular files, never a device or a pipe.
platform::FileProblem readPageFile(const QString& path, QByteArray& data);

// What the bytes of a page are, and the checks made before Qt's HTML reader sees
// them and before Qt lays the page out.
namespace PageContent {

enum class Kind { Html, Text, Picture, Other };
// `mimeType` is the web server's content type; for a local file it is empty and the
// type comes from the file's name and first bytes.
Kind classify(const QByteArray& data, const QString& fileName, const QString& mimeType);

// NUL bytes, or more than a tenth of control characters, in the first 8 KB; a UTF-16
// byte-order mark makes it text.
bool looksBinary(const QByteArray& data);

// Before Qt's HTML reader sees the page: elements nested deeper, or more elements or
// pictures, than its reader takes in a fraction of a second.
bool tooComplex(const QString& html);
// The page as Qt read it, before it is laid out: tables nested too deeply or too
// large, or words too long (TooComplex), or more text (TooLong) than its layout takes
// in a fraction of a second.
enum class Layout { Fits, TooComplex, TooLong };
Layout weigh(const QTextDocument& document);

// Text in the encoding its byte-order mark or its meta tag names, UTF-8 otherwise.
QString decodeText(const QByteArray& data);

} // namespace PageContent

// The pictures of the help browser's pages.
namespace PagePicture {

// No picture is decoded larger than this many device pixels on either side.
constexpr int maxSide = 4096;
// All the pictures of one page together: 32 MB at four bytes a pixel.
constexpr qint64 pagePixels = 8 * 1024 * 1024;

// The picture in `data` (an SVG drawing at the given device pixel ratio, or any
// format Qt reads), or a null image where it is damaged or too large: a drawing is
// drawn smaller to fit within `maxPixels` device pixels, any other picture larger is
// not read.
QImage decode(const QByteArray& data, const QString& fileName, qreal devicePixelRatio, qint64 maxPixels = pagePixels);
// The bytes of a data: address ("data:image/png;base64,..."), empty where it holds none.
QByteArray dataOf(const QUrl& url);
// Shown where a picture of a page cannot be: a small framed cross.
QImage missing();

} // namespace PagePicture

} // namespace qtplatform
