// The lunar-motion window: where the Earth and the Moon stand at stated ticks, which disc covers
// which in the side view, the Moon's orbit, the dissolve, and the window as driven.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

#include "earthmoon/motilunar.h"
#include "window_test.h"

namespace {

using motilunar::state;
using raster::Point;
constexpr double kPi = std::numbers::pi;

int rnd(double v) { return static_cast<int>(std::nearbyint(v)); }

// The Earth at tick n on a W x H client: the orbit's semi-axes are 5H/12 and 5H/14 (top view) or
// 5H/56 (side view), centred on the client.
Point earth(int n, int w, int h, bool side)
{
    const double b = side ? 5.0 * h / 56 : 5.0 * h / 14;
    return {w / 2 + rnd(5.0 * h / 12 * std::cos(n * kPi / 170)), h / 2 - rnd(b * std::sin(n * kPi / 170))};
}

// The Moon's offset from the Earth at tick n, 3 rm away: a circle seen from above, or from the
// side flattened four times and turned by 10 degrees.
Point moonOffset(int n, int rm, bool side)
{
    const double u = 3 * rm * std::cos(n * kPi / 48), v = 3 * rm * std::sin(n * kPi / 48), i = kPi / 18;
    if (!side)
        return {rnd(u), -rnd(v)};
    return {rnd(std::cos(i) * u - std::sin(i) * v / 4), -rnd(std::sin(i) * u + std::cos(i) * v / 4)};
}

struct Model : ::testing::TestWithParam<std::pair<int, int>> {
    int W = GetParam().first, H = GetParam().second, rm = W / 120;
    raster::Bitmap window;
    void SetUp() override
    {
        window.setSize(W, H);
        motilunar::create(W, H);
        motilunar::precompute(W, H);
        motilunar::restart();
    }
    void TearDown() override { motilunar::release(); }
    // Ticks until tick n has been drawn.
    void runTo(int n)
    {
        while (state().n <= n)
            motilunar::tick(window.canvas(), W, H, false);
    }
    raster::Color at(const raster::Bitmap& b, Point e, Point off) { return b.canvas().pixel(e.x + off.x, e.y + off.y); }
    // Whether the window shows the whole view: its objects, ORed over its paths with the trail.
    bool shows(const raster::Bitmap& objects, const raster::Bitmap* paths = nullptr)
    {
        const std::uint32_t *o = objects.canvas().bits(), *p = paths ? paths->canvas().bits() : nullptr;
        for (int i = 0; i < W * H; ++i)
            if (window.canvas().bits()[i] != (o[i] | (p ? p[i] : 0)))
                return false;
        return true;
    }
};

bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }

TEST_P(Model, TheEarthGoesRoundIn340TicksAndTheMoonIn96)
{
    for (int n : {0, 24, 85, 96, 170, 255, 340}) {
        runTo(n);
        const Point e = earth(n, W, H, false);
        EXPECT_TRUE(state().top == e && state().side == earth(n, W, H, true)) << n;
        EXPECT_EQ(at(state().topObjects, e, moonOffset(n, rm, false)), motilunar::kRed) << n;
        EXPECT_EQ(at(state().topPaths, e, moonOffset(n, rm, false)), motilunar::kGreen) << n;
    }
    // At tick 340 the Earth is back at the right end of its orbit.
    EXPECT_TRUE(state().top == Point(W / 2 + rnd(5.0 * H / 12), H / 2));
}

TEST_P(Model, TheMoonHidesBehindTheEarthCoversItInFrontAndRunsOnItsDottedOrbit)
{
    // Tick 24: the Moon beyond the Earth, its top peeking out above it.
    runTo(24);
    const Point far = moonOffset(24, rm, true), s24 = earth(24, W, H, true);
    EXPECT_EQ(at(state().sideObjects, s24, far), motilunar::kCyan);
    EXPECT_EQ(at(state().sideObjects, s24, {far.x, far.y - (2 * rm) / 4 + 1}), motilunar::kRed);
    // Tick 72: in front.
    runTo(72);
    const Point low = moonOffset(72, rm, true), s72 = earth(72, W, H, true);
    EXPECT_EQ(at(state().sideObjects, s72, low), motilunar::kRed);
    // With the trail, the near half of the orbit is dotted over the Earth; its lowest dot is where
    // the Moon passes at tick 72, not mirrored across the Earth's axis.
    motilunar::toggleTrail();
    runTo(100);
    const Point s100 = earth(100, W, H, true);
    EXPECT_EQ(at(state().sideObjects, s100, low), motilunar::kYellow);
    EXPECT_EQ(at(state().sideObjects, s100, {-low.x, low.y}), motilunar::kCyan);
    EXPECT_TRUE(shows(state().topObjects, &state().topPaths));
}

TEST_P(Model, OldBodiesAreWipedAndNothingLeaksOutOfItsDisc)
{
    runTo(130);
    // Only the Sun and the bodies about the Earth's present place are left on the top objects.
    const Point e = earth(130, W, H, false);
    const int sunX = (19 * W) / 40, sunY = H / 2, r = H / 30, re = W / 20;
    long stray = 0;
    const raster::Canvas& c = state().topObjects.canvas();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            stray += c.pixel(x, y) != motilunar::kBlack && std::hypot(x - sunX, y - sunY) > r + 1 &&
                     (std::abs(x - e.x) > re || std::abs(y - e.y) > re);
    EXPECT_EQ(stray, 0);
    EXPECT_EQ(c.pixel(sunX, sunY), motilunar::kYellow);
}

TEST_P(Model, TheDissolveBringsRowsOfTheSideViewEvery256To1PixelsThenSwitches)
{
    runTo(50);
    motilunar::changeView(true);
    for (int s = 256; s >= 1; s /= 2) {
        EXPECT_FALSE(motilunar::tick(window.canvas(), W, H, false));
        // Down the column through the side view's Earth: rows s - 1, 2s - 1, ... are the side
        // view's, the others still the top view's.
        const int x = state().side.x;
        for (int y = 0; y < H; ++y) {
            const raster::Bitmap& from = (y + 1) % s == 0 ? state().sideObjects : state().topObjects;
            ASSERT_EQ(window.canvas().pixel(x, y), from.canvas().pixel(x, y)) << s << " " << y;
        }
    }
    // The tenth tick switches; from then on the side view is shown whole.
    EXPECT_TRUE(motilunar::tick(window.canvas(), W, H, false));
    EXPECT_EQ(state().v, motilunar::kSide);
    runTo(70);
    EXPECT_TRUE(shows(state().sideObjects));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Model, ::testing::Values(std::pair(1916, 1000), std::pair(1020, 700)));

using Window = WindowTest;

TEST_F(Window, ViewsPathsAndActivationAsATeacherUsesThem)
{
    ASSERT_EQ(run(QStringLiteral("open Tmotlun state")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    for (const char* name : {"barrasotto", "pausa", "cadenza", "vistauno", "traiet", "guida"})
        EXPECT_TRUE(out.filter(QStringLiteral("\"control\":\"%1\"").arg(QLatin1String(name))).size() == 1) << name;
    // The paths are traced while hidden: the trail shows the first Moon place at once.
    ASSERT_EQ(run(QStringLiteral("tick 40 click traiet tick")), 0);
    EXPECT_EQ(w().surface().pixel(earth(0, 1916, 1000, false).x + 45, 500), motilunar::kGreen);
    // The view button stays disabled for the ten ticks of the dissolve.
    ASSERT_EQ(run(QStringLiteral("click vistauno tick 9")), 0);
    EXPECT_FALSE(enabled("vistauno"));
    EXPECT_TRUE(run(QStringLiteral("tick")) == 0 && enabled("vistauno"));
    // Another activation starts the Earth again from its place, leaving nothing where it was; the
    // side view stays.
    ASSERT_EQ(run(QStringLiteral("tick deactivate activate tick")), 0);
    EXPECT_NE(w().surface().pixel(earth(51, 1916, 1000, true).x, earth(51, 1916, 1000, true).y), motilunar::kCyan);
    EXPECT_EQ(w().surface().pixel(earth(0, 1916, 1000, true).x, 500), motilunar::kCyan);
    ASSERT_EQ(run(QStringLiteral("close open Tmotlun tick")), 0);
    EXPECT_TRUE(state().v == motilunar::kTop && !state().trail);
}

}  // namespace
