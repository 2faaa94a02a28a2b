// The web module: web pages for the help browser through Qt Network, kept out of the
// program so that the network library loads only when a web page is asked for.

#include "qtplatform/help/WebAccess.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>

namespace qtplatform {

namespace {

class QtWebReply : public WebReply {
public:
    QtWebReply(QNetworkReply* reply, WebCallbacks callbacks)
        : reply_(reply), connections_{
                             QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                                              std::move(callbacks.metaDataChanged)),
                             QObject::connect(reply, &QNetworkReply::readyRead, reply, std::move(callbacks.readyRead)),
                             QObject::connect(reply, &QNetworkReply::finished, reply, std::move(callbacks.finished)),
                         }
    {}

    ~QtWebReply() override
    {
        if (QNetworkReply* reply = reply_) {
            abort();
            reply->deleteLater();
        }
    }

    QByteArray read(qint64 maxBytes) override { return reply_ ? reply_->read(maxBytes) : QByteArray(); }

    void abort() override
    {
        for (const QMetaObject::Connection& connection : connections_)
            QObject::disconnect(connection);
        if (QNetworkReply* reply = reply_)
            reply->abort();
    }

    qint64 contentLength() const override
    {
        const QVariant length = reply_ ? reply_->header(QNetworkRequest::ContentLengthHeader) : QVariant();
        return length.isValid() ? length.toLongLong() : -1;
    }

    Failure failure() const override
    {
        if (!reply_)
            return Failure::Other;
        switch (reply_->error()) {
        case QNetworkReply::NoError: return Failure::None;
        case QNetworkReply::HostNotFoundError: return Failure::HostNotFound;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError: return Failure::NoAnswer;
        default: return Failure::Other;
        }
    }

    QString errorString() const override { return reply_ ? reply_->errorString() : QString(); }

    bool isHttpAnswer() const override
    {
        return reply_ && reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    }

    QUrl url() const override { return reply_ ? reply_->url() : QUrl(); }

    QString contentType() const override
    {
        return reply_ ? reply_->header(QNetworkRequest::ContentTypeHeader).toString() : QString();
    }

private:
    QPointer<QNetworkReply> reply_;
    QMetaObject::Connection connections_[3];
};

class NetworkWebAccess : public QObject, public WebAccess {
    Q_OBJECT
public:
    explicit NetworkWebAccess(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this))
    {
        network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }

    std::unique_ptr<WebReply> get(const WebRequest& request, WebCallbacks callbacks) override
    {
        QNetworkRequest asked(request.url);
        asked.setMaximumRedirectsAllowed(request.maxRedirects);
        asked.setTransferTimeout(request.transferTimeoutMs);
        asked.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
        return std::make_unique<QtWebReply>(network_->get(asked), std::move(callbacks));
    }

private:
    QNetworkAccessManager* network_;
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
