// What one window's run under a real display delivered.
#include "tick_log.h"

#include <algorithm>
#include <cmath>

namespace e2e {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    // Nearest rank: the ceil(p/100 * n)-th smallest, counted from 1.
    const auto n = static_cast<double>(values.size());
    const auto rank = static_cast<std::size_t>(std::max(1.0, std::ceil(p / 100.0 * n)));
    return values[std::min(rank, values.size()) - 1];
}

long requestedTicks(double runMs, int periodMs)
{
    if (periodMs <= 0 || runMs <= 0)
        return 0;
    return static_cast<long>(std::floor(runMs / periodMs));
}

void TickLog::tickStarted(double ms)
{
    starts_.push_back(ms);
    waiting_.push_back(ms);
}

void TickLog::tickEnded(double ms)
{
    if (!starts_.empty())
        modelTotal_ += ms - starts_.back();
}

void TickLog::paintStarted(double ms) { paintStart_ = ms; }

void TickLog::paintEnded(double ms)
{
    if (paintStart_ >= 0) {
        paintEventTotal_ += ms - paintStart_;
        ++paintEvents_;
        paintStart_ = -1;
    }
    for (double start : waiting_)
        paintTotal_ += ms - start;
    painted_ += static_cast<long>(waiting_.size());
    waiting_.clear();
}

TickLog::Figures TickLog::figures() const
{
    Figures f;
    f.delivered = static_cast<long>(starts_.size());
    std::vector<double> intervals;
    for (std::size_t i = 1; i < starts_.size(); ++i)
        intervals.push_back(starts_[i] - starts_[i - 1]);
    f.p50 = percentile(intervals, 50);
    f.p95 = percentile(intervals, 95);
    f.p99 = percentile(intervals, 99);
    if (f.delivered > 0)
        f.model = modelTotal_ / static_cast<double>(f.delivered);
    if (painted_ > 0)
        f.paint = paintTotal_ / static_cast<double>(painted_);
    if (paintEvents_ > 0)
        f.paintEvent = paintEventTotal_ / static_cast<double>(paintEvents_);
    f.painted = painted_;
    return f;
}

}  // namespace e2e
