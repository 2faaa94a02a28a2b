#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace qtplatform {

// What the bytes of a page are, and the checks made before Qt's HTML reader sees
// them and before Qt lays the page out.
class PageContent {
public:
    enum class Kind { Html, Text, Picture, Other };

    // `mimeType` is the web server's content type; for a local file it is empty and
    // the type comes from the file's name and first bytes.
    static Kind classify(const QByteArray& data, const QString& fileName, const QString& mimeType);

    // NUL bytes, or more than a tenth of control characters, in the first 8 KB; a
    // UTF-16 byte-order mark makes it text.
    static bool looksBinary(const QByteArray& data);

    // Before Qt's HTML reader sees the page: elements nested deeper, or more elements
    // or pictures, than its reader takes in a fraction of a second.
    static bool tooComplex(const QString& html);
    // The page as Qt read it, before it is laid out: tables nested too deeply or too
    // large, or words too long (TooComplex), or more text (TooLong) than its layout
    // takes in a fraction of a second.
    enum class Layout { Fits, TooComplex, TooLong };
    static Layout weigh(const QTextDocument& document);
    // The sum of the squares of the lengths of the runs of text in which Qt's layout
    // finds no place to break a line.
    static qint64 wordWork(const QTextDocument& document);

    // Text in the encoding its byte-order mark or its meta tag names, UTF-8 otherwise.
    static QString decodeText(const QByteArray& data);
};

} // namespace qtplatform
