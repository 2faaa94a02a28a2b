#include "WebPageFetch.h"

#include "ErrorPage.h"
#include "WebAccess.h"

#include <QTimer>

namespace qtplatform {

namespace {

constexpr int maxRedirects = 5;

} // namespace

WebPageFetch::WebPageFetch(QObject* parent) : QObject(parent) {}

WebPageFetch::~WebPageFetch() { cancel(); }

void WebPageFetch::start(const PageTarget& target, qreal devicePixelRatio, Done done)
{
    cancel();
    if (!web_) {
        QString whyNot;
        web_ = WebAccess::create(this, &whyNot);
        if (!web_) {
            done(ErrorPage::of(ErrorPage::Kind::NoWebModule, target.asked, target.url, whyNot));
            return;
        }
        deadline_ = new QTimer(this);
        deadline_->setSingleShot(true);
        connect(deadline_, &QTimer::timeout, this, [this] { abort(Abort::NoAnswer); });
    }
    target_ = target;
    devicePixelRatio_ = devicePixelRatio;
    done_ = std::move(done);
    abort_ = Abort::None;
    WebRequest request;
    request.url = target.url;
    request.maxRedirects = maxRedirects;
    request.transferTimeoutMs = timeoutMs_;
    request.userAgent = QStringLiteral("Glimmerkin help browser");
    WebCallbacks callbacks;
    callbacks.metaDataChanged = [this] {
        if (reply_ && reply_->contentLength() > maxPageBytes)
            abort(Abort::TooLarge);
    };
    callbacks.readyRead = [this] { readReply(); };
    callbacks.finished = [this] { replyFinished(); };
    reply_ = web_->get(request, std::move(callbacks));
    deadline_->start(timeoutMs_);
}

void WebPageFetch::cancel()
{
    if (deadline_)
        deadline_->stop();
    reply_.reset();
    received_.clear();
    done_ = nullptr;
}

void WebPageFetch::readReply()
{
    if (!reply_)
        return;
    received_ += reply_->read(maxPageBytes + 1 - received_.size());
    if (received_.size() > maxPageBytes)
        abort(Abort::TooLarge);
}

void WebPageFetch::abort(Abort why)
{
    if (!reply_)
        return;
    abort_ = why;
    reply_->abort();
    replyFinished();
}

void WebPageFetch::replyFinished()
{
    if (!reply_ || !done_)
        return;
    // Destroyed on leaving, which ends its callbacks.
    const std::unique_ptr<WebReply> reply = std::move(reply_);
    deadline_->stop();
    if (abort_ == Abort::None) {
        received_ += reply->read(maxPageBytes + 1 - received_.size());
        if (received_.size() > maxPageBytes)
            abort_ = Abort::TooLarge;
    }
    const QByteArray data = std::exchange(received_, {});
    const Done done = std::exchange(done_, nullptr);
    done(page(data, *reply));
}

RenderedPage WebPageFetch::page(const QByteArray& data, const WebReply& reply) const
{
    const QString& asked = target_.asked;
    const QUrl& url = target_.url;
    switch (abort_) {
    case Abort::TooLarge: return ErrorPage::of(ErrorPage::Kind::TooLarge, asked, url);
    case Abort::NoAnswer: return ErrorPage::of(ErrorPage::Kind::NoAnswer, asked, url);
    case Abort::None: break;
    }
    // An HTTP error that comes with a page of its own shows that page.
    const WebReply::Failure failure = reply.failure();
    if (failure != WebReply::Failure::None && !(reply.isHttpAnswer() && !data.isEmpty())) {
        switch (failure) {
        case WebReply::Failure::HostNotFound:
            return ErrorPage::of(ErrorPage::Kind::ServerNotFound, asked, url, url.host());
        case WebReply::Failure::NoAnswer: return ErrorPage::of(ErrorPage::Kind::NoAnswer, asked, url);
        default: return ErrorPage::of(ErrorPage::Kind::LoadFailed, asked, url, reply.errorString());
        }
    }
    const QUrl answered = reply.url();
    const QString scheme = answered.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return ErrorPage::of(ErrorPage::Kind::RedirectedAway, asked, url);
    return RenderedPage::fromContent(data, answered, reply.contentType(), asked, devicePixelRatio_);
}

} // namespace qtplatform
