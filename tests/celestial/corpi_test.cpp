// The two-body window: the bodies and the centre of mass at known phases, the dotted orbits, the
// side view's hidden centre, a whole revolution that closes, the wipe at 800 and 5120 px wide.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "celestial/corpi.h"
#include "window_test.h"

namespace {

using namespace corpi;

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// Two bitmaps of one size hold the same pixels.
bool samePixels(const raster::Canvas& a, const raster::Canvas& b)
{
    return std::equal(a.bits(), a.bits() + a.width() * a.height(), b.bits());
}

struct CorpiModel : ::testing::Test {
    raster::Bitmap screen;
    void open(int w, int h, int ratio, bool orbits = false)
    {
        create(w, h);
        state().OrbitsVisible = orbits;
        restart(ratio);
        screen = raster::Bitmap();
        screen.setSize(w, h);
    }
    void ticks(int n) { while (n-- > 0) tick(screen.canvas(), false); }
    void TearDown() override { release(); }
};

TEST_F(CorpiModel, BodiesCircleOppositeRoundTheCentreOfMass)
{
    for (int m : {1, 9}) {
        open(1916, 1000, m);
        // d = (W/7)(m − 1)/(m + 1): the heavier body W/7 − d from the centre, the lighter W/7 + d.
        const double d = 1916 / 7.0 * (m - 1) / (m + 1), gx = 958 + d, r0 = 1916 / 7.0 + d, r1 = 1916 / 7.0 - d;
        const int gy = 525, u = 42, s = m == 1 ? 42 : 4;
        ticks(1);   // phase 0: the lighter body right of the centre, the heavier left
        const raster::Canvas& c = screen.canvas();
        EXPECT_TRUE(c.pixel(nearest(gx), gy) == kRed && c.pixel(nearest(gx + r0 + s + 2), gy) == kBlack) << m;
        EXPECT_TRUE(c.pixel(nearest(gx + r0), gy) == kTeal && c.pixel(nearest(gx + r0 - s + 2), gy) == kCyan) << m;
        EXPECT_TRUE(c.pixel(nearest(gx - r1), gy) == kSilver && c.pixel(nearest(gx - r1), gy - u + 2) == kWhite) << m;
        ticks(75);   // a quarter turn counter-clockwise: the lighter one above, the heavier below
        EXPECT_TRUE(c.pixel(nearest(gx), nearest(gy - r0)) == kTeal && c.pixel(nearest(gx), nearest(gy + r1)) == kSilver) << m;
    }
}

TEST_F(CorpiModel, DottedOrbitsLieOnTheirCirclesSquashedNinefoldInTheSideView)
{
    open(1020, 700, 3, true);
    const double d = 1020 / 7.0 / 2, gx = 510 + d, gy = 21 * 700 / 40.0, r[2] = {1020 / 7.0 + d, 1020 / 7.0 - d};
    for (const bool side : {false, true}) {
        const raster::Canvas& c = (side ? state().SideBitmap : state().TopBitmap).canvas();
        int count[2] = {0, 0};
        for (int y = 0; y < 700; ++y)
            for (int x = 0; x < 1020; ++x)
                for (int i = 0; i < 2; ++i)
                    if (c.pixel(x, y) == (i == 0 ? kTeal : kSilver)) {
                        ++count[i];
                        const double ry = side ? r[i] / 9 : r[i];
                        ASSERT_NEAR(std::hypot((x - gx) / r[i], (y - gy) / ry), 1, 0.75 / ry) << x << "," << y;
                    }
        // From above, a dot every π pixels round each circle (the last may fall on the first).
        EXPECT_TRUE(side || (std::abs(count[0] - 2 * r[0]) < 1.5 && std::abs(count[1] - 2 * r[1]) < 1.5));
    }
}

TEST_F(CorpiModel, InTheSideViewANearBodyHidesTheCentreOnlyIfHeavyOrOfEqualMass)
{
    // At a quarter turn the heavier body passes in front, at three quarters the lighter one.
    for (const auto& [m, phase, seen] : {std::tuple{1, 75, kWhite}, {1, 225, kCyan}, {2, 75, kWhite},
                                         {2, 225, kRed}, {1, 0, kRed}}) {
        open(1916, 1000, m);
        startWipe(true);
        ticks(phase + 1);
        EXPECT_EQ(state().SideBitmap.canvas().pixel(958 + nearest(1916 / 7.0 * (m - 1) / (m + 1)), 525), seen)
            << m << " " << phase;
    }
}

// A revolution brings back the very same picture, with no trace left behind by the bodies, in
// both views, at 4:3 and 16:9; the window shows it pixel for pixel.
TEST_F(CorpiModel, ARevolutionClosesWithoutTraces)
{
    for (const auto& [w, h] : {std::pair{1020, 700}, std::pair{1916, 1000}})
        for (const bool side : {false, true}) {
            open(w, h, 4, true);
            if (side)
                startWipe(true);
            ticks(1);
            const raster::Canvas& view = (side ? state().SideBitmap : state().TopBitmap).canvas();
            const std::vector<std::uint32_t> first(view.bits(), view.bits() + w * h);
            ticks(kPhasesPerTurn);
            EXPECT_EQ(state().Phase, 1);
            EXPECT_TRUE(std::equal(first.begin(), first.end(), view.bits())) << w << " side " << side;
            EXPECT_TRUE(samePixels(screen.canvas(), view)) << w << " side " << side;
        }
}

// ---- The window -------------------------------------------------------------------------------

struct CorpiWindow : WindowTest, ::testing::WithParamInterface<int> {
    CorpiWindow() { options.size = QSize(GetParam(), 400); }
};

// The wipe's strips grow to W div 40 (128 px at 5120, past a signed byte), then the side view
// stays and vpianta may be clicked again.
TEST_P(CorpiWindow, TheWipeEndsAndGivesTheViewButtonBack)
{
    const int strip = GetParam() / 40;
    const State& s = state();
    ASSERT_EQ(run(QStringLiteral("open Tduec click orbite tick 3 click vpianta tick %1 click pausa tick 5").arg(strip / 2 + 1)), 0);
    EXPECT_TRUE(s.WipeStep == strip / 2 + 1 && !enabled("vpianta") && samePixels(w().surface(), s.WipeBitmap.canvas()));
    for (int y = 0; y < 400; y += 4)
        for (int x = 0; x < GetParam(); ++x)
            ASSERT_EQ(s.WipeBitmap.canvas().pixel(x, y),
                      (x % strip <= strip / 2 ? s.SideBitmap : s.TopBitmap).canvas().pixel(x, y)) << x << "," << y;
    ASSERT_EQ(run(QStringLiteral("click pausa tick %1").arg(strip - strip / 2 - 1)), 0);
    EXPECT_TRUE(s.View == Wiping && !enabled("vpianta"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(s.View == SideShown && s.WipeStep == 0 && enabled("vpianta"));
    ASSERT_EQ(run(QStringLiteral("tick 2")), 0);
    EXPECT_TRUE(samePixels(w().surface(), s.SideBitmap.canvas()));
}

INSTANTIATE_TEST_SUITE_P(Widths, CorpiWindow, ::testing::Values(800, 5120));

using CorpiControls = WindowTest;

TEST_F(CorpiControls, TheRatioWaitsForNuovoAndOrbiteKeepsThePhase)
{
    const State& s = state();
    ASSERT_EQ(run(QStringLiteral("open Tduec set rappo 6 set cadenza 150 tick 10")), 0);
    EXPECT_TRUE(w().animationTimer()->interval() == 50 && !shown("tiporbita") && text("rap") == QStringLiteral("6"));
    EXPECT_TRUE(enabled("nuovo") && s.m == 1 && s.Phase == 10);
    ASSERT_EQ(run(QStringLiteral("click nuovo")), 0);
    EXPECT_TRUE(!enabled("nuovo") && s.m == 6 && s.s == 7 && s.Phase == 0);
    ASSERT_EQ(run(QStringLiteral("tick 20 click orbite set tiporbita 1 deactivate activate")), 0);
    EXPECT_TRUE(s.Phase == 20 && s.OrbitsVisible && enabled("nuovo") && w().animationTimer()->enabled());
    // Reopened: the first ratio, no orbits, phase 0.
    ASSERT_EQ(run(QStringLiteral("close open Tduec")), 0);
    EXPECT_TRUE(s.m == 1 && !s.OrbitsVisible && s.Phase == 0 && s.View == TopShown);
}

}  // namespace
