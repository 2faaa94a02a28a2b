#include "QtDocumentBrowser.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "WebAccess.h"
#include "platform/Basics.h"
#include "platform/Control.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qtplatform {

namespace {

using Target = QtDocumentBrowser::Target;

constexpr qsizetype MaxAddressLength = 8192;
constexpr qsizetype ShownAddressLength = 300;
constexpr qsizetype MaxTitleLength = 200;
constexpr std::size_t MaxHistory = 100;
constexpr int MaxPictureSide = 4096;
constexpr int MaxRedirects = 5;

// The error the browser control raises when there is no page to go back or forward to.
constexpr int NoPageError = -2147467259;

QString tooLargeTitle() { return QStringLiteral("Page too large"); }
QString tooLargeDetail() { return QStringLiteral("This page is larger than 2 MB, too large to be shown here."); }

QString shorten(const QString& text, qsizetype length)
{
    QString shown = text.left(length);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    if (text.size() > length)
        shown += QChar(0x2026);
    return shown;
}

Target problemTarget(const QString& asked, const QString& title, const QString& detail, const QUrl& url = {})
{
    Target target;
    target.kind = Target::Kind::Problem;
    target.url = url;
    target.problem = title;
    target.detail = detail;
    target.asked = shorten(asked, ShownAddressLength);
    return target;
}

Target malformed(const QString& asked)
{
    return problemTarget(asked, QStringLiteral("Address not valid"),
                         QStringLiteral("This is not a valid address of a page."));
}

Target unsupported(const QString& asked, const QString& scheme)
{
    return problemTarget(asked, QStringLiteral("Address not supported"),
                         QStringLiteral("Addresses that begin with \u201C%1:\u201D cannot be opened here. The help "
                                        "browser opens pages on this computer and web pages (http and https).")
                             .arg(shorten(scheme, 40)));
}

Target fileTarget(const QString& asked, const QString& path)
{
    Target target;
    target.kind = Target::Kind::File;
    target.url = QUrl::fromLocalFile(path);
    target.asked = shorten(asked, ShownAddressLength);
    return target;
}

// What a parsed address stands for: a page on this computer, a web page or a problem.
Target targetForUrl(const QString& asked, QUrl url)
{
    if (!url.isValid())
        return malformed(asked);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return malformed(asked);
        if (url.path().isEmpty())
            url.setPath(QStringLiteral("/"));
        Target target;
        target.kind = Target::Kind::Web;
        target.url = url;
        target.asked = shorten(asked, ShownAddressLength);
        return target;
    }
    if (scheme == QLatin1String("file")) {
        const QString host = url.host();
        if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
            return problemTarget(asked, QStringLiteral("Address not supported"),
                                 QStringLiteral("Pages on other computers cannot be opened by a file address."));
        const QString path = url.path(QUrl::FullyDecoded);
        if (path.isEmpty())
            return malformed(asked);
        return fileTarget(asked, path);
    }
    if (scheme == QLatin1String("about") && url.path().compare(QLatin1String("blank"), Qt::CaseInsensitive) == 0) {
        Target target;
        target.kind = Target::Kind::Blank;
        target.url = QUrl(QStringLiteral("about:blank"));
        target.asked = target.url.toString();
        return target;
    }
    return unsupported(asked, url.scheme());
}

// ---------------------------------------------------------------------------
// Reading local files

enum class FileRead { Ok, NotFound, Folder, NotAFile, Unreadable, TooLarge };

// Reads a regular file of at most limit bytes. A device, pipe or socket is never
// read: the open does not wait for a writer, and what was opened is checked again
// before a byte is read, in case the path changed in between.
FileRead readRegularFile(const QString& path, qint64 limit, QByteArray& data)
{
    data.clear();
    if (!QDir::isAbsolutePath(path) || path.contains(QChar(0)))
        return FileRead::NotFound;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return errno == EACCES ? FileRead::Unreadable : FileRead::NotFound;
    if (S_ISDIR(info.st_mode))
        return FileRead::Folder;
    if (!S_ISREG(info.st_mode))
        return FileRead::NotAFile;
    if (info.st_size > limit)
        return FileRead::TooLarge;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileRead::NotFound : FileRead::Unreadable;
    FileRead result = FileRead::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = FileRead::NotAFile;
    } else {
        char chunk[65536];
        while (data.size() <= limit) {
            const qint64 wanted = std::min<qint64>(qint64(sizeof chunk), limit + 1 - data.size());
            const ssize_t got = ::read(fd, chunk, static_cast<std::size_t>(wanted));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                result = errno == EISDIR ? FileRead::Folder : FileRead::Unreadable;
                break;
            }
            if (got == 0)
                break;
            data.append(chunk, got);
        }
        if (result == FileRead::Ok && data.size() > limit)
            result = FileRead::TooLarge;
    }
    ::close(fd);
    if (result != FileRead::Ok)
        data.clear();
    return result;
}

// ---------------------------------------------------------------------------
// Content

enum class ContentKind { Html, Text, Picture, Other };

bool isUtf16(const QByteArray& data)
{
    return data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF");
}

// NUL bytes, or more than a tenth of control characters, in the first 8 KB.
bool looksBinary(const QByteArray& data)
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

bool looksLikeHtml(const QByteArray& data)
{
    const QByteArray head = data.left(1024).toLower();
    return head.contains("<!doctype html") || head.contains("<html") || head.contains("<head") ||
           head.contains("<body");
}

bool isPictureSuffix(const QString& suffix)
{
    static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("svg"),
                                      QStringLiteral("ico")};
    return suffixes.contains(suffix);
}

// mimeType is the web server's content type, empty for a local file.
ContentKind classify(const QByteArray& data, const QString& fileName, const QString& mimeType)
{
    const QString mime = mimeType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (mime.startsWith(QLatin1String("image/")) || (mime.isEmpty() && isPictureSuffix(suffix)))
        return ContentKind::Picture;
    if (looksBinary(data))
        return ContentKind::Other;
    if (mime == QLatin1String("text/html") || mime == QLatin1String("application/xhtml+xml"))
        return ContentKind::Html;
    if (mime == QLatin1String("text/plain"))
        return ContentKind::Text;
    static const QStringList htmlSuffixes{QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("xhtml"),
                                          QStringLiteral("xht"), QStringLiteral("shtml")};
    if ((mime.isEmpty() && htmlSuffixes.contains(suffix)) || looksLikeHtml(data))
        return ContentKind::Html;
    if (mime.isEmpty() || mime.startsWith(QLatin1String("text/")))
        return ContentKind::Text;
    return ContentKind::Other;
}

// Qt's HTML reader slows down sharply with the depth of nesting, so pages nested
// deeper, or made of more elements, than any real page is are not shown.
bool tooComplex(const QString& html)
{
    constexpr int MaxDepth = 1000;
    constexpr int MaxElements = 30000;
    // Elements that have no end tag, or whose end tag is often left out.
    static const QStringList unclosed{
        QStringLiteral("area"), QStringLiteral("base"), QStringLiteral("br"), QStringLiteral("col"),
        QStringLiteral("dd"), QStringLiteral("dt"), QStringLiteral("embed"), QStringLiteral("hr"),
        QStringLiteral("img"), QStringLiteral("input"), QStringLiteral("li"), QStringLiteral("link"),
        QStringLiteral("meta"), QStringLiteral("option"), QStringLiteral("p"), QStringLiteral("param"),
        QStringLiteral("source"), QStringLiteral("td"), QStringLiteral("th"), QStringLiteral("tr"),
        QStringLiteral("track"), QStringLiteral("wbr")};
    int depth = 0;
    int elements = 0;
    const qsizetype size = html.size();
    for (qsizetype i = 0; i + 1 < size; ++i) {
        if (html[i] != QLatin1Char('<'))
            continue;
        const bool closing = html[i + 1] == QLatin1Char('/');
        qsizetype start = closing ? i + 2 : i + 1;
        qsizetype end = start;
        while (end < size && end - start < 16 && html[end].isLetterOrNumber())
            ++end;
        if (end == start || !html[start].isLetter())
            continue;
        const QString name = html.mid(start, end - start).toLower();
        const bool counted = !unclosed.contains(name);
        if (closing) {
            if (counted && depth > 0)
                --depth;
            continue;
        }
        if (++elements > MaxElements)
            return true;
        if (counted && ++depth > MaxDepth)
            return true;
    }
    return false;
}

// Text in the encoding its byte-order mark or its meta tag names, UTF-8 otherwise.
QString decodeText(const QByteArray& data)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

QImage decodePicture(const QByteArray& data, const QString& fileName, qreal devicePixelRatio)
{
    const bool svg = QFileInfo(fileName).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ||
                     data.left(1024).contains("<svg");
    if (svg) {
        QSvgRenderer renderer(data);
        if (!renderer.isValid())
            return {};
        QSize size = renderer.defaultSize();
        if (size.isEmpty())
            return {};
        // Drawn at most MaxPictureSide device pixels wide and high.
        const qreal ratio = std::clamp<qreal>(devicePixelRatio, 1.0, 2.0);
        const int side = int(MaxPictureSide / ratio);
        if (size.width() > side || size.height() > side)
            size = size.scaled(side, side, Qt::KeepAspectRatio);
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
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {};
    return reader.read();
}

// Shown where a picture of a page cannot be: a small framed cross.
QImage missingPicture()
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

} // namespace

// A page ready to be shown: HTML, plain text or a picture of its own.
struct QtDocumentBrowser::Rendered {
    QUrl url;
    QString asked;
    QString title;
    QString html;
    bool plainText = false;
    QString text;
    QImage image;
};

namespace {

QtDocumentBrowser::Rendered errorPage(const QString& title, const QString& detail, const QString& asked,
                                      const QUrl& url)
{
    QtDocumentBrowser::Rendered page;
    page.url = url;
    page.asked = asked;
    page.title = title;
    const QString address = asked.isEmpty() ? QString() : QStringLiteral("<p><tt>%1</tt></p>").arg(asked.toHtmlEscaped());
    page.html = QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p>%3"
                               "<p>Check the address and try again, or press Home to go back to the game "
                               "instructions.</p></body></html>")
                    .arg(title.toHtmlEscaped(), detail.toHtmlEscaped(), address);
    return page;
}

QtDocumentBrowser::Rendered fileErrorPage(FileRead result, const QString& asked, const QUrl& url)
{
    switch (result) {
    case FileRead::NotFound:
        return errorPage(QStringLiteral("Page not found"), QStringLiteral("There is no page at this address."),
                         asked, url);
    case FileRead::Folder:
        return errorPage(QStringLiteral("This is a folder"),
                         QStringLiteral("This address is a folder, not a page. Open one of the pages in it instead."),
                         asked, url);
    case FileRead::NotAFile:
        return errorPage(QStringLiteral("Not a page"),
                         QStringLiteral("This address is a device or a pipe, not a page, so it is not opened."),
                         asked, url);
    case FileRead::Unreadable:
        return errorPage(QStringLiteral("Page cannot be read"),
                         QStringLiteral("You are not allowed to read this file."), asked, url);
    case FileRead::TooLarge:
        return errorPage(tooLargeTitle(), tooLargeDetail(), asked, url);
    case FileRead::Ok:
        break;
    }
    return errorPage(QStringLiteral("Page cannot be shown"), QString(), asked, url);
}

QtDocumentBrowser::Rendered renderContent(const QByteArray& data, const QUrl& url, const QString& mimeType,
                                          const QString& asked, qreal devicePixelRatio)
{
    const QString fileName = QFileInfo(url.path()).fileName();
    QtDocumentBrowser::Rendered page;
    page.url = url;
    page.asked = asked;
    switch (classify(data, fileName, mimeType)) {
    case ContentKind::Html:
        page.html = decodeText(data);
        if (tooComplex(page.html))
            return errorPage(QStringLiteral("Page too complex"),
                             QStringLiteral("This page is nested too deeply, or made of too many parts, to be shown "
                                            "here."),
                             asked, url);
        return page;
    case ContentKind::Text:
        page.plainText = true;
        page.text = decodeText(data);
        page.title = fileName;
        return page;
    case ContentKind::Picture:
        page.image = decodePicture(data, fileName, devicePixelRatio);
        if (page.image.isNull())
            return errorPage(QStringLiteral("Picture cannot be shown"),
                             QStringLiteral("This picture is damaged, too large or of a kind that cannot be shown."),
                             asked, url);
        page.title = fileName;
        page.html = QStringLiteral("<html><body><img src=\"%1\"></body></html>")
                        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped());
        return page;
    case ContentKind::Other:
        break;
    }
    return errorPage(QStringLiteral("Not a page"),
                     QStringLiteral("This file is neither a page nor a text, so it is not shown here."), asked, url);
}

} // namespace

// ---------------------------------------------------------------------------

Target QtDocumentBrowser::resolveAddress(const QString& address)
{
    if (address.size() > MaxAddressLength)
        return problemTarget(address, QStringLiteral("Address too long"),
                             QStringLiteral("This address is too long to be opened."));
    QString text = address.trimmed();
    if (text.isEmpty())
        return problemTarget(address, QStringLiteral("No address"),
                             QStringLiteral("Type the address of a page into the address box and press Enter."));
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return malformed(text);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));

    static const QRegularExpression schemePattern(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]+(/.*)?$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = schemePattern.match(text);
    if (match.hasMatch()) {
        const QString scheme = match.captured(1);
        // "C:/..." names a drive; "example.com:8080/..." a host and its port.
        if (scheme.size() == 1)
            return fileTarget(text, text);
        const bool hostWithPort = (scheme.contains(QLatin1Char('.')) ||
                                   scheme.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) &&
                                  portPattern.match(match.captured(2)).hasMatch();
        if (!hostWithPort) {
            const QString lower = scheme.toLower();
            if (lower == QLatin1String("file"))
                return targetForUrl(text, QUrl(text, QUrl::TolerantMode));
            if (lower == QLatin1String("http") || lower == QLatin1String("https") || lower == QLatin1String("about"))
                return targetForUrl(text, QUrl(text, QUrl::StrictMode));
            return unsupported(text, scheme);
        }
    }
    if (text.startsWith(QLatin1Char('/')))
        return fileTarget(text, text);
    // Anything else is a web address without its scheme, such as a bare host name.
    return targetForUrl(text, QUrl(QStringLiteral("http://") + text, QUrl::StrictMode));
}

QtDocumentBrowser::QtDocumentBrowser(platform::Browser& control, QWidget* parent)
    : QTextBrowser(parent), control_(control)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    viewport()->setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { followLink(link); });
}

QtDocumentBrowser::~QtDocumentBrowser()
{
    released_ = true;
    cancelLoad();
}

void QtDocumentBrowser::propertyChanged(platform::Property property) { applyCommon(this, control_, property); }

void QtDocumentBrowser::release()
{
    released_ = true;
    cancelLoad();
}

void QtDocumentBrowser::navigateTo(const std::string& address)
{
    startLoad(resolveAddress(toQString(address)), Commit::Push, -1);
}

void QtDocumentBrowser::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? pageUrl_.resolved(link) : link;
    if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == pageUrl_.adjusted(QUrl::RemoveFragment)) {
        scrollToAnchor(url.fragment());
        return;
    }
    startLoad(targetForUrl(url.toString(), url), Commit::Push, -1);
}

void QtDocumentBrowser::goBack() { moveInHistory(-1); }

void QtDocumentBrowser::goForward() { moveInHistory(+1); }

void QtDocumentBrowser::moveInHistory(int step)
{
    // From the entry a Back or Forward under way is heading for, so that two quick
    // clicks move two entries.
    const int from = pending_ && pending_->commit == Commit::MoveTo ? pending_->historyIndex : position_;
    const int to = from + step;
    if (from < 0 || to < 0 || to >= static_cast<int>(history_.size()))
        throw platform::RuntimeError(NoPageError, step < 0 ? "There is no page to go back to"
                                                           : "There is no page to go forward to");
    startLoad(history_[static_cast<std::size_t>(to)], Commit::MoveTo, to);
}

void QtDocumentBrowser::reloadPage()
{
    if (position_ >= 0)
        startLoad(history_[static_cast<std::size_t>(position_)], Commit::Stay, position_);
}

void QtDocumentBrowser::backward()
{
    try {
        goBack();
    } catch (const platform::RuntimeError&) {
    }
}

void QtDocumentBrowser::forward()
{
    try {
        goForward();
    } catch (const platform::RuntimeError&) {
    }
}

void QtDocumentBrowser::reload() { reloadPage(); }

void QtDocumentBrowser::stopLoading()
{
    if (!pending_)
        return;
    cancelLoad();
    reportComplete();
}

std::string QtDocumentBrowser::currentName() const { return toStdString(pageTitle_); }

std::string QtDocumentBrowser::currentUrl() const
{
    return toStdString(pageUrl_.isEmpty() ? pageAsked_ : pageUrl_.toString());
}

void QtDocumentBrowser::startLoad(const Target& target, Commit commit, int historyIndex)
{
    cancelLoad();
    pending_ = Pending{target, commit, historyIndex};
    if (target.kind == Target::Kind::Web) {
        startWebLoad();
        return;
    }
    // Even a local page loads after the caller has returned, as a web page does.
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (pending_ && generation == generation_)
            loadLocal();
    });
}

void QtDocumentBrowser::cancelLoad()
{
    ++generation_;
    pending_.reset();
    if (deadline_)
        deadline_->stop();
    reply_.reset();
    received_.clear();
}

void QtDocumentBrowser::loadLocal()
{
    const Target& target = pending_->target;
    switch (target.kind) {
    case Target::Kind::Blank: {
        Rendered page;
        page.url = target.url;
        page.asked = target.asked;
        page.html = QStringLiteral("<html><body></body></html>");
        finish(page);
        return;
    }
    case Target::Kind::File: {
        QByteArray data;
        const FileRead result = readRegularFile(target.url.toLocalFile(), MaxPageBytes, data);
        if (result != FileRead::Ok)
            finish(fileErrorPage(result, target.asked, target.url));
        else
            finish(renderContent(data, target.url, QString(), target.asked, devicePixelRatioF()));
        return;
    }
    case Target::Kind::Problem:
    case Target::Kind::Web:
        break;
    }
    finish(errorPage(target.problem, target.detail, target.asked, target.url));
}

void QtDocumentBrowser::startWebLoad()
{
    const Target& target = pending_->target;
    if (!web_) {
        QString whyNot;
        web_ = WebAccess::create(this, &whyNot);
        if (!web_) {
            finish(errorPage(QStringLiteral("Page cannot be shown"),
                             QStringLiteral("Web pages cannot be opened here: %1.")
                                 .arg(shorten(whyNot, ShownAddressLength)),
                             target.asked, target.url));
            return;
        }
        deadline_ = new QTimer(this);
        deadline_->setSingleShot(true);
        connect(deadline_, &QTimer::timeout, this, [this] {
            abortWeb(QStringLiteral("No answer"), QStringLiteral("The server did not answer in time."));
        });
    }
    WebRequest request;
    request.url = target.url;
    request.maxRedirects = MaxRedirects;
    request.transferTimeoutMs = networkTimeoutMs_;
    request.userAgent = QStringLiteral("Glimmerkin help browser");
    abortProblem_.clear();
    abortDetail_.clear();
    received_.clear();
    WebCallbacks callbacks;
    callbacks.metaDataChanged = [this] {
        if (reply_ && reply_->contentLength() > MaxPageBytes)
            abortWeb(tooLargeTitle(), tooLargeDetail());
    };
    callbacks.readyRead = [this] { readReply(); };
    callbacks.finished = [this] { replyFinished(); };
    reply_ = web_->get(request, std::move(callbacks));
    deadline_->start(networkTimeoutMs_);
}

void QtDocumentBrowser::readReply()
{
    if (!reply_)
        return;
    received_ += reply_->read(MaxPageBytes + 1 - received_.size());
    if (received_.size() > MaxPageBytes)
        abortWeb(tooLargeTitle(), tooLargeDetail());
}

void QtDocumentBrowser::abortWeb(const QString& problem, const QString& detail)
{
    if (!reply_)
        return;
    abortProblem_ = problem;
    abortDetail_ = detail;
    reply_->abort();
    replyFinished();
}

void QtDocumentBrowser::replyFinished()
{
    if (!reply_ || !pending_)
        return;
    // Destroyed on leaving, which ends its callbacks.
    const std::unique_ptr<WebReply> reply = std::move(reply_);
    deadline_->stop();
    const Target& target = pending_->target;
    if (abortProblem_.isEmpty()) {
        received_ += reply->read(MaxPageBytes + 1 - received_.size());
        if (received_.size() > MaxPageBytes) {
            abortProblem_ = tooLargeTitle();
            abortDetail_ = tooLargeDetail();
        }
    }
    const QByteArray data = std::exchange(received_, {});
    if (!abortProblem_.isEmpty()) {
        finish(errorPage(abortProblem_, abortDetail_, target.asked, target.url));
        return;
    }
    const WebReply::Failure failure = reply->failure();
    if (failure != WebReply::Failure::None && !(reply->isHttpAnswer() && !data.isEmpty())) {
        switch (failure) {
        case WebReply::Failure::HostNotFound:
            finish(errorPage(QStringLiteral("Server not found"),
                             QStringLiteral("The server %1 cannot be found. Check the address, and your connection "
                                            "to the Internet.")
                                 .arg(shorten(target.url.host(), 100)),
                             target.asked, target.url));
            return;
        case WebReply::Failure::NoAnswer:
            finish(errorPage(QStringLiteral("No answer"), QStringLiteral("The server did not answer in time."),
                             target.asked, target.url));
            return;
        default:
            finish(errorPage(QStringLiteral("Page cannot be shown"),
                             QStringLiteral("The page could not be loaded: %1.")
                                 .arg(shorten(reply->errorString(), ShownAddressLength)),
                             target.asked, target.url));
            return;
        }
    }
    const QUrl url = reply->url();
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        finish(errorPage(QStringLiteral("Page cannot be shown"),
                         QStringLiteral("The server sent the browser to an address it does not open."), target.asked,
                         target.url));
        return;
    }
    finish(renderContent(data, url, reply->contentType(), target.asked, devicePixelRatioF()));
}

void QtDocumentBrowser::finish(const Rendered& page)
{
    const Pending pending = std::move(*pending_);
    pending_.reset();
    ++generation_;
    switch (pending.commit) {
    case Commit::Push: {
        const bool samePage = position_ >= 0 && pending.target.kind != Target::Kind::Problem &&
                              history_[static_cast<std::size_t>(position_)].url == pending.target.url;
        if (samePage) {
            history_[static_cast<std::size_t>(position_)] = pending.target;
            break;
        }
        history_.resize(static_cast<std::size_t>(position_ + 1));
        history_.push_back(pending.target);
        if (history_.size() > MaxHistory)
            history_.erase(history_.begin());
        position_ = static_cast<int>(history_.size()) - 1;
        break;
    }
    case Commit::MoveTo: position_ = pending.historyIndex; break;
    case Commit::Stay: break;
    }
    const bool reloaded = pending.commit == Commit::Stay && page.url == pageUrl_;
    const int scroll = verticalScrollBar()->value();
    display(page);
    if (reloaded)
        QTimer::singleShot(0, this, [this, scroll] { verticalScrollBar()->setValue(scroll); });
    reportComplete();
}

void QtDocumentBrowser::display(const Rendered& page)
{
    // Clearing drops the pictures the previous page had loaded.
    document()->clear();
    pageUrl_ = page.url;
    pageAsked_ = page.asked;
    pageImage_ = page.image;
    document()->setBaseUrl(page.url);
    if (page.plainText)
        setPlainText(page.text);
    else
        setHtml(page.html);
    QString title = page.title.isEmpty() ? documentTitle().simplified() : page.title;
    if (title.isEmpty())
        title = QFileInfo(page.url.path()).fileName();
    if (title.isEmpty())
        title = page.url.host();
    if (title.isEmpty())
        title = page.url.isEmpty() ? page.asked : page.url.toString();
    pageTitle_ = shorten(title, MaxTitleLength);
}

void QtDocumentBrowser::reportComplete()
{
    if (!released_)
        control_.raiseDownloadComplete();
}

QVariant QtDocumentBrowser::loadResource(int type, const QUrl& name)
{
    // Every answer is a value, even for a resource that is refused: given nothing,
    // the document would read the file itself, with no limit.
    const QUrl url = name.isRelative() ? pageUrl_.resolved(name) : name;
    const bool localPage = pageUrl_.isLocalFile();
    if (type == QTextDocument::ImageResource) {
        if (url.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
            return {}; // decoded by the document from the address itself
        if (url == pageUrl_ && !pageImage_.isNull())
            return pageImage_;
        if (localPage && url.isLocalFile()) {
            QByteArray data;
            if (readRegularFile(url.toLocalFile(), MaxPageBytes, data) == FileRead::Ok) {
                const QImage image = decodePicture(data, url.fileName(), devicePixelRatioF());
                if (!image.isNull())
                    return image;
            }
        }
        return missingPicture();
    }
    if (type == QTextDocument::StyleSheetResource && localPage && url.isLocalFile()) {
        QByteArray data;
        if (readRegularFile(url.toLocalFile(), MaxPageBytes, data) == FileRead::Ok && !looksBinary(data))
            return decodeText(data);
    }
    return QString();
}

// ---------------------------------------------------------------------------

QtDocumentBrowserPeer::~QtDocumentBrowserPeer()
{
    if (view_)
        view_->release();
}

void QtDocumentBrowserPeer::navigate(const std::string& address)
{
    if (view_)
        view_->navigateTo(address);
}

void QtDocumentBrowserPeer::goBack()
{
    if (view_)
        view_->goBack();
}

void QtDocumentBrowserPeer::goForward()
{
    if (view_)
        view_->goForward();
}

void QtDocumentBrowserPeer::refresh()
{
    if (view_)
        view_->reloadPage();
}

void QtDocumentBrowserPeer::stop()
{
    if (view_)
        view_->stopLoading();
}

bool QtDocumentBrowserPeer::busy() const { return view_ && view_->isBusy(); }

std::string QtDocumentBrowserPeer::locationName() const { return view_ ? view_->currentName() : std::string(); }

std::string QtDocumentBrowserPeer::locationUrl() const { return view_ ? view_->currentUrl() : std::string(); }

} // namespace qtplatform
