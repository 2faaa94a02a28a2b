#include "PageTarget.h"

#include "platform/FileAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <string>

namespace qtplatform {

QString shortened(const QString& text, qsizetype length)
{
    QString shown = text.left(length);
    // Embeddings and overrides (U+202A to U+202E) and isolates (U+2066 to U+2069)
    // would turn the text around them, in a window's title too.
    shown.removeIf([](QChar c) {
        return (c.unicode() >= 0x202A && c.unicode() <= 0x202E) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
    });
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    if (text.size() > length)
        shown += QChar(0x2026);
    return shown;
}

namespace {

constexpr qsizetype maxAddressLength = 8192;

PageTarget makeTarget(PageTarget::Kind kind, const QUrl& url, const QString& asked)
{
    PageTarget target;
    target.kind = kind;
    target.url = url;
    target.asked = shortened(asked, shownAddressLength);
    return target;
}

PageTarget problemTarget(const QString& asked, const QString& title, const QString& detail, const QUrl& url = {})
{
    PageTarget problem = makeTarget(PageTarget::Kind::Problem, url, asked);
    problem.problem = title;
    problem.detail = detail;
    return problem;
}

PageTarget malformed(const QString& asked)
{
    return problemTarget(asked, QCoreApplication::translate("DocumentBrowserView", "Address not valid"),
                         QCoreApplication::translate("DocumentBrowserView", "This is not a valid address of a page."));
}

PageTarget unsupported(const QString& asked, const QString& scheme)
{
    return problemTarget(
        asked, QCoreApplication::translate("DocumentBrowserView", "Address not supported"),
        QCoreApplication::translate("DocumentBrowserView",
                                    "Addresses that begin with “%1:” cannot be opened here. The help "
                                    "browser opens pages on this computer and web pages (http and https).")
            .arg(shortened(scheme, 40)));
}

} // namespace

PageTarget PageTarget::forUrl(const QString& asked, QUrl url)
{
    if (!url.isValid())
        return malformed(asked);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return malformed(asked);
        if (url.path().isEmpty())
            url.setPath(QStringLiteral("/"));
        return makeTarget(Kind::Web, url, asked);
    }
    if (url.isLocalFile()) {
        if (!url.host().isEmpty() && url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
            return problemTarget(
                asked, QCoreApplication::translate("DocumentBrowserView", "Address not supported"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "Pages on other computers cannot be opened by a file address."));
        url.setHost(QString());
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            return malformed(asked);
        return makeTarget(Kind::File, QUrl::fromLocalFile(path), asked);
    }
    if (scheme == QLatin1String("about") && url.path().compare(QLatin1String("blank"), Qt::CaseInsensitive) == 0)
        return makeTarget(Kind::Blank, QUrl(QStringLiteral("about:blank")), QStringLiteral("about:blank"));
    return unsupported(asked, url.scheme());
}

PageTarget PageTarget::forLink(const QUrl& link, const QUrl& from)
{
    PageTarget target = forUrl(link.toString(), link);
    const QString scheme = from.scheme().toLower();
    if (target.kind == Kind::File && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        return problemTarget(
            target.asked, QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "A page on the web cannot open pages or files on this computer."),
            link);
    return target;
}

PageTarget PageTarget::resolve(const QString& address)
{
    if (address.size() > maxAddressLength)
        return problemTarget(
            address, QCoreApplication::translate("DocumentBrowserView", "Address too long"),
            QCoreApplication::translate("DocumentBrowserView", "This address is too long to be opened."));
    QString text = address.trimmed();
    if (text.isEmpty())
        return problemTarget(
            address, QCoreApplication::translate("DocumentBrowserView", "No address"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "Type the address of a page into the address box and press Enter."));
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return malformed(text);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));

    // Read before QUrl sees it: QUrl takes a drive ("C:") or a host and its port
    // ("example.org:8080") for a scheme.
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]+(/.*)?$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon == 1 && text[0].isLetter() && text[0].unicode() < 0x80)
        return makeTarget(Kind::File, QUrl::fromLocalFile(text), text);
    const std::string scheme = platform::schemeOf(text.toStdString());
    if (!scheme.empty()) {
        // "example.com:8080/..." names a host and its port.
        const bool hostWithPort = (text.left(colon).contains(QLatin1Char('.')) || scheme == "localhost") &&
                                  portPattern.match(text.mid(colon + 1)).hasMatch();
        if (!hostWithPort) {
            if (scheme == "file")
                return forUrl(text, QUrl(text, QUrl::TolerantMode));
            if (scheme == "http" || scheme == "https" || scheme == "about")
                return forUrl(text, QUrl(text, QUrl::StrictMode));
            return unsupported(text, text.left(colon));
        }
    }
    if (text.startsWith(QLatin1Char('/')))
        return makeTarget(Kind::File, QUrl::fromLocalFile(text), text);
    // Anything else is a web address without its scheme, such as a bare host name.
    return forUrl(text, QUrl(QStringLiteral("http://") + text, QUrl::StrictMode));
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

} // namespace qtplatform
