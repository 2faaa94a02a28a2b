#include "PreciseTimerPeer.h"

#include "platform/Timer.h"

#ifdef GLIMMERKIN_HAVE_TIMERFD
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace qtplatform {

PreciseTimerPeer::PreciseTimerPeer(platform::Timer& timer) : timer_(timer)
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_.setSocket(fd_);
        notifier_.setEnabled(true);
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] {
            // None when the timer was set again or stopped after the loop saw it ready.
            std::uint64_t expirations = 0;
            if (read(fd_, &expirations, sizeof expirations) == static_cast<ssize_t>(sizeof expirations) &&
                expirations > 0)
                timer_.raiseTick();
        });
        return;
    }
#endif
    fallback_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { timer_.raiseTick(); });
}

PreciseTimerPeer::~PreciseTimerPeer()
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    notifier_.setEnabled(false);
    if (fd_ >= 0)
        close(fd_);
#endif
}

// From now on; 0 stops it.
void PreciseTimerPeer::arm(int intervalMs)
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    if (fd_ >= 0) {
        // Setting the timer also forgets the expirations not yet read.
        const timespec interval{intervalMs / 1000, static_cast<long>(intervalMs % 1000) * 1000000L};
        const itimerspec spec{interval, interval};
        timerfd_settime(fd_, 0, &spec, nullptr);
        return;
    }
#endif
    if (intervalMs > 0)
        fallback_.start(intervalMs);
    else
        fallback_.stop();
}

} // namespace qtplatform
