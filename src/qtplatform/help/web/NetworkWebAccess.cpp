// The web module: web pages for the help browser through Qt Network, kept out of the
// program so that the network library loads only when a web page is asked for.

#include "qtplatform/help/WebAccess.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

namespace qtplatform {

namespace {

constexpr int maxRedirects = 5;

WebAnswer::Failure failureOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::NoError: return WebAnswer::Failure::None;
    case QNetworkReply::HostNotFoundError: return WebAnswer::Failure::HostNotFound;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: return WebAnswer::Failure::NoAnswer;
    default: return WebAnswer::Failure::Other;
    }
}

class NetworkWebAccess : public QObject, public WebAccess {
    Q_OBJECT
public:
    explicit NetworkWebAccess(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this))
    {
        network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, [this] { end(WebAnswer::Failure::NoAnswer); });
    }

    void get(const QUrl& url, qint64 maxBytes, int timeoutMs, std::function<void(const WebAnswer&)> done) override
    {
        cancel();
        QNetworkRequest request(url);
        request.setMaximumRedirectsAllowed(maxRedirects);
        request.setTransferTimeout(timeoutMs);
        request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Glimmerkin help browser"));
        reply_ = network_->get(request);
        maxBytes_ = maxBytes;
        done_ = std::move(done);
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
            if (reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBytes_)
                end(WebAnswer::Failure::TooLarge);
        });
        connect(reply_, &QNetworkReply::readyRead, this, [this] {
            if (!read())
                end(WebAnswer::Failure::TooLarge);
        });
        connect(reply_, &QNetworkReply::finished, this, [this] { end(WebAnswer::Failure::None); });
        deadline_.start(timeoutMs);
    }

    void cancel() override
    {
        deadline_.stop();
        done_ = nullptr;
        data_.clear();
        // Disconnected first: an abort reports the reply finished at once.
        if (QNetworkReply* reply = std::exchange(reply_, nullptr)) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }

private:
    // False once more than maxBytes_ have come.
    bool read()
    {
        data_ += reply_->read(maxBytes_ + 1 - data_.size());
        return data_.size() <= maxBytes_;
    }

    // Calls back last, as the callback may start the next fetch.
    void end(WebAnswer::Failure failure)
    {
        if (failure == WebAnswer::Failure::None && !read())
            failure = WebAnswer::Failure::TooLarge;
        const bool httpAnswer = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (failure == WebAnswer::Failure::None && !(httpAnswer && !data_.isEmpty()))
            failure = failureOf(reply_->error());
        const WebAnswer answer{failure, std::exchange(data_, {}), reply_->url(),
                               reply_->header(QNetworkRequest::ContentTypeHeader).toString(), reply_->errorString()};
        const std::function<void(const WebAnswer&)> done = std::move(done_);
        cancel();
        done(answer);
    }

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    QTimer deadline_;
    qint64 maxBytes_ = 0;
    QByteArray data_;
    std::function<void(const WebAnswer&)> done_;
};

// The module's root object, which Qt's plugin loader makes.
class NetworkWebModule : public QObject, public WebModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GLIMMERKIN_WEB_MODULE_IID)
    Q_INTERFACES(qtplatform::WebModule)
public:
    WebAccess* createWebAccess(QObject* parent) override { return new NetworkWebAccess(parent); }
};

} // namespace

} // namespace qtplatform

#include "NetworkWebAccess.moc"
