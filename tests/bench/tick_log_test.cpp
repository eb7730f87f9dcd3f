// The end-to-end benchmark's arithmetic: the ticks asked for, the percentiles of their spacing and
// the pairing of ticks with the paints that showed them.
#include <gtest/gtest.h>

#include "../bench/e2e/tick_log.h"

TEST(TickLog, PercentilesByNearestRank)
{
    // 1..100 in a shuffled order: the p-th percentile is p itself.
    std::vector<double> v;
    for (int i = 0; i < 100; ++i)
        v.push_back((i * 37) % 100 + 1);
    EXPECT_EQ(e2e::percentile(v, 50), 50);
    EXPECT_EQ(e2e::percentile(v, 99), 99);
    // Three values: the 95th is the largest.
    EXPECT_EQ(e2e::percentile({30, 10, 20}, 95), 30);
}

TEST(TickLog, RequestedTicksAreWholePeriodsOfTheRun)
{
    EXPECT_EQ(e2e::requestedTicks(5009.9, 10), 500);
    EXPECT_EQ(e2e::requestedTicks(5000, 195), 25);
    EXPECT_EQ(e2e::requestedTicks(5000, 0), 0);
}

TEST(TickLog, PaintsShowEveryTickSinceTheLastPaint)
{
    e2e::TickLog log;
    // Tick at 0 (1 ms of work), painted from 3 to 4; ticks at 10 and 20 (2 ms each) share the
    // paint from 25 to 27; the tick at 30 is never painted.
    log.tickStarted(0);
    log.tickEnded(1);
    log.paintStarted(3);
    log.paintEnded(4);
    log.tickStarted(10);
    log.tickEnded(12);
    log.tickStarted(20);
    log.tickEnded(22);
    log.paintStarted(25);
    log.paintEnded(27);
    log.tickStarted(30);
    log.tickEnded(31);
    const e2e::TickLog::Figures f = log.figures();
    EXPECT_EQ(f.delivered, 4);
    EXPECT_EQ(f.painted, 3);
    EXPECT_DOUBLE_EQ(f.model, 6.0 / 4);
    EXPECT_DOUBLE_EQ(f.paint, (4.0 + 17.0 + 7.0) / 3);
    EXPECT_DOUBLE_EQ(f.paintEvent, 3.0 / 2);
    EXPECT_EQ(f.p50, 10);
}
