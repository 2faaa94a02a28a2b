#include "PageContent.h"

#include "ErrorPage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QStringDecoder>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <string>

namespace qtplatform {

namespace {

// Bounds on what is costly in Qt's reading and laying out of a page, not a layout on a
// thread of its own with a time budget: a layout cannot be stopped, and a table nested
// 2,000 deep kept a core busy for minutes. The costliest page within them took 1 s.
//
// The reader's time grows with the sum of the depths: 1,000 nested elements take 0.1 s.
constexpr qint64 maxDepthSum = 1000000;
constexpr int maxDepth = 1000;
// 20,000 plain elements took 0.75 s.
constexpr int maxElements = 20000;
// Pictures in one paragraph take time in the square of their number: 500 took 0.4 s.
constexpr int maxPictures = 300;
// Each level of table nesting triples the layout's work (12 levels 0.4 s), and 10,000
// cells in one row took 2.6 s: a cell weighs three times more in each table around it.
constexpr qint64 maxTableWork = 5000;
// A word takes time in the square of its length (100,000 letters 1.4 s): up to ten
// words of 10,000 letters.
constexpr qint64 maxWordWork = 1000000000;
// 490,000 characters of words took 1 s.
constexpr int maxCharacters = 500000;

bool isHtmlSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

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

// The sum of the squares of the lengths of the runs of text in which Qt's layout finds
// no place to break a line.
qint64 wordWork(const QTextDocument& document)
{
    qint64 work = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, block.text());
        qsizetype from = 0;
        for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
            work += qint64(at - from) * (at - from);
            from = at;
        }
    }
    return work;
}

qint64 pixelsOf(QSize size) { return qint64(size.width()) * size.height(); }

} // namespace

RenderedPage RenderedPage::fromContent(const QByteArray& data, const QUrl& url, const QString& mimeType,
                                       const QString& asked, qreal devicePixelRatio)
{
    const QString fileName = url.fileName(QUrl::PrettyDecoded);
    RenderedPage page;
    page.url = url;
    page.asked = asked;
    switch (PageContent::classify(data, fileName, mimeType)) {
    case PageContent::Kind::Html:
        page.html = PageContent::decodeText(data);
        if (PageContent::tooComplex(page.html))
            return ErrorPage::of(ErrorPage::Kind::TooComplex, asked, url);
        return page;
    case PageContent::Kind::Text:
        page.plainText = true;
        page.html = PageContent::decodeText(data);
        return page;
    case PageContent::Kind::Picture:
        page.image = PagePicture::decode(data, fileName, devicePixelRatio);
        if (page.image.isNull())
            return ErrorPage::of(ErrorPage::Kind::BrokenPicture, asked, url);
        page.html = QStringLiteral("<html><body><img src=\"%1\"></body></html>")
                        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped());
        return page;
    case PageContent::Kind::Other: break;
    }
    return ErrorPage::of(ErrorPage::Kind::NotAPage, asked, url);
}

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
    // A UTF-16 byte-order mark.
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
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
    // Elements as Qt's reader takes them: a '<', perhaps spaces, and any name, in
    // scripts and style sheets too; an end tag ("</" and the name at once) closes the
    // nearest open element of its name and is passed over where none is open. Elements
    // that hold nothing, and the ones that end an open element of their own name, are Qt's.
    static const QStringList empty = QStringLiteral("br hr img meta").split(u' ');
    static const QStringList notSelfNesting = QStringLiteral("p li td th tr dd dt").split(u' ');
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
        ++at;
        while (at < text.size() && isHtmlSpace(text[at]))
            ++at;
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
        if (++elements > maxElements || (name == u"img" && ++pictures > maxPictures))
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

QString PageContent::decodeText(const QByteArray& data)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

platform::FileProblem readPageFile(const QString& path, QByteArray& data)
{
    data.clear();
    if (!QDir::isAbsolutePath(path) || path.contains(QChar(0)))
        return platform::FileProblem::NotFound;
    std::string bytes;
    const platform::FileProblem problem =
        platform::readRegularFile(QFile::encodeName(path).toStdString(), std::size_t(maxPageBytes), bytes);
    if (problem == platform::FileProblem::None)
        data = QByteArray(bytes.data(), qsizetype(bytes.size()));
    return problem;
}

QImage PagePicture::decode(const QByteArray& data, const QString& fileName, qreal devicePixelRatio, qint64 maxPixels)
{
    if (maxPixels <= 0)
        return {};
    const bool svg =
        QMimeDatabase().mimeTypeForFileNameAndData(fileName, data).inherits(QStringLiteral("image/svg+xml"));
    if (!svg) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (!size.isValid() || size.width() > maxSide || size.height() > maxSide || pixelsOf(size) > maxPixels)
            return {};
        return reader.read();
    }
    // Drawn with the SVG library the program links: Qt's SVG image plugin is a package
    // of its own on Debian 13.
    QSvgRenderer renderer(data);
    QSize size = renderer.isValid() ? renderer.defaultSize() : QSize();
    if (size.isEmpty())
        return {};
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
    painter.end();
    return image;
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
