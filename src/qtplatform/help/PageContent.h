#pragma once

#include <QByteArray>
#include <QString>

namespace qtplatform {

// What the bytes of a page are, and the checks made before Qt's HTML reader sees them.
class PageContent {
public:
    enum class Kind { Html, Text, Picture, Other };

    // `mimeType` is the web server's content type; for a local file it is empty and
    // the type comes from the file's name and first bytes.
    static Kind classify(const QByteArray& data, const QString& fileName, const QString& mimeType);

    // NUL bytes, or more than a tenth of control characters, in the first 8 KB; a
    // UTF-16 byte-order mark makes it text.
    static bool looksBinary(const QByteArray& data);

    // Qt's HTML reader slows down sharply with the depth of nesting, so pages nested
    // deeper, or made of more elements, than any real page is are not shown.
    static bool tooComplex(const QString& html);

    // Text in the encoding its byte-order mark or its meta tag names, UTF-8 otherwise.
    static QString decodeText(const QByteArray& data);
};

} // namespace qtplatform
