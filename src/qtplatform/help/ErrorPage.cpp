#include "ErrorPage.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace qtplatform {

namespace {

struct Texts {
    ErrorPage::Kind kind;
    const char* title;
    const char* detail; // "%1" is the argument, where there is one
};

constexpr Texts texts[] = {
    {ErrorPage::Kind::NotFound, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page not found"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "There is no page at this address.")},
    {ErrorPage::Kind::Folder, QT_TRANSLATE_NOOP("DocumentBrowserView", "This is a folder"),
     QT_TRANSLATE_NOOP("DocumentBrowserView",
                       "This address is a folder, not a page. Open one of the pages in it instead.")},
    {ErrorPage::Kind::NotAFile, QT_TRANSLATE_NOOP("DocumentBrowserView", "Not a page"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This address is a device or a pipe, not a page, so it is not opened.")},
    {ErrorPage::Kind::Forbidden, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be read"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "You are not allowed to read this file.")},
    {ErrorPage::Kind::Unreadable, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be read"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This address exists, but it cannot be read.")},
    {ErrorPage::Kind::TooLarge, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page too large"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This page is larger than 2 MB, too large to be shown here.")},
    {ErrorPage::Kind::TooComplex, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page too complex"),
     QT_TRANSLATE_NOOP("DocumentBrowserView",
                       "This page is nested too deeply, or made of too many parts, to be shown here.")},
    {ErrorPage::Kind::TooLong, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page too long"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This page holds too much text to be shown here.")},
    {ErrorPage::Kind::BrokenPicture, QT_TRANSLATE_NOOP("DocumentBrowserView", "Picture cannot be shown"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This picture is damaged, too large or of a kind that cannot be shown.")},
    {ErrorPage::Kind::NotAPage, QT_TRANSLATE_NOOP("DocumentBrowserView", "Not a page"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "This file is neither a page nor a text, so it is not shown here.")},
    {ErrorPage::Kind::NoWebModule, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be shown"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "Web pages cannot be opened here: %1.")},
    {ErrorPage::Kind::ServerNotFound, QT_TRANSLATE_NOOP("DocumentBrowserView", "Server not found"),
     QT_TRANSLATE_NOOP("DocumentBrowserView",
                       "The server %1 cannot be found. Check the address, and your connection to the Internet.")},
    {ErrorPage::Kind::NoAnswer, QT_TRANSLATE_NOOP("DocumentBrowserView", "No answer"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "The server did not answer in time.")},
    {ErrorPage::Kind::LoadFailed, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be shown"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "The page could not be loaded: %1.")},
    {ErrorPage::Kind::RedirectedAway, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be shown"),
     QT_TRANSLATE_NOOP("DocumentBrowserView", "The server sent the browser to an address it does not open.")},
    {ErrorPage::Kind::Other, QT_TRANSLATE_NOOP("DocumentBrowserView", "Page cannot be shown"), ""},
};

static_assert(std::size(texts) == std::size_t(ErrorPage::Kind::Other) + 1, "one entry for each kind");

} // namespace

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

RenderedPage ErrorPage::make(const QString& title, const QString& detail, const QString& asked, const QUrl& url)
{
    const QString address =
        asked.isEmpty() ? QString() : QStringLiteral("<p><tt>%1</tt></p>").arg(asked.toHtmlEscaped());
    const QString advice = QCoreApplication::translate(
        "DocumentBrowserView", "Check the address and try again, or press Home to go back to the game instructions.");
    const QString html =
        QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p>%3<p>%4</p></body></html>")
            .arg(title.toHtmlEscaped(), detail.toHtmlEscaped(), address, advice.toHtmlEscaped());
    return {.url = url, .asked = asked, .title = title, .html = html};
}

RenderedPage ErrorPage::of(Kind kind, const QString& asked, const QUrl& url, const QString& argument)
{
    const auto* entry =
        std::find_if(std::begin(texts), std::end(texts), [kind](const Texts& t) { return t.kind == kind; });
    QString detail = QCoreApplication::translate("DocumentBrowserView", entry->detail);
    if (detail.contains(QLatin1String("%1")))
        detail = detail.arg(shortened(argument, shownAddressLength));
    return make(QCoreApplication::translate("DocumentBrowserView", entry->title), detail, asked, url);
}

RenderedPage ErrorPage::fileProblem(platform::FileProblem problem, const QString& asked, const QUrl& url)
{
    // In the order of platform::FileProblem.
    constexpr Kind kinds[] = {Kind::Other,     Kind::NotFound,   Kind::Folder,  Kind::NotAFile,
                              Kind::Forbidden, Kind::Unreadable, Kind::TooLarge};
    static_assert(std::size(kinds) == std::size_t(platform::FileProblem::TooLarge) + 1);
    return of(kinds[std::size_t(problem)], asked, url);
}

} // namespace qtplatform
