#pragma once

#include "PageNavigator.h"
#include "platform/Browser.h"
#include "qtplatform/widgets/ControlWidget.h"

#include <QImage>
#include <QTextBrowser>
#include <QUrl>

namespace platform {
class Browser;
}

namespace qtplatform {

struct RenderedPage;

// The help browser's view, a small browser of its own. It shows the pages its
// navigator opens (PageNavigator): pages on this computer (a backslash counts as a
// separator) with their links and pictures, and web pages over http and https. An
// address that cannot be opened gives an error page inside the view, never a message
// box. The view runs no scripts and writes no file.
class DocumentBrowserView : public ControlWidget<QTextBrowser, platform::Browser> {
    Q_OBJECT
public:
    DocumentBrowserView(platform::Browser& control, QWidget* parent);
    ~DocumentBrowserView() override;
    void propertyChanged(platform::Property property) override;

    PageNavigator& navigator() { return navigator_; }
    // Raise platform::RuntimeError when there is no page to go to; the page on
    // display stays.
    void goBack();
    void goForward();
    // The title of the page on display, or its file name where it has none.
    std::string currentName() const;
    std::string currentUrl() const;

    // From now on the view no longer reports to its control: the window is unloading.
    void release();
    // A web load that has not ended after this long is given up.
    void setNetworkTimeout(int ms) { navigator_.setNetworkTimeout(ms); }

    QVariant loadResource(int type, const QUrl& name) override;

    // QTextBrowser's own history keys (Alt+Left, Alt+Right) move in this history.
    void backward() override;
    void forward() override;
    void reload() override;

private:
    void moveInHistory(int step);
    void show(const RenderedPage& page, bool reload);
    void followLink(const QUrl& link);
    // The picture in `data` within what is left of the page's budget of pixels, or
    // the placeholder.
    QImage pagePicture(const QByteArray& data, const QString& fileName);

    platform::Browser& control_;
    bool released_ = false;

    QUrl pageUrl_;
    QString pageTitle_;
    QString pageAsked_;
    QImage pageImage_;
    qint64 picturePixelsLeft_ = 0;

    PageNavigator navigator_;
};

} // namespace qtplatform
