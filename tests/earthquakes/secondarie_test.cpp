// The secondary-wave window: its frames at 16:9 and 4:3, the loop, the sheared cells, the window.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "earthquakes/secondarie.h"
#include "window_test.h"

namespace {

constexpr raster::Color kRed = raster::rgb(255, 0, 0);
constexpr raster::Color kDarkRed = raster::rgb(128, 0, 0);
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);

// Column i's top in frame f: up to 3 px from h div 8, a period every 16 columns and 6 frames.
int top(int h, int f, int i) { return int(std::nearbyint(h / 8 - 3 * std::sin(std::numbers::pi * (3 * i + 8 * f) / 24))); }

struct SecondaryFrames : ::testing::TestWithParam<std::pair<int, int>> {
    int W = GetParam().first, H = GetParam().second;
    raster::Bitmap surface;
    void SetUp() override
    {
        secondarie::create(W, H);
        surface.canvas().brush.color = raster::rgb(240, 240, 240);
        surface.setSize(W, H);
        secondarie::precompute(W, H, surface.canvas());
    }
    void TearDown() override { secondarie::release(); }
};

TEST_P(SecondaryFrames, EveryFrameShowsTheBlockAndItsFillStaysBetweenItsEdges)
{
    const int h8 = H / 8;
    for (int f = 0; f < secondarie::kFrames; ++f) {
        const raster::Canvas& c = secondarie::state().frames[f].canvas();
        ASSERT_EQ(c.width(), W / 2);
        ASSERT_EQ(c.height(), (H * 3) / 8);
        for (int i = 0; 13 * i + 6 < W / 2; ++i) {
            EXPECT_EQ(c.pixel(13 * i, top(H, f, i) + 60), kRed) << f << " column " << i;
            EXPECT_EQ(c.pixel(13 * i + 6, top(H, f, i) + 40), kDarkRed) << f << " column " << i;
        }
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width() && (y < h8 - 4 || y > h8 + 76); ++x)
                ASSERT_EQ(c.pixel(x, y), kBlack) << "frame " << f << " at " << x << "," << y;
    }
}

TEST_P(SecondaryFrames, SixFramesCloseTheLoop)
{
    raster::Bitmap next = orb::makeFrame(W / 2, (H * 3) / 8, kBlack, kRed);
    secondarie::drawFrame(next.canvas(), W, H, 6);
    const raster::Canvas& first = secondarie::state().frames[0].canvas();
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ASSERT_EQ(next.canvas().pixel(x, y), first.pixel(x, y)) << x << "," << y;
    for (int t = 0; t < 6; ++t)
        secondarie::tick(surface.canvas(), W, H, false, false);
    EXPECT_EQ(secondarie::state().frames.index(), 0);
}

TEST_P(SecondaryFrames, TheHighlightWhitensTwoCellsThatShearButNeverNarrow)
{
    const raster::Point o = secondarie::frameOrigin(W, H);
    const raster::Canvas& s = surface.canvas();
    int firstRows[secondarie::kFrames];
    for (int f = 0; f < secondarie::kFrames; ++f) {
        for (int k = 0; k < 2; ++k)   // paused: the same frame twice
            secondarie::tick(surface.canvas(), W, H, true, true);
        ASSERT_EQ(secondarie::state().frames.index(), f);
        // The white lies between columns 10 and 12 (x 130 and 156), split by column 11 at 143.
        int left = W, right = -1, count = 0;
        firstRows[f] = H;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (s.pixel(x, y) == kWhite) {
                    left = std::min(left, x - o.x), right = std::max(right, x - o.x), ++count;
                    firstRows[f] = std::min(firstRows[f], y - o.y);
                    ASSERT_NE(x - o.x, 143);
                }
        EXPECT_EQ(left, 131) << "frame " << f;
        EXPECT_EQ(right, 155) << "frame " << f;
        EXPECT_GT(count, 2 * 12 * 7) << "frame " << f;
        EXPECT_LT(count, 2 * 12 * 11) << "frame " << f;
        secondarie::tick(surface.canvas(), W, H, false, false);
    }
    EXPECT_NE(firstRows[0], firstRows[3]);   // the cells move up and down with the wave
}

TEST(SecondaryNarrow, ACellOpenAtTheFramesEdgeNeverFloodsTheWindow)
{
    // At 300 px column 12 (x 156) lies past the frame's right edge (150): the second cell is open.
    const int W = 300, H = 345;
    raster::Bitmap surface = orb::makeFrame(W, H, raster::rgb(240, 240, 240), kBlack);
    secondarie::create(W, H);
    secondarie::precompute(W, H, surface.canvas());
    secondarie::tick(surface.canvas(), W, H, true, true);
    EXPECT_EQ(surface.canvas().pixel(75 + 149, 129 + secondarie::state().markerY[0]), kWhite);
    EXPECT_EQ(surface.canvas().pixel(75 + 151, 129 + secondarie::state().markerY[0]), raster::rgb(240, 240, 240));
    EXPECT_EQ(surface.canvas().pixel(5, 5), raster::rgb(240, 240, 240));
    secondarie::release();
}

INSTANTIATE_TEST_SUITE_P(Sizes, SecondaryFrames, ::testing::Values(std::pair{1916, 1000}, std::pair{1020, 765}));

using SecondaryWindow = WindowTest;

TEST_F(SecondaryWindow, SecondaryWavesOpenHighlightAndCloseLikeThePart)
{
    ASSERT_EQ(run(QStringLiteral("open Tondes")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Secondary waves"));
    EXPECT_TRUE(w().controlBar()->isVisible());
    EXPECT_EQ(w().animationTimer()->interval(), 150);
    EXPECT_EQ(c("Bevel1").widget->geometry(), QRect(478, 374, 961, 378));
    ASSERT_EQ(run(QStringLiteral("click pausa click evidenzia tick 3 set cadenza 100")), 0);
    EXPECT_EQ(secondarie::state().frames.index(), 0);
    EXPECT_EQ(w().surface().pixel(479 + 132, 375 + secondarie::state().markerY[0]), kWhite);
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    ASSERT_EQ(run(QStringLiteral("close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[20]);
    EXPECT_EQ(secondarie::state().frames.count(), 0);
}

}  // namespace
