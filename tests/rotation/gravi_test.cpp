// The falling-body window: the picture at its stated places, the landing tick east of the foot,
// the trail's rhythm, and the window's state rules through a fall.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <QApplication>
#include <numbers>

#include "rotation/gravi.h"
#include "window_test.h"

namespace {

constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);
constexpr raster::Color kGrey = raster::rgb(128, 128, 128);

// The geometry as stated: the Earth's centre at (W div 2, 6H), angles in degrees, radii in H.
raster::Point geo(int w, int h, double deg, double rho)
{
    const double a = deg * std::numbers::pi / 180;
    return {w / 2 + int(std::nearbyint(std::cos(a) * rho * h)), 6 * h - int(std::nearbyint(std::sin(a) * rho * h))};
}

struct GraviModel : ::testing::Test {
    int W = 1916, H = 1000;
    raster::Bitmap picture;
    gravi::State& s = gravi::state();
    void size(int w, int h, int level)
    {
        W = w;
        H = h;
        picture = raster::Bitmap();
        picture.setSize(W, H);
        gravi::create(W, H);
        s.h = static_cast<std::uint8_t>(level);
        gravi::paint(picture.canvas(), W, H);
    }
    raster::Color at(raster::Point p, int dx = 0, int dy = 0) { return picture.canvas().pixel(p.x + dx, p.y + dy); }
    // Ticks until the ball lands; the number of ticks, the landing one included.
    int fall(bool trail)
    {
        s.trailToggle = trail;
        gravi::startFall();
        for (int t = 1; t < 1000; ++t)
            if (gravi::tick(picture.canvas(), W, H, false) == gravi::Tick::Landed)
                return t;
        return -1;
    }
};

TEST_F(GraviModel, ThePaintDrawsPlumbLinesGroundFootMarkAndUprightTowerAtBothShapes)
{
    for (auto [w, h, level] : {std::tuple{1916, 1000, 1}, std::tuple{1020, 700, 3}}) {
        size(w, h, level);
        const raster::Point foot = geo(W, H, 89 + 2 * level, 5.122);
        const raster::Point top = geo(W, H, 89 + 2 * level, 5.122 + 0.25 * level);
        EXPECT_EQ(at(foot, 0, 19), kWhite);   // the foot's mark, 20 pixels down
        EXPECT_EQ(at(foot, 0, 20), kBlack);
        EXPECT_EQ(at({(foot.x + top.x) / 2, (foot.y + top.y) / 2}), kWhite);   // the tower
        EXPECT_EQ(at(top, 0, -2), kBlack);
        EXPECT_EQ(picture.canvas().pixel(3 * (W / 20), 17 * H / 20 - 1), kGrey);
        EXPECT_EQ(picture.canvas().pixel(3 * (W / 20), 17 * H / 20), kBlack);
        EXPECT_EQ(at(geo(W, H, 90, 5.12)), kGrey);   // the ground's top
        // The background has everything but the tower.
        EXPECT_EQ(s.background.canvas().pixel(foot.x, foot.y + 10), kWhite);
        EXPECT_EQ(s.background.canvas().pixel((foot.x + top.x) / 2, (foot.y + top.y) / 2), kBlack);
        EXPECT_EQ(s.theta, 89 + 2 * level);
        EXPECT_EQ(s.n, 0);
    }
}

TEST_F(GraviModel, TheBallLandsEastOfTheFootOnTheStatedTick)
{
    // θ > 89 - h - 0.05 holds for 3h/(0.03h) = 100 steps and one or two more: then a landing tick.
    for (auto [level, ticks] : {std::pair{1, 103}, std::pair{2, 102}, std::pair{3, 102}}) {
        size(1916, 1000, level);
        ASSERT_EQ(fall(false), ticks) << "h " << level;
        const double last = 89 + 2 * level - 0.03 * level * (ticks - 2);
        EXPECT_NEAR(s.theta, last, 1e-9);
        const raster::Point top = geo(W, H, last, 5.122 + 0.25 * level);
        const raster::Point foot = geo(W, H, last, 5.122);
        const double turned = (89 + 2 * level - last) / (3 * level);
        const double rb = (5.122 + 0.25 * level) * H - turned * turned * 0.25 * level * H;
        const int yb = 6 * H - int(std::nearbyint(std::sin(last * std::numbers::pi / 180) * rb));
        EXPECT_GT(top.x - foot.x, 3 * level) << "the ball lands east of the foot";
        EXPECT_NEAR(yb, foot.y, 10);   // on the ground
        EXPECT_EQ(at({top.x + 5, yb}, 0, 10), kWhite);   // the landing mark under the ball
        EXPECT_EQ(at({top.x + 5, yb}), kYellow);
        // Nothing is left of the earlier towers and balls: the picture differs from the background
        // only about the last tower, its two discs and the landing mark.
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (picture.canvas().pixel(x, y) != s.background.canvas().pixel(x, y)) {
                    ASSERT_TRUE(x >= std::min(foot.x, top.x) - 2 && x <= top.x + 8 && y >= top.y - 3 && y <= yb + 20)
                        << x << "," << y;
                }
        // A paused tick changes nothing.
        const int n = s.n;
        EXPECT_EQ(gravi::tick(picture.canvas(), W, H, true), gravi::Tick::Paused);
        EXPECT_EQ(s.n, n);
    }
}

TEST_F(GraviModel, TheTrailIsLeftEveryEightDivHTicks)
{
    for (auto [level, every] : {std::pair{1, 8}, std::pair{3, 2}}) {
        size(1916, 1000, level);
        fall(true);
        for (int n : {0, every, every + 1}) {
            const raster::Point top = geo(W, H, 89 + 2 * level - 0.03 * level * n, 5.122 + 0.25 * level);
            EXPECT_EQ(s.background.canvas().pixel(top.x + 5, top.y) == kYellow, n % every == 0)
                << "h " << level << " tick " << n;
        }
    }
    // The toggle counts when the fall starts: a fall without it leaves no trail.
    size(1916, 1000, 1);
    fall(false);
    EXPECT_EQ(s.background.canvas().pixel(geo(W, H, 91, 5.372).x + 5, geo(W, H, 91, 5.372).y), kBlack);
}

struct GraviWindow : WindowTest {
    gravi::State& s = gravi::state();
    bool running() { return w().animationTimer()->enabled(); }
};

TEST_F(GraviWindow, AFallRunsFromViaToItsLandingAndDisegnaPreparesTheNext)
{
    ASSERT_EQ(run("open Tcaduta"), 0);
    EXPECT_FALSE(running());
    EXPECT_EQ(s.theta, 91);   // painted once shown
    ASSERT_EQ(run("click via tick 102"), 0);
    EXPECT_TRUE(running());
    EXPECT_FALSE(enabled("via"));
    ASSERT_EQ(run("tick"), 0);   // the landing
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
    EXPECT_TRUE(enabled("traiet"));
    ASSERT_EQ(run("click disegna set altez 3"), 0);
    EXPECT_TRUE(enabled("disegna"));   // a new height enables "nuovo"
    ASSERT_EQ(run("click disegna"), 0);
    EXPECT_FALSE(enabled("disegna"));
    EXPECT_TRUE(enabled("via"));
    EXPECT_EQ(s.h, 3);
    EXPECT_EQ(s.theta, 95);
}

TEST_F(GraviWindow, TheFallGoesOnBehindAnotherWindowAndActivationResetsLevelAndToggle)
{
    ASSERT_EQ(run("open Tcaduta set altez 2 click disegna click traiet click via tick 5 deactivate advance 900"), 0);
    EXPECT_TRUE(running());
    EXPECT_EQ(s.n, 15);
    ASSERT_EQ(run("activate"), 0);
    EXPECT_EQ(s.h, 1);
    EXPECT_FALSE(s.trailToggle);
    EXPECT_TRUE(s.trail);
    EXPECT_EQ(w().controlPosition(c("altez")), 2);
    EXPECT_TRUE(w().isDown(QStringLiteral("traiet")));
    EXPECT_TRUE(running());
    EXPECT_EQ(s.n, 15);
}

TEST_F(GraviWindow, OnlyAPaintNoTickAskedForStartsTheFallAgain)
{
    ASSERT_EQ(run("open Tcaduta click via"), 0);
    QApplication::processEvents();   // the window is shown and painted
    ASSERT_EQ(run("tick 20"), 0);
    w().repaint();   // the tick's own paint shows the picture
    (void)w().grabShown();
    EXPECT_EQ(s.n, 20);
    w().repaint();   // uncovered
    EXPECT_EQ(s.n, 0);
    ASSERT_EQ(run("tick 7 uncover"), 0);
    EXPECT_EQ(s.n, 0);
    EXPECT_EQ(s.theta, 91);
    EXPECT_TRUE(running());
}

}  // namespace
