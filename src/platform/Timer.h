#pragma once

#include "Control.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

// A timer with an interval in milliseconds. An interval of 0 never ticks; setting
// the interval, or enabling a stopped timer, starts the count afresh.
class Timer : public Control {
public:
    Timer(Form& form, std::string name);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);
    void setEnabled(bool enabled) override;

    std::function<void()> onTimer;

    // Raised by the timer peer at each tick; delivered on the UI thread and never
    // inside another handler.
    void raiseTick();
    bool ticking() const { return loaded_ && enabled() && interval_ > 0; }

    void attachTimer(std::unique_ptr<TimerPeer> peer);
    void detach() override;

private:
    void rearm();
    int interval_ = 0;
    bool loaded_ = false;
    bool tickPending_ = false;
    std::unique_ptr<TimerPeer> timerPeer_;
};

} // namespace platform
