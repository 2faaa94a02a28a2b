#include "SessionWatcher.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <cstdlib>

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace qtplatform {

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
namespace {

constexpr int watched[] = {SIGTERM, SIGINT, SIGHUP};

int signalPipe[2] = {-1, -1};

void wakeEventLoop(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: wake the event loop.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : watched)
        ::sigaction(sig, &action, nullptr);
}

} // namespace
#endif

SessionWatcher::SessionWatcher(std::function<void()> onSessionEnd, QObject* parent)
    : QObject(parent), onSessionEnd_(std::move(onSessionEnd))
{
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char buffer[16];
            while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {}
            fire();
        });
        setHandler(wakeEventLoop);
    }
#endif
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { fire(); });
}

SessionWatcher::~SessionWatcher()
{
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
    setHandler(SIG_DFL);
    for (int& fd : signalPipe)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
#endif
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
