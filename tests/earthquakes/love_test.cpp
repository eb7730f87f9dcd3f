// The Love-wave window: its picture at 16:9 and 4:3, the 40-tick loop, the pause, the window.
#include <gtest/gtest.h>

#include "earthquakes/love.h"
#include "shell/frame_loop.h"
#include "window_test.h"

namespace {

constexpr raster::Color kRed = raster::rgb(255, 0, 0);
constexpr raster::Color kDarkRed = raster::rgb(128, 0, 0);
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);

bool samePixels(const raster::Canvas& a, const raster::Canvas& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return a.width() == b.width() && a.height() == b.height();
}

class LovePicture : public ::testing::TestWithParam<std::pair<int, int>> {};

// At 1916 x 1000 the Part's seed (20, H div 8 + 30) lies below the slab and its 41 planes end
// 200 px short of the right edge: the fill would flood the ground and the sky.
TEST_P(LovePicture, TheSlabIsFilledUpToItsEdgesAndReachesTheRightEdge)
{
    const auto [W, H] = GetParam();
    raster::Bitmap b = orb::makeFrame(W / 2, (H * 3) / 8, kBlack, kRed);
    raster::Canvas& c = b.canvas();
    love::drawPicture(c, W, 0);
    // At t = 0 plane 10 stands straight: s(10) = 15 sin(pi) = 0, so its front top corner is
    // (133 - 35 sin 72deg, 80 + 35 cos 72deg) = (100, 91), right over its foot at (100, 130).
    for (int y = 92; y <= 130; ++y)
        EXPECT_EQ(c.pixel(100, y), kRed) << y;
    EXPECT_EQ(c.pixel(105, 120), kDarkRed);
    EXPECT_EQ(c.pixel(95, 120), kDarkRed);
    // The slab's front face reaches the right edge, and so does its front top edge.
    EXPECT_NE(c.pixel(W / 2 - 1, 125), kBlack);
    bool edge = false;
    for (int y = 86; y <= 96; ++y)
        edge = edge || c.pixel(W / 2 - 1, y) == kRed;
    EXPECT_TRUE(edge);
    // Nothing above the back edge (64 at the highest) nor below the bottom line is filled.
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width() && (y < 64 || y > 130); ++x)
            ASSERT_EQ(c.pixel(x, y), kBlack) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, LovePicture, ::testing::Values(std::pair{1916, 1000}, std::pair{1020, 765}));

TEST(Love, FortyTicksCloseTheLoopAndAPauseHoldsThePicture)
{
    const int W = 1916, H = 1000;
    raster::Bitmap surface = orb::makeFrame(W, H, raster::rgb(240, 240, 240), kBlack);
    love::create(W, H);
    love::state().t = 0;
    love::tick(surface.canvas(), W, H, false);
    raster::Bitmap first = orb::makeFrame(W / 2, (H * 3) / 8, kBlack, kRed);
    first.canvas().draw(0, 0, love::state().picture);
    love::tick(surface.canvas(), W, H, false);
    EXPECT_FALSE(samePixels(first.canvas(), love::state().picture.canvas()));
    for (int k = 0; k < 5; ++k)
        love::tick(surface.canvas(), W, H, true);
    EXPECT_EQ(love::state().t, 2);
    for (int k = 0; k < 39; ++k)
        love::tick(surface.canvas(), W, H, false);
    EXPECT_EQ(love::state().t, 1);
    EXPECT_TRUE(samePixels(first.canvas(), love::state().picture.canvas()));
    love::release();
}

using LoveWindow = WindowTest;

TEST_F(LoveWindow, LoveWavesRunAtOnceAndKeepTheirPhaseWhenReopened)
{
    love::state().t = 0;
    ASSERT_EQ(run(QStringLiteral("open Tondel")), 0);
    EXPECT_TRUE(w().controlBar()->isVisible());
    EXPECT_EQ(w().controlPosition(c("cadenza")), 120);
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    EXPECT_EQ(c("Bevel1").widget->geometry(), QRect(478, 311, 961, 378));
    ASSERT_EQ(run(QStringLiteral("tick 3 close")), 0);
    EXPECT_TRUE(globals::WindowClosedFlags[10]);
    ASSERT_EQ(run(QStringLiteral("open Tondel set cadenza 150")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 50);
    EXPECT_EQ(love::state().t, 3);
}

}  // namespace
