#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace qtplatform {

// What the fetch of a web page came to. An HTTP error that comes with a page of its
// own is that page.
struct WebAnswer {
    enum class Failure { None, TooLarge, NoAnswer, HostNotFound, Other };
    Failure failure = Failure::None;
    QByteArray data;
    QUrl url; // the address answered, after redirects
    QString contentType;
    QString errorString;
};

// Fetches web pages over http and https, following redirects that are no less safe.
class WebAccess {
public:
    virtual ~WebAccess() = default;
    // Fetches `url`, given up beyond `maxBytes` or after `timeoutMs`, and calls `done`
    // once on the event loop of this thread. One fetch at a time: a new one abandons
    // the one under way, whose `done` is never called, as after cancel().
    virtual void get(const QUrl& url, qint64 maxBytes, int timeoutMs, std::function<void(const WebAnswer&)> done) = 0;
    virtual void cancel() = 0;
};

// The web module, a Qt plugin of its own beside the program (glimmerkin-web), loaded
// when the help browser is first asked for a web page, so that the program starts and
// runs without the network library until then.
class WebModule {
public:
    virtual ~WebModule() = default;
    // A new web access owned by `parent`.
    virtual WebAccess* createWebAccess(QObject* parent) = 0;

    // Loads the module from `directory` and keeps it loaded. Null if there is none,
    // or it is no Qt plugin, or another one, or it cannot be loaded; `whyNot` then
    // names the module's file and says what it lacks.
    static WebModule* load(const QString& directory, QString* whyNot);
};

} // namespace qtplatform

#define GLIMMERKIN_WEB_MODULE_IID "example.tallowbrook.Glimmerkin.WebModule/2"
Q_DECLARE_INTERFACE(qtplatform::WebModule, GLIMMERKIN_WEB_MODULE_IID)
