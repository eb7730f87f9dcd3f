// The timer layer: named animation timers and the deterministic virtual clock.
#include "shell/timer.h"

#include <algorithm>
#include <limits>

namespace orb {

namespace {
TimerBackend* g_backend = nullptr;
}

int timerPeriod(int intervalMs)
{
    if (intervalMs <= 0)
        return 0;
    return std::max(intervalMs, kTimerFloorMs);
}

void setTimerBackend(TimerBackend* backend) { g_backend = backend; }
TimerBackend* timerBackend() { return g_backend; }

Timer::Timer(std::string name, int intervalMs, bool enabled, std::function<void()> handler)
    : name_(std::move(name)), interval_(intervalMs), enabled_(enabled), handler_(std::move(handler))
{
    update();
}

Timer::~Timer()
{
    if (g_backend)
        g_backend->forget(*this);
}

void Timer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    // A new interval restarts the period.
    if (running_ && g_backend)
        g_backend->stop(*this);
    running_ = false;
    update();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    update();
}

void Timer::fire()
{
    if (handler_)
        handler_();
}

void Timer::update()
{
    const int period = timerPeriod(interval_);
    const bool shouldRun = enabled_ && period > 0;
    if (!g_backend)
        return;
    if (shouldRun && !running_) {
        g_backend->start(*this, period);
        running_ = true;
    } else if (!shouldRun) {
        if (running_)
            g_backend->stop(*this);
        running_ = false;
    }
}

VirtualClock::VirtualClock() = default;
VirtualClock::~VirtualClock() = default;

void VirtualClock::start(Timer& timer, int periodMs)
{
    stop(timer);
    entries_.push_back({&timer, now_ + periodMs, periodMs, nextOrder_++});
}

void VirtualClock::stop(Timer& timer)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualClock::forget(Timer& timer) { stop(timer); }

bool VirtualClock::running(const Timer& timer) const
{
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return e.timer == &timer; });
}

std::int64_t VirtualClock::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
    std::int64_t fired = 0;
    for (;;) {
        // The earliest due entry; handlers may start, stop or destroy timers, so search anew.
        auto next = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->due > target)
                continue;
            if (next == entries_.end() || it->due < next->due ||
                (it->due == next->due && it->order < next->order))
                next = it;
        }
        if (next == entries_.end())
            break;
        now_ = next->due;
        next->due += next->period;
        next->order = nextOrder_++;
        Timer* timer = next->timer;
        ++fired;
        timer->fire();
    }
    now_ = target;
    return fired;
}

}  // namespace orb
