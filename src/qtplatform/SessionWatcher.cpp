#include "SessionWatcher.h"

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
#include "TerminationSignals.h"
#endif

#include <QGuiApplication>
#include <QSessionManager>

#include <cstdlib>

namespace qtplatform {

SessionWatcher::SessionWatcher(std::function<void()> onSessionEnd, QObject* parent)
    : QObject(parent), onSessionEnd_(std::move(onSessionEnd))
{
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
    new TerminationSignals([this] { fire(); }, this);
#endif
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { fire(); });
}

void SessionWatcher::fire()
{
    if (fired_) {
        // A second request while the first is still closing: leave at once.
        std::_Exit(1);
    }
    fired_ = true;
    if (onSessionEnd_)
        onSessionEnd_();
}

} // namespace qtplatform
