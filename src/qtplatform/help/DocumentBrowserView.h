#pragma once

#include "PageNavigator.h"
#include "platform/Browser.h"
#include "qtplatform/widgets/ControlWidget.h"

#include <QImage>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

namespace qtplatform {

// The help browser's view, a small browser of its own. It shows the pages its
// navigator opens (PageNavigator): pages on this computer (a backslash counts as a
// separator) with their links and pictures, and web pages over http and https. An
// address that cannot be opened gives an error page inside the view, never a message
// box. The view runs no scripts and writes no file.
class DocumentBrowserView : public ControlWidget<QTextBrowser, platform::Browser> {
    Q_OBJECT
public:
    DocumentBrowserView(platform::Browser& control, QWidget* window);

    PageNavigator& navigator() { return navigator_; }
    // The title of the page on display, or its file name where it has none.
    const QString& currentName() const { return pageTitle_; }
    QString currentUrl() const { return pageUrl_.isEmpty() ? pageAsked_ : pageUrl_.toString(); }
    // From now on the view no longer reports to its control: the window is unloading.
    void release();

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

    bool released_ = false;

    QUrl pageUrl_;
    QString pageTitle_;
    QString pageAsked_;
    QImage pageImage_;
    qint64 picturePixelsLeft_ = 0;

    PageNavigator navigator_;
};

// A document browser control's view in `window`, and the peer through which the
// control drives it.
std::unique_ptr<platform::BrowserPeer> createDocumentBrowser(platform::Browser& control, QWidget& window);

} // namespace qtplatform
