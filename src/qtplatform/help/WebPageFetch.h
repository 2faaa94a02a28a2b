#pragma once

#include "PageTarget.h"
#include "RenderedPage.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>

class QTimer;

namespace qtplatform {

class WebAccess;
class WebReply;

// Fetches one web page at a time for the help browser, in the background, and makes
// it a page to show or the error page that says why not. No page is read beyond
// maxPageBytes (PageTarget.h), and a fetch that has not ended after the timeout is
// given up.
class WebPageFetch : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTimeoutMs = 20000;
    using Done = std::function<void(const RenderedPage&)>;

    explicit WebPageFetch(QObject* parent);
    ~WebPageFetch() override;

    void setTimeout(int ms) { timeoutMs_ = ms; }
    // Starts fetching `target`, a web address, after dropping any fetch under way.
    // `done` is called once, on the event loop, unless cancel() comes first; where
    // there is no web module, at once.
    void start(const PageTarget& target, qreal devicePixelRatio, Done done);
    void cancel();

private:
    enum class Abort { None, TooLarge, NoAnswer };

    void readReply();
    void abort(Abort why);
    void replyFinished();
    RenderedPage page(const QByteArray& data, const WebReply& reply) const;

    WebAccess* web_ = nullptr; // a child, made on the first web page
    QTimer* deadline_ = nullptr;
    std::unique_ptr<WebReply> reply_;
    QByteArray received_;
    Abort abort_ = Abort::None;
    PageTarget target_;
    qreal devicePixelRatio_ = 1.0;
    Done done_;
    int timeoutMs_ = defaultTimeoutMs;
};

} // namespace qtplatform
