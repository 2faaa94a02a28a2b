#pragma once

#include "RenderedPage.h"
#include "sound/RegularFile.h"

#include <QString>
#include <QUrl>

namespace qtplatform {

// The error pages of the help browser: each says in a sentence or two why the page
// asked for (`asked`, at `url`) is not shown, inside the view, never in a box.
class ErrorPage {
public:
    static RenderedPage make(const QString& title, const QString& detail, const QString& asked, const QUrl& url);

    // A page on this computer that was not read.
    static RenderedPage fileProblem(sound::FileProblem problem, const QString& asked, const QUrl& url);
    static RenderedPage tooLarge(const QString& asked, const QUrl& url);
    static RenderedPage tooComplex(const QString& asked, const QUrl& url);
    static RenderedPage brokenPicture(const QString& asked, const QUrl& url);
    static RenderedPage notAPage(const QString& asked, const QUrl& url);

    // Web pages: no web module (`whyNot` names it and what it lacks), and a fetch
    // that failed.
    static RenderedPage noWebModule(const QString& whyNot, const QString& asked, const QUrl& url);
    static RenderedPage serverNotFound(const QString& asked, const QUrl& url);
    static RenderedPage noAnswer(const QString& asked, const QUrl& url);
    static RenderedPage loadFailed(const QString& reason, const QString& asked, const QUrl& url);
    static RenderedPage redirectedAway(const QString& asked, const QUrl& url);
};

} // namespace qtplatform
