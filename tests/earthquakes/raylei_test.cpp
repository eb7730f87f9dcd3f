// The Rayleigh-wave window: its picture at a stated phase, the fills at every phase, the particle
// paths round their dots, the wipes, and the window as driven.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "earthquakes/raylei.h"
#include "window_test.h"

namespace {

constexpr raster::Color kRed = raylei::kRed, kBlack = raylei::kBlack;

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

std::vector<std::uint32_t> pixels(const raster::Bitmap& b)
{
    return {b.canvas().bits(), b.canvas().bits() + static_cast<std::ptrdiff_t>(b.canvas().stride()) * b.height()};
}

struct Rayleigh : ::testing::Test {
    raster::Bitmap surface;
    void open(int w, int h) { raylei::create(w, h); surface.setSize(w, h); }
    bool tick(bool down = false, bool paused = false) { return raylei::tick(surface.canvas(), down, paused); }
    void TearDown() override { raylei::release(); }
};
struct RayleighPhases : Rayleigh, ::testing::WithParamInterface<std::pair<int, int>> {};

// At 1900 x 1000 (sx = 2.375) and at 4:3 the bottom layer line would start inside the picture at
// some phases; the fills must stay in their bands at every one of the 64 phases.
TEST_P(RayleighPhases, EveryPhaseKeepsTheGroundInsideItsLayersAndTheLoopCloses)
{
    const auto [w, h] = GetParam();
    open(w, h);
    const double sx = w / 800.0, sy = h / 600.0;
    const raster::Canvas& c = raylei::state().plain.canvas();
    std::vector<std::uint32_t> first;
    for (int t = 1; t <= 65; ++t) {
        tick();
        // The surface particle of column 50 turns anticlockwise on the screen: at the top of its
        // path it moves left, against the wave, which moves right (the ground's retrograde motion).
        const double a = (t + 50) * std::numbers::pi / 32;
        EXPECT_EQ(c.pixel(nearest((18 * std::cos(a) + 270) * sx), nearest((110 - 18 * std::sin(a)) * sy)), kRed) << t;
        // Black below and above the ground; the band between the middle and the bottom layer filled.
        for (int x = 0; x < c.width(); x += 7)
            ASSERT_TRUE(c.pixel(x, nearest(158 * sy)) == kBlack && c.pixel(x, nearest(60 * sy)) == kBlack &&
                        c.pixel(x, nearest(143.5 * sy)) != kBlack) << t << "," << x;
        if (t == 1)
            first = pixels(raylei::state().plain);
    }
    EXPECT_EQ(pixels(raylei::state().plain), first) << "64 ticks later the picture is the same";
}

INSTANTIATE_TEST_SUITE_P(Sizes, RayleighPhases, ::testing::Values(std::pair{1900, 1000}, std::pair{1020, 700}));

// At 1900 px the fixed 6 px shift of the paths put them 8 px right of their dots. At phase 32
// the dots of path 4 are at its right ends; on paths 1 to 3 the outline is alone at the right
// end of its middle row.
TEST_F(Rayleigh, ThePathsStandRoundTheirDotsAt1900)
{
    open(1900, 1000);
    raylei::state().t = 32;
    raylei::startWipe();
    tick(true);
    const raster::Canvas& c = raylei::state().highlight.canvas();
    const double sx = 2.375, sy = 1000 / 600.0;
    const int paths[3][3] = {{18, 92, 128}, {12, 119, 141}, {6, 146, 154}};
    for (int k = 1; k <= 3; ++k) {
        for (const auto& p : paths) {
            // The path of 96k - 6 design units ends left of its rounded right edge (12 x 2.375 is a
            // tie), with nothing red beyond it on its middle row.
            const int x = nearest((96 * k + p[0]) * sx) - nearest(6 * sx) - 1;
            const int row = (nearest(p[1] * sy) + nearest(p[2] * sy)) / 2;
            EXPECT_TRUE(c.pixel(x, row) == kRed && c.pixel(x + 1, row) != kRed) << k << "," << p[0];
        }
    }
}

// A wipe there and back leaves both pictures as they were drawn before it, 1 px lines included.
TEST_F(Rayleigh, WipesThereAndBackLeaveThePicturesAsBefore)
{
    open(400, 300);
    tick();
    const auto plain = pixels(raylei::state().plain);   // phase 1
    raylei::startWipe();
    tick(true);
    const auto highlight = pixels(raylei::state().highlight);   // phase 2
    const raster::Point o = raylei::pictureOrigin(400, 300);
    int ticks = 2;
    while (!tick(true)) {
        if (++ticks != 51)
            continue;
        // w = 98: the highlight picture has come in from the right behind its grey edge; in the band
        // between the middle and the bottom layer, only the plain part on the left is dark red.
        EXPECT_EQ(surface.canvas().pixel(o.x + 102, o.y + 50), raylei::kGrey);
        int darkRed[2] = {0, 0};
        for (int x = 0; x < 200; ++x)
            darkRed[x >= 102] += surface.canvas().pixel(o.x + x, o.y + 72) == raylei::kDarkRed;
        EXPECT_TRUE(darkRed[0] > 50 && darkRed[1] == 0);
    }
    EXPECT_EQ(ticks, 101);   // w = 0, 2, ..., 198 over the 200 px picture, then the ending tick
    EXPECT_EQ(raylei::state().w, 1);
    do   // on to phase 2 again
        tick(true);
    while (raylei::state().t != 3);
    EXPECT_EQ(pixels(raylei::state().highlight), highlight);
    raylei::startWipe();
    tick(false, true);
    EXPECT_EQ(raylei::state().w, 1) << "paused, a wipe stands still";
    while (!tick(false))
        continue;
    do   // on to phase 1 again
        tick();
    while (raylei::state().t != 2);
    EXPECT_EQ(pixels(raylei::state().plain), plain);
}

struct RayleighWindow : WindowTest {
    RayleighWindow() { options.size = QSize(400, 300); }
};

TEST_F(RayleighWindow, TheHighlightButtonWaitsForTheWipeAndReopeningStartsAfresh)
{
    ASSERT_EQ(run(QStringLiteral("open Tonder tick click eviden tick 100")), 0);
    EXPECT_FALSE(enabled("eviden"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(enabled("eviden"));
    ASSERT_EQ(run(QStringLiteral("close open Tonder")), 0);
    EXPECT_TRUE(raylei::state().mode == raylei::PlainShown && raylei::state().t == 1);
}

}  // namespace
