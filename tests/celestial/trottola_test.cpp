// The spinning-top window: the top's rim and disc at known phases, the side view on wide windows,
// the counters' turns, the striped wipe, and the view buttons as a user drives them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "celestial/trottola.h"
#include "window_test.h"

namespace {

using namespace trottola;
constexpr double kPi = std::numbers::pi;

int roundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// The model on a surface of its own, from its creation to its release.
struct Top {
    raster::Bitmap surface;
    Top(int w, int h) { create(w, h), surface.setSize(w, h); }
    ~Top() { release(); }
    void ticks(int count) { while (count-- > 0) tick(surface.canvas(), false); }
};

// The twelve rim points after k ticks (n = k, t = k/2) as the window states them, the side view's
// disc centre standing `drop` rows lower.
std::array<raster::Point, 12> rimAt(int w, int h, int k, bool top, int drop)
{
    const float theta = static_cast<float>(kPi * (k / 2.0) / 100);
    const double ct = std::cos(double(theta)), st = std::sin(double(theta));
    const float xc = static_cast<float>(w / 5.0 + (h / 10.6) * st);
    const float yc = top ? static_cast<float>(3.0 * h / 10 - (w / 10.6) * ct)
                         : static_cast<float>(3.0 * h / 10 - (w / 5.3) * std::sin(kPi / 3)) + drop;
    std::array<raster::Point, 12> p{};
    for (int b = 0; b < 6; ++b) {
        const double a = k * kPi / 60 - b * kPi / 6;
        const float u = static_cast<float>(w / 26.6 * std::cos(a));
        const float v = static_cast<float>(-(w / 26.6) * std::cos(kPi / 4) * std::sin(a));
        const int X = top ? roundEven(ct * u - st * v) : roundEven(w / 26.6 * std::cos(a));
        const int Y = top ? -roundEven(st * u + ct * v) : -roundEven(w / 53.2 * std::sin(a + theta));
        p[b] = {roundEven(double(xc) + X), roundEven(double(yc) - Y)};
        p[b + 6] = {roundEven(double(xc) - X), roundEven(double(yc) + Y)};
    }
    return p;
}

// The rim's twelve points at known phases of the spin and the precession, from the side and from
// above. From the side the disc is navy while cos θ ≥ 0 and blue, hiding the cone, while it is
// negative (it turns edge-on in between, at t = 50 and 150); its fill stays within the rim.
// The side view reaches (W/5.3)·sin(π/3) + W/53.2 above its table, more than the 3H/10 rows
// above it on a window wider than about 1.65 times its height (16:9): there it stands lowered
// just enough for the whole disc to show, its highest point a row or two below the top edge.
struct TrottolaModel : ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TrottolaModel, RimAndDiscAtKnownPhases)
{
    const auto [w, h] = GetParam();
    Top top(w, h);
    const raster::Canvas& side = state().side.canvas();
    int done = 0, highest = h, table = 0;
    for (int k : {0, 60, 150, 250, 350}) {
        top.ticks(k + 1 - done);   // the (k + 1)-th tick draws phase k
        done = k + 1;
        for (table = 0; side.pixel(2 * w / 5 - 2, table) != kWhite; ++table) {
        }   // the table's lit top edge, where the side view stands
        const auto rim = rimAt(w, h, k, false, table - 3 * h / 10);
        raster::Rect box{w, h, 0, 0};
        for (const raster::Point& p : rim) {
            EXPECT_EQ(side.pixel(p.x, p.y), kWhite) << k;
            box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
        }
        highest = std::min(highest, box.top);
        const bool blue = k > 100 && k < 300;
        long navy = 0, lit = 0;
        for (int y = 0; y < table; ++y)
            for (int x = 0; x < 2 * w / 5; ++x) {
                const raster::Color c = side.pixel(x, y);
                const bool disc = c == kBlue || c == kNavy;
                ASSERT_TRUE(!disc || (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom)) << k;
                (c == kNavy ? navy : lit) += disc;
            }
        EXPECT_TRUE(blue ? navy == 0 && lit > 0 : navy > 0 && lit == 0) << k;
        EXPECT_TRUE(!blue || side.pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2) == kBlue) << k;
    }
    EXPECT_TRUE(table == 3 * h / 10 ? highest > 0 : highest >= 0 && highest <= 2) << table;
    // From above (phase 301): the rim round a blue disc, drawn over the cone.
    state().p = AboveShown;
    top.ticks(1);
    const raster::Canvas& above = state().top.canvas();
    const auto rim = rimAt(w, h, done, true, 0);
    for (const raster::Point& p : rim)
        EXPECT_EQ(above.pixel(p.x, p.y), kWhite);
    EXPECT_EQ(above.pixel((rim[0].x + rim[6].x) / 2, (rim[0].y + rim[6].y) / 2), kBlue);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TrottolaModel, ::testing::Values(std::pair{1020, 700}, std::pair{1916, 1000}));

// The counters start again at each turn: the precession counter t after 400 ticks (in single
// precision it would stop growing at 2^23), the spin counter n after 120.
TEST(TrottolaSide, CountersStartAgainAtEachTurn)
{
    Top top(530, 345);
    top.ticks(400);
    EXPECT_TRUE(state().t == 0 && state().n == 400 % 120);
}

// Nine stripes W div 20 apart widen by a pixel a tick. Going up, the floor's stripes are laid on
// the side view; what they would take from beyond the smaller view from above (below 3H/5, or
// the ninth stripe, right of 2W/5) leaves the side view as it was. Coming back, the side view is
// cleared first and its stripes are laid on the view from above.
TEST(TrottolaWipe, StripesOfTheComingViewWiden)
{
    const int w = 1020, h = 700, stripe = 51, m = 20;
    Top top(w, h);
    const raster::Canvas& side = state().side.canvas();
    const raster::Canvas& above = state().top.canvas();
    ASSERT_TRUE(chooseAbove());
    top.ticks(m);   // the stripes are m - 1 pixels wide
    for (int k = 0; k <= 8; ++k) {
        // Row 410: floor in the view from above, black under the table in the side view.
        EXPECT_EQ(side.pixel(k * stripe + m - 2, 410), k < 8 ? kGrey : kBlack) << k;
        EXPECT_EQ(side.pixel(k * stripe + m - 1, 410), kBlack) << k;
        EXPECT_EQ(side.pixel(k * stripe, 500), kBlack) << k;
    }
    top.ticks(stripe - m + 1);
    ASSERT_TRUE(state().p == AboveShown && chooseSide());
    top.ticks(m);
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(above.pixel(k * stripe + m - 2, 410) == kBlack && above.pixel(k * stripe + m - 1, 410) == kGrey) << k;
}

// The view buttons stay disabled while the stripes widen, W div 20 ticks, also where that is more
// than a signed byte holds (2560 pixels wide and beyond); a paused wipe stands still. Reopened, the
// window starts afresh from the side.
struct TrottolaWindow : WindowTest, ::testing::WithParamInterface<int> {
    TrottolaWindow() { options.size = QSize(GetParam(), 600); }
};

TEST_P(TrottolaWindow, ViewButtonsWaitForTheWipe)
{
    const int stripes = GetParam() / 20;
    const State& s = state();
    ASSERT_EQ(run(QStringLiteral("open Tspins tick 3 click laterale")), 0);   // already shown
    EXPECT_TRUE(s.p == SideShown && enabled("laterale") && enabled("superiore"));
    ASSERT_EQ(run(QStringLiteral("click superiore tick %1 click pausa tick 5 click pausa tick").arg(stripes - 1)), 0);
    EXPECT_TRUE(s.p == Wiping && s.c == stripes && !enabled("superiore"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(s.p == AboveShown && s.above && enabled("laterale") && enabled("superiore"));
    ASSERT_EQ(run(QStringLiteral("click superiore tick click laterale")), 0);
    EXPECT_TRUE(s.p == Wiping && !enabled("superiore"));
    ASSERT_EQ(run(QStringLiteral("tick %1").arg(stripes + 1)), 0);
    EXPECT_TRUE(s.p == SideShown && !s.above && c("laterale").down && enabled("superiore"));
    ASSERT_EQ(run(QStringLiteral("click superiore tick 50 close open Tspins")), 0);
    EXPECT_TRUE(s.n == 0 && s.t == 0 && s.p == SideShown && c("laterale").down && enabled("superiore"));
}

INSTANTIATE_TEST_SUITE_P(Widths, TrottolaWindow, ::testing::Values(800, 2560));

}  // namespace
