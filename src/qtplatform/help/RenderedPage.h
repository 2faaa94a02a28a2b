#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>

namespace qtplatform {

// A page of the help browser ready to be shown: HTML, plain text or a picture of its
// own, or an error page (ErrorPage) that says why the page asked for cannot be shown.
struct RenderedPage {
    QUrl url;
    QString asked;
    QString title;
    QString html;
    bool plainText = false;
    QString text;
    QImage image;

    static RenderedPage blank(const QUrl& url, const QString& asked);
    // The page the bytes make; `mimeType` is the web server's, empty for a local file.
    static RenderedPage fromContent(const QByteArray& data, const QUrl& url, const QString& mimeType,
                                    const QString& asked, qreal devicePixelRatio);
};

} // namespace qtplatform
