#pragma once

#include "PageContent.h"
#include "platform/RegularFile.h"

namespace qtplatform {

// At most `length` characters of text, control characters shown as spaces, no marks
// that turn the direction of text, and an ellipsis where it was cut.
QString shortened(const QString& text, qsizetype length);
// How long an address or message may grow on an error page.
constexpr qsizetype shownAddressLength = 300;

// The error pages of the help browser: each says in a sentence or two why the page
// asked for (`asked`, at `url`) is not shown, inside the view, never in a box.
namespace ErrorPage {

enum class Kind {
    // A page on this computer that was not read, or not shown.
    NotFound,
    Folder,
    NotAFile,
    Forbidden,
    Unreadable,
    TooLarge,
    TooComplex,
    TooLong,
    BrokenPicture,
    NotAPage,
    // Web pages: no web module (the argument names it and what it lacks), a fetch
    // that failed (the argument says why), a server that sent the browser to an
    // address it does not open.
    NoWebModule,
    ServerNotFound,
    NoAnswer,
    LoadFailed,
    RedirectedAway,
    Other,
};

RenderedPage make(const QString& title, const QString& detail, const QString& asked, const QUrl& url);
// The page of its kind; `argument` fills in the texts that name something.
RenderedPage of(Kind kind, const QString& asked, const QUrl& url, const QString& argument = {});
RenderedPage fileProblem(platform::FileProblem problem, const QString& asked, const QUrl& url);

} // namespace ErrorPage

} // namespace qtplatform
