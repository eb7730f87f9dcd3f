// The angular-momentum window: the predicted orbits of 1001 steps, bodies that erase themselves
// cleanly, and the window reached from its menu item and driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "celestial/duecorpiellit.h"
#include "window_test.h"

namespace {

namespace dc = duecorpiellit;

// Body 1 after n steps from (-60, 0) at rest in x and 10 px a step in y, each value kept in single
// precision: r3 = sqrt(r2 r2 r2), v -= 700 p / r3, p += 0.18 v.
std::vector<orbit::Body> orbitOf(int n)
{
    std::vector<orbit::Body> out{{-60.0f, 0.0f, 0.0f, 10.0f}};
    for (int i = 0; i < n; ++i) {
        orbit::Body b = out.back();
        const float r2 = static_cast<float>(static_cast<long double>(b.x) * b.x + static_cast<long double>(b.y) * b.y);
        const float d = static_cast<float>(std::sqrt(static_cast<long double>(r2) * r2 * r2));
        b.vx = static_cast<float>(b.vx - 700.0L * b.x / d);
        b.vy = static_cast<float>(b.vy - 700.0L * b.y / d);
        b.x = static_cast<float>(b.x + 0.18L * b.vx);
        b.y = static_cast<float>(b.y + 0.18L * b.vy);
        out.push_back(b);
    }
    return out;
}

struct DuecorpiellitModel : ::testing::TestWithParam<std::pair<int, int>> {
    void TearDown() override { dc::release(); }
};

TEST_P(DuecorpiellitModel, PredictedOrbitsAndBodiesThatLeaveNoTrace)
{
    const auto [w, h] = GetParam();
    // From 60 px, about 203 px from the centre of mass half a revolution later, back after about 842 steps.
    const auto orbit = orbitOf(dc::kPreviewSteps);
    EXPECT_TRUE(std::abs(orbit[421].x - 203) < 1 && orbit[836].y < 0 && orbit[848].y > 0);

    raster::Bitmap screen;
    screen.setSize(w, h);
    dc::create(w, h);
    const dc::State& s = dc::state();
    raster::Canvas& c = dc::state().picture.canvas();
    for (int q : {1, 3}) {
        dc::setOblique(q == 3);
        dc::clearPicture(true);
        dc::tick(screen.canvas(), false);
        // Both orbits pass through every step's places: body 1 at C + (x, y/√q), body 2 at C - 0.7 (x, y/√q).
        for (int n = 100; n <= 800; n += 140)
            for (double k : {1.0, -double(0.7f)}) {
                const double x = 15.0 * w / 32 + k * orbit[n].x, y = 0.3 * h + k * orbit[n].y / std::sqrt(q);
                EXPECT_EQ(c.pixel(int(std::nearbyint(x)), int(std::nearbyint(y))), dc::kCyan) << q << " " << n << " " << k;
            }
        // Erased where they were, the bodies leave the picture as the preview left it, also across a
        // change of view; the window, copied only where the bodies moved, shows the picture.
        s.store1.restore(c), s.store2.restore(c);
        const std::vector<std::uint32_t> clean(c.bits(), c.bits() + w * h);
        for (int t = 0; t < 50; ++t) {
            dc::tick(screen.canvas(), false);
            if (t == 25)
                dc::setOblique(q == 1);
        }
        for (int y = h / 5; y < h; ++y)
            ASSERT_TRUE(std::equal(c.bits() + (y - h / 5) * w, c.bits() + (y - h / 5 + 1) * w, screen.canvas().bits() + y * w)) << y;
        s.store1.restore(c), s.store2.restore(c);
        EXPECT_TRUE(std::equal(clean.begin(), clean.end(), c.bits())) << q;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DuecorpiellitModel, ::testing::Values(std::pair{1916, 1000}, std::pair{1020, 700}));

struct DuecorpiellitWindow : WindowTest {};

TEST_F(DuecorpiellitWindow, ReachedFromItsMenuItemWithItsOwnItalianTexts)
{
    // A language in which every other text of the window would differ.
    ASSERT_EQ(run(QStringLiteral("start menu A22 menu H6 tick 20")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("  Momento angolare"));
    EXPECT_TRUE(c("aiuto").hint == QStringLiteral("guida") && c("velo").hint == QStringLiteral("velocità di esecuzione"));
    EXPECT_EQ(w().animationTimer()->interval(), 30);
    orb::SimWindow* first = &w();
    ASSERT_EQ(run(QStringLiteral("menu D1 menu H6")), 0);   // brought forward, not made again
    EXPECT_EQ(&w(), first);
    const auto orbit = orbitOf(21);
    ASSERT_EQ(run(QStringLiteral("click pausa tick 5")), 0);   // paused: the bodies stand still
    EXPECT_TRUE(dc::state().body.x == orbit[20].x && dc::state().body.y == orbit[20].y);
    // Raised, pulisce clears the picture without drawing the orbits.
    ASSERT_EQ(run(QStringLiteral("click pausa click pulisce click pulisce tick")), 0);
    const raster::Canvas& shown = w().surface();
    EXPECT_EQ(std::count(shown.bits(), shown.bits() + shown.stride() * shown.height(), dc::kCyan), 0);
    ASSERT_EQ(run(QStringLiteral("close open Tmomento")), 0);   // the motion starts afresh
    EXPECT_TRUE(dc::state().body.x == -60.0f && dc::state().body.vy == 10.0f && dc::state().q == 1);
}

}  // namespace
