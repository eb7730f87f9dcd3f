// Kepler's first law: the orbit step, the dotted orbit and the Sun at its focus, the planet's lit
// half over whole revolutions, the wipe between the views, and the window as driven.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solarsystem/orbit_step.h"
#include "solarsystem/pkeplero.h"
#include "window_test.h"

namespace {

using namespace pkeplero;
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);
constexpr raster::Color kCyan = raster::rgb(0, 255, 255);

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

TEST(OrbitStep, TheNewVelocityMovesThePositionAndCountingVyUpwardsMirrorsTheStep)
{
    // The first step: r^3 = 64^3 = 262144, vx = 1400 * 64 / 262144 = 0.341796875, and the
    // position moves with the new velocity. (The whole orbit is checked as the window dots it.)
    orbit::Body b = kStart;
    orbit::step(b, kAttraction, kPositionStep);
    EXPECT_TRUE(b.vx == 0.341796875f && b.vy == 10.0f);
    EXPECT_FLOAT_EQ(b.x, static_cast<float>(-64.0 + 0.335 * 0.341796875));
    EXPECT_FLOAT_EQ(b.y, 3.35f);
    // Counting vy upwards mirrors the step exactly.
    orbit::Body up{-74.0f, 20.5f, 1.25f, 12.0f}, down{-74.0f, 20.5f, 1.25f, -12.0f};
    for (int i = 0; i < 50; ++i) {
        orbit::step(up, 2100.0L, 0.3L, orbit::VyAxis::Up);
        orbit::step(down, 2100.0L, 0.3L, orbit::VyAxis::Down);
        ASSERT_TRUE(up.x == down.x && up.y == down.y && up.vy == -down.vy) << i;
    }
}

// Whether the planet of radius u drawn at (px, py), lit from direction (dx, dy) with the terminator
// crossing that way `cross` px from the centre, has the pixel halfway between the terminator and
// the rim toward the Sun cyan, the one halfway on the other side black (where each half has room
// for it), and no cyan outside the disc (the terminator's 2 px pen reaches 2.5 px past u).
::testing::AssertionResult planetIsLit(const raster::Canvas& c, double px, double py, int u, double dx, double dy,
                                       double cross)
{
    const double lit = (u - 1.5 + cross + 1) / 2, dark = (cross - 1 - (u - 1.5)) / 2;
    if (u - 1.5 - (cross + 1) >= 2 && c.pixel(nearest(px + lit * dx), nearest(py + lit * dy)) != kCyan)
        return ::testing::AssertionFailure() << "no lit half";
    if (cross - 1 + u - 1.5 >= 2 && c.pixel(nearest(px + dark * dx), nearest(py + dark * dy)) != kBlack)
        return ::testing::AssertionFailure() << "the dark half is filled";
    for (int y = nearest(py) - 2 * u; y <= nearest(py) + 2 * u; ++y)
        for (int x = nearest(px) - 2 * u; x <= nearest(px) + 2 * u; ++x)
            if (std::hypot(x - px, y - py) > u + 2.5 && c.pixel(x, y) == kCyan)
                return ::testing::AssertionFailure() << "the fill leaked to " << x << "," << y;
    return ::testing::AssertionSuccess();
}

TEST(Lighting, EveryPlacementOfTheDiscGetsItsLitHalfTowardTheSunAndNoMore)
{
    // Exactly at x = 0 the upper half is lit (elsewhere the lit halves below face the Sun).
    EXPECT_EQ(terminatorAngle(0, -98), 0);
    // Quarter-pixel placements, 48 directions of the Sun, both views (the terminator bows by
    // cos a = y / r, five times that in the oblique view). Some placements put the pixel u - 2
    // toward the Sun on the outline: their lit half must be filled all the same.
    int seedOnOutline = 0;
    for (int u : {7, 27})
        for (int bow : {1, 5})
            for (int i = 0; i < 48 * 16; ++i) {
                const double x = 100 * std::cos(i / 16 * std::numbers::pi / 24 + 0.01);
                const double y = 100 * std::sin(i / 16 * std::numbers::pi / 24 + 0.01);
                raster::Bitmap b;
                b.canvas().brush.color = kBlack;
                b.setSize(6 * u, 6 * u);
                orb::SavedPatch patch;
                patch.create(3 * u, 3 * u);
                const double px = 3 * u + 0.25 * (i % 4), py = 3 * u + 0.25 * (i / 4 % 4);
                drawPlanet(b.canvas(), patch, px, py, u, terminatorAngle(x, y), bow);
                ASSERT_TRUE(planetIsLit(b.canvas(), px, py, u, -x / 100, -y / 100, bow * y / 100))
                    << "u " << u << " bow " << bow << " direction " << i / 16 << " at " << px << "," << py;
                const raster::Point seed{nearest(px - (u - 2) * x / 100), nearest(py - (u - 2) * y / 100)};
                seedOnOutline += b.canvas().pixel(seed.x, seed.y) == kWhite;
            }
    EXPECT_GT(seedOnOutline, 0);
}

// The window on a 1916 x 1000 client: the Sun at (3 W / 20, 3 Band) = (287.4, 375) in the
// views, which show at (W div 4, Band).
struct FirstLawWindow : WindowTest {
    static constexpr int W = 1916, H = 1000;
    const double fx = 3.0 * W / 20;
    const int fy = 3 * (H / 8);
    const State& s = state();
    // Whether the wipe's frame shows the oblique view on the first `width` columns of every strip
    // (W div 40 apart) and the top view elsewhere.
    ::testing::AssertionResult composedOf(int width)
    {
        const raster::Canvas &f = s.ComposeBitmap.canvas(), &top = s.TopOrbitBitmap.canvas();
        for (int y = 0; y < f.height(); y += 3)
            for (int x = 0; x < f.width(); ++x)
                if (f.pixel(x, y) != (x % (W / 40) < width ? s.ObliqueOrbitBitmap.canvas() : top).pixel(x, y))
                    return ::testing::AssertionFailure() << "at " << x << "," << y;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(FirstLawWindow, TheDottedOrbitAboutTheSunAndTheWipeBetweenTheViewsThroughTheViewButton)
{
    ASSERT_EQ(run("open Tkuno"), 0);
    EXPECT_TRUE(w().windowTitle() == QStringLiteral("Kepler's first law") && w().animationTimer()->interval() == 80 &&
                w().controlPosition(c("cadenza")) == 120);
    EXPECT_TRUE(c("cadenza").hint == QStringLiteral("velocità d'esecuzione") && c("prono").hint == "point of view|");
    // The Sun of radius W div 70 = 27 at the focus (yellow 24 px right of it, not 29, nor at W / 5 =
    // 383). Per step the attraction is 0.335 * 1400 = 469 and the start speed 3.35 at r = 64: the
    // energy 3.35^2 / 2 - 469 / 64 = -1.717 gives a = 469 / (2 * 1.717) = 136.6, the far point at
    // 2a - 64 = 209.2, b = sqrt(64 * 209.2) = 115.7 and a period of 2 pi sqrt(a^3 / 469) = 463. So
    // the dotted orbit reaches from 64 px left of the Sun to 209 px right, 115.7 px up and down (a
    // third of that in the oblique view), a dot for each of the 463 or so steps but where two fall
    // on one pixel (near the far point a step is about a pixel).
    EXPECT_TRUE(s.TopOrbitBitmap.width() == 958 && s.TopOrbitBitmap.height() == 750);
    for (const raster::Bitmap* view : {&s.TopOrbitBitmap, &s.ObliqueOrbitBitmap}) {
        const raster::Canvas& c = view->canvas();
        EXPECT_TRUE(hasPixels(c, {{287, fy, kYellow}, {311, fy, kYellow}, {316, fy, kBlack}, {383, fy, kBlack}}));
        const raster::Rect box = boxBeside(c, kBlack);
        const int half = view == &s.TopOrbitBitmap ? 116 : 39;
        EXPECT_TRUE(std::abs(box.left - (fx - 64)) <= 1 && std::abs(box.right - (fx + 210)) <= 1 &&
                    std::abs(box.top - (fy - half)) <= 4 && std::abs(box.bottom - (fy + half)) <= 4);
    }
    const raster::Canvas& top = s.TopOrbitBitmap.canvas();
    const auto dots = std::count(top.bits(), top.bits() + top.stride() * top.height(), kWhite);
    EXPECT_TRUE(dots > 400 && dots <= 468) << dots;
    // The planet waits next to its start point; the top view shows.
    ASSERT_EQ(run("tick"), 0);
    EXPECT_EQ(w().surface().pixel(W / 4 + 287, H / 8 + fy), kYellow);
    // The wipe's strips of W div 40 = 47 px grow a pixel a tick, and the view button is disabled
    // until they are full; paused, the wipe waits and its frame is composed again.
    ASSERT_EQ(run("tick 10 click pausa click prono tick 30"), 0);
    EXPECT_TRUE(w().isDown("prono") && !enabled("prono") && s.WipeStep == 0 && composedOf(0));
    ASSERT_EQ(run("click pausa"), 0);
    for (int k = 0; k < 46; ++k) {
        ASSERT_EQ(run("tick"), 0);
        ASSERT_TRUE(s.WipeStep == k + 1 && (k % 15 != 0 || composedOf(k))) << "tick " << k;
    }
    const float y = s.orbit.y;
    ASSERT_EQ(run("click pausa tick"), 0);
    EXPECT_TRUE(s.WipeStep == 46 && s.orbit.y == y && composedOf(46));
    for (int x = 0; x < W / 2; x += 5)   // shown at (W div 4, H div 8)
        ASSERT_EQ(w().surface().pixel(W / 4 + x, H / 8 + fy + 40), s.ComposeBitmap.canvas().pixel(x, fy + 40));
    ASSERT_EQ(run("click pausa tick"), 0);
    EXPECT_TRUE(s.WipeStep == 47 && !enabled("prono"));
    ASSERT_EQ(run("tick"), 0);
    EXPECT_TRUE(s.ViewState == 2 && s.WipeStep == 0 && enabled("prono"));
    // In the oblique view the planet's height is a third, its terminator bowed five times as much;
    // its lit half faces the Sun all round the orbit.
    const raster::Canvas& oblique = s.ObliqueOrbitBitmap.canvas();
    for (int i = 0; i < 470; ++i) {
        const double x = s.orbit.x, y = s.orbit.y, r = std::hypot(x, y);
        ASSERT_EQ(run("tick"), 0);
        ASSERT_TRUE(i % 20 || planetIsLit(oblique, fx + x, fy + y / 3, W / 70, -x / r, -y / r, 5 * y / r)) << i;
    }
    // And back up; closed during a wipe and opened again: a fresh start.
    ASSERT_EQ(run("click prono tick 48"), 0);
    EXPECT_TRUE(!w().isDown("prono") && s.ViewState == 0 && enabled("prono"));
    ASSERT_EQ(run("click prono tick 5 deactivate activate close open Tkuno"), 0);
    EXPECT_TRUE(s.ViewState == 0 && s.WipeStep == 0 && enabled("prono") && !w().isDown("prono") &&
                std::abs(s.orbit.x + 64) < 0.5f);
}

}  // namespace
