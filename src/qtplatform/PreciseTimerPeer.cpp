#include "PreciseTimerPeer.h"

#include "platform/Control.h"
#include "platform/Timer.h"

#include <QSocketNotifier>

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
        notifier_ = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd_), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { expired(); });
        return;
    }
#endif
    fallback_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { timer_.raiseTick(); });
}

PreciseTimerPeer::~PreciseTimerPeer()
{
    notifier_.reset();
#ifdef GLIMMERKIN_HAVE_TIMERFD
    if (fd_ >= 0)
        close(fd_);
#endif
}

void PreciseTimerPeer::arm(int intervalMs)
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    if (fd_ >= 0) {
        // Relative to now: the first tick comes one full interval from here. Setting
        // the timer also forgets expirations not yet read.
        itimerspec spec{};
        spec.it_interval.tv_sec = intervalMs / 1000;
        spec.it_interval.tv_nsec = static_cast<long>(intervalMs % 1000) * 1000000L;
        spec.it_value = spec.it_interval;
        timerfd_settime(fd_, 0, &spec, nullptr);
        return;
    }
#endif
    fallback_.start(intervalMs);
}

void PreciseTimerPeer::disarm()
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    if (fd_ >= 0) {
        const itimerspec stopped{};
        timerfd_settime(fd_, 0, &stopped, nullptr);
        return;
    }
#endif
    fallback_.stop();
}

void PreciseTimerPeer::expired()
{
#ifdef GLIMMERKIN_HAVE_TIMERFD
    // The count of expirations since the last read; none when the timer was reset
    // or stopped after the event loop saw it ready.
    std::uint64_t expirations = 0;
    if (read(fd_, &expirations, sizeof expirations) != static_cast<ssize_t>(sizeof expirations) || expirations == 0)
        return;
#endif
    timer_.raiseTick();
}

} // namespace qtplatform
