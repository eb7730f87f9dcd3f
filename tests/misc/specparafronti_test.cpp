// The parabolic antenna: the fronts in the eight frames and their loop, the dish and the feed on
// two client widths, the wide-screen progress count, and the window as driven (the receiver or
// transmitter list, the rays and fronts buttons).
#include <gtest/gtest.h>

#include <vector>

#include "misc/specparafronti.h"
#include "window_test.h"

namespace {

using namespace specparafronti;

struct Size { int w, h, screen; int q, Np, Ni, No; };
// By hand: f0 = screen / 12 = 160; q = Round(5 w f0 / (5 w - f0)); Np = Round(5 w / 3);
// Ni = Round(q / 4); No = w / 8 - Ni + 2.
const Size kSizes[] = {{1916, 1000, 1920, 163, 3193, 41, 200}, {1020, 700, 1920, 165, 1700, 41, 88}};

const raster::Canvas& bitmap(int i) { return state().bitmaps[static_cast<std::size_t>(i)].canvas(); }

// What row Yc of frame p holds left of the feed, while receiving: plane fronts at x = -5 w + 4 j,
// blue on frame 7 - (j mod 8) and cyan four frames on; the circles beyond the focus cross the row
// at x = Xf - 4 j, blue on frame 7 - ((j + 4) mod 8) and cyan on frame 7 - (j mod 8).
raster::Color expectedOnAxis(const Size& z, int xf, int p, int x)
{
    if ((x + 5 * z.w) % 4 == 0) {
        const int j = (x + 5 * z.w) / 4;
        return p == 7 - j % 8 ? kBlue : p == 7 - (j + 4) % 8 ? kCyan : kBlack;
    }
    if ((xf - x) % 4 == 0 && (xf - x) / 4 <= z.No) {
        const int j = (xf - x) / 4;
        return p == 7 - (j + 4) % 8 ? kBlue : p == 7 - j % 8 ? kCyan : kBlack;
    }
    return kBlack;
}

TEST(SpecparafrontiModel, FramesDishAndFeedOnTwoWidths)
{
    for (const Size& z : kSizes) {
        create(z.w, z.h, z.screen);
        ASSERT_TRUE(precompute(z.w, z.h, 0));
        const Geometry& g = state().g;
        EXPECT_TRUE(g.q == z.q && g.Np == z.Np && g.Ni == z.Ni && g.No == z.No) << z.w;
        const int xf = z.w / 2 - z.q;
        const int yc = z.h / 4;
        ASSERT_NE(xf % 4, 0);   // the two kinds of front fall on different columns
        for (int p = 0; p < kFrames; ++p)
            for (int x = 0; x < xf - 4; ++x)
                ASSERT_EQ(bitmap(p).pixel(x, yc), expectedOnAxis(z, xf, p, x)) << z.w << " frame " << p << " x " << x;
        for (int i = 0; i <= kRays; ++i) {
            EXPECT_EQ(bitmap(i).width(), z.w / 2 + 10);
            EXPECT_EQ(bitmap(i).height(), z.h / 2);
            // The dish's vertex, the black right half and the yellow feed at the focus.
            EXPECT_EQ(bitmap(i).pixel(z.w / 2 - 1, yc), kWhite) << i;
            EXPECT_EQ(bitmap(i).pixel(z.w / 2, yc), kBlack) << i;
            EXPECT_EQ(bitmap(i).pixel(xf, yc), kYellow) << i;
        }
        release();
    }
}

TEST(SpecparafrontiModel, ReceivingPlaysBackwardsAndTheLoopCloses)
{
    const Size& z = kSizes[1];
    create(z.w, z.h, z.screen);
    precompute(z.w, z.h, 0);
    raster::Bitmap surface;
    surface.setSize(z.w, z.h);
    // A blue plane front moves 4 pixels right per tick, towards the dish.
    auto blueFront = [&] {
        for (int x = 200; x < 232; x += 4)
            if (surface.canvas().pixel(x, z.h / 4 + z.h / 4) == kBlue)
                return x;
        return -1;
    };
    std::vector<int> seen;
    for (int t = 0; t <= 8; ++t) {
        tick(surface.canvas(), z.h, false, false, false);
        seen.push_back(blueFront());
    }
    for (int t = 1; t < 8; ++t)
        EXPECT_EQ(seen[t], seen[t - 1] + 4 - (seen[t - 1] == 228 ? 32 : 0)) << t;
    EXPECT_EQ(seen[8], seen[0]);
    release();
}

TEST(SpecparafrontiModel, ScreenSixTimesWiderThanTheWindowLosesTheFeedNotTheProgress)
{
    // f0 = 640, q = Round(5100 * 640 / 4460) = 732: Xf = -222, outside; No = 127 - 183 + 2 < 0,
    // so more fronts are drawn (2 (1701 + 184) = 3770) than the maximum counts (3664).
    create(1020, 700, 7680);
    std::vector<int> progress;
    precompute(1020, 700, 0, [&](int n) { progress.push_back(n); });
    EXPECT_EQ(progressMaximum(state().g), 3664);
    EXPECT_EQ(progress.size(), 3770u);
    EXPECT_EQ(progress.back(), 3664);
    for (int i = 0; i <= kRays; ++i)
        for (int x = 0; x < bitmap(i).width(); ++x)
            ASSERT_NE(bitmap(i).pixel(x, 175), kYellow) << i;
    release();
}

struct SpecparafrontiWindow : WindowTest {
    raster::Color at(int x, int y) { return w().surface().pixel(x, y); }
};

TEST_F(SpecparafrontiWindow, ChoosingTheNewItemTwiceStillRebuildsIt)
{
    ASSERT_EQ(run("open Tsconcavo set tipo 1 set tipo 1 click aggiorna"), 0);
    EXPECT_FALSE(state().receiving);
    // Built for the transmitter: choosing it again leaves nothing to do.
    state().bitmaps[0].canvas().setPixel(0, 0, kYellow);
    ASSERT_EQ(run("set tipo 0 set tipo 1 click aggiorna"), 0);
    EXPECT_EQ(bitmap(0).pixel(0, 0), kYellow);
}

TEST_F(SpecparafrontiWindow, FrontsHideOnlyUnderTheRays)
{
    const int h = 1000, yc = 250, top = 250, x = 100;   // x: a plane front on the axis
    ASSERT_EQ(run("open Tsconcavo tick"), 0);
    EXPECT_FALSE(enabled("fronti"));
    ASSERT_EQ(run("click raggi tick"), 0);
    // The rays are OR-ed over the fronts: the front still shows on the axis, between two rays.
    EXPECT_EQ(at(x, top + yc), bitmap(shownFrame(state().f)).pixel(x, yc));
    EXPECT_EQ(at(x, top + yc - h / 20), kWhite);
    ASSERT_EQ(run("click fronti tick"), 0);
    EXPECT_EQ(c("fronti").hint, QStringLiteral("mostra i fronti d'onda"));
    for (int t = 0; t < 8; ++t) {
        ASSERT_EQ(run("tick"), 0);
        ASSERT_EQ(at(x, top + yc), kBlack);
    }
    // Releasing the rays releases and disables the fronts button.
    ASSERT_EQ(run("click raggi"), 0);
    EXPECT_FALSE(enabled("fronti") || w().isDown(QStringLiteral("fronti")));
    // A recompute leaves the fronts button waiting for the rays.
    ASSERT_EQ(run("set tipo 1 click aggiorna"), 0);
    EXPECT_TRUE(enabled("raggi") && !enabled("fronti"));
}

}  // namespace
