// The secondary-wave window: its frames at 16:9, 4:3 and a narrow size, the loop, the sheared
// cells, and the window as driven.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "earthquakes/secondarie.h"
#include "wave_pictures.h"
#include "window_test.h"

namespace {

using namespace waves;

// Column i's top in frame f: up to 3 px from h div 8, a period every 16 columns and 6 frames.
int top(int h, int f, int i) { return int(std::nearbyint(h / 8 - 3 * std::sin(std::numbers::pi * (3 * i + 8 * f) / 24))); }

struct SecondaryFrames : ::testing::TestWithParam<std::pair<int, int>> {
    int W = GetParam().first, H = GetParam().second;
    raster::Bitmap surface = orb::makeFrame(W, H, raster::rgb(240, 240, 240), kBlack);
    void SetUp() override { secondarie::create(W, H), secondarie::precompute(W, H, surface.canvas()); }
};

TEST_P(SecondaryFrames, TheColumnsMoveWithTheWaveTheFillStaysInsideAndSixFramesCloseTheLoop)
{
    for (int f = 0; f < secondarie::kFrames; ++f) {
        const raster::Canvas& c = secondarie::state().frames[f].canvas();
        for (int i = 0; 13 * i + 6 < W / 2; ++i) {
            EXPECT_EQ(c.pixel(13 * i, top(H, f, i) + 60), kRed) << f << " column " << i;
            EXPECT_EQ(c.pixel(13 * i + 6, top(H, f, i) + 40), kDarkRed) << f << " column " << i;
        }
        // The fill stays between the block's top edge and its bottom edge.
        EXPECT_TRUE(box(c, kDarkRed).top >= H / 8 - 3 && box(c, kDarkRed).bottom <= H / 8 + 75) << f;
    }
    raster::Bitmap next = orb::makeFrame(W / 2, (H * 3) / 8, kBlack, kRed);
    secondarie::drawFrame(next.canvas(), W, H, 6);
    EXPECT_TRUE(samePixels(next.canvas(), secondarie::state().frames[0].canvas()));
}

// At 300 px column 12 (x 156) lies past the frame's right edge: the second cell is open there,
// and a fill on the window's surface would flood it.
TEST_P(SecondaryFrames, TheHighlightWhitensTwoCellsThatShearButNeverNarrowNorLeak)
{
    const raster::Point o = secondarie::frameOrigin(W, H);
    int tops[secondarie::kFrames];
    for (int f = 0; f < secondarie::kFrames; ++f) {
        secondarie::tick(surface.canvas(), W, H, true, false);
        // Right of column 10 (x 130) up to column 12 (156), split by column 11 (143).
        const Box white = box(surface.canvas(), kWhite);
        EXPECT_EQ(white.left - o.x, 131) << "frame " << f;
        EXPECT_EQ(white.right - o.x, std::min(155, W / 2 - 1)) << "frame " << f;
        EXPECT_TRUE(white.count > 7 * (white.right - white.left) && white.count < 11 * (white.right - white.left));
        tops[f] = white.top;
    }
    EXPECT_EQ(secondarie::state().frames.index(), 0);
    EXPECT_NE(tops[0], tops[3]);   // the cells move up and down with the wave
}

INSTANTIATE_TEST_SUITE_P(Sizes, SecondaryFrames,
                         ::testing::Values(std::pair{1916, 1000}, std::pair{1020, 765}, std::pair{300, 345}));

using SecondaryWindow = WindowTest;

TEST_F(SecondaryWindow, OpensAndHighlightsWhilePaused)
{
    ASSERT_EQ(run(QStringLiteral("open Tondes")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 150);
    EXPECT_EQ(c("Bevel1").widget->geometry(), QRect(478, 374, 961, 378));
    ASSERT_EQ(run(QStringLiteral("click pausa click evidenzia tick 3")), 0);
    EXPECT_EQ(secondarie::state().frames.index(), 0);
    EXPECT_EQ(w().surface().pixel(479 + 132, 375 + secondarie::state().markerY[0]), kWhite);
}

}  // namespace
