#pragma once

#include "PageNavigator.h"
#include "platform/Browser.h"
#include "qtplatform/widgets/ControlWidget.h"

#include <QImage>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

namespace qtplatform {

// The help browser's view, a small browser of its own: it shows the pages its
// navigator opens (PageNavigator.h) with their links and pictures, and the error page,
// never a message box, of one that cannot be opened. It runs no scripts and writes no file.
class DocumentBrowserView : public ControlWidget<QTextBrowser, platform::Browser> {
    Q_OBJECT
public:
    DocumentBrowserView(platform::Browser& control, QWidget* window);

    PageNavigator& navigator() { return navigator_; }
    // The title of the page on display, or its file name where it has none.
    const QString& currentName() const { return pageTitle_; }
    QString currentUrl() const { return pageUrl_.isEmpty() ? pageAsked_ : pageUrl_.toString(); }

    QVariant loadResource(int type, const QUrl& name) override;
    // QTextBrowser's own history keys (Alt+Left, Alt+Right) move in this history.
    void backward() override { navigator_.moveInHistory(-1); }
    void forward() override { navigator_.moveInHistory(+1); }
    void reload() override { navigator_.reload(); }

private:
    void show(const RenderedPage& page, bool reload);
    // The picture in `data` within what is left of the page's budget of pixels, or
    // the placeholder.
    QImage pagePicture(const QByteArray& data, const QString& fileName);

    QUrl pageUrl_;
    QString pageTitle_;
    QString pageAsked_;
    qint64 picturePixelsLeft_ = 0;

    PageNavigator navigator_;
};

// A document browser control's view in `window`, and the peer through which the
// control drives it.
std::unique_ptr<platform::BrowserPeer> createDocumentBrowser(platform::Browser& control, QWidget& window);

} // namespace qtplatform
