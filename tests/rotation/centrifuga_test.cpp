// The centrifugal-force window: the turning rod, the release along the tangent, the trajectory,
// one and two bodies, and the window's buttons and timer through a run.
#include <gtest/gtest.h>

#include <QToolButton>
#include <cmath>
#include <numbers>

#include "rotation/centrifuga.h"
#include "window_test.h"

namespace {

using centrifuga::Tick;
constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);

// On a 1916 x 1000 client: centre (958, 500), body 1 on radius 125 (H/8), body 2 on 250 (H/4),
// discs of half-size 25 (H div 40) and 12 (H div 80), flight speed 62.5 px a tick (H/16).
constexpr int W = 1916;
constexpr int H = 1000;

struct Model : ::testing::Test {
    raster::Bitmap bitmap;
    centrifuga::State& s = centrifuga::state();
    void SetUp() override
    {
        s = centrifuga::State{};
        bitmap.canvas().brush.color = raster::rgb(12, 34, 56);
        bitmap.setSize(W, H);
        centrifuga::create(bitmap.canvas(), W, H);
    }
    raster::Canvas& c() { return bitmap.canvas(); }
    // Starts a run and turns the rod through `ticks` attached ticks.
    void turn(int ticks, bool anticlockwise = true, int bodies = 1)
    {
        s.anticlockwise = anticlockwise;
        s.n = bodies;
        centrifuga::start(c());
        for (int i = 0; i < ticks; ++i)
            ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
    }
    // Whether every pixel outside the box [x0, x1) x [y0, y1) is black.
    ::testing::AssertionResult blackOutside(int x0, int y0, int x1, int y1)
    {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if ((x < x0 || x >= x1 || y < y0 || y >= y1) && c().pixel(x, y) != kBlack)
                    return ::testing::AssertionFailure() << "lit at " << x << "," << y;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(Model, TheRodTurnsThirtyDegreesATickInEitherDirection)
{
    // Anticlockwise on screen, step by step against the circle's formula, body 2 opposite on the
    // doubled radius; 12 ticks come back to the start.
    turn(0);
    for (int step = 0; step < 26; ++step) {
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
        const double a = (step % 12) * std::numbers::pi / 6 + 0.001;
        EXPECT_EQ(s.x1, 958 + std::lround(125 * std::cos(a))) << "step " << step;
        EXPECT_EQ(s.y1, 500 - std::lround(125 * std::sin(a))) << "step " << step;
        EXPECT_EQ(s.x2, 958 - std::lround(250 * std::cos(a))) << "step " << step;
        EXPECT_EQ(s.y2, 500 + std::lround(250 * std::sin(a))) << "step " << step;
        EXPECT_TRUE(s.px1 == s.x1 && s.py2 == s.y2 && s.k < 13);
    }
    // Clockwise: a quarter turn ends below the centre.
    turn(4, false);
    EXPECT_EQ(s.d, -1);
    EXPECT_EQ(s.x1, 958);
    EXPECT_EQ(s.y1, 625);
    EXPECT_EQ(s.y2, 250);
}

TEST_F(Model, DroppingTheSecondBodyWhileTurningLeavesNoStaleRod)
{
    // With two bodies the rod of the second tick runs from body 2 at (742, 625) through the
    // centre to body 1 at (1066, 437), and passes x 850 half-way to the centre.
    turn(2, true, 2);
    EXPECT_TRUE(c().pixel(850, 562) == kWhite || c().pixel(850, 563) == kWhite);
    // With one body the black erasing line only runs from the centre: the clearing must take the rest.
    s.n = 1;
    centrifuga::tick(c(), W, H, false);
    for (auto [x, y] : {std::pair{850, 562}, {850, 563}, {742, 625}})
        EXPECT_EQ(c().pixel(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(c().pixel(1020, 392), kWhite);
}

TEST_F(Model, TheTrajectoryKeepsEveryDisc)
{
    s.trajectory = true;
    turn(4);
    for (const auto& [x, y] : {std::pair{1083, 500}, std::pair{1066, 437}, std::pair{1020, 392}, std::pair{958, 375}})
        EXPECT_EQ(c().pixel(x, y), kWhite) << x << "," << y;
    // The old rods are erased by the black line; the current one stays.
    EXPECT_TRUE(c().pixel(1040, 500) == kBlack && c().pixel(958, 450) == kWhite);
    // Switching it off clears the picture at the next tick: body 1 at 120 degrees (895, 392),
    // nothing but its disc and the rod from the centre is left.
    s.trajectory = false;
    centrifuga::tick(c(), W, H, false);
    ASSERT_TRUE(s.x1 == 895 && s.y1 == 392);
    EXPECT_TRUE(blackOutside(895 - 25, 392 - 25, 958 + 1, 500 + 1));
    EXPECT_EQ(c().pixel(895, 392), kWhite);
    // Starting again clears the whole bitmap: nothing drawn survives anywhere.
    s.trajectory = true;
    turn(12, true, 2);
    centrifuga::start(c());
    EXPECT_TRUE(blackOutside(0, 0, 0, 0));
}

// Released anywhere on its turn, either way round, body 1 flies off at once along the tangent,
// 62.5 px a tick, the rod gone and its disc rimmed in the rod's black pen.
TEST_F(Model, OneBodyFliesOffAlongTheTangentAtOnce)
{
    for (bool anticlockwise : {true, false})
        for (int r = 0; r < 12; ++r) {
            turn(r + 1, anticlockwise);
            const double rx = s.px1 - 958, ry = s.py1 - 500;
            centrifuga::release(c(), W, H);
            for (int i = 0; i < 4; ++i)
                centrifuga::tick(c(), W, H, false);
            // Four steps of 62.5 px: 250 px from the release point, square to the radius.
            const double dx = s.x1 - s.px1, dy = s.y1 - s.py1;
            EXPECT_NEAR(std::hypot(dx, dy), 250, 1.5) << "r " << r;
            EXPECT_NEAR((rx * dx + ry * dy) / (125 * 250), 0, 0.01) << "r " << r;
            // Screen y grows downwards: an anticlockwise turn has a negative cross product.
            EXPECT_EQ(rx * dy - ry * dx < 0, anticlockwise) << "r " << r;
        }
    turn(4);   // released at the top, turning anticlockwise: it goes left
    centrifuga::release(c(), W, H);
    EXPECT_TRUE(!s.attached && s.k == 1);
    EXPECT_EQ(c().pixel(958, 450), kBlack);
    for (int x : {958 - 62, 958 - 125, 958 - 188}) {   // 62.5 and 187.5 round to even
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved);
        EXPECT_TRUE(s.x1 == x && s.y1 == 375) << s.x1 << "," << s.y1;
    }
    EXPECT_TRUE(c().pixel(770, 375) == kWhite && c().pixel(770 - 24, 375) == kWhite);
    EXPECT_EQ(c().pixel(770 - 25, 375), kBlack);
}

TEST_F(Model, TwoBodiesWaitOneTickThenFlyApartAtTheSameSpeed)
{
    turn(4, true, 2);
    centrifuga::release(c(), W, H);
    EXPECT_EQ(s.k, 0);
    EXPECT_EQ(c().pixel(958, 600), kBlack);   // the rod between them is gone
    centrifuga::tick(c(), W, H, false);
    EXPECT_TRUE(s.x1 == 958 && s.y1 == 375 && s.x2 == 958 && s.y2 == 750);
    centrifuga::tick(c(), W, H, false);
    EXPECT_TRUE(s.x1 == 958 - 62 && s.x2 == 958 + 62 && s.y2 == 750);
    EXPECT_TRUE(c().pixel(1020, 750) == kYellow && c().pixel(958, 750) == kBlack);
}

TEST_F(Model, TheRunEndsWhenBodyOneIsTenPixelsOut)
{
    turn(4);
    centrifuga::release(c(), W, H);
    // Leftwards from x 958: after 15 steps x = 958 - 938 = 20, after 16 x = -42 (drawn, clipped);
    // the tick after that finds it out and ends.
    for (int i = 1; i <= 16; ++i)
        ASSERT_EQ(centrifuga::tick(c(), W, H, false), Tick::Moved) << i;
    EXPECT_EQ(s.x1, -42);
    EXPECT_EQ(centrifuga::tick(c(), W, H, false), Tick::Ended);
    EXPECT_EQ(s.x1, -42);
    // Body 2 does not end a run: released at 60 degrees, it passes the bottom edge while body 1
    // is still on its way to the top one.
    turn(3, true, 2);
    centrifuga::release(c(), W, H);
    bool body2OutFirst = false;
    while (centrifuga::tick(c(), W, H, false) == Tick::Moved)
        body2OutFirst = body2OutFirst || (s.y2 > H + 10 && s.y1 >= -10);
    EXPECT_TRUE(body2OutFirst);
    EXPECT_LT(s.y1, -10);
}

// The window, driven as a user drives it.
struct Window : WindowTest {
    void SetUp() override
    {
        centrifuga::state() = centrifuga::State{};
        WindowTest::SetUp();
    }
    bool running() { return w().animationTimer()->enabled(); }
    bool down(const char* name) { return w().isDown(QString::fromLatin1(name)); }
};

TEST_F(Window, OpensIdleAndRunsOnItsButtons)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Centrifugal force"));
    EXPECT_FALSE(running());
    EXPECT_EQ(w().animationTimer()->interval(), 90);
    EXPECT_TRUE(enabled("disegna") && enabled("sgancia") && down("antiorario") && !down("orario") && !down("traiet"));
    EXPECT_EQ(w().control(QStringLiteral("traiet"))->hint, QStringLiteral("trajectory|"));
    // Releasing before any start starts nothing.
    ASSERT_EQ(run(QStringLiteral("click sgancia")), 0);
    EXPECT_TRUE(!running() && enabled("disegna"));

    ASSERT_EQ(run(QStringLiteral("click disegna")), 0);
    EXPECT_TRUE(running() && !enabled("disegna") && enabled("pausa") && enabled("sgancia"));
    EXPECT_NE(run(QStringLiteral("click disegna")), 0);   // disabled while running
    // The timer's own clock: 4 ticks of 90 ms put body 1 above the centre. Pausing freezes it;
    // the release keeps the timer running until body 1 is out of sight.
    ASSERT_EQ(run(QStringLiteral("advance 360 click pausa tick 3 click pausa click sgancia")), 0);
    EXPECT_EQ(centrifuga::state().x1, 958);
    ASSERT_EQ(run(QStringLiteral("tick 16")), 0);
    EXPECT_TRUE(running() && !enabled("disegna"));
    ASSERT_EQ(run(QStringLiteral("tick")), 0);
    EXPECT_TRUE(!running() && enabled("disegna"));
    // A new start clears the picture and turns again.
    ASSERT_EQ(run(QStringLiteral("click disegna tick")), 0);
    EXPECT_EQ(w().surface().pixel(10, 375), kBlack);
    EXPECT_EQ(w().surface().pixel(1083, 500), kWhite);
}

TEST_F(Window, TheRunningStateSurvivesDeactivation)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga deactivate activate")), 0);
    EXPECT_FALSE(running());
    ASSERT_EQ(run(QStringLiteral("click disegna tick 2 deactivate")), 0);
    EXPECT_TRUE(!running() && centrifuga::state().running);
    ASSERT_EQ(run(QStringLiteral("activate")), 0);
    EXPECT_TRUE(running());
    ASSERT_EQ(run(QStringLiteral("click sgancia tick 40 deactivate activate")), 0);
    EXPECT_TRUE(!running() && enabled("disegna"));
}

TEST_F(Window, BodiesAndDirectionTakeEffectAsTheyShould)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga set ncorpi 2")), 0);
    EXPECT_EQ(text("Edit1"), QStringLiteral("2"));
    EXPECT_EQ(centrifuga::state().n, 2);
    // The up-down stops at 2: its up arrow does not wrap round to 1.
    auto arrows = w().control(QStringLiteral("ncorpi"))->widget->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    arrows[0]->click();
    EXPECT_EQ(centrifuga::state().n, 2);
    EXPECT_NE(run(QStringLiteral("set ncorpi 3")), 0);
    // Clockwise chosen before the start: body 1 a quarter turn below the centre, body 2 above.
    ASSERT_EQ(run(QStringLiteral("click orario click disegna tick 4")), 0);
    EXPECT_TRUE(down("orario") && !down("antiorario"));
    EXPECT_TRUE(w().surface().pixel(958, 625) == kWhite && w().surface().pixel(958, 250) == kYellow);
    // Changing the direction while running waits for the next start.
    ASSERT_EQ(run(QStringLiteral("click antiorario tick 3")), 0);
    EXPECT_EQ(centrifuga::state().y1, 500);
    EXPECT_EQ(centrifuga::state().x1, 958 - 125);   // half a turn on from the right, clockwise
    // The trajectory button works at once and goes up again on a second click.
    ASSERT_EQ(run(QStringLiteral("click traiet tick")), 0);
    EXPECT_TRUE(centrifuga::state().trajectory);
    EXPECT_EQ(w().surface().pixel(958 - 125, 500), kWhite);
    ASSERT_EQ(run(QStringLiteral("click traiet")), 0);
    EXPECT_FALSE(down("traiet") || centrifuga::state().trajectory);
    ASSERT_EQ(run(QStringLiteral("set cadenza 195")), 0);
    EXPECT_EQ(w().animationTimer()->interval(), 5);
}

// Reopened, the window starts idle on a black picture with one body turning anticlockwise, in
// the language of the moment; the trajectory flag and the last run's values are not reset.
TEST_F(Window, ReopeningStartsIdleInTheWindowsLanguage)
{
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga set ncorpi 2 click orario click traiet click disegna tick 3 deactivate activate close")), 0);
    globals::LanguageIndex = 0;
    ASSERT_EQ(run(QStringLiteral("open Tcenfuga")), 0);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Forza centrifuga"));
    EXPECT_EQ(w().control(QStringLiteral("sgancia"))->hint, QStringLiteral("sgancia"));
    EXPECT_TRUE(!running() && enabled("disegna"));
    EXPECT_EQ(text("Edit1"), QStringLiteral("1"));
    const centrifuga::State& s = centrifuga::state();
    EXPECT_TRUE(s.n == 1 && s.anticlockwise && s.attached && !s.running && s.client.right == W && s.client.bottom == H);
    EXPECT_TRUE(s.trajectory && s.d == -1 && s.px1 == 958 + 62);
    for (int y = 0; y < H; y += 37)
        for (int x = 0; x < W; x += 41)
            ASSERT_EQ(w().surface().pixel(x, y), kBlack) << x << "," << y;
}

}  // namespace
