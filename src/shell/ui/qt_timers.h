// Runs the program's timers on Qt timers, at the platform's floor of 10 ms.
#pragma once

#include "shell/timer.h"

namespace orb {

class QtTimerBackend : public TimerBackend {
public:
    ~QtTimerBackend() override;
    void start(Timer& timer, int periodMs) override;
    void stop(Timer& timer) override;
    void forget(Timer& timer) override;

protected:
    // A Qt timer fell due: runs the timer's tick (a measuring back-end wraps it).
    virtual void tick(Timer& timer) { timer.fire(); }
};

}  // namespace orb
