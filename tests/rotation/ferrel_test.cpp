// The Ferrel's-law window: a run's length and marks on the single-precision clock, the marks in
// each frame and view, inward runs, and the window's buttons and timer through a run.
#include <gtest/gtest.h>

#include <cmath>

#include "rotation/ferrel.h"
#include "window_test.h"

namespace {

using ferrel::kBlack;
using ferrel::kCyan;
using ferrel::kRed;
using ferrel::kWhite;

// On a 1916 x 1000 client: the picture (958 x 500) lies at (708, 250), the disc's centre is the
// picture's (250, 250), the unit length d is 25 px and the oblique lift 50 px. A 7 x 7 sprite
// drawn at (Round(x - 4), Round(y - 4)) has its white or red centre 3 px further on.
constexpr int W = 1916;
constexpr int H = 1000;

raster::Point sprite(double x, double y) { return {int(std::lround(x - 4)) + 3, int(std::lround(y - 4)) + 3}; }

struct FerrelModel : ::testing::Test {
    ferrel::State& s = ferrel::state();
    raster::Bitmap window;
    void SetUp() override { window.setSize(W, H); }
    void start(bool outwards, bool rotating, bool oblique)
    {
        ferrel::create(W, H);
        s.outwards = outwards;
        s.rotatingChosen = rotating;
        s.viewToggle = !oblique;
        ferrel::start(H);
    }
    bool tick() { return ferrel::tick(window.canvas(), W, H, false); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            tick();
    }
    raster::Color picture(raster::Point p) { return s.picture.canvas().pixel(p.x + 250, p.y + 250); }
    // Red pixels of the picture within `reach` of p.
    int redAround(raster::Point p, int reach)
    {
        int n = 0;
        for (int y = -reach; y <= reach; ++y)
            for (int x = -reach; x <= reach; ++x)
                n += picture({p.x + x, p.y + y}) == kRed;
        return n;
    }
};

TEST_F(FerrelModel, ARunDrawsNinetyOnePicturesOnItsSinglePrecisionClock)
{
    start(true, false, false);
    // Mark k of body 0 lies k d along 0.2 rad from the downward axis.
    auto mark = [](int k) { return sprite(std::sin(0.2) * 25 * k, std::cos(0.2) * 25 * k); };
    // t reaches 2.9999993 after 30 steps of 0.1: mark 3 shows from the 32nd picture on.
    ticks(31);
    EXPECT_NE(picture(mark(3)), kWhite);
    EXPECT_FALSE(tick());
    EXPECT_EQ(picture(mark(3)), kWhite);
    int last = 33;
    while (!tick() && last < 200)
        ++last;
    EXPECT_EQ(last, 91);
    EXPECT_FALSE(s.running);
    // The last picture, at t = 8.999998, shows mark 8 but not mark 9, and the bodies just short of it.
    EXPECT_EQ(picture(mark(8)), kWhite);
    EXPECT_NE(picture(mark(9)), kWhite);
    const raster::Point body = sprite(std::sin(0.2) * 224.99995, std::cos(0.2) * 224.99995);
    EXPECT_EQ(window.canvas().pixel(958 + body.x, 500 + body.y), kWhite);
    // The still disc's direction to the right is cyan in the picture, and covered on the window
    // by a line in the window's own pen, which is never set: black.
    EXPECT_EQ(picture({150, 0}), kCyan);
    EXPECT_EQ(window.canvas().pixel(708 + 400, 500), kBlack);
}

TEST_F(FerrelModel, TheRedMarksOnTheDiscInEachFrameAndView)
{
    // Fixed frame from above: the marks on the disc lie under the white ones.
    start(true, false, false);
    ticks(60);
    EXPECT_EQ(redAround({0, 0}, 250), 0);
    // Obliquely: under the white rows, lowered by 50 px and with half their depth.
    start(true, false, true);
    ticks(60);
    EXPECT_EQ(picture(sprite(std::sin(0.2) * 125, std::cos(0.2) * 62.5 - 50)), kWhite);
    EXPECT_EQ(picture(sprite(std::sin(0.2) * 125, std::cos(0.2) * 62.5)), kRed);
    // Turning: at the 61st picture mark 5 (left at t = 4) has turned with the disc by
    // 0.2 rad a unit of t up to the previous tick, t = 5.9.
    start(true, true, false);
    ticks(61);
    EXPECT_EQ(picture(sprite(std::sin(0.38) * 125, std::cos(0.38) * 125)), kRed);
    EXPECT_EQ(picture(sprite(std::sin(0.2) * 125, std::cos(0.2) * 125)), kWhite);
}

TEST_F(FerrelModel, InwardBodiesStartOnTheNinthMarkWithNoMarkLeftFromAnEarlierRun)
{
    start(true, true, false);
    while (!tick()) {
    }
    start(false, true, false);
    tick();
    // At t = 0 mark 9 shows: white on the straight path at 1.88 rad, under body 0, and red
    // where the turning disc puts it at the start, beta = -0.2 rad (not where the last run left
    // it), mostly hidden under the white mark of body 2, 0.8 degrees away.
    const raster::Point white = sprite(std::sin(1.88) * 225, std::cos(1.88) * 225);
    EXPECT_EQ(picture(white), kWhite);
    EXPECT_EQ(window.canvas().pixel(958 + white.x, 500 + white.y), kWhite);
    EXPECT_GT(redAround(sprite(std::sin(-0.2) * 225, std::cos(-0.2) * 225), 3), 0);
    EXPECT_EQ(redAround(sprite(std::sin(0.2) * 225, std::cos(0.2) * 225), 3), 0);
}

struct FerrelWindow : WindowTest {
    bool running() { return w().animationTimer()->enabled(); }
};

TEST_F(FerrelWindow, ButtonsTimerAndChoicesThroughARun)
{
    ASSERT_EQ(run(QStringLiteral("open Tferre")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Force of Coriolis"));
    EXPECT_FALSE(running());
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    ASSERT_EQ(run(QStringLiteral("click mobil click prospno click disegna tick 10")), 0);
    EXPECT_FALSE(enabled("disegna"));
    EXPECT_EQ(ferrel::state().r, 1);
    EXPECT_EQ(ferrel::state().p, 1);
    // Choices wait for the next start; the pause stops the clock; deactivation keeps the run.
    ASSERT_EQ(run(QStringLiteral("click fis click prospno click pausa tick 5 click pausa deactivate activate")), 0);
    EXPECT_EQ(ferrel::state().r, 1);
    EXPECT_FLOAT_EQ(ferrel::state().t, 1.0f);
    EXPECT_TRUE(running());
    // The 91st tick ends the run; the window stays stopped when it is activated again.
    ASSERT_EQ(run(QStringLiteral("tick 80")), 0);
    EXPECT_TRUE(running());
    ASSERT_EQ(run(QStringLiteral("tick deactivate activate")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(enabled("disegna"));
    ASSERT_EQ(run(QStringLiteral("click disegna")), 0);
    EXPECT_EQ(ferrel::state().r, 0);
    EXPECT_EQ(ferrel::state().p, 0);
    // Reopened, it is idle with the tool bar's first choices.
    ASSERT_EQ(run(QStringLiteral("click interno close open Tferre")), 0);
    EXPECT_FALSE(running());
    EXPECT_TRUE(w().isDown(QStringLiteral("esterno")));
    EXPECT_TRUE(ferrel::state().outwards);
    EXPECT_EQ(w().surface().pixel(958, 500), kBlack);
}

}  // namespace
