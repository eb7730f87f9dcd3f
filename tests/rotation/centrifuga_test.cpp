// The centrifugal-force window: the turning rod, the release along the tangent, the trajectory,
// one and two bodies, and the window's buttons and timer through a run.
#include <gtest/gtest.h>

#include <QToolButton>
#include <cmath>

#include "rotation/centrifuga.h"
#include "window_test.h"

namespace {

using namespace centrifuga;

// On a 1916 x 1000 client: centre (958, 500), body 1 on radius 125 (H/8), body 2 on 250 (H/4),
// discs of half-size 25 (H div 40) and 12 (H div 80), flight speed 62.5 px a tick (H/16).
constexpr int W = 1916, H = 1000;

struct CentrifugeModel : ::testing::Test {
    raster::Bitmap bitmap;
    State& s = state();
    raster::Canvas& c() { return bitmap.canvas(); }
    void SetUp() override
    {
        s = State{};
        c().brush.color = raster::rgb(12, 34, 56);
        bitmap.setSize(W, H);
        create(c(), W, H);
    }
    Tick step() { return tick(c(), W, H, false); }
    // Starts a run and turns the rod through `ticks` ticks.
    void turn(int ticks, bool anticlockwise = true, int bodies = 1)
    {
        s.anticlockwise = anticlockwise;
        s.n = bodies;
        start(c());
        for (int i = 0; i < ticks; ++i)
            ASSERT_EQ(step(), Tick::Moved);
    }
};

TEST_F(CentrifugeModel, TheRodTurnsThirtyDegreesATickEitherWayAndDrawsOnlyWhatItShould)
{
    // Anticlockwise on screen, body 2 opposite on the doubled radius; 12 ticks a turn.
    const struct { int tick, x1, y1, x2, y2; } places[] = {
        {1, 1083, 500, 708, 500}, {2, 1066, 437, 742, 625}, {4, 958, 375, 958, 750}, {7, 833, 500, 1208, 500},
        {13, 1083, 500, 708, 500}, {26, 1066, 437, 742, 625}};
    turn(0, true, 2);
    for (int t = 1, i = 0; t <= 26; ++t) {
        ASSERT_EQ(step(), Tick::Moved);
        ASSERT_LE(s.k, 12);
        const auto& p = places[i];
        if (t == p.tick) {
            EXPECT_TRUE(s.x1 == p.x1 && s.y1 == p.y1 && s.x2 == p.x2 && s.y2 == p.y2) << "tick " << t;
            ++i;
        }
    }
    // Two ticks in, the rod runs from body 2 through the centre. With one body the erasing line
    // only runs from the centre: the clearing must take the rest.
    turn(2, true, 2);
    EXPECT_TRUE(c().pixel(850, 562) == kWhite || c().pixel(850, 563) == kWhite);
    s.n = 1;
    step();
    EXPECT_TRUE(hasPixels(c(), {{850, 562, kBlack}, {850, 563, kBlack}, {742, 625, kBlack}, {1020, 392, kWhite}}));
    // Clockwise: a quarter turn ends below the centre.
    turn(4, false, 2);
    EXPECT_TRUE(s.d == -1 && s.x1 == 958 && s.y1 == 625 && s.y2 == 250);
    // The trajectory keeps every disc and the current rod; the erasing line takes the old rods.
    s.trajectory = true;
    turn(4);
    EXPECT_TRUE(hasPixels(c(), {{1083, 500, kWhite}, {1066, 437, kWhite}, {1020, 392, kWhite}, {958, 375, kWhite},
                                {1040, 500, kBlack}, {958, 450, kWhite}}));
    // Switched off, the next tick leaves body 1 at 120 degrees and the rod from the centre only.
    s.trajectory = false;
    step();
    const raster::Rect lit = boxBeside(c(), kBlack);
    EXPECT_TRUE(lit.left == 895 - 25 && lit.top == 392 - 25 && lit.right == 958 + 1 && lit.bottom == 500 + 1);
    // A start clears everything.
    start(c());
    EXPECT_EQ(boxBeside(c(), kBlack).right, 0);
}

TEST_F(CentrifugeModel, ReleasedBodiesFlyOffAlongTheTangentUntilBodyOneIsOut)
{
    // Anywhere on its turn, either way round, body 1 flies off at once, square to the radius,
    // 62.5 px a tick, forwards.
    for (bool anticlockwise : {true, false})
        for (int r = 1; r <= 12; ++r) {
            turn(r, anticlockwise);
            const double rx = s.px1 - 958, ry = s.py1 - 500;
            release(c(), W, H);
            for (int i = 0; i < 4; ++i)
                step();
            const double dx = s.x1 - s.px1, dy = s.y1 - s.py1;
            EXPECT_NEAR(std::hypot(dx, dy), 250, 1.5) << r;
            EXPECT_NEAR((rx * dx + ry * dy) / (125 * 250), 0, 0.01) << r;
            EXPECT_EQ(rx * dy - ry * dx < 0, anticlockwise) << r;   // screen y grows downwards
        }
    // Released at the top, turning anticlockwise: the rod goes, body 1 moves left at once (62.5
    // and 187.5 rounded to even), rimmed in black; 16 steps take it to x -42, the 17th tick ends.
    turn(4);
    release(c(), W, H);
    EXPECT_EQ(c().pixel(958, 450), kBlack);
    for (int i = 1; i <= 16; ++i) {
        ASSERT_EQ(step(), Tick::Moved);
        EXPECT_TRUE(i > 3 || (s.x1 == 958 - (i == 1 ? 62 : i == 2 ? 125 : 188) && s.y1 == 375)) << s.x1;
        EXPECT_TRUE(i != 3 || hasPixels(c(), {{770, 375, kWhite}, {770 - 24, 375, kWhite}, {770 - 25, 375, kBlack}}));
    }
    EXPECT_EQ(s.x1, -42);
    EXPECT_TRUE(step() == Tick::Ended && s.x1 == -42);
    // Two bodies show their release points for a tick, then fly apart at the same speed.
    turn(4, true, 2);
    release(c(), W, H);
    EXPECT_EQ(c().pixel(958, 600), kBlack);
    step();
    EXPECT_TRUE(s.x1 == 958 && s.y1 == 375 && s.x2 == 958 && s.y2 == 750);
    step();
    EXPECT_TRUE(s.x1 == 958 - 62 && s.x2 == 958 + 62 && s.y2 == 750);
    EXPECT_TRUE(hasPixels(c(), {{1020, 750, kYellow}, {958, 750, kBlack}}));
    // Body 2 does not end a run: released at 60 degrees, it passes the bottom edge first.
    turn(3, true, 2);
    release(c(), W, H);
    bool body2OutFirst = false;
    while (step() == Tick::Moved)
        body2OutFirst = body2OutFirst || (s.y2 > H + 10 && s.y1 >= -10);
    EXPECT_TRUE(body2OutFirst && s.y1 < -10);
}

// The window, driven as a user drives it.
struct CentrifugeWindow : WindowTest {
    bool running() { return w().animationTimer()->enabled(); }
    bool down(const char* name) { return w().isDown(QString::fromLatin1(name)); }
};

TEST_F(CentrifugeWindow, ARunThroughItsButtonsAndAReopening)
{
    ASSERT_EQ(run("open Tcenfuga"), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Centrifugal force"));
    EXPECT_EQ(c("traiet").hint, QStringLiteral("trajectory|"));
    EXPECT_TRUE(!running() && w().animationTimer()->interval() == 90 && enabled("disegna") && enabled("sgancia") &&
                down("antiorario") && !down("orario") && !down("traiet"));
    // Releasing before any start starts nothing, nor does an activation.
    ASSERT_EQ(run("click sgancia deactivate activate"), 0);
    EXPECT_TRUE(!running() && enabled("disegna"));
    // Two bodies: the up-down stops at 2.
    ASSERT_EQ(run("set ncorpi 2"), 0);
    EXPECT_TRUE(text("Edit1") == QStringLiteral("2") && state().n == 2);
    c("ncorpi").widget->findChildren<QToolButton*>().at(0)->click();
    EXPECT_EQ(state().n, 2);
    EXPECT_NE(run("set ncorpi 3"), 0);
    ASSERT_EQ(run("click disegna"), 0);
    EXPECT_TRUE(running() && !enabled("disegna") && enabled("pausa"));
    // 4 ticks of 90 ms put body 1 above the centre; the direction changed while running waits
    // for the next start, and pausing freezes the rod.
    ASSERT_EQ(run("advance 360"), 0);
    EXPECT_TRUE(hasPixels(w().surface(), {{958, 375, kWhite}, {958, 750, kYellow}}));
    ASSERT_EQ(run("click orario tick 4 click pausa tick 3 click pausa"), 0);
    EXPECT_TRUE(state().x1 == 850 && state().y1 == 563);
    // The running state survives a deactivation.
    ASSERT_EQ(run("deactivate activate"), 0);
    EXPECT_TRUE(running());
    // The trajectory works at once and goes up on a second click.
    ASSERT_EQ(run("click traiet tick"), 0);
    EXPECT_TRUE(state().trajectory && w().surface().pixel(850, 578) == kWhite);
    ASSERT_EQ(run("click traiet"), 0);
    EXPECT_FALSE(down("traiet") || state().trajectory);
    // The release keeps the timer running until the run ends, and an ended run stays stopped.
    ASSERT_EQ(run("click sgancia tick 5"), 0);
    EXPECT_TRUE(running() && !enabled("disegna"));
    ASSERT_EQ(run("tick 40 deactivate activate"), 0);
    EXPECT_TRUE(!running() && enabled("disegna"));
    // A new start clears the picture and turns clockwise.
    ASSERT_EQ(run("click traiet click disegna tick 4"), 0);
    EXPECT_TRUE(hasPixels(w().surface(), {{850, 578, kBlack}, {958, 625, kWhite}, {958, 250, kYellow}}));
    // Reopened in Italian: idle on a black picture with one body turning anticlockwise; the
    // trajectory flag and the last run's values are kept.
    ASSERT_EQ(run("close"), 0);
    globals::LanguageIndex = 0;
    ASSERT_EQ(run("open Tcenfuga"), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Forza centrifuga"));
    EXPECT_EQ(c("sgancia").hint, QStringLiteral("sgancia"));
    EXPECT_TRUE(!running() && enabled("disegna") && text("Edit1") == QStringLiteral("1"));
    const State& s = state();
    EXPECT_TRUE(s.n == 1 && s.anticlockwise && s.attached && !s.running && s.client.right == W && s.client.bottom == H);
    EXPECT_TRUE(s.trajectory && s.d == -1 && s.py1 == 625);
    EXPECT_EQ(boxBeside(w().surface(), kBlack).right, 0);
}

}  // namespace
