#include "RenderedPage.h"

#include "ErrorPage.h"
#include "PageContent.h"
#include "PagePicture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qtplatform {

RenderedPage RenderedPage::blank(const QUrl& url, const QString& asked)
{
    RenderedPage page;
    page.url = url;
    page.asked = asked;
    page.html = QStringLiteral("<html><body></body></html>");
    return page;
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
            return ErrorPage::of(ErrorPage::Kind::TooComplex, asked, url);
        return page;
    case PageContent::Kind::Text:
        page.plainText = true;
        page.text = PageContent::decodeText(data);
        page.title = fileName;
        return page;
    case PageContent::Kind::Picture:
        page.image = PagePicture::decode(data, fileName, devicePixelRatio);
        if (page.image.isNull())
            return ErrorPage::of(ErrorPage::Kind::BrokenPicture, asked, url);
        page.title = fileName;
        page.html = QStringLiteral("<html><body><img src=\"%1\"></body></html>")
                        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped());
        return page;
    case PageContent::Kind::Other: break;
    }
    return ErrorPage::of(ErrorPage::Kind::NotAPage, asked, url);
}

} // namespace qtplatform
