#include "RenderedPage.h"

#include "PageContent.h"
#include "PagePicture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qtplatform {

QString RenderedPage::tooLargeTitle() { return QCoreApplication::translate("DocumentBrowserView", "Page too large"); }

QString RenderedPage::tooLargeDetail()
{
    return QCoreApplication::translate("DocumentBrowserView",
                                       "This page is larger than 2 MB, too large to be shown here.");
}

RenderedPage RenderedPage::blank(const QUrl& url, const QString& asked)
{
    RenderedPage page;
    page.url = url;
    page.asked = asked;
    page.html = QStringLiteral("<html><body></body></html>");
    return page;
}

RenderedPage RenderedPage::error(const QString& title, const QString& detail, const QString& asked, const QUrl& url)
{
    RenderedPage page;
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

RenderedPage RenderedPage::fileError(sound::FileProblem problem, const QString& asked, const QUrl& url)
{
    switch (problem) {
    case sound::FileProblem::NotFound:
        return error(QCoreApplication::translate("DocumentBrowserView", "Page not found"),
                     QCoreApplication::translate("DocumentBrowserView", "There is no page at this address."), asked,
                     url);
    case sound::FileProblem::Folder:
        return error(
            QCoreApplication::translate("DocumentBrowserView", "This is a folder"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "This address is a folder, not a page. Open one of the pages in it instead."),
            asked, url);
    case sound::FileProblem::NotAFile:
        return error(QCoreApplication::translate("DocumentBrowserView", "Not a page"),
                     QCoreApplication::translate(
                         "DocumentBrowserView", "This address is a device or a pipe, not a page, so it is not opened."),
                     asked, url);
    case sound::FileProblem::Unreadable:
        return error(QCoreApplication::translate("DocumentBrowserView", "Page cannot be read"),
                     QCoreApplication::translate("DocumentBrowserView", "You are not allowed to read this file."),
                     asked, url);
    case sound::FileProblem::TooLarge:
        return error(tooLargeTitle(), tooLargeDetail(), asked, url);
    case sound::FileProblem::None:
        break;
    }
    return error(QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"), QString(), asked, url);
}

RenderedPage RenderedPage::fromContent(const QByteArray& data, const QUrl& url, const QString& mimeType,
                                       const QString& asked, qreal devicePixelRatio)
{
    const QString fileName = QFileInfo(url.path()).fileName();
    RenderedPage page;
    page.url = url;
    page.asked = asked;
    switch (PageContent::classify(data, fileName, mimeType)) {
    case PageContent::Kind::Html:
        page.html = PageContent::decodeText(data);
        if (PageContent::tooComplex(page.html))
            return error(
                QCoreApplication::translate("DocumentBrowserView", "Page too complex"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "This page is nested too deeply, or made of too many parts, to be shown "
                                            "here."),
                asked, url);
        return page;
    case PageContent::Kind::Text:
        page.plainText = true;
        page.text = PageContent::decodeText(data);
        page.title = fileName;
        return page;
    case PageContent::Kind::Picture:
        page.image = PagePicture::decode(data, fileName, devicePixelRatio);
        if (page.image.isNull())
            return error(
                QCoreApplication::translate("DocumentBrowserView", "Picture cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "This picture is damaged, too large or of a kind that cannot be shown."),
                asked, url);
        page.title = fileName;
        page.html = QStringLiteral("<html><body><img src=\"%1\"></body></html>")
                        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped());
        return page;
    case PageContent::Kind::Other:
        break;
    }
    return error(QCoreApplication::translate("DocumentBrowserView", "Not a page"),
                 QCoreApplication::translate("DocumentBrowserView",
                                             "This file is neither a page nor a text, so it is not shown here."),
                 asked, url);
}

} // namespace qtplatform
