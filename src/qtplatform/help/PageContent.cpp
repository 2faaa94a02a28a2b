#include "PageContent.h"

#include <QHash>
#include <QMimeDatabase>
#include <QMimeType>
#include <QStringDecoder>
#include <QStringList>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

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

// Bounds on what is costly in Qt's reading and laying out of a page. Laying out on a
// thread of its own with a time budget was not taken: a layout cannot be stopped, so
// a table nested 2,000 deep would keep a core busy for minutes after its budget ran
// out, while with these bounds the costliest page that passes took 1 s in the view
// on two cores shared with other work.
namespace {

// The reader's time grows with the sum of the elements' depths: 3,000 nested elements
// (a sum of 4.5 million) take 0.8 s, 1,000 (half a million) 0.1 s.
constexpr qint64 maxDepthSum = 1000000;
constexpr int maxDepth = 1000;
// 20,000 plain elements took 0.75 s in the view on two cores shared with other work.
constexpr int maxElements = 20000;
// Pictures in one paragraph take time in the square of their number: 500 are read
// and laid out in 0.4 s, 3,000 in 3.5 s.
constexpr int maxPictures = 300;
// Each level of table nesting triples the layout's work (10 levels 61 ms, 12 levels
// 366 ms, 16 levels 0.8 s), and 10,000 cells in one row take 2.6 s: cells are
// weighed by three for each table they are nested in.
constexpr qint64 maxTableWork = 5000;
// A word takes time in the square of its length to lay out (20,000 letters 88 ms,
// 100,000 letters 1.4 s): the squares of a page's words are summed, up to ten words
// of 10,000 letters.
constexpr qint64 maxWordWork = 1000000000;
// Text takes its time too: in the view, on two cores shared with other work, 490,000
// characters of words took 1 s, 2 million 6.7 s.
constexpr int maxCharacters = 500000;

bool isHtmlSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

qsizetype skipSpaces(QStringView text, qsizetype at)
{
    while (at < text.size() && isHtmlSpace(text[at]))
        ++at;
    return at;
}

qint64 tableWork(const QTextFrame* frame, qint64 weight)
{
    qint64 work = 0;
    for (const QTextFrame* child : frame->childFrames()) {
        qint64 childWeight = weight;
        if (const auto* table = qobject_cast<const QTextTable*>(child)) {
            work += qint64(table->rows()) * table->columns() * weight;
            childWeight = std::min(weight * 3, maxTableWork + 1);
        }
        if (work > maxTableWork)
            return work;
        work += tableWork(child, childWeight);
    }
    return work;
}

} // namespace

bool PageContent::tooComplex(const QString& html)
{
    // Elements as Qt's reader takes them: a '<', perhaps spaces, and any name, in
    // scripts and style sheets too; an end tag ("</" and the name at once) closes the
    // nearest open element of its name and is passed over where none is open. Elements that hold nothing, and the
    // ones that end an open element of their own name, are Qt's.
    static const QStringList empty{QStringLiteral("br"), QStringLiteral("hr"), QStringLiteral("img"),
                                   QStringLiteral("meta")};
    static const QStringList notSelfNesting{QStringLiteral("p"),  QStringLiteral("li"), QStringLiteral("td"),
                                            QStringLiteral("th"), QStringLiteral("tr"), QStringLiteral("dd"),
                                            QStringLiteral("dt")};
    const QStringView text(html);
    QStringList open;
    QHash<QString, int> openByName;
    qint64 depthSum = 0;
    int elements = 0;
    int pictures = 0;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at)) {
        if (text.mid(at, 4) == u"<!--") {
            const qsizetype end = text.indexOf(u"-->", at + 4);
            if (end < 0)
                break;
            at = end + 3;
            continue;
        }
        at = skipSpaces(text, at + 1);
        const bool isEnd = at < text.size() && text[at] == u'/';
        if (isEnd)
            ++at; // "</ div>" ends nothing
        const qsizetype nameStart = at;
        while (at < text.size() && !isHtmlSpace(text[at]) && text[at] != u'>' && text[at] != u'/' && text[at] != u'<')
            ++at;
        const QString name = text.mid(nameStart, at - nameStart).toString().toLower();
        if (isEnd) {
            if (openByName.value(name) > 0) {
                while (open.last() != name)
                    --openByName[open.takeLast()];
                --openByName[open.takeLast()];
            }
            continue;
        }
        if (++elements > maxElements)
            return true;
        if (name == u"img" && ++pictures > maxPictures)
            return true;
        const bool opens =
            !empty.contains(name) && !(notSelfNesting.contains(name) && open.value(open.size() - 1) == name);
        if (opens) {
            open.append(name);
            ++openByName[name];
        }
        depthSum += open.size() + (opens ? 0 : 1);
        if (open.size() > maxDepth || depthSum > maxDepthSum)
            return true;
    }
    return false;
}

PageContent::Layout PageContent::weigh(const QTextDocument& document)
{
    if (document.characterCount() > maxCharacters)
        return Layout::TooLong;
    if (tableWork(document.rootFrame(), 1) > maxTableWork || wordWork(document) > maxWordWork)
        return Layout::TooComplex;
    return Layout::Fits;
}

qint64 PageContent::wordWork(const QTextDocument& document)
{
    qint64 work = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // Where Qt's layout may break a line.
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, block.text());
        qsizetype from = 0;
        for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
            work += qint64(at - from) * (at - from);
            from = at;
        }
    }
    return work;
}

QString PageContent::decodeText(const QByteArray& data)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

} // namespace qtplatform
