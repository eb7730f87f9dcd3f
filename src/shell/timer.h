// The timer layer: named animation timers that run on Qt timers in the program and on a
// deterministic virtual clock in tests and in the scripted driver.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orb {

// Window timers never fire faster than this, whatever interval they are given: the interval
// keeps its value, only the period is raised to the floor.
constexpr int kTimerFloorMs = 10;

// The period at which a timer of the given interval fires; 0 for an interval that never fires.
int timerPeriod(int intervalMs);

class Timer;

// Where timers actually run. The program installs one backed by Qt; the driver and the tests a
// VirtualClock.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual void start(Timer& timer, int periodMs) = 0;   // (re)start: next tick one period from now
    virtual void stop(Timer& timer) = 0;
    virtual void forget(Timer& timer) = 0;                 // the timer is being destroyed
};

void setTimerBackend(TimerBackend* backend);
TimerBackend* timerBackend();

// A timer as the windows see it: a name, an interval in milliseconds, an enabled flag and a
// handler. Changing the interval of a running timer restarts its period.
class Timer {
public:
    Timer(std::string name, int intervalMs, bool enabled, std::function<void()> handler = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool enabled);
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    // Runs the handler once, as a tick does.
    void fire();
    // The backend's bookkeeping slot.
    void* backendData = nullptr;

private:
    void update();
    std::string name_;
    int interval_;
    bool enabled_;
    bool running_ = false;
    std::function<void()> handler_;
};

// A clock that only moves when told to, firing every running timer when it falls due, in order of
// due time (and of start for equal times).
class VirtualClock : public TimerBackend {
public:
    VirtualClock();
    ~VirtualClock() override;
    void start(Timer& timer, int periodMs) override;
    void stop(Timer& timer) override;
    void forget(Timer& timer) override;

    std::int64_t now() const { return now_; }
    // Moves the clock forward by ms milliseconds; returns how many ticks fired.
    std::int64_t advance(std::int64_t ms);
    bool running(const Timer& timer) const;

private:
    struct Entry {
        Timer* timer;
        std::int64_t due;
        int period;
        std::uint64_t order;
    };
    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace orb
