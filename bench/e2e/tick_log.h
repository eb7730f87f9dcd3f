// What one window's run under a real display delivered: its timer's ticks, the intervals between
// them, the time of each tick's model work and how long each took to reach the screen.
#pragma once

#include <vector>

namespace e2e {

// The p-th percentile (0 < p <= 100) of `values` by nearest rank: the smallest value that at
// least p percent of them do not exceed. 0 for no values.
double percentile(std::vector<double> values, double p);

// The ticks a timer firing every `periodMs` asks for in `runMs` (its first one period after the
// start).
long requestedTicks(double runMs, int periodMs);

// Times in milliseconds on one steady clock, in the order the events happen.
class TickLog {
public:
    void tickStarted(double ms);
    void tickEnded(double ms);
    // The window's paint event began and ended. A paint shows every tick since the last paint:
    // each tick's paint time runs from its start to the end of that paint event.
    void paintStarted(double ms);
    void paintEnded(double ms);

    struct Figures {
        long delivered = 0;
        double p50 = 0, p95 = 0, p99 = 0;   // intervals between delivered ticks
        double model = 0;                   // mean time in the tick handler
        double paint = 0;                   // mean time from a tick to the end of its paint
        double paintEvent = 0;              // mean time inside the paint event
        long painted = 0;                   // ticks that reached a paint
    };
    Figures figures() const;

private:
    std::vector<double> starts_;
    double modelTotal_ = 0;
    std::vector<double> waiting_;   // starts of the ticks not painted yet
    double paintTotal_ = 0;
    long painted_ = 0;
    double paintStart_ = -1;
    double paintEventTotal_ = 0;
    long paintEvents_ = 0;
};

}  // namespace e2e
