#include "Timer.h"

#include "Form.h"
#include "Runtime.h"

namespace platform {

Timer::Timer(Form& form, std::string name) : Control(form, ControlKind::Timer, std::move(name)) {}

Timer::~Timer() = default;

void Timer::rearm()
{
    if (!timerPeer_)
        return;
    if (enabled() && interval_ > 0)
        timerPeer_->arm(interval_);
    else
        timerPeer_->disarm();
}

void Timer::setInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    rearm();
}

void Timer::setEnabled(bool enabled)
{
    const bool was = this->enabled();
    Control::setEnabled(enabled);
    if (was != enabled)
        rearm();
}

void Timer::raiseTick()
{
    if (!ticking() || tickPending_)
        return;
    tickPending_ = true;
    form().runtime().dispatchNotification([this] {
        tickPending_ = false;
        if (ticking() && onTimer)
            onTimer();
    });
}

void Timer::attachTimer(std::unique_ptr<TimerPeer> peer)
{
    timerPeer_ = std::move(peer);
    loaded_ = true;
    tickPending_ = false;
    rearm();
}

void Timer::detach()
{
    if (timerPeer_)
        timerPeer_->disarm();
    timerPeer_.reset();
    loaded_ = false;
    tickPending_ = false;
    Control::detach();
}

} // namespace platform
