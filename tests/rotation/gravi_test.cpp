// The falling-body window: the picture at its stated places, the landing tick east of the foot,
// the trail's rhythm, and the window's state rules through a fall.
#include <QApplication>
#include <cmath>
#include <numbers>

#include "rotation/gravi.h"
#include "window_test.h"

namespace {

using gravi::kBlack, gravi::kWhite, gravi::kYellow, gravi::kGrey;
gravi::State& s = gravi::state();

// The geometry as stated: the Earth's centre at (W div 2, 6H), angles in degrees, radii in H.
raster::Point geo(int w, int h, double deg, double rho)
{
    const double a = deg * std::numbers::pi / 180;
    return {w / 2 + int(std::nearbyint(std::cos(a) * rho * h)), 6 * h - int(std::nearbyint(std::sin(a) * rho * h))};
}

struct GraviModel : ::testing::Test {
    int W = 1916, H = 1000;
    raster::Bitmap picture;
    raster::Canvas& c() { return picture.canvas(); }
    // Paints the picture of a w x h client with a tower of the given level, and lets it fall
    // (ticks > 0): returns the number of ticks, the landing one included.
    int fall(int w, int h, int level, bool trail, int ticks = 1000)
    {
        W = w, H = h;
        picture = raster::Bitmap();
        picture.setSize(W, H);
        gravi::create(W, H);
        s.h = static_cast<std::uint8_t>(level), s.trailToggle = trail;
        gravi::paint(c(), W, H);
        gravi::startFall();
        for (int t = 1; t <= ticks; ++t)
            if (gravi::tick(c(), W, H, false) == gravi::Tick::Landed)
                return t;
        return 0;
    }
};

TEST_F(GraviModel, ThePaintDrawsPlumbLinesGroundFootMarkAndUprightTowerAtBothShapes)
{
    for (auto [w, h, level] : {std::tuple{1916, 1000, 1}, std::tuple{1020, 700, 3}}) {
        fall(w, h, level, false, 0);
        const raster::Point foot = geo(W, H, 89 + 2 * level, 5.122);
        const raster::Point top = geo(W, H, 89 + 2 * level, 5.122 + 0.25 * level);
        const raster::Point middle{(foot.x + top.x) / 2, (foot.y + top.y) / 2};
        // The foot's mark, 20 pixels down; the tower, on the picture alone; a plumb line.
        EXPECT_TRUE(c().pixel(foot.x, foot.y + 19) == kWhite && c().pixel(foot.x, foot.y + 20) == kBlack);
        EXPECT_TRUE(c().pixel(middle.x, middle.y) == kWhite && s.background.canvas().pixel(middle.x, middle.y) == kBlack);
        EXPECT_TRUE(c().pixel(3 * (W / 20), 17 * H / 20 - 1) == kGrey && c().pixel(3 * (W / 20), 17 * H / 20) == kBlack);
        EXPECT_EQ(c().pixel(W / 2, geo(W, H, 90, 5.12).y), kGrey);   // the ground's top
    }
}

TEST_F(GraviModel, TheBallLandsEastOfTheFootOnTheStatedTickLeavingATrailAndNothingStale)
{
    // θ > 89 - h - 0.05 holds for 3h/(0.03h) = 100 steps and one or two more: then a landing tick.
    for (auto [level, ticks, trail] : {std::tuple{1, 103, true}, std::tuple{2, 102, false}, std::tuple{3, 102, true}}) {
        ASSERT_EQ(fall(1916, 1000, level, trail), ticks) << "h " << level;
        // The trail of the top, every 8 div h ticks, when the toggle was on at the start.
        for (int n : {0, 8 / level, 8 / level + 1}) {
            const raster::Point top = geo(W, H, 89 + 2 * level - 0.03 * level * n, 5.122 + 0.25 * level);
            EXPECT_EQ(s.background.canvas().pixel(top.x + 5, top.y) == kYellow, trail && n % (8 / level) == 0)
                << "h " << level << " tick " << n;
        }
        const double last = 89 + 2 * level - 0.03 * level * (ticks - 2);
        const raster::Point top = geo(W, H, last, 5.122 + 0.25 * level), foot = geo(W, H, last, 5.122);
        const double rb = (5.122 + 0.25 * level) * H - std::pow((89 + 2 * level - last) / (3 * level), 2) * 0.25 * level * H;
        const int yb = 6 * H - int(std::nearbyint(std::sin(last * std::numbers::pi / 180) * rb));
        EXPECT_GT(top.x - foot.x, 3 * level) << "the ball lands east of the foot";
        // On the ground, with the landing mark under it.
        EXPECT_TRUE(std::abs(yb - foot.y) <= 10 && c().pixel(top.x + 5, yb) == kYellow && c().pixel(top.x + 5, yb + 10) == kWhite);
        // The picture differs from the background only about the last tower, its discs and mark.
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (c().pixel(x, y) != s.background.canvas().pixel(x, y)) {
                    ASSERT_TRUE(x >= foot.x - 2 && x <= top.x + 8 && y >= top.y - 3 && y <= yb + 20)
                        << x << "," << y;
                }
    }
}

using GraviWindow = WindowTest;

TEST_F(GraviWindow, AFallRunsFromViaToItsLandingAndDisegnaPreparesTheNext)
{
    ASSERT_EQ(run("open Tcaduta"), 0);
    EXPECT_TRUE(!w().animationTimer()->enabled() && s.theta == 91);   // painted once shown
    ASSERT_EQ(run("click via tick 102"), 0);
    EXPECT_TRUE(w().animationTimer()->enabled() && !enabled("via"));
    ASSERT_EQ(run("tick click disegna set altez 3"), 0);   // the landing stops the timer
    EXPECT_TRUE(!w().animationTimer()->enabled() && enabled("disegna") && enabled("traiet"));
    ASSERT_EQ(run("click disegna"), 0);   // possible only because the new height enabled it
    EXPECT_TRUE(!enabled("disegna") && enabled("via") && s.theta == 95);
}

TEST_F(GraviWindow, TheFallGoesOnBehindAnotherWindowAndActivationResetsLevelAndToggle)
{
    ASSERT_EQ(run("open Tcaduta set altez 2 click disegna click traiet click via tick 5 deactivate advance 900"), 0);
    ASSERT_EQ(run("activate"), 0);
    EXPECT_TRUE(s.n == 15 && s.h == 1 && !s.trailToggle && s.trail && w().animationTimer()->enabled());
    EXPECT_TRUE(w().controlPosition(c("altez")) == 2 && w().isDown(QStringLiteral("traiet")));
}

TEST_F(GraviWindow, OnlyAPaintNoTickAskedForStartsTheFallAgain)
{
    ASSERT_EQ(run("open Tcaduta click via"), 0);
    QApplication::processEvents();   // the window is shown and painted
    ASSERT_EQ(run("tick 20"), 0);
    w().repaint();   // the tick's own paint only shows the picture, and so does a grab
    (void)w().grabShown();
    EXPECT_EQ(s.n, 20);
    w().repaint();   // uncovered
    EXPECT_EQ(s.n, 0);
    ASSERT_EQ(run("tick 7 uncover"), 0);   // the driver's uncovering
    EXPECT_TRUE(s.n == 0 && s.theta == 91 && w().animationTimer()->enabled());
}

}  // namespace
