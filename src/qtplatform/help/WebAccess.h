#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace qtplatform {

// A web page being fetched. Its callbacks come on the event loop of the thread that
// asked for it; none comes after abort(), nor after the reply is destroyed, which
// abandons the fetch.
class WebReply {
public:
    enum class Failure { None, HostNotFound, NoAnswer, Other };

    virtual ~WebReply() = default;
    // Takes up to maxBytes of what has arrived.
    virtual QByteArray read(qint64 maxBytes) = 0;
    virtual void abort() = 0;
    // The length the server announced, or -1.
    virtual qint64 contentLength() const = 0;
    virtual Failure failure() const = 0;
    virtual QString errorString() const = 0;
    // Whether the server answered with an HTTP status at all.
    virtual bool isHttpAnswer() const = 0;
    // The address answered, after redirects.
    virtual QUrl url() const = 0;
    virtual QString contentType() const = 0;
};

struct WebRequest {
    QUrl url;
    int maxRedirects = 0;
    int transferTimeoutMs = 0;
    QString userAgent;
};

struct WebCallbacks {
    std::function<void()> metaDataChanged;
    std::function<void()> readyRead;
    std::function<void()> finished;
};

// Fetches web pages over http and https, following redirects that are no less safe.
class WebAccess {
public:
    virtual ~WebAccess() = default;
    virtual std::unique_ptr<WebReply> get(const WebRequest& request, WebCallbacks callbacks) = 0;

    // A new web access owned by `parent`, from the web module beside the program,
    // loaded on the first call. Null if the module cannot be loaded; `whyNot` then
    // names the module and says what is wrong with it.
    static WebAccess* create(QObject* parent, QString* whyNot);
};

// The web module, a Qt plugin of its own beside the program (glimmerkin-web), loaded
// when the help browser is first asked for a web page, so that the program starts and
// runs without the network library until then.
class WebModule {
public:
    virtual ~WebModule() = default;
    virtual WebAccess* createWebAccess(QObject* parent) = 0;

    // Loads the module from `directory` and keeps it loaded. Null if there is none,
    // or it is no Qt plugin, or another one, or it cannot be loaded; `whyNot` then
    // names the module's file and says what it lacks.
    static WebModule* load(const QString& directory, QString* whyNot);
};

} // namespace qtplatform

#define GLIMMERKIN_WEB_MODULE_IID "example.tallowbrook.Glimmerkin.WebModule/1"
Q_DECLARE_INTERFACE(qtplatform::WebModule, GLIMMERKIN_WEB_MODULE_IID)
