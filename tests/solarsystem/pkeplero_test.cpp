// Kepler's first law: the orbit step, the dotted orbit and the Sun at its focus, the planet's lit
// half over whole revolutions, the wipe between the views, and the window as driven.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "solarsystem/orbit_step.h"
#include "solarsystem/pkeplero.h"
#include "window_test.h"

namespace {

constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);
constexpr raster::Color kCyan = raster::rgb(0, 255, 255);

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The same motion in double precision, from the law of attraction.
struct Track {
    double x = -64, y = 0, vx = 0, vy = 10;
    void step()
    {
        const double r3 = std::pow(x * x + y * y, 1.5);
        vx -= 1400 * x / r3;
        vy -= 1400 * y / r3;
        x += 0.335 * vx;
        y += 0.335 * vy;
    }
};

TEST(OrbitStep, TheOrbitStartsAt64PxAndClosesAfterAbout465Steps)
{
    orbit::Body b = pkeplero::kStart;
    orbit::step(b, pkeplero::kAttraction, pkeplero::kPositionStep);
    // r^3 = 64^3 = 262144: vx = 1400 * 64 / 262144 = 0.341796875, vy stays 10.
    EXPECT_FLOAT_EQ(b.vx, 0.341796875f);
    EXPECT_FLOAT_EQ(b.x, static_cast<float>(-64.0 + 0.335 * 0.341796875));
    EXPECT_FLOAT_EQ(b.y, 3.35f);
    Track t;
    t.step();
    float minY = 0, maxY = 0, maxX = b.x;
    int steps = 1;
    bool farSide = false;
    while (!(farSide && b.x >= -64 && b.y > 0) && steps < 2000) {
        orbit::step(b, pkeplero::kAttraction, pkeplero::kPositionStep);
        t.step();
        ++steps;
        farSide = farSide || (b.y < 0 && b.x > 0);
        minY = std::min(minY, b.y);
        maxY = std::max(maxY, b.y);
        maxX = std::max(maxX, b.x);
        ASSERT_NEAR(b.x, t.x, 0.1) << "step " << steps;
        ASSERT_NEAR(b.y, t.y, 0.1) << "step " << steps;
    }
    EXPECT_NEAR(steps, 465, 8);
    EXPECT_NEAR(maxX, 209.5, 1.0);
    EXPECT_TRUE(std::abs(minY + 119) < 1.5f && std::abs(maxY - 112) < 1.5f) << minY << " " << maxY;
    EXPECT_TRUE(std::abs(b.x + 64) < 0.5f && b.y <= 3.4f);   // within one step (3.35 px) past the start
}

TEST(OrbitStep, UpwardVelocityMirrorsTheDownwardStepExactly)
{
    orbit::Body up{-74.0f, 20.5f, 1.25f, 12.0f};
    orbit::Body down{-74.0f, 20.5f, 1.25f, -12.0f};
    for (int i = 0; i < 50; ++i) {
        orbit::step(up, 2100.0L, 0.3L, orbit::VyAxis::Up);
        orbit::step(down, 2100.0L, 0.3L, orbit::VyAxis::Down);
        ASSERT_EQ(up.x, down.x);
        ASSERT_EQ(up.y, down.y);
        ASSERT_EQ(up.vy, -down.vy);
    }
}

// ---- Lighting ------------------------------------------------------------------------------

TEST(Lighting, TheTerminatorFacesTheSunAtTheFocus)
{
    // (sin a, -cos a) points from the planet toward the Sun at (0, 0).
    for (const auto& [x, y] : {std::pair{-64.0, 0.0}, {209.5, 0.0}, {-30.0, 50.0}, {120.0, -100.0}, {5.0, 98.0}, {-5.0, -98.0}}) {
        const long double a = pkeplero::terminatorAngle(x, y);
        EXPECT_NEAR(std::sin(a), -x / std::hypot(x, y), 1e-12) << x << "," << y;
        EXPECT_NEAR(-std::cos(a), -y / std::hypot(x, y), 1e-12) << x << "," << y;
    }
    EXPECT_EQ(pkeplero::terminatorAngle(0, -98), 0);   // exactly at x = 0: the upper half is lit
}

// Checks a planet of radius u drawn at (px, py) and lit from direction (dx, dy), the terminator
// crossing that way `cross` px from the centre: the pixel halfway between the terminator and the
// rim toward the Sun is cyan, the one halfway on the other side black (where each half has room
// for it), and no cyan lies outside the disc (the terminator's 2 px pen reaches 2.5 px past u).
::testing::AssertionResult planetIsLit(const raster::Canvas& c, double px, double py, int u,
                                       double dx, double dy, double cross)
{
    if ((u - 1.5) - (cross + 1) >= 2) {
        const double t = (u - 1.5 + cross + 1) / 2;
        if (c.pixel(nearest(px + t * dx), nearest(py + t * dy)) != kCyan)
            return ::testing::AssertionFailure() << "no lit half";
    }
    if ((cross - 1) + (u - 1.5) >= 2) {
        const double t = (cross - 1 - (u - 1.5)) / 2;
        if (c.pixel(nearest(px + t * dx), nearest(py + t * dy)) != kBlack)
            return ::testing::AssertionFailure() << "the dark half is filled";
    }
    const double reach = (u + 2.5) * (u + 2.5);
    for (int y = nearest(py) - 2 * u; y <= nearest(py) + 2 * u; ++y)
        for (int x = nearest(px) - 2 * u; x <= nearest(px) + 2 * u; ++x)
            if ((x - px) * (x - px) + (y - py) * (y - py) > reach && c.pixel(x, y) == kCyan)
                return ::testing::AssertionFailure() << "the fill leaked to " << x << "," << y;
    return ::testing::AssertionSuccess();
}

TEST(Lighting, EveryPlacementOfTheDiscGetsItsLitHalfAndNoMore)
{
    // Quarter-pixel placements, 48 directions of the Sun, both views (the terminator bows by
    // cos a = y / r, five times that in the oblique view). Some placements put the pixel u - 2
    // toward the Sun on the outline: their lit half must be filled all the same.
    int seedOnOutline = 0;
    for (int u : {7, 27})
        for (int bow : {1, 5})
            for (int i = 0; i < 48; ++i) {
                const double x = 100 * std::cos(i * std::numbers::pi / 24 + 0.01);
                const double y = 100 * std::sin(i * std::numbers::pi / 24 + 0.01);
                for (int q = 0; q < 16; ++q) {
                    raster::Bitmap b;
                    b.canvas().brush.color = kBlack;
                    b.setSize(6 * u, 6 * u);
                    orb::SavedPatch patch;
                    patch.create(3 * u, 3 * u);
                    const double px = 3 * u + 0.25 * (q % 4), py = 3 * u + 0.25 * (q / 4);
                    pkeplero::drawPlanet(b.canvas(), patch, px, py, u, pkeplero::terminatorAngle(x, y), bow);
                    ASSERT_TRUE(planetIsLit(b.canvas(), px, py, u, -x / 100, -y / 100, bow * y / 100))
                        << "u " << u << " bow " << bow << " direction " << i << " at " << px << "," << py;
                    if (b.canvas().pixel(nearest(px - (u - 2) * x / 100), nearest(py - (u - 2) * y / 100)) == kWhite)
                        ++seedOnOutline;
                }
            }
    EXPECT_GT(seedOnOutline, 0);
    // Nothing black on the lit side: no fill at all.
    raster::Bitmap full;
    full.canvas().brush.color = kCyan;
    full.setSize(40, 40);
    EXPECT_FALSE(pkeplero::litSeed(full.canvas(), 19.5L, 19.5L, 7, 0.0L, 1).has_value());
}

// ---- The model -----------------------------------------------------------------------------

struct Model : ::testing::Test {
    int W = 1916, H = 1000;
    raster::Bitmap screen;
    void open(int w, int h)
    {
        W = w;
        H = h;
        pkeplero::create(W, H);
        pkeplero::precompute(W);
        screen = raster::Bitmap();
        screen.setSize(W, H);
    }
    void TearDown() override { pkeplero::release(); }
    double focusX() const { return 3.0 * W / 20; }
    int sunY() const { return 3 * (H / 8); }
    bool tick(bool paused = false) { return pkeplero::tick(screen.canvas(), W, H, paused); }
};

TEST_F(Model, TheSunStandsAtTheFocusOfTheDottedOrbit)
{
    open(1916, 1000);
    const raster::Canvas& top = pkeplero::state().TopOrbitBitmap.canvas();
    const raster::Canvas& obl = pkeplero::state().ObliqueOrbitBitmap.canvas();
    EXPECT_EQ(top.width(), 958);
    EXPECT_EQ(top.height(), 750);
    for (const raster::Canvas* c : {&top, &obl}) {
        // Radius W div 70 = 27, not at W / 5.
        EXPECT_TRUE(c->pixel(nearest(focusX()), sunY()) == kYellow && c->pixel(nearest(focusX()) + 24, sunY()) == kYellow);
        EXPECT_TRUE(c->pixel(nearest(focusX()) + 29, sunY()) == kBlack && c->pixel(nearest(W / 5.0), sunY()) == kBlack);
    }
    // A white dot for every step of a revolution, squashed threefold in the oblique view.
    const auto dotNear = [](const raster::Canvas& c, double x, double y) {
        for (int d = 0; d < 9; ++d)
            if (c.pixel(nearest(x) + d % 3 - 1, nearest(y) + d / 3 - 1) == kWhite)
                return true;
        return false;
    };
    Track t;
    for (int i = 0; i < 460; ++i, t.step()) {
        ASSERT_TRUE(dotNear(top, focusX() + t.x, sunY() + t.y)) << "step " << i;
        ASSERT_TRUE(dotNear(obl, focusX() + t.x, sunY() + t.y / 3)) << "step " << i;
    }
    // The planet waits next to its start point; a paused tick does not move it.
    const orbit::Body b = pkeplero::state().orbit;
    EXPECT_NEAR(b.x, -64, 0.5);
    tick(true);
    EXPECT_EQ(pkeplero::state().orbit.y, b.y);
}

// Whether the wipe's frame shows the oblique view on the first `width` columns of every strip
// (W div 40 apart) and the top view elsewhere.
::testing::AssertionResult composedOf(int w, int width)
{
    const pkeplero::State& s = pkeplero::state();
    const raster::Canvas& f = s.ComposeBitmap.canvas();
    for (int y = 0; y < f.height(); y += 3)
        for (int x = 0; x < f.width(); ++x) {
            const raster::Bitmap& from = x % (w / 40) < width ? s.ObliqueOrbitBitmap : s.TopOrbitBitmap;
            if (f.pixel(x, y) != from.canvas().pixel(x, y))
                return ::testing::AssertionFailure() << "at " << x << "," << y;
        }
    return ::testing::AssertionSuccess();
}

TEST_F(Model, TheWipeGrowsItsStripsOnePixelATick)
{
    open(1916, 1000);
    tick();
    pkeplero::pronoClick(true);
    for (int k = 0; k < 46; ++k) {   // strips of W div 40 = 47 px
        ASSERT_FALSE(tick());
        ASSERT_EQ(pkeplero::state().WipeStep, k + 1);
        ASSERT_TRUE(k % 15 != 0 || composedOf(W, k)) << "tick " << k;
    }
    const float y = pkeplero::state().orbit.y;
    EXPECT_FALSE(tick(true));   // paused: frozen, and composed again
    EXPECT_TRUE(pkeplero::state().WipeStep == 46 && pkeplero::state().orbit.y == y);
    EXPECT_TRUE(composedOf(W, 46));
    for (int x = 0; x < W / 2; x += 5)   // shown at (W div 4, H div 8)
        ASSERT_EQ(screen.canvas().pixel(W / 4 + x, H / 8 + sunY() + 40),
                  pkeplero::state().ComposeBitmap.canvas().pixel(x, sunY() + 40));
    EXPECT_FALSE(tick());
    EXPECT_TRUE(tick());   // the strips are full
    EXPECT_TRUE(pkeplero::state().ViewState == 2 && pkeplero::state().WipeStep == 0);
    // In the oblique view the planet's height is a third, its terminator bowed five times as much;
    // its lit half faces the Sun all round the orbit.
    const pkeplero::State& s = pkeplero::state();
    for (int i = 0; i < 470; ++i) {
        const double x = s.orbit.x, y = s.orbit.y, r = std::hypot(x, y);
        tick();
        ASSERT_TRUE(i % 20 || planetIsLit(s.ObliqueOrbitBitmap.canvas(), focusX() + x, sunY() + y / 3, W / 70, -x / r,
                                          -y / r, 5 * y / r)) << "tick " << i;
    }
}

// ---- The window ----------------------------------------------------------------------------

struct Window : WindowTest {
    bool pronoEnabled() { return w().control(QStringLiteral("prono"))->widget->isEnabled(); }
    int wipeStep() { return pkeplero::state().WipeStep; }
};

TEST_F(Window, OpensWithThePlanet64PxLeftOfTheSun)
{
    ASSERT_EQ(run(QStringLiteral("open Tkuno")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Kepler's first law"));
    EXPECT_EQ(w().animationTimer()->interval(), 80);
    EXPECT_EQ(w().controlPosition(*w().control(QStringLiteral("cadenza"))), 120);
    EXPECT_EQ(w().control(QStringLiteral("cadenza"))->hint, QStringLiteral("velocità d'esecuzione"));
    EXPECT_EQ(w().control(QStringLiteral("prono"))->hint, QStringLiteral("point of view|"));
    const orbit::Body b = pkeplero::state().orbit;
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    // The views at (W div 4, H div 8): the Sun at the focus, the planet 64 px left of it with
    // its lit half toward the Sun.
    const double fx = 1916 / 4 + 3 * 1916 / 20.0, fy = 1000 / 8 + 3 * 125;
    const double px = fx + b.x, py = fy + b.y;
    EXPECT_NEAR(px, fx - 64, 0.5);
    const raster::Canvas& c = w().surface();
    EXPECT_TRUE(c.pixel(nearest(fx), nearest(fy)) == kYellow && c.pixel(nearest(px - 27), nearest(py)) == kWhite);
    EXPECT_TRUE(c.pixel(nearest(px + 13), nearest(py)) == kCyan && c.pixel(nearest(px - 13), nearest(py)) == kBlack);
    ASSERT_EQ(run(QStringLiteral("set cadenza 150")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 50);
}

TEST_F(Window, TheViewButtonIsDisabledThroughTheWipeEvenWhilePaused)
{
    ASSERT_EQ(run(QStringLiteral("open Tkuno tick 10 click pausa click prono tick 30")), 0);
    EXPECT_TRUE(w().isDown(QStringLiteral("prono")) && !pronoEnabled());
    EXPECT_EQ(run(QStringLiteral("click prono")), 2);   // no second click during the wipe
    EXPECT_EQ(wipeStep(), 0);                            // paused: the wipe waits
    ASSERT_EQ(run(QStringLiteral("click pausa tick 47")), 0);
    EXPECT_TRUE(wipeStep() == 47 && !pronoEnabled());
    ASSERT_EQ(run(QStringLiteral("tick")), 0);   // the strips of 47 px are full
    EXPECT_TRUE(pkeplero::state().ViewState == 2 && pronoEnabled());
    ASSERT_EQ(run(QStringLiteral("click prono tick 47")), 0);   // and back up
    EXPECT_FALSE(w().isDown(QStringLiteral("prono")) || pronoEnabled());
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(pkeplero::state().ViewState == 0 && pronoEnabled());
    // Closed during a wipe and opened again in Italian: a fresh start.
    ASSERT_EQ(run(QStringLiteral("click prono tick 5 deactivate activate close")), 0);
    globals::LanguageIndex = 0;
    ASSERT_EQ(run(QStringLiteral("open Tkuno")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Prima legge di Keplero"));
    EXPECT_TRUE(pkeplero::state().ViewState == 0 && wipeStep() == 0 && pronoEnabled());
    EXPECT_FALSE(w().isDown(QStringLiteral("prono")));
    EXPECT_NEAR(pkeplero::state().orbit.x, -64, 0.5);
}

}  // namespace
