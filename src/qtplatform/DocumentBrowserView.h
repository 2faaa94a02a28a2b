#pragma once

#include "PageTarget.h"
#include "platform/Peers.h"

#include <QByteArray>
#include <QImage>
#include <QTextBrowser>
#include <QUrl>

#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace platform {
class Browser;
}

namespace qtplatform {

class WebAccess;
class WebReply;
struct RenderedPage;

// The help browser's view, a small browser of its own. It opens pages on this computer
// (a backslash counts as a separator) with their links and pictures, and web pages
// over http and https, read in the background. Every load ends, is stopped or fails
// with DownloadComplete; until then the view is busy and keeps showing the page it
// had. An address that cannot be opened gives an error page inside the view, never a
// message box. Only regular files are read, and no page is read beyond MaxPageBytes
// (PageFile.h).
// The view runs no scripts and writes no file.
class DocumentBrowserView : public QTextBrowser, public platform::ControlPeer {
    Q_OBJECT
public:
    static constexpr int DefaultNetworkTimeoutMs = 20000;

    DocumentBrowserView(platform::Browser& control, QWidget* parent);
    ~DocumentBrowserView() override;
    void propertyChanged(platform::Property property) override;

    void navigateTo(const std::string& address);
    // Raise platform::RuntimeError when there is no page to go to; the page on
    // display stays.
    void goBack();
    void goForward();
    void reloadPage();
    void stopLoading();
    bool isBusy() const { return pending_.has_value(); }
    // The title of the page on display, or its file name where it has none.
    std::string currentName() const;
    std::string currentUrl() const;

    // From now on the view no longer reports to its control: the window is unloading.
    void release();
    // A web load that has not ended after this long is given up.
    void setNetworkTimeout(int ms) { networkTimeoutMs_ = ms; }

    QVariant loadResource(int type, const QUrl& name) override;

    // QTextBrowser's own history keys (Alt+Left, Alt+Right) move in this history.
    void backward() override;
    void forward() override;
    void reload() override;

    // What an address stands for.
    using Target = PageTarget;
    static Target resolveAddress(const QString& address);

private:
    enum class Commit { Push, MoveTo, Stay };
    struct Pending {
        Target target;
        Commit commit = Commit::Push;
        int historyIndex = -1;
    };

    void moveInHistory(int step);
    void startLoad(const Target& target, Commit commit, int historyIndex);
    void cancelLoad();
    void loadLocal();
    void startWebLoad();
    void readReply();
    void replyFinished();
    void abortWeb(const QString& problem, const QString& detail);
    void finish(const RenderedPage& page);
    void display(const RenderedPage& page);
    void reportComplete();
    void followLink(const QUrl& link);

    platform::Browser& control_;
    bool released_ = false;

    std::vector<Target> history_;
    int position_ = -1;
    QUrl pageUrl_;
    QString pageTitle_;
    QString pageAsked_;
    QImage pageImage_;

    std::optional<Pending> pending_;
    quint64 generation_ = 0;

    WebAccess* web_ = nullptr; // a child of the view, made on the first web page
    std::unique_ptr<WebReply> reply_;
    QByteArray received_;
    QTimer* deadline_ = nullptr;
    QString abortProblem_;
    QString abortDetail_;
    int networkTimeoutMs_ = DefaultNetworkTimeoutMs;
};

} // namespace qtplatform
