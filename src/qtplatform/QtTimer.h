#pragma once

#include "platform/Peers.h"

#include <QTimer>

namespace platform {
class Timer;
}

namespace qtplatform {

// A timer peer on a precise QTimer; ticks arrive through the event loop.
class QtTimer : public platform::TimerPeer {
public:
    explicit QtTimer(platform::Timer& timer);
    void arm(int intervalMs) override;
    void disarm() override;

private:
    QTimer timer_;
};

} // namespace qtplatform
