// The Doppler simulation: its tables, the fronts in the frames, the sliding view and the source's
// place on the screen, and the window as driven (speed up-down, redraw button, progress bar).
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QToolButton>
#include <cmath>
#include <map>
#include <vector>

#include "misc/simuldopbis.h"
#include "window_test.h"

namespace {

using simuldopbis::kBlack;
using simuldopbis::kBlue;
using simuldopbis::kCyan;
using simuldopbis::kWhite;

constexpr int W = 1916;
constexpr int H = 1000;
constexpr int X0 = 1149;   // 3 W / 5
constexpr int Y0 = 250;    // H / 4

struct DopplerSimulation : ::testing::Test {
    std::vector<int> progress;
    raster::Bitmap surface;
    void build(int v)
    {
        simuldopbis::create(W, H, v);
        progress.clear();
        simuldopbis::precompute(W, H, v, [this](int n) { progress.push_back(n); });
        surface = raster::Bitmap();
        surface.canvas().brush.color = raster::rgb(240, 240, 240);
        surface.setSize(W, H);
    }
    const raster::Canvas& frame(int p) const { return simuldopbis::state().frames[static_cast<std::size_t>(p)].canvas(); }
    void TearDown() override { simuldopbis::release(); }
};

TEST(DopplerSimulationTables, FarAndNearLimitsOfTheFronts)
{
    // W = 1916: X0 = 1149, A[v] = 1149 / (5 - v), B[v] = 1149 / (v + 5); speeds 5 to 7 take the
    // limits of 3, 4 and 3.
    simuldopbis::makeTables(1916);
    const auto& s = simuldopbis::state();
    const int a[8] = {0, 287, 383, 574, 1149, 574, 1149, 574};
    const int b[8] = {0, 191, 164, 143, 127, 143, 127, 143};
    for (std::size_t v = 1; v <= 7; ++v)
        EXPECT_TRUE(s.A[v] == a[v] && s.B[v] == b[v]) << "v " << v;
}

TEST_F(DopplerSimulation, EachFrameHoldsTheFrontsOfItsAgesOnTheMiddleRow)
{
    const int v = 2;
    build(v);
    EXPECT_EQ(frame(0).width(), 6 * W / 5);
    EXPECT_EQ(frame(0).height(), H / 2);
    // Right of the source, row Y0 crosses each front once, at its right edge X0 + (5 - v) k - 1:
    // blue for ages k = p (mod 8), cyan for ages k = p + 4 (mod 8), up to the far limit 383.
    for (int p = 0; p < 8; ++p) {
        std::map<int, raster::Color> expected;
        for (int k = 1; k <= 383; ++k) {
            if (k % 8 == p)
                expected[X0 + (5 - v) * k - 1] = kBlue;
            if ((k + 4) % 8 == p)
                expected[X0 + (5 - v) * k - 1] = kCyan;
        }
        for (int x = X0 - v + 3; x < frame(p).width(); ++x) {
            const auto it = expected.find(x);
            ASSERT_EQ(frame(p).pixel(x, Y0), it == expected.end() ? kBlack : it->second)
                << "frame " << p << " x " << x;
        }
    }
}

TEST_F(DopplerSimulation, FarFrontsKeepOnlyTheirRightHandPart)
{
    const int v = 2;
    build(v);
    // Where a front of age k meets row 1, left and right of its centre (X0 - v k - 1/2, Y0 - 1/2)
    // with half axes (10 k - 1) / 2.
    auto crossing = [&](int k, int side) {
        const double a = (10.0 * k - 1.0) / 2.0;
        const double dy = (Y0 - 0.5) - 1.0;
        return static_cast<int>(std::lround(X0 - v * k - 0.5 + side * std::sqrt(a * a - dy * dy)));
    };
    auto anyNear = [&](int p, int x, raster::Color c) {
        return frame(p).pixel(x - 1, 1) == c || frame(p).pixel(x, 1) == c || frame(p).pixel(x + 1, 1) == c;
    };
    // Age 164 = B[2], the nearest far front, on frame 4: its left part is not drawn.
    const int far = 164;
    EXPECT_GT(crossing(far, -1), 10);
    for (int dx = -2; dx <= 2; ++dx)
        EXPECT_EQ(frame(far % 8).pixel(crossing(far, -1) + dx, 1), kBlack);
    EXPECT_TRUE(anyNear(far % 8, crossing(far, +1), kBlue));
    // Age 163, the oldest front drawn whole, on frame 3: both sides.
    EXPECT_TRUE(anyNear(163 % 8, crossing(163, -1), kBlue) && anyNear(163 % 8, crossing(163, +1), kBlue));
    // Its cyan twin of the same age sits on frame (163 + 4) mod 8.
    EXPECT_TRUE(anyNear((163 + 4) % 8, crossing(163, -1), kCyan));
}

TEST_F(DopplerSimulation, AtTheWaveSpeedTheFrontsMeetAtTheSource)
{
    build(5);
    for (int p = 0; p < 8; ++p) {
        // Every right edge is at X0: the cyan fronts, drawn last, cover the meeting point.
        EXPECT_EQ(frame(p).pixel(X0 - 1, Y0), kCyan) << "frame " << p;
        for (int x = X0; x < frame(p).width(); ++x)
            ASSERT_EQ(frame(p).pixel(x, Y0), kBlack) << "frame " << p << " x " << x;
        // Left edges at X0 - 10 k, for the whole fronts (ages below B[5] = B[3] = 143).
        for (int k = 1; k <= X0 / 10; ++k)
            EXPECT_TRUE((k % 8 != p && (k + 4) % 8 != p) ||
                        frame(p).pixel(X0 - 10 * k, Y0) == (k % 8 == p ? kBlue : kCyan)) << "age " << k;
        // The source: a white disc around (X0 - v, Y0).
        EXPECT_TRUE(frame(p).pixel(X0 - 6, Y0 - 1) == kWhite && frame(p).pixel(X0 - 5, Y0) == kWhite);
    }
}

TEST_F(DopplerSimulation, TheProgressCountsFrontsAndStopsAtItsMaximum)
{
    // v = 4: A = 1149, B = 127; each colour draws 1149 - 127 + 1 far and 127 whole fronts,
    // 2300 in all, two more than the maximum 2 A = 2298.
    build(4);
    ASSERT_EQ(progress.size(), 1u + 2300u);
    EXPECT_EQ(progress.front(), 0);
    for (std::size_t i = 1; i < progress.size(); ++i) {
        ASSERT_GE(progress[i], progress[i - 1]);
        ASSERT_LE(progress[i], 2298);
    }
    EXPECT_EQ(progress.back(), 2298);
    EXPECT_EQ(simuldopbis::progressMaximum(4), 2298);
}

TEST_F(DopplerSimulation, TheViewSlidesAndTheSourceCrossesThePicture)
{
    const int v = 2;
    build(v);
    auto& s = simuldopbis::state();
    simuldopbis::tick(surface.canvas(), W, H, false);
    // 13 W / 20 = 1245: the view of frame 0 at slide 0; the picture at (W/4, H/4), W/2 x H/2.
    EXPECT_TRUE(s.source.left == 1245 && s.source.right - s.source.left == 958 && s.source.bottom == 500);
    EXPECT_TRUE(s.destination.left == 479 && s.destination.top == 250 && s.destination.right == 1437);
    EXPECT_TRUE(s.f == 1 && s.s == 1);
    // Paused: the same view again, nothing moves.
    simuldopbis::tick(surface.canvas(), W, H, true);
    EXPECT_TRUE(s.f == 1 && s.s == 1);
    for (int t = 1; t < 60; ++t)
        simuldopbis::tick(surface.canvas(), W, H, false);
    ASSERT_EQ(s.s, 60);
    simuldopbis::tick(surface.canvas(), W, H, false);   // shows frame 60 mod 8 at slide 60
    // The source, at X0 - v in the frame, is on the screen at W/4 + X0 - v - (1245 - v s).
    const int xs = 479 + X0 - v - (1245 - v * 60);
    EXPECT_EQ(xs, 381 + 2 * 60);   // W/5 - v + v s
    const raster::Canvas& c = surface.canvas();
    EXPECT_TRUE(c.pixel(xs - 1, H / 4 + Y0 - 1) == kWhite && c.pixel(xs, H / 4 + Y0) == kWhite);
    EXPECT_EQ(c.pixel(xs + 4, H / 4 + Y0), kBlack);
    // The blue fronts of frame 4 (ages 4, 12, ...) show their right edges on the screen.
    for (int k = 4; k < 100; k += 8) {
        const int x = 479 + X0 + (5 - v) * k - 1 - (1245 - v * 60);
        EXPECT_TRUE(x >= 1437 || c.pixel(x, H / 4 + Y0) == kBlue) << "age " << k;
    }
    // Outside the picture the window keeps its colour.
    EXPECT_EQ(c.pixel(478, 500), raster::rgb(240, 240, 240));
    // The view jumps back after 7 W / (11 v) = 13412 / 22 = 609 ticks.
    EXPECT_EQ(simuldopbis::slidePeriod(W, v), 609);
    for (int t = 61; t < 609; ++t)
        simuldopbis::tick(surface.canvas(), W, H, false);
    EXPECT_TRUE(s.s == 0 && s.f == 609 % 8);
    // A window too narrow for one slide (7 w < 11 v) keeps the view in place instead of
    // dividing by zero.
    simuldopbis::create(10, 20, 7);
    simuldopbis::precompute(10, 20, 7);
    simuldopbis::tick(surface.canvas(), 10, 20, false);
    EXPECT_TRUE(s.s == 0 && s.f == 1);
}

struct DopplerSimulationWindow : WindowTest {
    QProgressBar* progress() { return qobject_cast<QProgressBar*>(c("progressione").widget); }
    void stepPlonda(int times)
    {
        // The up-down's first arrow raises it.
        auto arrows = c("plonda").widget->findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        for (int i = 0; i < times; ++i)
            arrows[0]->click();
    }
};

TEST_F(DopplerSimulationWindow, ActivationDrawsTheFramesAndStartsTheTimer)
{
    ASSERT_EQ(run(QStringLiteral("open Tdopsimul")), 0) << err.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Doppler"));
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    EXPECT_TRUE(!enabled("disegna") && shown("Panel3"));
    EXPECT_EQ(text("Panel3"), QStringLiteral("wave speed = 5"));
    EXPECT_EQ(text("Panel4"), QStringLiteral("source speed  v = 2"));
    EXPECT_EQ(text("londa"), QStringLiteral("2"));
    // The progress bar is hidden again, full: 2 A[2] = 766.
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_TRUE(progress()->maximum() == 766 && progress()->value() == 766);
    ASSERT_EQ(run(QStringLiteral("advance 100")), 0);
    EXPECT_EQ(simuldopbis::state().f, 1);
    EXPECT_EQ(w().surface().pixel(479 + X0 + 3 * 40 - 1 - 1245, 250 + Y0), kBlue);   // age 40
    out.clear();
    ASSERT_EQ(run(QStringLiteral("click guida")), 0);
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].contains(QStringLiteral("\"context\":152")));
}

TEST_F(DopplerSimulationWindow, TheSpeedWrapsAndTakesEffectOnlyWhenRedrawn)
{
    ASSERT_EQ(run(QStringLiteral("open Tdopsimul tick 5")), 0);
    stepPlonda(5);
    EXPECT_EQ(text("londa"), QStringLiteral("7"));
    EXPECT_TRUE(enabled("disegna"));
    stepPlonda(1);   // past 7 it wraps round to 1
    EXPECT_EQ(text("londa"), QStringLiteral("1"));
    // Nothing is redrawn yet: the speed and the animation go on.
    const simuldopbis::State& s = simuldopbis::state();
    EXPECT_TRUE(s.v == 2 && s.f == 5);
    ASSERT_EQ(run(QStringLiteral("click disegna")), 0);
    EXPECT_TRUE(s.v == 1 && s.f == 0 && s.s == 0);
    EXPECT_TRUE(!enabled("disegna") && w().animationTimer()->enabled());
    EXPECT_EQ(text("Panel4"), QStringLiteral("source speed  v = 1"));
    EXPECT_EQ(progress()->maximum(), 574);   // 2 A[1]
    // A click on a disabled redraw button does nothing.
    EXPECT_NE(run(QStringLiteral("click disegna")), 0);
}

TEST_F(DopplerSimulationWindow, EveryActivationRestartsAndPauseFreezes)
{
    ASSERT_EQ(run(QStringLiteral("open Tdopsimul tick 3 click pausa tick 4")), 0);
    const simuldopbis::State& s = simuldopbis::state();
    EXPECT_TRUE(s.f == 3 && s.s == 3);
    ASSERT_EQ(run(QStringLiteral("deactivate")), 0);
    stepPlonda(1);
    ASSERT_EQ(run(QStringLiteral("activate")), 0);
    // The activation restarted with the new speed and left the redraw button disabled.
    EXPECT_TRUE(s.f == 0 && s.s == 0 && s.v == 3 && !enabled("disegna"));
    ASSERT_EQ(run(QStringLiteral("close")), 0);
    EXPECT_EQ(s.frames[0].width(), 0);
}

}  // namespace
