#include "QtTimer.h"

#include "platform/Control.h"

namespace qtplatform {

QtTimer::QtTimer(platform::Timer& timer)
{
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [&timer] { timer.raiseTick(); });
}

void QtTimer::arm(int intervalMs) { timer_.start(intervalMs); }

void QtTimer::disarm() { timer_.stop(); }

} // namespace qtplatform
