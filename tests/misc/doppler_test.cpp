// The Doppler comparison: where each sample of the two traces lies after a number of ticks, with S'
// at rest and approaching; the automatic stop; the signal that reverses the phase; tiny windows.
#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>

#include "misc/doppler.h"
#include "window_test.h"

namespace {

constexpr int W = 1916;
constexpr int H = 1000;

struct DopplerComparison : ::testing::Test {
    raster::Bitmap surface;
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            doppler::tick(surface.canvas(), false);
    }
    void TearDown() override { doppler::release(); }
};

TEST_F(DopplerComparison, SamplesScrollAwayFromTheirSource)
{
    // g = 9, p = 23, axes 208 and 541, A = 50. The line of tick j + 1 starts from sample
    // sin(j·π/23)·50 at W/2 + g + d, d being the offset of S' on that tick, and every tick moves it
    // g pixels on: after T ticks it lies at W/2 + d + 9 (T - j + 1). The upper trace has d = 0; on
    // the lower one d = j + 1 while S' approaches, so that its samples lie 8 pixels apart, not 9.
    for (const auto motion : {doppler::Motion::Still, doppler::Motion::Approaching}) {
        doppler::create(W, H);
        surface.setSize(W, H);
        doppler::setMotion(motion);
        const int T = 60;
        ticks(T);
        const raster::Canvas& pic = doppler::state().picture.canvas();
        for (int j = 1; j < T; ++j) {
            const long offset = std::lround(std::sin(j * M_PI / 23) * 50);
            const int d = motion == doppler::Motion::Approaching ? j + 1 : 0;
            EXPECT_EQ(pic.pixel(W / 2 + 9 * (T - j + 1), 208 + offset), doppler::kWhite) << j;
            EXPECT_EQ(pic.pixel(W / 2 + d + 9 * (T - j + 1), 541 + offset), doppler::kWhite) << j;
        }
        EXPECT_EQ(doppler::state().d, motion == doppler::Motion::Approaching ? T : 0);
    }
}

TEST_F(DopplerComparison, TinyClientStillHasAPeriod)
{
    // Narrower than 80 pixels, W/80 is 0: the phase must still be counted modulo a period.
    doppler::create(60, 40);
    surface.setSize(60, 40);
    ticks(5);
    EXPECT_EQ(doppler::state().p, 1);
    EXPECT_EQ(doppler::state().n, 0);
}

using DopplerComparisonWindow = WindowTest;

TEST_F(DopplerComparisonWindow, SourceStopsPastSevenTwentiethsKeepingItsColour)
{
    // 7 W / 20 = 670: S' stops on the tick that takes it to 671 pixels.
    ASSERT_EQ(run("open Tdop click avvic tick 670"), 0);
    EXPECT_TRUE(w().isDown("avvic"));
    EXPECT_EQ(text("Panel4"), "Approaching source");
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(w().isDown("quiete") && !w().isDown("avvic") && !w().isDown("allon"));
    EXPECT_EQ(text("Panel4"), "Still source");
    EXPECT_EQ(c("Panel4").widget->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(doppler::state().d, 671);
    ASSERT_EQ(run("tick 5"), 0);
    EXPECT_EQ(doppler::state().d, 671);
}

TEST_F(DopplerComparisonWindow, SpanishKeepsThePanelText)
{
    ASSERT_EQ(run("open Tdop close"), 0);
    globals::LanguageIndex = 3;
    ASSERT_EQ(run("open Tdop click allon tick"), 0);
    EXPECT_EQ(text("Panel4"), "Sorgente in quiete");
    EXPECT_EQ(c("Panel4").widget->palette().color(QPalette::WindowText), QColor(0, 255, 255));
}

TEST_F(DopplerComparisonWindow, SignalReversesThePhaseAndReturnsOncePerPeriod)
{
    // After 29 ticks n = 30; the signal makes it 23 - 30 = -7, and C++ % lets it climb through
    // -6 .. 0: the button comes back on the 8th tick (a phase taken modulo 46 would need 7).
    ASSERT_EQ(run("open Tdop tick 29 click nuvole"), 0);
    EXPECT_EQ(doppler::state().n, -7);
    EXPECT_FALSE(enabled("nuvole"));
    ASSERT_EQ(run("tick 7"), 0);
    EXPECT_FALSE(enabled("nuvole"));
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(enabled("nuvole"));
    // The sample of phase -7 was laid down 8 ticks ago, above the axis, 9·8 pixels on.
    const long offset = std::lround(std::sin(-7 * M_PI / 23) * 50);
    EXPECT_EQ(doppler::state().picture.canvas().pixel(W / 2 + 72, 208 + offset), doppler::kWhite);
}

}  // namespace
