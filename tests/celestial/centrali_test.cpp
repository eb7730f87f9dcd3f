// Central forces: the arrows at the ends of the major axis, the orbit inside its picture at wide
// sizes, the erasing of each step and the closed revolution, and the window as a user drives it.
#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>
#include <numbers>

#include "celestial/centrali.h"
#include "window_test.h"

namespace {

constexpr double kPi = std::numbers::pi;
int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

struct Size { int w, h; };

// The model run by itself, its ticks shown on a surface of the client's size.
struct CentraliModel : ::testing::TestWithParam<Size> {
    raster::Bitmap screen;
    const int w = GetParam().w, h = GetParam().h;
    void SetUp() override { screen.setSize(w, h); centrali::create(w, h); }
    void ticks(int n, const centrali::Toggles& t)
    {
        for (int i = 0; i < n; ++i)
            centrali::tick(screen.canvas(), false, t);
    }
    const raster::Canvas& orbit() { return centrali::state().OrbitBitmap.canvas(); }
    void TearDown() override { centrali::release(); }
};

// At k = 0 the satellite is at the far end of the major axis, at k = 8 at the near end: the force
// points at the centre of attraction (X = −W/15, 4a/15 where the orbit is narrowed) with length
// 900000/r², the velocity is vertical (up, then down) with length 0.7·sqrt(r·F).
TEST_P(CentraliModel, ArrowsAtTheEndsOfTheMajorAxis)
{
    const double a = centrali::state().a, y = 3.0 * h / 8;
    for (int k : {0, 8}) {
        ticks(k == 0 ? 1 : 8, {true, true, false, false, false});
        EXPECT_EQ(centrali::state().s, k == 0 ? -1 : +1);
        const double r = k == 0 ? a + 4 * a / 15 : a - 4 * a / 15;
        const double force = 900000 / (r * r), speed = 0.7 * std::sqrt(r * force);
        const int px = nearest(w / 2.0 + (k == 0 ? a : -a)), py = nearest(y);
        const int toCentre = k == 0 ? -1 : +1, along = k == 0 ? -1 : +1;   // screen x; screen y
        // Whether a pixel of the colour lies at (dx, dy) from the satellite or one pixel across the
        // arrow's line (its centre may be a half pixel, which the rounding settles either way).
        const auto near = [&](int dx, int dy, raster::Color colour) {
            const auto at = [&](int d) { return orbit().pixel(px + dx + (dx == 0) * d, py + dy + (dy == 0) * d); };
            return at(-1) == colour || at(0) == colour || at(1) == colour;
        };
        EXPECT_TRUE(near(toCentre * std::max(2, nearest(0.6 * force)), 0, centrali::kRed)) << k;
        EXPECT_FALSE(near(toCentre * nearest(force + 3), 0, centrali::kRed)) << k;
        EXPECT_TRUE(near(0, along * nearest(0.6 * speed), centrali::kLime)) << k;
        EXPECT_FALSE(near(0, along * nearest(speed + 3), centrali::kLime)) << k;
    }
}

// With `perman` down the sixteen positions, evenly spaced in the ellipse's parameter, all stay on
// the picture, inside it at every size; a second revolution draws the same picture again.
TEST_P(CentraliModel, TheRevolutionStaysInsideThePictureAndCloses)
{
    const centrali::State& s = centrali::state();
    // The orbit takes the window's width where it fits, and otherwise the bitmap's height.
    if (3.0 * h / 8 - (7 * w) / 32 - 2 >= 1) {
        EXPECT_TRUE(s.a == (4 * w) / 16 && s.b == (7 * w) / 32);
    } else {
        EXPECT_GE(s.b, 3.0 * h / 8 - 5);
    }
    EXPECT_LE(3.0 * h / 8 + s.b + 2, (3 * h) / 4);
    EXPECT_EQ(orbit().pixel(nearest(w / 2.0 - s.a / 4), (3 * h) / 8), centrali::kYellow);
    ticks(16, {false, false, false, false, true});
    for (int k = 0; k < 16; ++k) {
        const int x = nearest(w / 2.0 + s.a * std::cos(k * kPi / 8));
        const int y = nearest(3.0 * h / 8 - s.b * std::sin(k * kPi / 8));
        EXPECT_EQ(orbit().pixel(x, y), centrali::kWhite) << k;
    }
    const centrali::Toggles all{true, true, true, true, true};
    ticks(32, all);   // the first satellite of a revolution takes the pen the last step left
    const std::vector<std::uint32_t> once(orbit().bits(), orbit().bits() + w * ((3 * h) / 4));
    ticks(16, all);
    EXPECT_TRUE(std::equal(once.begin(), once.end(), orbit().bits()));
}

// Without `perman` each step erases the last one: only the central body and what lies within the
// longest arrow (and its head) of the satellite shows.
TEST_P(CentraliModel, EachStepErasesTheLast)
{
    const centrali::State& s = centrali::state();
    const raster::Point body{nearest(w / 2.0 - s.a / 4), (3 * h) / 8};
    for (int t = 0; t < 20; ++t) {
        ticks(1, {true, true, true, true, false});
        const double reach = std::max({std::fabs(s.F), std::fabs(s.Vt), std::fabs(s.At), std::fabs(s.Ac)}) * 1.1 + 3;
        const double x = w / 2.0 + s.X, y = 3.0 * h / 8 - s.Y;
        for (int i = 0; i < w * orbit().height(); ++i) {
            const int px = i % w, py = i / w;
            if (orbit().bits()[i] != centrali::kBlack && std::hypot(px - body.x, py - body.y) > 9) {
                ASSERT_LE(std::hypot(px - x, py - y), reach) << "tick " << t << " at " << px << "," << py;
            }
        }
    }
    // The window's surface holds the bitmap at (0, H div 8), copied only where it changed.
    for (int py = 0; py < orbit().height(); ++py)
        ASSERT_TRUE(std::equal(orbit().bits() + py * w, orbit().bits() + (py + 1) * w,
                               screen.canvas().bits() + (py + h / 8) * w)) << py;
}

// The design size, 4:3, 16:9 and a wider one.
INSTANTIATE_TEST_SUITE_P(Sizes, CentraliModel,
                         ::testing::Values(Size{530, 345}, Size{1020, 700}, Size{1916, 1000}, Size{2556, 1000}));

using CentraliWindow = WindowTest;

TEST_F(CentraliWindow, TogglesPauseLegendAndReopening)
{
    ASSERT_EQ(run(QStringLiteral("open Tfcen")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Satellite motions"));
    EXPECT_TRUE(w().animationTimer()->enabled() && w().animationTimer()->interval() == 90);
    EXPECT_EQ(w().controlPosition(c("cadenza")), 110);
    ASSERT_EQ(run(QStringLiteral("click forza tick 3 click pausa tick 2")), 0);
    EXPECT_EQ(centrali::state().k, 3);
    // The legend: each name whole in its bold font, the bevels 10 after a name, names 11 after a bevel.
    const char* order[] = {"Panel2", "Bevel1", "Panel3", "Bevel2", "Panel9", "Bevel3", "Panel10", "Bevel4"};
    for (int i = 0; i < 8; ++i) {
        const QWidget* p = c(order[i]).widget;
        if (i % 2 == 0) {
            auto* label = static_cast<const QLabel*>(p);
            EXPECT_GT(p->width(), label->fontMetrics().horizontalAdvance(label->text())) << order[i];
        }
        if (i > 0) {
            EXPECT_EQ(p->x(), c(order[i - 1]).widget->geometry().right() + 1 + (i % 2 ? 10 : 11)) << order[i];
        }
    }
    run(QStringLiteral("close"));
    globals::LanguageIndex = 0;
    ASSERT_EQ(run(QStringLiteral("open Tfcen")), 0);
    EXPECT_TRUE(centrali::state().k == 0 && !w().isDown(QStringLiteral("forza")));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Moto dei satelliti"));
    EXPECT_EQ(text("Panel9"), QStringLiteral("ac. tangenziale"));
}

}  // namespace
