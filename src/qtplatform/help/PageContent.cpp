#include "PageContent.h"

#include "platform/Ascii.h"
#include "platform/HtmlTags.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QStringDecoder>

#include <algorithm>
#include <string>
#include <string_view>

namespace qtplatform {

namespace {

bool isUtf16(const QByteArray& data) { return data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"); }

} // namespace

PageContent::Kind PageContent::classify(const QByteArray& data, const QString& fileName, const QString& mimeType)
{
    const QMimeDatabase database;
    const QString given = mimeType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    const QMimeType named =
        given.isEmpty() ? database.mimeTypeForFileNameAndData(fileName, data) : database.mimeTypeForName(given);
    // A type the database does not know, or its catch-all one: the bytes decide.
    const QMimeType type = !named.isValid() || named.isDefault() ? database.mimeTypeForData(data) : named;
    if (given.startsWith(QLatin1String("image/")) || type.name().startsWith(QLatin1String("image/")))
        return Kind::Picture;
    // Kept beside the database, which believes a file's name: a binary file named as
    // a page would pass it.
    if (looksBinary(data))
        return Kind::Other;
    if (type.inherits(QStringLiteral("text/html")) || type.inherits(QStringLiteral("application/xhtml+xml")))
        return Kind::Html;
    // A file on this computer that is no binary is at least text.
    if (given.isEmpty() || given.startsWith(QLatin1String("text/")) || type.inherits(QStringLiteral("text/plain")))
        return Kind::Text;
    return Kind::Other;
}

bool PageContent::looksBinary(const QByteArray& data)
{
    if (isUtf16(data))
        return false;
    const QByteArray head = data.left(8192);
    qsizetype control = 0;
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            return true;
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' && byte != 0x1B)
            ++control;
    }
    return control * 10 > head.size();
}

bool PageContent::tooComplex(const QString& html)
{
    constexpr int maxDepth = 1000;
    constexpr int maxElements = 30000;
    // Elements that have no end tag, or whose end tag is often left out.
    static constexpr std::string_view unclosed[] = {
        "area", "base", "br",     "col", "dd",    "dt",     "embed", "hr", "img", "input", "li",
        "link", "meta", "option", "p",   "param", "source", "td",    "th", "tr",  "track", "wbr"};
    const std::string markup = html.toStdString();
    platform::html::TagReader reader(markup);
    platform::html::Tag tag;
    int depth = 0;
    int elements = 0;
    while (reader.next(tag)) {
        const std::string_view name = std::string_view(tag.name).substr(tag.isEnd() ? 1 : 0);
        if (name.empty() || !platform::ascii::isAlpha(name.front()))
            continue;
        const bool counted = std::find(std::begin(unclosed), std::end(unclosed), name) == std::end(unclosed);
        if (tag.isEnd()) {
            if (counted && depth > 0)
                --depth;
            continue;
        }
        if (++elements > maxElements)
            return true;
        if (counted && ++depth > maxDepth)
            return true;
    }
    return false;
}

QString PageContent::decodeText(const QByteArray& data)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

} // namespace qtplatform
