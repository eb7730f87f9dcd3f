// The timer layer on the virtual clock: floor, order, restarts, and timers changed by handlers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/timer.h"

namespace {

struct ClockFixture : ::testing::Test {
    orb::VirtualClock clock;
    orb::TimerBackend* previous = nullptr;
    void SetUp() override
    {
        previous = orb::timerBackend();
        orb::setTimerBackend(&clock);
    }
    void TearDown() override { orb::setTimerBackend(previous); }
};

TEST_F(ClockFixture, ShortIntervalsFireAtTheFloorButKeepTheirValue)
{
    int ticks = 0;
    orb::Timer t("tempo", 1, true, [&] { ++ticks; });
    clock.advance(100);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(t.interval(), 1);
    t.setInterval(25);
    ticks = 0;
    clock.advance(100);
    EXPECT_EQ(ticks, 4);
    t.setInterval(0);   // an interval of 0 never fires
    ticks = 0;
    clock.advance(100);
    EXPECT_EQ(ticks, 0);
}

TEST_F(ClockFixture, DisabledTimersDoNotFireAndEnablingRestartsThePeriod)
{
    int ticks = 0;
    orb::Timer t("tempo", 50, false, [&] { ++ticks; });
    clock.advance(200);
    EXPECT_EQ(ticks, 0);
    clock.advance(30);
    t.setEnabled(true);
    clock.advance(49);
    EXPECT_EQ(ticks, 0);
    clock.advance(1);
    EXPECT_EQ(ticks, 1);
    // Setting the same state again changes nothing.
    t.setEnabled(true);
    clock.advance(50);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ClockFixture, TimersFireInOrderOfDueTime)
{
    std::vector<std::string> log;
    orb::Timer a("a", 30, true, [&] { log.push_back("a"); });
    orb::Timer b("b", 20, true, [&] { log.push_back("b"); });
    clock.advance(60);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "b", "a", "b"}));
}

TEST_F(ClockFixture, AHandlerMayStopOrDestroyTimers)
{
    int aTicks = 0;
    auto other = std::make_unique<orb::Timer>("other", 10, true, [] {});
    orb::Timer a("a", 10, true, [&] {
        ++aTicks;
        other.reset();   // destroyed while the clock runs
    });
    orb::Timer self("self", 10, true);
    self.setHandler([&] { self.setEnabled(false); });
    clock.advance(100);
    EXPECT_EQ(aTicks, 10);
    EXPECT_FALSE(clock.running(self));
    EXPECT_EQ(clock.now(), 100);
}

}  // namespace
