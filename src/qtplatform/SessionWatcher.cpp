#include "SessionWatcher.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <cstdlib>
#include <utility>

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace qtplatform {

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
namespace {

constexpr int watched[] = {SIGTERM, SIGINT, SIGHUP};

// The event loop's socket pair, and the watcher thread's.
int loopPipe[2] = {-1, -1};
int deadlinePipe[2] = {-1, -1};
std::atomic<bool> signalled{false};

void onSignal(int signal)
{
    // Only async-signal-safe work here: wake the event loop and the watcher.
    const char byte = static_cast<char>(signal);
    signalled.store(true, std::memory_order_relaxed);
    [[maybe_unused]] auto written = ::write(loopPipe[1], &byte, 1);
    written = ::write(deadlinePipe[1], &byte, 1);
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

void closeBoth(int (&pipe)[2])
{
    for (int& fd : pipe)
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
}

// The watcher thread: waits for a signal, gives the clean close its grace, then ends
// the program. It returns when its pipe closes with no signal sent.
void awaitDeadline(int readEnd, int graceMs)
{
    char signal = 0;
    ssize_t got;
    while ((got = ::read(readEnd, &signal, 1)) < 0 && errno == EINTR) {}
    ::close(readEnd);
    if (got != 1)
        return;
    ::poll(nullptr, 0, graceMs);
    ::_exit(128 + signal);
}

} // namespace
#endif

SessionWatcher::SessionWatcher(std::function<void()> onSessionEnd, std::chrono::milliseconds grace)
    : onSessionEnd_(std::move(onSessionEnd))
{
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, loopPipe) == 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, deadlinePipe) == 0) {
        auto* notifier = new QSocketNotifier(loopPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char buffer[16];
            while (::read(loopPipe[0], buffer, sizeof buffer) > 0) {}
            fire();
        });
        // The watcher thread takes none of the signals, which would cut its grace short.
        sigset_t blocked, previous;
        sigemptyset(&blocked);
        for (int sig : watched)
            sigaddset(&blocked, sig);
        pthread_sigmask(SIG_BLOCK, &blocked, &previous);
        deadline_ = std::thread(awaitDeadline, std::exchange(deadlinePipe[0], -1), static_cast<int>(grace.count()));
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        setHandler(onSignal);
    } else {
        closeBoth(loopPipe);
    }
#else
    static_cast<void>(grace);
#endif
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { fire(); });
}

SessionWatcher::~SessionWatcher()
{
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
    setHandler(SIG_DFL);
    closeBoth(loopPipe);
    // An idle watcher sees its pipe close and returns; one that holds a signal's deadline
    // stays, so that the rest of the program's end keeps to it too.
    closeBoth(deadlinePipe);
    if (deadline_.joinable() && signalled.load(std::memory_order_relaxed))
        deadline_.detach();
    else if (deadline_.joinable())
        deadline_.join();
#endif
}

void SessionWatcher::fire()
{
    // A second request while the first is still closing: leave at once.
    if (std::exchange(fired_, true))
        std::_Exit(1);
    if (onSessionEnd_)
        onSessionEnd_();
}

} // namespace qtplatform
