// Earth-planet relative motion: the bodies at stated ticks, the retrograde loops, the trail kept
// whole under the moving marker, the line of sight and the Sun in its way, and the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solarsystem/temame.h"
#include "window_test.h"

namespace {

constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kRed = raster::rgb(255, 0, 0);
constexpr raster::Color kCyan = raster::rgb(0, 255, 255);

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

struct RelativeMotion : ::testing::Test {
    int W = 1020, H = 700;
    raster::Bitmap window;
    void open(bool outer, int w = 1020, int h = 700)
    {
        W = w, H = h;
        temame::create(W, H);
        temame::restart(W, H, outer);
        window.setSize(W, H);
    }
    void ticks(int n) { while (n-- > 0) temame::tick(window.canvas(), W, H, false); }
    const raster::Canvas& scene() { return temame::state().SceneBitmap.canvas(); }
    void TearDown() override { temame::release(); }
};

// A disc of half-size d in `colour` centred within a pixel of (x, y), nothing of it 2 px further out.
::testing::AssertionResult discAt(const raster::Canvas& c, int x, int y, int d, raster::Color colour)
{
    for (const int k : {-1, 1})
        if (c.pixel(x + k * (d - 3), y) != colour || c.pixel(x, y + k * (d - 3)) != colour ||
            c.pixel(x + k * (d + 2), y) == colour || c.pixel(x, y + k * (d + 2)) == colour)
            return ::testing::AssertionFailure() << "no disc at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

TEST_F(RelativeMotion, TheBodiesReachTheBottomOfTheirOrbitsAQuarterPeriodAfterTheirStart)
{
    // The Earth starts at pi/4, a planet at 0: the bottom of an orbit of radius R is 1.25 R below
    // the Sun (0.15 R + 1.1 R), reached by the Earth at tick 25, Mars at 94, Mercury at 12.
    for (const auto& [w, h] : {std::pair{1916, 1000}, std::pair{1020, 700}}) {
        const int d = w / 160;
        open(true, w, h);
        ticks(26);
        EXPECT_TRUE(discAt(scene(), w / 4, nearest(h / 2.0 + 1.25 * (w / 10 - 1)), d, kCyan)) << w;
        ticks(94 - 26 + 1);
        EXPECT_TRUE(discAt(scene(), w / 4, nearest(h / 2.0 + 1.25 * (w / 8)), d, kRed)) << w;
        EXPECT_TRUE(discAt(scene(), w / 4, h / 2, w / 50, raster::rgb(255, 255, 0)));   // the Sun
        open(false, w, h);
        ticks(13);
        EXPECT_TRUE(discAt(scene(), w / 4, nearest(h / 2.0 + 1.25 * (w / 20)), d, kWhite)) << w;
    }
}

// Reversals of the planet's direction seen from the Earth, over ticks 0 .. n - 1.
int reversals(const temame::Orbits& o, int n)
{
    const auto seen = [&o](int t) {
        const temame::Positions p = temame::positions(1020, 700, o, t);
        return std::atan2(p.yP - p.yE, p.xP - p.xE);
    };
    int count = 0;
    for (int t = 1; t < n; ++t)
        count += std::remainder(seen(t) - seen(t - 1), 2 * std::numbers::pi) *
                     std::remainder(seen(t + 1) - seen(t), 2 * std::numbers::pi) < 0;
    return count;
}

TEST(RetrogradeLoops, OneRetrogradeLoopEverySynodicPeriod)
{
    // Mars: 1 / (1/200 - 1/376) = 427 ticks; Mercury: 1 / (1/48 - 1/200) = 63 ticks; a loop
    // begins and ends with a reversal.
    EXPECT_EQ(reversals(temame::orbits(1020, true), 3 * 427), 6);
    EXPECT_EQ(reversals(temame::orbits(1020, false), 3 * 63), 6);
}

TEST_F(RelativeMotion, TheTrailStaysWholeUnderTheMovingMarker)
{
    // At W = 1020 (W div 150 = 6, W div 75 = 13) and W = 1916 (12 and 25), a patch bitmap one
    // pixel wider than the square it keeps would leave pixels of old trail beside the new one.
    for (const auto& [w, h] : {std::pair{1020, 700}, std::pair{1916, 1000}}) {
        open(true, w, h);
        ticks(500);
        raster::Bitmap expected;
        raster::Canvas& e = expected.canvas();
        e.brush.color = kBlack;
        expected.setSize(w, h);
        const int d = w / 160;
        e.brush.color = kCyan;
        e.ellipse(3 * w / 4 - d, 21 * h / 40 - d, 3 * w / 4 + d, 21 * h / 40 + d);   // pen black
        e.pen.color = kWhite;
        temame::Positions p;
        for (int t = 0; t < 500; ++t) {
            p = temame::positions(w, h, temame::orbits(w, true), t);
            t == 0 ? e.moveTo(nearest(p.xT), nearest(p.yT)) : e.lineTo(nearest(p.xT), nearest(p.yT));
        }
        e.pen.color = kBlack;
        e.brush.color = kRed;
        e.ellipse(nearest(p.xT) - d, nearest(p.yT - d), nearest(p.xT) + d, nearest(p.yT + d));
        for (int y = 0; y < h; ++y)
            for (int x = w / 2 + 3; x < w; ++x)
                ASSERT_EQ(scene().pixel(x, y), e.pixel(x, y)) << w << ": " << x << "," << y;
    }
}

TEST_F(RelativeMotion, TheLineOfSightStopsAtTheSunAndOtherwiseReachesTheStars)
{
    int blocked = 0, seen = 0;
    for (const bool outer : {true, false}) {
        open(outer);
        for (int t = 0; t < 400; ++t, ticks(1)) {
            const temame::Positions p = temame::state().at;
            // How far the ray from the Earth toward the planet passes from the Sun's centre.
            const double ux = p.xP - p.xE, uy = p.yP - p.yE, sx = W / 4.0 - p.xE, sy = H / 2.0 - p.yE;
            const double along = (sx * ux + sy * uy) / std::hypot(ux, uy);
            const double miss = std::abs(sx * uy - sy * ux) / std::hypot(ux, uy);
            const auto end = temame::sightEnd(scene(), W, H, p);
            if (along > 0 && miss < 0.5 * (W / 50)) {
                EXPECT_FALSE(end) << t;
                ++blocked;
            } else if (along < 0 || miss > 2 * (W / 50)) {
                ASSERT_TRUE(end && std::hypot(end->x - (W / 4.0 - 7), end->y - (H / 2.0 - 7)) >= W / 5.0 + 6) << t;
                ++seen;
            }
        }
    }
    EXPECT_TRUE(blocked > 10 && seen > 400);
}

struct RelativeMotionWindow : WindowTest {
    bool differs()   // the window's picture from the scene
    {
        const raster::Canvas &s = w().surfaceBitmap().canvas(), &b = temame::state().SceneBitmap.canvas();
        return !std::equal(b.bits(), b.bits() + b.stride() * b.height(), s.bits());
    }
};

TEST_F(RelativeMotionWindow, TheRestartTakesTheChosenPlanetAndTheLineOfSightIsDrawnOnTheWindowOnly)
{
    ASSERT_EQ(run(QStringLiteral("open Ttema")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    EXPECT_TRUE(shown("Panel10") && shown("barrasotto") && !enabled("nuovo"));
    ASSERT_EQ(run(QStringLiteral("tick 30 click pausa tick 5")), 0);
    EXPECT_EQ(temame::state().Tick, 30);
    ASSERT_EQ(run(QStringLiteral("click visione tick")), 0);
    EXPECT_TRUE(differs());
    ASSERT_EQ(run(QStringLiteral("click visione tick")), 0);
    EXPECT_FALSE(differs());   // the window shows the scene, though only its changes are copied
    ASSERT_EQ(run(QStringLiteral("set pianeta 1")), 0);
    EXPECT_EQ(temame::state().Outer, 1);   // not before the restart
    ASSERT_EQ(run(QStringLiteral("click nuovo click pausa tick 3")), 0);
    EXPECT_TRUE(temame::state().Outer == 0 && temame::state().Tick == 3 && !enabled("nuovo"));
    ASSERT_EQ(run(QStringLiteral("click visione close open Ttema")), 0);
    EXPECT_FALSE(temame::state().LineOfSight);
    EXPECT_EQ(text("pianeta"), QStringLiteral(" exterior"));
}

}  // namespace
