#include "ErrorPage.h"

#include "PageTarget.h"

#include <QCoreApplication>

namespace qtplatform {

RenderedPage ErrorPage::make(const QString& title, const QString& detail, const QString& asked, const QUrl& url)
{
    RenderedPage page;
    page.url = url;
    page.asked = asked;
    page.title = title;
    const QString address =
        asked.isEmpty() ? QString() : QStringLiteral("<p><tt>%1</tt></p>").arg(asked.toHtmlEscaped());
    const QString advice = QCoreApplication::translate(
        "DocumentBrowserView", "Check the address and try again, or press Home to go back to the game instructions.");
    page.html =
        QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p>%3<p>%4</p></body></html>")
            .arg(title.toHtmlEscaped(), detail.toHtmlEscaped(), address, advice.toHtmlEscaped());
    return page;
}

RenderedPage ErrorPage::fileProblem(sound::FileProblem problem, const QString& asked, const QUrl& url)
{
    switch (problem) {
    case sound::FileProblem::NotFound:
        return make(QCoreApplication::translate("DocumentBrowserView", "Page not found"),
                    QCoreApplication::translate("DocumentBrowserView", "There is no page at this address."), asked,
                    url);
    case sound::FileProblem::Folder:
        return make(
            QCoreApplication::translate("DocumentBrowserView", "This is a folder"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "This address is a folder, not a page. Open one of the pages in it instead."),
            asked, url);
    case sound::FileProblem::NotAFile:
        return make(QCoreApplication::translate("DocumentBrowserView", "Not a page"),
                    QCoreApplication::translate("DocumentBrowserView",
                                                "This address is a device or a pipe, not a page, so it is not opened."),
                    asked, url);
    case sound::FileProblem::Forbidden:
        return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be read"),
                    QCoreApplication::translate("DocumentBrowserView", "You are not allowed to read this file."), asked,
                    url);
    case sound::FileProblem::Unreadable:
        return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be read"),
                    QCoreApplication::translate("DocumentBrowserView", "This address exists, but it cannot be read."),
                    asked, url);
    case sound::FileProblem::TooLarge: return tooLarge(asked, url);
    case sound::FileProblem::None: break;
    }
    return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"), QString(), asked, url);
}

RenderedPage ErrorPage::tooLarge(const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Page too large"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "This page is larger than 2 MB, too large to be shown here."),
                asked, url);
}

RenderedPage ErrorPage::tooComplex(const QString& asked, const QUrl& url)
{
    return make(
        QCoreApplication::translate("DocumentBrowserView", "Page too complex"),
        QCoreApplication::translate("DocumentBrowserView",
                                    "This page is nested too deeply, or made of too many parts, to be shown here."),
        asked, url);
}

RenderedPage ErrorPage::brokenPicture(const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Picture cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "This picture is damaged, too large or of a kind that cannot be shown."),
                asked, url);
}

RenderedPage ErrorPage::notAPage(const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Not a page"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "This file is neither a page nor a text, so it is not shown here."),
                asked, url);
}

RenderedPage ErrorPage::noWebModule(const QString& whyNot, const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView", "Web pages cannot be opened here: %1.")
                    .arg(shortened(whyNot, shownAddressLength)),
                asked, url);
}

RenderedPage ErrorPage::serverNotFound(const QString& asked, const QUrl& url)
{
    return make(
        QCoreApplication::translate("DocumentBrowserView", "Server not found"),
        QCoreApplication::translate("DocumentBrowserView",
                                    "The server %1 cannot be found. Check the address, and your connection to the "
                                    "Internet.")
            .arg(shortened(url.host(), 100)),
        asked, url);
}

RenderedPage ErrorPage::noAnswer(const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "No answer"),
                QCoreApplication::translate("DocumentBrowserView", "The server did not answer in time."), asked, url);
}

RenderedPage ErrorPage::loadFailed(const QString& reason, const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView", "The page could not be loaded: %1.")
                    .arg(shortened(reason, shownAddressLength)),
                asked, url);
}

RenderedPage ErrorPage::redirectedAway(const QString& asked, const QUrl& url)
{
    return make(QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "The server sent the browser to an address it does not open."),
                asked, url);
}

} // namespace qtplatform
