// The Love-wave window: its picture at 16:9 and 4:3, the 40-tick loop, the pause, the window.
#include <gtest/gtest.h>

#include "earthquakes/love.h"
#include "shell/frame_loop.h"
#include "wave_pictures.h"
#include "window_test.h"

namespace {

using namespace waves;

class LovePicture : public ::testing::TestWithParam<std::pair<int, int>> {};

// At 1916 x 1000 the seed (20, H div 8 + 30) lies below the slab and 41 planes end 200 px short
// of the right edge: a fill from there floods the ground, and from inside the slab the sky.
TEST_P(LovePicture, TheSlabFillsToItsEdgesAndFortyTicksCloseTheLoop)
{
    const auto [W, H] = GetParam();
    raster::Bitmap surface = orb::makeFrame(W, H, kBlack, kBlack);
    love::create(W, H);
    love::state().t = 0;
    love::tick(surface.canvas(), W, H, false);
    raster::Bitmap first = orb::makeFrame(W / 2, (H * 3) / 8, kBlack, kRed);
    raster::Canvas& c = first.canvas();
    c.draw(0, 0, love::state().picture);
    // At t = 0 plane 10 stands straight: s(10) = 15 sin(pi) = 0, so its front top corner is
    // (133 - 35 sin 72deg, 80 + 35 cos 72deg) = (100, 91), right over its foot at (100, 130).
    for (int y = 92; y <= 130; ++y)
        EXPECT_EQ(c.pixel(100, y), kRed) << y;
    EXPECT_EQ(c.pixel(105, 120), kDarkRed);
    // The fill lies between the back edge (y 64 at the highest) and the bottom line, and reaches
    // the right edge.
    EXPECT_GE(box(c, kDarkRed).top, 64);
    EXPECT_EQ(box(c, kDarkRed).right, W / 2 - 1);
    EXPECT_LE(box(c, kDarkRed).bottom, 129);
    // Paused ticks hold the picture and the phase; 40 more bring the first picture back.
    for (int k = 0; k < 45; ++k) {
        EXPECT_EQ(samePixels(c, love::state().picture.canvas()), k <= 5) << k;
        love::tick(surface.canvas(), W, H, k < 5);
    }
    EXPECT_TRUE(samePixels(c, love::state().picture.canvas()));
    EXPECT_EQ(love::state().t, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LovePicture, ::testing::Values(std::pair{1916, 1000}, std::pair{1020, 765}));

using LoveWindow = WindowTest;

TEST_F(LoveWindow, RunsAtOnceAndKeepsItsPhaseWhenReopened)
{
    love::state().t = 0;
    ASSERT_EQ(run(QStringLiteral("open Tondel")), 0);
    EXPECT_TRUE(w().controlBar()->isVisible());
    EXPECT_EQ(w().controlPosition(c("cadenza")), 120);
    EXPECT_EQ(w().animationTimer()->interval(), 100);
    EXPECT_EQ(c("Bevel1").widget->geometry(), QRect(478, 311, 961, 378));
    ASSERT_EQ(run(QStringLiteral("tick 3 close open Tondel set cadenza 150")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 50);
    EXPECT_EQ(love::state().t, 3);
}

}  // namespace
