// Kepler's second law: equal areas swept about the Sun all along the orbit, and the window as driven.
#include <gtest/gtest.h>

#include <algorithm>

#include "solarsystem/skeplero.h"
#include "window_test.h"

namespace {

long yellowPixels(const raster::Canvas& c)
{
    return std::count(c.bits(), c.bits() + c.stride() * c.height(), raster::rgb(255, 255, 0));
}

TEST(Areas, TheSectorOf41StepsAboutTheSunKeepsItsAreaAllRoundTheOrbit)
{
    // One step from the start sweeps (74 px) x (0.3 x 12 px) / 2 about the centre of attraction;
    // the sector holds 41 of them once the trailing radius moves.
    const double sector = 41 * 74 * 0.3 * 12 / 2;
    for (auto [w, h] : {std::pair{1916, 1000}, {1020, 700}}) {
        skeplero::create(w, h);
        raster::Bitmap screen;
        screen.setSize(w, h);
        for (int t = 1; t <= 480; ++t) {   // perihelion at 0 and 482 ticks, aphelion at 241
            skeplero::tick(screen.canvas(), w, h, false);
            if (t >= 60 && t % 30 == 0) {
                EXPECT_NEAR(yellowPixels(screen.canvas()), sector, 0.05 * sector) << w << "x" << h << " tick " << t;
            }
        }
        // Copied only where each tick drew, the window shows the bitmap all the same.
        const raster::Canvas& b = skeplero::state().OrbitBitmap.canvas();
        for (int y = 0; y < b.height(); ++y)
            ASSERT_TRUE(std::equal(b.bits() + y * w, b.bits() + (y + 1) * w, screen.canvas().bits() + (y + h / 8) * w)) << y;
    }
    skeplero::release();
}

struct Kdue : WindowTest {};

TEST_F(Kdue, TheCopyTrails41StepsAndPausingFreezesThePicture)
{
    ASSERT_EQ(run(QStringLiteral("open Tkdue tick 42 click pausa tick 3")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Kepler's second law"));
    EXPECT_EQ(w().animationTimer()->interval(), 80);
    EXPECT_EQ(w().controlPosition(c("cadenza")), 120);
    orbit::Body b = skeplero::kStart;   // one step on tick 42, none while paused
    orbit::step(b, skeplero::kAttraction, skeplero::kPositionStep, orbit::VyAxis::Up);
    const skeplero::State& s = skeplero::state();
    EXPECT_TRUE(s.B.x == b.x && s.B.y == b.y && s.StepCount == 42);
    EXPECT_EQ(yellowPixels(w().surface()), yellowPixels(s.OrbitBitmap.canvas()));
    ASSERT_EQ(run(QStringLiteral("deactivate")), 0);
    EXPECT_FALSE(w().animationTimer()->enabled());
    ASSERT_EQ(run(QStringLiteral("activate close open Tkdue")), 0);
    EXPECT_TRUE(w().animationTimer()->enabled() && s.StepCount == 0 && s.A.x == skeplero::kStart.x);
    EXPECT_EQ(yellowPixels(w().surface()), 0);
}

}  // namespace
